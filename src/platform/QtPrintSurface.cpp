#include "QtPrintSurface.h"

#include <QPrinter>

QtPrintSurface::QtPrintSurface(QPrinter& printer) : m_printer(&printer) {}

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer)
    : m_owned(std::move(printer)), m_printer(m_owned.get()) {}

QtPrintSurface::QtPrintSurface() : m_printer(nullptr), m_failed(true) {}

QtPrintSurface::~QtPrintSurface() {
    // A document left unfinished is thrown away rather than half printed.
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

void QtPrintSurface::setOrientation(PageOrientation orientation) {
    if (m_printer && !m_started)
        m_printer->setPageOrientation(orientation == PageOrientation::Landscape
                                          ? QPageLayout::Landscape
                                          : QPageLayout::Portrait);
}

bool QtPrintSurface::ready() {
    if (m_failed)
        return false;
    if (!m_started) {
        m_started = true;
        if (!m_painter.begin(m_printer)) {
            m_failed = true;
            return false;
        }
        m_pixelsPerTwip = m_printer->resolution() / 1440.0;
    }
    return true;
}

const QFontMetricsF& QtPrintSurface::useStyleFont() {
    PrintTextStyle font = style();
    font.color = Qt::black;
    // Fonts are set up only when they change: lines of a list share theirs.
    if (!(font == m_fontStyle)) {
        m_fontStyle = font;
        m_painter.setFont(fontOf(font));
        m_metrics.emplace(m_painter.font(), m_printer);
    }
    return *m_metrics;
}

double QtPrintSurface::textWidth(const QString& text) {
    if (!ready())
        return PrintSurface::textWidth(text);
    return useStyleFont().horizontalAdvance(text) / m_pixelsPerTwip;
}

void QtPrintSurface::printText(int x, int y, const QString& text) {
    if (!ready())
        return;
    const QFontMetricsF& metrics = useStyleFont();
    m_painter.setPen(style().color);
    const double baseline = pixels(y) + metrics.ascent();
    if (!text.contains(QLatin1Char('\t'))) {
        m_painter.drawText(QPointF(pixels(x), baseline), text);
        return;
    }
    double at = x;
    const QStringList pieces = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            at = nextTabStop(at);
        if (pieces[i].isEmpty())
            continue;
        m_painter.drawText(QPointF(pixels(at), baseline), pieces[i]);
        if (i + 1 < pieces.size())
            at += metrics.horizontalAdvance(pieces[i]) / m_pixelsPerTwip;
    }
}

void QtPrintSurface::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    if (!ready())
        return;
    QPen pen(color);
    pen.setWidth(penWidth());
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(pixels(x1), pixels(y1)), QPointF(pixels(x2), pixels(y2)));
}

void QtPrintSurface::startNextPage() {
    if (ready() && !m_printer->newPage())
        m_failed = true;
}

bool QtPrintSurface::endDocument() {
    if (!ready()) {
        if (m_painter.isActive()) {
            m_printer->abort();
            m_painter.end();
        }
        return false;
    }
    const bool ended = m_painter.end();
    m_failed = !ended || m_printer->printerState() == QPrinter::Error;
    return !m_failed;
}
