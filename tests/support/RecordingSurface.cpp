#include "RecordingSurface.h"

#include <QCursor>
#include <QGuiApplication>
#include <QtTest>
#include <algorithm>

QList<PrintedText> PrintRecord::page(int number) const {
    QList<PrintedText> result;
    for (const PrintedText& text : texts) {
        if (text.page == number)
            result << text;
    }
    std::stable_sort(result.begin(), result.end(), [](const PrintedText& a, const PrintedText& b) {
        return std::pair(a.y, a.x) < std::pair(b.y, b.x);
    });
    return result;
}

PrintedText PrintRecord::find(const QString& text, int pageNumber) const {
    QList<PrintedText> hits;
    for (const PrintedText& printed : page(pageNumber)) {
        if (printed.text == text)
            hits << printed;
    }
    if (hits.size() != 1)
        qWarning("\"%s\" is printed %d times on page %d", qPrintable(text), int(hits.size()),
                 pageNumber);
    return hits.value(0, PrintedText{0, -1, -1, {}, {}, false});
}

QStringList PrintRecord::textsAt(int x, int pageNumber) const {
    QStringList result;
    for (const PrintedText& text : page(pageNumber)) {
        if (text.x == x)
            result << text.text;
    }
    return result;
}

QList<int> PrintRecord::ruleYs(int pageNumber) const {
    QList<int> result;
    for (const PrintedLine& line : lines) {
        if (line.page == pageNumber && line.y1 == line.y2)
            result << line.y1;
    }
    return result;
}

RecordingSurface::RecordingSurface(bool failing)
    : record(std::make_shared<PrintRecord>()), m_failing(failing) {}

void RecordingSurface::setOrientation(PageOrientation orientation) {
    if (!m_drawn)
        record->orientation = orientation;
}

void RecordingSurface::printText(int x, int y, const QString& text) {
    m_drawn = true;
    const QCursor* cursor = QGuiApplication::overrideCursor();
    record->texts.append(
        {pageNumber(), x, y, text, style(), cursor && cursor->shape() == Qt::WaitCursor});
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    m_drawn = true;
    record->lines.append({pageNumber(), x1, y1, x2, y2, color, penWidth()});
}

void RecordingSurface::startNextPage() {
    m_drawn = true;
    record->pages = pageNumber();
}

bool RecordingSurface::endDocument() {
    record->ended = true;
    return !m_failing;
}
