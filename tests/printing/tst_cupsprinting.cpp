// The print window printing on a real CUPS queue: a private scheduler with its own
// configuration folder and a cups-pdf queue, started for this test and stopped after it.
// Skipped where such a scheduler cannot run.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "grocerylist/frmGroceryList.h"
#include "platform/Printers.h"
#include "printing/frmPrint.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("PantrelleTestPdf%1").arg(QCoreApplication::applicationPid());
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kQueueLog = QStringLiteral("/var/log/cups/cups-pdf-%1_log").arg(kQueue);

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Where cups-pdf puts a job of this user: the "PDF" folder in the home folder.
QString outputFolder() {
    const passwd* user = getpwuid(geteuid());
    return user ? QDir(QString::fromLocal8Bit(user->pw_dir)).filePath("PDF") : QString();
}

// The box around everything printed on the first page, in points.
QRectF inkBounds(const QString& pdf, const QString& folder) {
    QProcess render;
    render.start("pdftoppm", {"-r", "72", "-singlefile", pdf, folder + "/page"});
    if (!render.waitForFinished(30000))
        return {};
    const QImage page(folder + "/page.ppm");
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixelColor(x, y).lightness() < 200)
                box |= QRect(x, y, 1, 1);
        }
    }
    return QRectF(box.topLeft(), QSizeF(box.size()));
}

QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({"*.pdf"}, QDir::Files);
}

} // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QProcess m_scheduler;
    QString m_output;
    bool m_outputExisted = false;
    QStringList m_before;

    QString path(const QString& name) const { return m_root.filePath(name); }

    void stopScheduler() {
        if (m_scheduler.state() == QProcess::NotRunning)
            return;
        m_scheduler.terminate();
        if (!m_scheduler.waitForFinished(10000)) {
            m_scheduler.kill();
            m_scheduler.waitForFinished(5000);
        }
    }

public:
    ~TestCupsPrinting() override { stopScheduler(); }

