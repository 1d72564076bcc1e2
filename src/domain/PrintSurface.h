#pragma once

#include <QColor>
#include <QFont>
#include <QString>

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// The font and ink a text is printed with.
struct PrintTextStyle {
    QString fontName = QStringLiteral("Arial");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    bool operator==(const PrintTextStyle&) const = default;
};

// A document the printouts draw on. Coordinates are twips (1/1440 inch) from the top-left
// corner of the printable area; paper size and margins are the printer's.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Takes effect for a document that has not drawn anything yet.
    virtual void setOrientation(PageOrientation orientation) = 0;

    void setFontName(const QString& name) { m_style.fontName = name; }
    void setFontSize(double points) { m_style.size = points; }
    void setBold(bool on) { m_style.bold = on; }
    void setItalic(bool on) { m_style.italic = on; }
    void setUnderline(bool on) { m_style.underline = on; }
    void setTextColor(const QColor& color) { m_style.color = color; }
    // Width of lines, in printer pixels.
    void setPenWidth(int pixels) { m_penWidth = pixels; }
    const PrintTextStyle& style() const { return m_style; }
    int penWidth() const { return m_penWidth; }

    // The text's top-left corner stands at (x, y); a TAB moves on to the next tab stop.
    virtual void printText(int x, int y, const QString& text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, const QColor& color) = 0;
    // How wide `text` prints in the current font, in twips. Measured on the screen unless the
    // surface knows its printer's measures.
    virtual double textWidth(const QString& text);

    // 1 on the first page.
    int pageNumber() const { return m_page; }
    void newPage() {
        ++m_page;
        startNextPage();
    }
    // Hands the document to the printer; false when the printer could not be opened or
    // failed on the way.
    virtual bool endDocument() = 0;

    // Tab stops stand every half inch from the left edge of the printable area.
    static constexpr int kTabStopTwips = 720;
    static int nextTabStop(double x) { return (int(x) / kTabStopTwips + 1) * kTabStopTwips; }

    // The font a text of `style` prints in.
    static QFont fontOf(const PrintTextStyle& style);

protected:
    virtual void startNextPage() = 0;

private:
    PrintTextStyle m_style;
    int m_penWidth = 1;
    int m_page = 1;
};
