// How fast a long grocery list goes to a PDF file, against the same strings drawn with
// bare QPainter calls in the same run.
#include "BenchSupport.h"
#include "platform/Printers.h"
#include "printing/Printing.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Settings.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 1000;
constexpr int kRuns = 15;
constexpr double kRatioTarget = 1.5;

// Keeps what a printout draws, to draw it again with bare QPainter calls.
class Recorder final : public PrintSurface {
public:
    struct Text {
        int page, x, y;
        QString text;
        PrintTextStyle style;
    };
    struct Line {
        int page, x1, y1, x2, y2;
        QColor color;
        int width;
    };
    void setOrientation(PageOrientation) override {}
    void printText(int x, int y, const QString& text) override {
        texts.append({pageNumber(), x, y, text, style()});
    }
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override {
        lines.append({pageNumber(), x1, y1, x2, y2, color, penWidth()});
    }
    bool endDocument() override { return true; }
    QList<Text> texts;
    QList<Line> lines;

protected:
    void startNextPage() override {}
};

// The recorded printout drawn straight with QPainter on a PDF printer set up the same way.
void drawBare(const Recorder& recorded, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, kPdfFilePrinter);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
    const double scale = printer.resolution() / 1440.0;
    int page = 1;
    qsizetype line = 0;
    PrintTextStyle current;
    current.size = -1;
    for (const Recorder::Text& text : recorded.texts) {
        while (page < text.page) {
            printer.newPage();
            ++page;
        }
        for (; line < recorded.lines.size() && recorded.lines[line].page == page; ++line) {
            const Recorder::Line& l = recorded.lines[line];
            painter.setPen(QPen(l.color, l.width));
            painter.drawLine(QPointF(l.x1 * scale, l.y1 * scale),
                             QPointF(l.x2 * scale, l.y2 * scale));
        }
        if (!(text.style == current)) {
            current = text.style;
            QFont font(current.fontName);
            font.setPointSizeF(current.size);
            font.setBold(current.bold);
            font.setItalic(current.italic);
            font.setUnderline(current.underline);
            painter.setFont(font);
        }
        painter.setPen(text.style.color);
        painter.drawText(QPointF(text.x * scale, text.y * scale + painter.fontMetrics().ascent()),
                         text.text);
    }
    painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BenchData data([](DataStore& store) {
        SaveGroceryList(store, QStringLiteral("Big"), BenchListLines(kLines));
    });
    AppContext& app = data.app;
    const QString pdf = data.filePath(QStringLiteral("list.pdf"));
    const QString barePdf = data.filePath(QStringLiteral("bare.pdf"));
    const auto none = [] {};

    Recorder recorded;
    PreparePrintout(app, PrintChoice::GroceryListByAisle, 0xFF0000).draw(recorded);
    const auto printout = [&] {
        const Printout list = PreparePrintout(app, PrintChoice::GroceryListByAisle, 0xFF0000);
        auto page = app.platform().printers().openPdfFile(pdf, list.title);
        list.draw(*page);
        page->endDocument();
    };
    // Taken in turns, so that whatever else the machine does weighs on both alike.
    std::vector<double> printedTimes, bareTimes;
    for (int run = 0; run < kRuns; ++run) {
        printedTimes.push_back(MedianMs(1, none, printout));
        bareTimes.push_back(MedianMs(1, none, [&] { drawBare(recorded, barePdf); }));
    }
    const auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    const double printed = median(printedTimes);
    const double bare = median(bareTimes);

    bool ok = Report("1,000-line grocery list read, laid out and written as PDF", printed, 500);
    ok &= Report("the same strings with bare QPainter calls", bare, 500);
    const double ratio = printed / bare;
    std::printf("%-58s %8.2f x   (target <= %.1f x)%s\n", "printout against bare QPainter", ratio,
                kRatioTarget, ratio <= kRatioTarget ? "" : "  MISSED");
    return ok && ratio <= kRatioTarget ? 0 : 1;
}