private slots:
    void initTestCase() {
        const QStringList system{"/usr/sbin", "/usr/bin", "/sbin"};
        const QString cupsd = QStandardPaths::findExecutable("cupsd", system);
        const QString lpadmin = QStandardPaths::findExecutable("lpadmin", system);
        if (cupsd.isEmpty() || lpadmin.isEmpty() || !QFile::exists(kPpd) ||
            !QFile::exists(kBackend))
            QSKIP("cups and printer-driver-cups-pdf are not installed");
        // cups-pdf runs only as root, and only a root scheduler starts it as root.
        if (geteuid() != 0)
            QSKIP("a scheduler with a cups-pdf queue needs to run as root");

        // The scheduler's helpers run as the "lp" user and must reach the spool folder.
        QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadGroup |
                                                 QFile::ExeGroup | QFile::ReadOther |
                                                 QFile::ExeOther);
        for (const char* folder : {"spool/tmp", "cache", "state", "log", "ppd", "ssl"})
            QDir(m_root.path()).mkpath(folder);
        const QString socket = path("cups.sock");
        QVERIFY(writeFile(path("cupsd.conf"),
                          QString("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                  "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                  "  Allow all\n</Location>\n")
                              .arg(socket)));
        QVERIFY(
            writeFile(path("cups-files.conf"),
                      QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                              "CacheDir %1/cache\nStateDir %1/state\nAccessLog %1/log/access_log\n"
                              "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                              "Printcap %1/printcap\nSandboxing Relaxed\n")
                          .arg(m_root.path())));

        m_scheduler.setProgram(cupsd);
        m_scheduler.setArguments({"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        // The scheduler goes with this test even when the test dies.
        m_scheduler.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_scheduler.start();
        if (!m_scheduler.waitForStarted(10000))
            QSKIP("cupsd could not be started");
        for (int waited = 0; !QFile::exists(socket) && waited < 100; ++waited) {
            if (m_scheduler.waitForFinished(100))
                break;
        }
        if (m_scheduler.state() != QProcess::Running || !QFile::exists(socket)) {
            stopScheduler();
            QSKIP(qPrintable("cupsd did not start: " + m_scheduler.readAllStandardError()));
        }
        // Every use of CUPS in this process, Qt's printer list included, talks to it.
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        QProcess addQueue;
        addQueue.start(lpadmin, {"-h", socket, "-p", kQueue, "-E", "-v", "cups-pdf:/", "-P", kPpd});
        const bool added = addQueue.waitForFinished(30000) && addQueue.exitCode() == 0;
        if (!added) {
            stopScheduler();
            QSKIP("the cups-pdf queue could not be added");
        }
        m_output = outputFolder();
        m_outputExisted = QDir(m_output).exists();
        m_before = pdfsIn(m_output);
    }

    void cleanupTestCase() {
        stopScheduler();
        for (const QString& pdf : pdfsIn(m_output)) {
            if (!m_before.contains(pdf))
                QFile::remove(QDir(m_output).filePath(pdf));
        }
        if (!m_outputExisted && !m_output.isEmpty())
            QDir().rmdir(m_output);
        QFile::remove(kQueueLog);
    }

    void thePrintWindowPrintsOnTheQueuePickedFromItsList() {
        TestData data;
        {
            auto store = DataStore::open(data.dataFile());
            SaveGroceryList(*store, "Weekly",
                            {{"Milk", "2", "Yes", "1 gal", "B1", "3.50", "Dairy", ""},
                             {"Bread", "1", "", "loaf", "A3", "2.25", "Bakery", ""}});
        }
        QtPrinters printers;
        data.platform.realPrinters = &printers;
        const auto main = Main(data.app);
        main->cmdGroceryList->click();
        auto* list = main->findChild<frmGroceryList*>();
        QStringList offered;
        data.platform.modalRunner.steps.push_back([&](QDialog* dialog) {
            auto* window = qobject_cast<frmPrint*>(dialog);
            for (int i = 0; i < window->cboPrinter->count(); ++i)
                offered << window->cboPrinter->itemText(i);
            const int queue = window->cboPrinter->findText(kQueue);
            QVERIFY(queue >= 0);
            window->cboPrinter->setCurrentIndex(queue);
            emit window->cboPrinter->activated(queue);
            window->Option1[0]->click();
            window->cmdPrint->click();
        });
        list->cmdPrint->click();
        QCOMPARE(offered, (QStringList{kQueue, "PDF file"}));
        QVERIFY(data.platform.messageBoxes.shown.isEmpty());
        QCOMPARE(printers.current(), kQueue);

        // cups-pdf writes the job into the user's PDF folder once the scheduler ran it.
        QStringList made;
        for (int waited = 0; made.isEmpty() && waited < 600; ++waited) {
            QTest::qWait(100);
            for (const QString& pdf : pdfsIn(m_output)) {
                if (!m_before.contains(pdf))
                    made << pdf;
            }
        }
        QCOMPARE(made.size(), 1);
        QTest::qWait(500); // the backend may still be closing the file
        const QString pdf = QDir(m_output).filePath(made[0]);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString about = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(about.contains(QRegularExpression("Title: +\\(?Weekly\\)?\n")), qPrintable(about));
        QVERIFY2(about.contains(QRegularExpression("Pages: +1\n")), qPrintable(about));

        // The cups-pdf queue turns text into glyph drawings, so the layout is checked by its
        // ink: the first rule's ends mark the printable area's corner and the page's width.
        const QRectF ink = inkBounds(pdf, m_root.path());
        QPrinter queue(QPrinter::HighResolution);
        PreparePrinter(queue, kQueue);
        const QPointF origin = queue.pageLayout().paintRect(QPageLayout::Point).topLeft();
        QVERIFY(std::abs(ink.left() - (origin.x() + 350 / 20.0)) < 1.5);
        QVERIFY(std::abs(ink.right() - (origin.x() + 11200 / 20.0)) < 1.5);
        QVERIFY(std::abs(ink.top() - (origin.y() + 210 / 20.0)) < 1.5);
    }
};

QTEST_MAIN(TestCupsPrinting)
#include "tst_cupsprinting.moc"
