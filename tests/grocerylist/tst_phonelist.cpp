// The grocery list going out: QR codes a phone reads, the clipboard, and text or CSV files.
#include "PythonCsv.h"
#include "TestData.h"
#include "domain/ListCsv.h"
#include "domain/ListText.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmPhoneList.h"
#include "store/GroceryLists.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// What a barcode reader finds in `image`, as raw bytes.
QByteArray Scan(const QImage& image, const QTemporaryDir& folder) {
    const QString path = folder.filePath("scan.png");
    if (!image.save(path))
        return "not saved";
    QProcess zbar;
    zbar.start("zbarimg", {"--raw", "-q", "-Sbinary", path});
    if (!zbar.waitForFinished(30000))
        return "zbarimg: " + zbar.errorString().toUtf8();
    return zbar.readAllStandardOutput();
}

QList<GroceryListLine> ManyLines(int count) {
    QList<GroceryListLine> lines;
    for (int i = 0; i < count; ++i)
        lines.append({QString("Item %1").arg(i), QString::number(1 + i % 5), i % 3 == 0, "1 lb",
                      QString("A%1").arg(i % 17), QString::number(i % 9 + 0.25), "Pantry", ""});
    return lines;
}

// The grocery list window showing `lines`, saved as "Weekly".
struct Session {
    TestData data;
    std::unique_ptr<frmGroceryList> window;

    explicit Session(const QList<GroceryListLine>& lines) {
        data.open();
        SaveGroceryList(data.app.store(), "Weekly", lines);
        data.app.settings.GroceryListName = "Weekly";
        window = std::make_unique<frmGroceryList>(data.app);
    }
    void choose(const char* entry) { window->findChild<QAction*>(entry)->trigger(); }
    QString text() { return ListText("Weekly", window->list().lines()); }
};

} // namespace

Q_DECLARE_METATYPE(QList<GroceryListLine>)

class PhoneListTest : public QObject {
    Q_OBJECT

private slots:
    void phoneReadsTheWholeList_data() {
        QTest::addColumn<QList<GroceryListLine>>("lines");
        QTest::addColumn<bool>("severalCodes");
        QTest::newRow("five lines")
            << QList<GroceryListLine>{{"Milk", "2", false, "1 L", "A2", "1.1", "Dairy", ""},
                                      {"Bread", "1", true, "loaf", "A1", "2.5", "Bakery", ""},
                                      {"Eggs", "12", false, "", "B3", "", "Dairy", ""},
                                      {"Tea", "", false, "", "", "4", "Drinks", ""},
                                      {"Rice", "1", false, "2 kg", "C1", "3", "Pantry", ""}}
            << false;
        QTest::newRow("accents and symbols")
            << QList<GroceryListLine>{{"Crème fraîche", "1", false, "200 ml", "A1", "2", "Dairy",
                                       ""},
                                      {"Jalapeño", "3", true, "", "B2", "0.4", "Produce", ""},
                                      {"50% cocoa", "2", false, "100 g", "C3", "1.8", "Sweets", ""},
                                      {"Lemons 🍋 & limes", "6", false, "", "", "", "Produce", ""}}
            << false;
        QTest::newRow("200 lines") << ManyLines(200) << true;
    }
    void phoneReadsTheWholeList() {
        QFETCH(QList<GroceryListLine>, lines);
        QFETCH(bool, severalCodes);
        Session session(lines);
        QTemporaryDir folder;
        QByteArray scanned;
        QStringList pages;
        QByteArray savedImage;
        session.data.platform.fileChooser.answers.push_back(folder.filePath("code.png"));
        session.data.platform.modalRunner.steps.push_back([&](QDialog* dialog) {
            auto* phone = qobject_cast<frmPhoneList*>(dialog);
            QCOMPARE(phone->windowTitle(), "Send to Phone!");
            phone->cmdSaveImage->click();
            QImage saved(folder.filePath("code.png"));
            savedImage = Scan(saved, folder);
            QVERIFY(!phone->cmdPrevious->isEnabled());
            for (;;) {
                pages << phone->lblPage->text();
                scanned += Scan(phone->picCode->grab().toImage(), folder);
                if (!phone->cmdNext->isEnabled())
                    break;
                phone->cmdNext->click();
            }
            QTest::keyClick(phone, Qt::Key_Escape);
            QVERIFY(!phone->isVisible());
        });
        session.choose("mnuSendToPhone");
        QVERIFY(session.data.platform.modalRunner.steps.empty());

        QCOMPARE(QString::fromUtf8(scanned), session.text());
        QCOMPARE(pages.size() > 1, severalCodes);
        QCOMPARE(pages.first(), QString("1 of %1").arg(pages.size()));
        QCOMPARE(pages.last(), QString("%1 of %1").arg(pages.size()));
        QVERIFY(session.text().toUtf8().startsWith(savedImage));
    }

    void copiesTheListAsText() {
        Session session(ManyLines(3));
        session.choose("mnuCopyText");
        QCOMPARE(QGuiApplication::clipboard()->text(), session.text());
    }

    void savesTheListAsTextOrCsv() {
        Session session({{"Salt, coarse", "1", true, "1 kg", "B1", "0.99", "Pantry", ""},
                         {"Pan 10\"", "1", false, "", "", "", "Kitchen", "a \"big\" one"},
                         {"Herbs; dried", "2", false, "", "A1", "1.5", "Spices", "x, y; z"},
                         {"Crème fraîche", "", false, "", "A1", "", "", ""}});
        QTemporaryDir folder;
        FakeFileChooser& chooser = session.data.platform.fileChooser;
        chooser.answers = {folder.filePath("list.CSV"), folder.filePath("list.txt")};
        session.choose("mnuSaveAs");
        session.choose("mnuSaveAs");
        QCOMPARE(chooser.requests.first().filter, "Text file (*.txt);;CSV file (*.csv)");

        QFile csv(folder.filePath("list.CSV"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QList<QStringList> fields{kListCsvHeader};
        for (const GroceryListLine& line : ShoppingOrder(session.window->list().lines()))
            fields << QStringList{line.item,     line.quantity, line.coupon ? "Yes" : "",
                                  line.size,     line.aisle,    line.price,
                                  line.category, line.comments};
        QCOMPARE(ReadWithPython(csv.readAll()), fields);
        QFile text(folder.filePath("list.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), session.text().toUtf8());
        QVERIFY(session.data.platform.messageBoxes.shown.isEmpty());
    }

    void aFailedSaveKeepsTheOlderFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<rlim_t>("sizeLimit");
        QTest::newRow("no such folder") << "missing/list.csv" << RLIM_INFINITY;
        QTest::newRow("disk refuses the bytes") << "list.csv" << rlim_t(64);
    }
    void aFailedSaveKeepsTheOlderFile() {
        QFETCH(QString, file);
        QFETCH(rlim_t, sizeLimit);
        Session session(ManyLines(20));
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QFile older(folder.filePath("list.csv"));
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        older.close();
        session.data.platform.fileChooser.answers.push_back(path);
        // A write past the size limit fails as a full disk would, even for root.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        limit.rlim_cur = sizeLimit;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        session.choose("mnuSaveAs");
        setrlimit(RLIMIT_FSIZE, &saved);

        const QList<ShownMessage>& shown = session.data.platform.messageBoxes.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, "Error!");
        QVERIFY2(shown.first().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(shown.first().text));
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), "older");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.csv"});
    }
};

QTEST_MAIN(PhoneListTest)
#include "tst_phonelist.moc"
