#include "RecordingSurface.h"

#include <QCursor>
#include <QGuiApplication>

void RecordingSurface::setOrientation(PageOrientation orientation) {
    // Like a printer, the document keeps the orientation it started drawing with.
    if (record->pages.size() == 1 && record->pages[0].isEmpty())
        record->orientation = orientation;
}

void RecordingSurface::printText(int x, int y, const QString& text) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    record->busy &= cursor && cursor->shape() == Qt::WaitCursor;
    record->inks << style().color.name();
    record->pages.last() << QString("%1,%2 %3%4%5%6 %7")
                                .arg(x)
                                .arg(y)
                                .arg(style().size)
                                .arg(style().bold ? "b" : "", style().italic ? "i" : "",
                                     style().underline ? "u" : "", text);
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    record->inks << QString("%1 pen %2").arg(color.name()).arg(penWidth());
    record->pages.last() << QString("%1,%2 rule %3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
}
