// The grocery list going out: QR codes a phone reads, the clipboard, and text or CSV files.
#include "Program.h"
#include "PythonCsv.h"
#include "domain/ListCsv.h"
#include "domain/ListText.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmPhoneList.h"
#include "store/GroceryLists.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <sys/resource.h>

namespace {

// What a barcode reader finds in `image`, as raw bytes.
QByteArray Scan(const QImage& image, const QString& path) {
    QProcess zbar;
    if (image.save(path))
        zbar.start("zbarimg", {"--raw", "-q", "-Sbinary", path});
    zbar.waitForFinished(30000);
    return zbar.readAllStandardOutput();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

// The grocery list window showing `lines`, saved as "Weekly", and a folder to save into.
struct Phone : Program {
    frmGroceryList* window;
    QTemporaryDir folder;

    explicit Phone(const QList<GroceryListLine>& lines)
        : Program([&lines](DataStore& store) { SaveGroceryList(store, "Weekly", lines); }),
          window(open<frmGroceryList>("cmdGroceryList")) {}
    QString text() { return ListText("Weekly", window->list().lines()); }
};

} // namespace

Q_DECLARE_METATYPE(QList<GroceryListLine>)

class PhoneListTest : public QObject {
    Q_OBJECT

private slots:
    void phoneReadsTheWholeList_data() {
        QTest::addColumn<QList<GroceryListLine>>("lines");
        QList<GroceryListLine> many;
        for (int i = 0; i < 200; ++i)
            many.append({QString("Item %1").arg(i), QString::number(1 + i % 5), i % 3 == 0, "1 lb",
                         QString("A%1").arg(i % 17), QString::number(i % 9 + 0.25), "", ""});
        QTest::newRow("five lines, accents and symbols") << QList<GroceryListLine>{
            {"Crème fraîche", "1", false, "200 ml", "A1", "2", "Dairy", ""},
            {"Jalapeño", "3", true, "", "B2", "0.4", "Produce", ""},
            {"50% cocoa", "2", false, "100 g", "C3", "1.8", "Sweets", ""},
            {"Lemons 🍋 & limes", "6", false, "", "", "", "Produce", ""},
            {"Milk", "2", false, "1 L", "A2", "1.1", "Dairy", ""}};
        QTest::newRow("200 lines, several codes") << many;
    }
    void phoneReadsTheWholeList() {
        QFETCH(QList<GroceryListLine>, lines);
        Phone s(lines);
        QByteArray scanned, lastCode;
        QString lastPage;
        s.platform.fileChooser.answers.push_back(s.folder.filePath("saved.png"));
        s.whenModal<frmPhoneList>([&](frmPhoneList* phone) {
            QVERIFY(!phone->cmdPrevious->isEnabled());
            for (;;) {
                lastPage = phone->lblPage->text();
                lastCode = Scan(phone->picCode->grab().toImage(), s.folder.filePath("shown.png"));
                scanned += lastCode;
                if (!phone->cmdNext->isEnabled())
                    break;
                phone->cmdNext->click();
            }
            phone->cmdSaveImage->click();
        });
        s.press(s.window, "mnuSendToPhone");
        s.press(s.window, "mnuCopyText");

        QCOMPARE(QString::fromUtf8(scanned), s.text());
        QCOMPARE(QGuiApplication::clipboard()->text(), s.text());
        QCOMPARE(lastPage == "1 of 1", lines.size() == 5);
        QCOMPARE(Scan(QImage(s.folder.filePath("saved.png")), s.folder.filePath("again.png")),
                 lastCode);
    }

    void savesTheListAsTextOrCsv() {
        Phone s({{"Salt, coarse", "1", true, "1 kg", "B1", "0.99", "Pantry", ""},
                 {"Pan 10\"", "1", false, "", "", "", "Kitchen", "a \"big\"\none"},
                 {"Herbs; dried", "2", false, "", "A1", "1.5", "Spices", "x, y; z"}});
        FakeFileChooser& chooser = s.platform.fileChooser;
        chooser.answers = {s.folder.filePath("list.CSV"), s.folder.filePath("list.txt")};
        s.press(s.window, "mnuSaveAs");
        s.press(s.window, "mnuSaveAs");

        QCOMPARE(chooser.requests.first().filter, "Text file (*.txt);;CSV file (*.csv)");
        QList<QStringList> fields{kListCsvHeader};
        for (const GroceryListLine& line : ShoppingOrder(s.window->list().lines()))
            fields << QStringList{line.item,     line.quantity, line.coupon ? "Yes" : "",
                                  line.size,     line.aisle,    line.price,
                                  line.category, line.comments};
        QCOMPARE(ReadWithPython(FileBytes(s.folder.filePath("list.CSV"))), fields);
        QCOMPARE(FileBytes(s.folder.filePath("list.txt")), s.text().toUtf8());
    }

    void aFailedSaveKeepsTheOlderFile() {
        Phone s({{"Milk", "2", false, "1 L", "A2", "1.1", "Dairy", QString(200, 'c')}});
        const QString path = s.folder.filePath("list.csv");
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        older.close();
        s.platform.fileChooser.answers.push_back(path);
        // Past the size limit a write fails as on a full disk, even for root.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        limit.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &limit);
        s.press(s.window, "mnuSaveAs");
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(s.messages(), QStringList{"The Grocery List could not be saved to " + path +
                                           "! Any older file there is unchanged."});
        QCOMPARE(FileBytes(path), "older");
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"list.csv"});
    }
};

QTEST_MAIN(PhoneListTest)
#include "tst_phonelist.moc"
