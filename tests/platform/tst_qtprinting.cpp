// The real printing path: printouts drawn through QPrinter into PDF files, read back with
// poppler's tools; the printer list's failures; the save dialog behind the PDF entry.
#include "platform/FileChooser.h"
#include "platform/Printers.h"
#include "platform/QtPrintSurface.h"
#include "printing/GroceryListPrintout.h"

#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A word as pdftotext places it: its box in points from the page's top-left corner.
struct PdfWord {
    QString text;
    int page;
    QRectF box;
};

QList<PdfWord> pdfWords(const QString& pdf) {
    QProcess tool;
    tool.start("pdftotext", {"-bbox", pdf, "-"});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    static const QRegularExpression pageTag(R"(<page )");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<PdfWord> words;
    int page = 0;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    for (const QString& line : html.split('\n')) {
        if (line.contains(pageTag))
            ++page;
        const auto match = wordTag.match(line);
        if (match.hasMatch())
            words.append(
                {match.captured(5), page,
                 QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                        QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    }
    return words;
}

// Page `page` of a PDF rendered at 72 pixels an inch, one pixel a point.
QImage renderPage(const QString& pdf, int page, const QString& folder) {
    const QString stem = folder + "/page";
    QProcess tool;
    tool.start("pdftoppm", {"-r", "72", "-f", QString::number(page), "-l", QString::number(page),
                            "-singlefile", pdf, stem});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QImage(stem + ".ppm");
}

// The darkest colour inside a box of the page: the ink of what is printed there.
QColor inkIn(const QImage& image, const QRectF& box) {
    QColor darkest(Qt::white);
    const QRect area = box.toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightness() < darkest.lightness())
                darkest = pixel;
        }
    }
    return darkest;
}

} // namespace

class TestQtPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils are not installed (scripts/install-deps.sh)");
    }

    void groceryListPrintsAtItsTwipsInItsInk() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("list.pdf");
        GroceryListPrintout list;
        list.listName = "Weekly";
        for (int i = 0; i < 41; ++i)
            list.lines.append({QString("Item%1").arg(i), "2", i == 1 ? "Yes" : "", "Lb", "B4",
                               "3.50", "Dairy", "note"});
        list.itemCount = 41;
        list.ink = QColor(0, 0, 255);
        list.printedAt = QDateTime::currentDateTime();
        QtPrinters printers;
        {
            auto surface = printers.openPdfFile(pdf, "Weekly");
            PrintGroceryList(*surface, list);
            QVERIFY(surface->endDocument());
        }

        // The printable area starts a quarter inch in; a point is 20 twips.
        QPrinter reference(QPrinter::HighResolution);
        PreparePrinter(reference, kPdfFilePrinter);
        const QPointF origin = reference.pageLayout().paintRect(QPageLayout::Point).topLeft();
        QCOMPARE(origin, QPointF(18, 18));
        const auto at = [&](int x, int y) { return origin + QPointF(x / 20.0, y / 20.0); };

        const QList<PdfWord> words = pdfWords(pdf);
        QVERIFY(!words.isEmpty());
        const QImage page1 = renderPage(pdf, 1, folder.path());
        QVERIFY(!page1.isNull());
        int found = 0;
        for (const PdfWord& word : words) {
            QPointF want;
            if (word.text == "Item0" && word.page == 1)
                want = at(3700, 1500);
            else if (word.text == "Yes")
                want = at(8700, 1800);
            else if (word.text == "Item39")
                want = at(3700, 13200);
            else if (word.text == "Item40")
                want = at(3700, 1500);
            else if (word.text == "Weekly" && word.page == 1)
                want = at(350, 350);
            else
                continue;
            ++found;
            // Within a point (20 twips) of where the printout put it.
            QVERIFY2(std::abs(word.box.left() - want.x()) < 1 &&
                         std::abs(word.box.top() - want.y()) < 1,
                     qPrintable(QString("%1 at %2,%3, expected %4,%5")
                                    .arg(word.text)
                                    .arg(word.box.left())
                                    .arg(word.box.top())
                                    .arg(want.x())
                                    .arg(want.y())));
            if (word.page == 1) {
                const QColor ink = inkIn(page1, word.box);
                QVERIFY2(ink.blue() > 200 && ink.red() < 60 && ink.green() < 60,
                         qPrintable(word.text + " is printed in " + ink.name()));
            }
        }
        QCOMPARE(found, 5);
        // The rule under the heading, blue too.
        QCOMPARE(inkIn(page1, QRectF(at(3000, 1380), at(3100, 1420))), QColor(0, 0, 255));
    }

    void tabsMoveToTheNextHalfInch() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("tabs.pdf");
        QtPrinters printers;
        auto surface = printers.openPdfFile(pdf, "Tabs");
        surface->printText(400, 1000, "Aisle\t\tDescription");
        surface->printText(400, 2000, "A\tB");
        surface->newPage();
        surface->printText(0, 0, "Second");
        QVERIFY(surface->endDocument());
        QMap<QString, PdfWord> words;
        for (const PdfWord& word : pdfWords(pdf))
            words[word.text] = word;
        QCOMPARE(words.size(), 5);
        // "Aisle" ends before 1440, where the first TAB goes; the second goes on to 2160.
        QCOMPARE(qRound(words["Description"].box.left()), 18 + 2160 / 20);
        QCOMPARE(qRound(words["B"].box.left()), 18 + 720 / 20);
        QCOMPARE(words["Second"].page, 2);
    }

    void documentsThatCannotBePrintedSaySo() {
        QtPrinters printers;
        auto missing = printers.openPrinter("No such printer", "List");
        missing->printText(400, 400, "lost");
        QVERIFY(!missing->endDocument());
        auto unwritable = printers.openPdfFile("/nonexistent folder/list.pdf", "List");
        unwritable->printText(400, 400, "lost");
        QVERIFY(!unwritable->endDocument());
    }

    void saveDialogReturnsTheChosenPdfOrNothing() {
        QTemporaryDir folder;
        QtFileChooser chooser;
        QString offered;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            offered = dialog->selectedFiles().value(0);
            dialog->selectFile(folder.filePath("typed"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(
            chooser.saveFile(nullptr, "Save", folder.filePath("Weekly.pdf"), "PDF files (*.pdf)"),
            std::optional<QString>(folder.filePath("typed.pdf")));
        QCOMPARE(offered, folder.filePath("Weekly.pdf"));

        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            qobject_cast<QFileDialog*>(QApplication::activeModalWidget())->reject();
        });
        QCOMPARE(
            chooser.saveFile(nullptr, "Save", folder.filePath("Weekly.pdf"), "PDF files (*.pdf)"),
            std::nullopt);
    }
};

QTEST_MAIN(TestQtPrinting)
#include "tst_qtprinting.moc"
