#pragma once

#include "domain/PrintSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;

// Draws on a QPrinter: a printer, a PDF file or a print preview. The painter starts with
// the first drawing, so the orientation can still be set before it.
class QtPrintSurface final : public PrintSurface {
public:
    // Draws on `printer`, which must outlive the surface.
    explicit QtPrintSurface(QPrinter& printer);
    // Draws on a printer the surface owns.
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
    // A document whose printer could not be found: it draws nothing and ends in failure.
    QtPrintSurface();
    ~QtPrintSurface() override;

    void setOrientation(PageOrientation orientation) override;
    void printText(int x, int y, const QString& text) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    double textWidth(const QString& text) override;
    bool endDocument() override;

protected:
    void startNextPage() override;

private:
    // Starts the painter on first use; false once the printer has failed.
    bool ready();
    // Sets the painter's font to the current style's, when it changed.
    const QFontMetricsF& useStyleFont();
    double pixels(double twips) const { return twips * m_pixelsPerTwip; }

    std::unique_ptr<QPrinter> m_owned;
    QPrinter* m_printer;
    QPainter m_painter;
    // The font set on the painter (its colour unused), and its measures.
    PrintTextStyle m_fontStyle{.size = -1};
    std::optional<QFontMetricsF> m_metrics;
    double m_pixelsPerTwip = 1;
    bool m_started = false;
    bool m_failed = false;
};
