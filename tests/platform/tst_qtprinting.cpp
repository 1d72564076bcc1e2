// The real printing path: the grocery list drawn through QPrinter into a PDF file and onto a
// private CUPS queue, read back with poppler's tools; documents that cannot print; the save
// dialog behind the PDF entry.
#include "domain/GroceryListPrintout.h"
#include "platform/FileChooser.h"
#include "platform/Printers.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kQueue = QString("PantrelleTestPdf%1").arg(QCoreApplication::applicationPid());

// Dates in one of the longest short forms ("2024. 03. 05."), read when the locale is first
// asked for: the "Printed on:" line must still end inside the rules, where the ink ends.
const bool kLongDates = qputenv("LC_ALL", "hu_HU.UTF-8");

std::optional<QString> runTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// 41 lines in blue, so the last one goes on page 2.
void printBlueList(PrintSurface& surface) {
    GroceryListPrintout list{"Weekly", {}, Qt::blue, QDateTime(QDate(2024, 3, 5), QTime(12, 5))};
    for (int i = 0; i < 41; ++i)
        list.lines.append(
            {QString("Item%1").arg(i), "2", i == 1, "Lb", "B4", "3.50", "Dairy", "note"});
    PrintGroceryList(surface, list);
}

// The top-left corner of a printer's printable area on the page, in points.
QPointF printableCorner(const QString& printer) {
    QPrinter reference(QPrinter::HighResolution);
    PreparePrinter(reference, printer);
    return reference.pageLayout().paintRect(QPageLayout::Point).topLeft();
}

// Page 1 drawn at 72 pixels an inch, so a pixel is a point: all its ink is blue, and the first
// rule's ends mark the printable area's corner and the rules' width.
void checkFirstPage(const QString& pdf, const QString& folder, QPointF corner) {
    QVERIFY(runTool("pdftoppm",
                    {"-r", "72", "-f", "1", "-l", "1", "-singlefile", pdf, folder + "/page"}));
    const QImage page(folder + "/page.ppm");
    QRect ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (pixel.lightness() >= 200)
                continue;
            ink |= QRect(x, y, 1, 1);
            QVERIFY2(pixel.blue() > pixel.red() + 30 && pixel.blue() > pixel.green() + 30,
                     qPrintable(pixel.name()));
        }
    }
    const QPointF from = corner + QPointF(350, 210) / 20;
    QVERIFY2(
        std::abs(ink.left() - from.x()) < 1.5 && std::abs(ink.top() - from.y()) < 1.5 &&
            std::abs(ink.right() + 1 - (corner.x() + 11200 / 20.0)) < 1.5,
        qPrintable(QString("ink at %1,%2 to %3").arg(ink.left()).arg(ink.top()).arg(ink.right())));
}

// Starts a scheduler with its own folder and one cups-pdf queue; empty, or why it cannot.
QString startScheduler(QProcess& scheduler, const QTemporaryDir& root) {
    const QString ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    if (!QFile::exists(ppd))
        return "printer-driver-cups-pdf is not installed";
    // cups-pdf runs only as root, and only a root scheduler starts it as root.
    if (geteuid() != 0)
        return "a scheduler with a cups-pdf queue needs to run as root";
    // The scheduler's helpers run as the "lp" user and must reach the spool folder.
    chmod(qPrintable(root.path()), 0755);
    for (const char* folder : {"spool/tmp", "cache", "state", "log", "ppd", "ssl"})
        QDir(root.path()).mkpath(folder);
    const QString socket = root.filePath("cups.sock");
    const auto write = [&](const char* name, const QString& text) {
        QFile file(root.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text.arg(root.path()).toUtf8());
    };
    write("cupsd.conf", "Listen %1/cups.sock\nBrowsing No\nWebInterface No\n"
                        "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n"
                        "</Location>\n");
    write("cups-files.conf", "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                             "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                             "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "Printcap %1/printcap\nSandboxing Relaxed\n");
    // The scheduler goes with this test even when the test dies.
    scheduler.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    scheduler.start("/usr/sbin/cupsd", {"-f", "-c", root.filePath("cupsd.conf"), "-s",
                                        root.filePath("cups-files.conf")});
    for (int waited = 0; !QFile::exists(socket) && waited < 100; ++waited)
        scheduler.waitForFinished(100);
    if (scheduler.state() != QProcess::Running || !QFile::exists(socket))
        return "cupsd did not start: " + scheduler.readAllStandardError();
    if (!runTool("lpadmin", {"-h", socket, "-p", kQueue, "-E", "-v", "cups-pdf:/", "-P", ppd}))
        return "the cups-pdf queue could not be added";
    // Every use of CUPS in this process, Qt's printer list included, talks to it.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    return {};
}

} // namespace

class TestQtPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QProcess m_scheduler; // stopped with this object at the latest
    QString m_noQueue;    // why there is no private CUPS queue

