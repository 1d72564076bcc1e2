#pragma once

#include "platform/PrintSurface.h"

#include <QList>
#include <memory>

// A text as it was printed, with its page, position, font and ink.
struct PrintedText {
    int page;
    int x;
    int y;
    QString text;
    PrintTextStyle style;
    // Whether the hourglass showed while it was printed.
    bool busy;
};

struct PrintedLine {
    int page;
    int x1, y1, x2, y2;
    QColor color;
    int penWidth;
};

// Everything a document was given, kept after the document is gone.
struct PrintRecord {
    QList<PrintedText> texts;
    QList<PrintedLine> lines;
    int pages = 1;
    // As it was when the first page was drawn.
    PageOrientation orientation = PageOrientation::Portrait;
    bool ended = false;

    // The texts of one page, top to bottom and left to right.
    QList<PrintedText> page(int number) const;
    // The one text of a page that reads `text`; fails the test when there is not exactly one.
    PrintedText find(const QString& text, int page = 1) const;
    QStringList textsAt(int x, int page = 1) const;
    QList<int> ruleYs(int page = 1) const;
};

// A print document that records instead of printing. `failing` makes its end report a
// printer failure.
class RecordingSurface final : public PrintSurface {
public:
    explicit RecordingSurface(bool failing = false);

    void setOrientation(PageOrientation orientation) override;
    void printText(int x, int y, const QString& text) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    bool endDocument() override;

    const std::shared_ptr<PrintRecord> record;

protected:
    void startNextPage() override;

private:
    bool m_drawn = false;
    bool m_failing;
};