private slots:
    // Before anything asks CUPS, so that everything in this process asks the private one.
    void initTestCase() { m_noQueue = startScheduler(m_scheduler, m_root); }
    void cleanupTestCase() {
        m_scheduler.terminate();
        m_scheduler.waitForFinished(10000);
    }

    void groceryListPrintsAtItsTwipsInItsInk() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils are not installed (scripts/install-deps.sh)");
        QTemporaryDir folder;
        const QString pdf = folder.filePath("list.pdf");
        QtPrinters printers;
        auto surface = printers.openPdfFile(pdf, "Weekly");
        printBlueList(*surface);
        // A TAB moves on to the next half inch: past "Shelf" to 1440, then to 2160.
        surface->printText(400, 5000, "Shelf\t\tLabel");
        surface->printText(400, 5400, "A\tB");
        QVERIFY(surface->endDocument());
        // The printable area starts a quarter inch in; a point is 20 twips.
        const QPointF corner = printableCorner(kPdfFilePrinter);
        QCOMPARE(corner, QPointF(18, 18));
        checkFirstPage(pdf, folder.path(), corner);

        // Each word where pdftotext finds it, keyed "text page".
        static const QRegularExpression tag(
            R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<)re");
        QMap<QString, QPointF> words;
        int page = 0;
        for (const auto& m : tag.globalMatch(runTool("pdftotext", {"-bbox", pdf, "-"}).value())) {
            if (m.capturedLength(3) == 0)
                ++page;
            else
                words.insert(QString("%1 %2").arg(m.captured(3)).arg(page),
                             QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
        }
        QVERIFY(kLongDates && words.contains("2024. 1"));
        const std::tuple<QString, int, int> expected[] = {
            {"Weekly 1", 350, 350},    {"Item0 1", 3700, 1500},  {"Yes 1", 8700, 1800},
            {"Item39 1", 3700, 13200}, {"Item40 2", 3700, 1500}, {"Label 2", 2160, 5000},
            {"B 2", 720, 5400}};
        for (const auto& [word, x, y] : expected) {
            // Within a point (20 twips) of where the printout put it.
            const QPointF off = words.value(word) - corner - QPointF(x, y) / 20;
            QVERIFY2(
                std::abs(off.x()) < 1 && std::abs(off.y()) < 1,
                qPrintable(QString("%1 is %2,%3 points off").arg(word).arg(off.x()).arg(off.y())));
        }
    }

    void documentsThatCannotBePrintedSaySo() {
        QtPrinters printers;
        for (const auto& surface : {printers.openPrinter("No such printer", "List"),
                                    printers.openPdfFile("/nonexistent folder/list.pdf", "List")}) {
            surface->printText(400, 400, "lost");
            QVERIFY(!surface->endDocument());
        }
    }

    void saveDialogAddsTheChosenEnding() {
        // Of the only kind, or of the next kind picked; the suggested name is offered.
        const std::tuple<QString, QString, QString> cases[] = {
            {"PDF files (*.pdf)", "Weekly.pdf", "typed.pdf"},
            {"Text file (*.txt);;CSV file (*.csv)", "Weekly.txt", "typed.csv"}};
        for (const auto& [kinds, suggested, saved] : cases) {
            QTemporaryDir folder;
            QString offered;
            QTimer::singleShot(0, [&] {
                QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                offered = dialog->selectedFiles().value(0);
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
                dialog->selectFile(folder.filePath("typed"));
                static_cast<QDialog*>(dialog)->accept();
            });
            QCOMPARE(QtFileChooser().saveFile(nullptr, "Save", folder.filePath(suggested), kinds),
                     folder.filePath(saved));
            QCOMPARE(offered, folder.filePath(suggested));
        }
    }

    void printsOnAPrivateCupsQueue() {
        if (!m_noQueue.isEmpty())
            QSKIP(qPrintable(m_noQueue));
        // cups-pdf writes a job of this user into the "PDF" folder of the user's home, in a
        // file named after the job, here the queue's name.
        const passwd* user = getpwuid(geteuid());
        QVERIFY(user);
        const QDir output(QString::fromLocal8Bit(user->pw_dir) + "/PDF");
        const bool existed = output.exists();
        const auto made = [&] { return output.entryList({"*" + kQueue + "*.pdf"}); };
        const auto cleanUp = qScopeGuard([&] {
            for (const QString& pdf : made())
                QFile::remove(output.filePath(pdf));
            if (!existed)
                output.rmdir(output.path());
            QFile::remove("/var/log/cups/cups-pdf-" + kQueue + "_log");
        });

        // The queue is listed and, with no default, the current printer.
        QtPrinters printers;
        QCOMPARE(printers.installed(), QStringList{kQueue});
        QCOMPARE(printers.current(), kQueue);
        auto surface = printers.openPrinter(kQueue, kQueue);
        printBlueList(*surface);
        QVERIFY(surface->endDocument());
        QTRY_COMPARE_WITH_TIMEOUT(made().size(), 1, 60000);
        QTest::qWait(500); // the backend may still be closing the file
        // cups-pdf turns text into glyph drawings, so only the ink tells the layout.
        checkFirstPage(output.filePath(made().value(0)), m_root.path(), printableCorner(kQueue));
    }
};

QTEST_MAIN(TestQtPrinting)
#include "tst_qtprinting.moc"
