// The encrypted data file: opening and keying, category tables, the shared loaders and the
// aisle saver, compaction and the delivered sample content. Saves as single transactions are
// the I/O-error and kill suites'.
#include "SampleContent.h"
#include "TestData.h"
#include "coupons/WebAddress.h"
#include "help/FeedbackMail.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/Loaders.h"
#include "store/Meals.h"
#include "store/SavedWeeks.h"
#include "store/StoreError.h"
#include "store/TableAccess.h"
#include "ui/Compaction.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

// Each case gets a fresh data file, open as the program opens it.
class TestStore : public QObject {
    Q_OBJECT
    std::optional<TestData> data;
    DataStore& store() { return data->app.store(); }
    QStringList groups() { return Rows(store(), "Groups", {"Item"}); }

private slots:
    void init() { data.emplace().open(); }

    void opensOnlyItsOwnKeyedFile() {
        QVERIFY(DataStore::open(data->dataFile()));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data->dataFile(), "quill527"));
        QFile file(data->dataFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3") && !bytes.contains("me@example.com"));

        // A file of junk is no database, and an existing file is never made anew.
        QFile junk(data->folder() + "/junk.mdb");
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(8192, 'x')) == 8192);
        junk.close();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(junk.fileName()));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::create(data->dataFile()));
    }

    void fieldsAreFoundInAnyCase() {
        store().run(
            "INSERT INTO GroceryList (listName, Item, Coupon) VALUES ('Party', 'Chips', 1)");
        Statement row = store().prepare("SELECT * FROM [GroceryList]");
        QVERIFY(row.next());
        QCOMPARE(row.text("LISTNAME"), QString("Party"));
        QCOMPARE(row.integer("coupon"), 1);
        QVERIFY(row.isNull("Quanity"));
        QVERIFY_THROWS_EXCEPTION(StoreError, row.text("Quantity"));
    }

    void categoryNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("kept");
        QTest::newRow("quotes, brackets, accents")
            << "Mom's \"Épicerie\" [kids]; DROP TABLE Meals" << true;
        // Names the store cannot keep apart from another, or cannot keep at all; names of
        // other tables are the catalogue suite's.
        QTest::newRow("leading blank") << " Dairy" << false;
        QTest::newRow("internal prefix") << "SQLITE_stuff" << false;
        QTest::newRow("too long") << QString(kMaxCategoryNameLength + 1, QChar('x')) << false;
    }
    void categoryNames() {
        QFETCH(QString, name);
        QFETCH(bool, kept);
        CreateCategory(store(), "Dairy");
        if (!kept) {
            QVERIFY(!CategoryNameProblem(store(), name).isEmpty());
            QVERIFY_THROWS_EXCEPTION(StoreError, CreateCategory(store(), name));
            QCOMPARE(groups(), QStringList{"Dairy"});
            return;
        }
        CreateCategory(store(), name);
        store().run(
            QStringLiteral("INSERT INTO %1 (Item) VALUES ('Ice')").arg(QuoteIdentifier(name)));
        QCOMPARE(Rows(store(), name, {"Item"}), QStringList{"Ice"});
        QVERIFY(DeleteCategory(store(), name));
        QCOMPARE(groups(), QStringList{"Dairy"});
        QVERIFY(!store().tableExists(name) && store().tableExists("Meals"));
    }

    void deletingNeverDropsATableItDoesNotOwn() {
        CreateCategory(store(), "Dairy");
        // Older files may list such names; the row goes, the table stays.
        store().run("INSERT INTO Groups VALUES ('Meals')");
        store().run("INSERT INTO Groups VALUES ('DAIRY')");
        QVERIFY(DeleteCategory(store(), "Meals"));
        QVERIFY(DeleteCategory(store(), "DAIRY"));
        QVERIFY(!DeleteCategory(store(), "dairy"));
        QVERIFY(store().tableExists("Meals") && store().tableExists("Dairy"));
        QCOMPARE(groups(), QStringList{"Dairy"});
    }

    void loadersKeepTheirOrder() {
        for (const char* name : {"Produce", "bakery", "Frozen Foods"})
            CreateCategory(store(), name);
        QCOMPARE(LoadCategories(store()), (QStringList{"bakery", "Frozen Foods", "Produce"}));

        for (const char* item : {"peas", "Corn", "10 Waffles", "9 Waffles"})
            store().run("INSERT INTO \"Frozen Foods\" (Item) VALUES (?1)", QString(item));
        // Text order ("10" before "9"), letter case ignored; the name is used exactly.
        QCOMPARE(LoadCategoryItems(store(), "Frozen Foods"),
                 (QStringList{"10 Waffles", "9 Waffles", "Corn", "peas"}));
        QVERIFY_THROWS_EXCEPTION(StoreError, LoadCategoryItems(store(), " Frozen Foods "));

        for (const char* aisle : {"C3", "", "A1"})
            store().run("INSERT INTO Aisles (Aisle) VALUES (?1)", QString(aisle));
        store().run("INSERT INTO Aisles (Description) VALUES ('no name')");
        QCOMPARE(LoadAisles(store()), (QStringList{"C3", "A1"}));

        for (const char* meal : {"Tacos", "Soup", "Tacos", "apple pie"})
            store().run("INSERT INTO Meals (Meal, Item) VALUES (?1, 'x')", QString(meal));
        QCOMPARE(LoadMealNames(store()), (QStringList{"apple pie", "Soup", "Tacos"}));
    }

    void saveAisleReplacesTheSameNameInAnyCase() {
        SaveAisle(store(), "A1", "Fruit");
        SaveAisle(store(), "B4", "Frozen");
        SaveAisle(store(), "  b4 ", "  Frozen Foods ");
        SaveAisle(store(), "a1", "");
        SaveAisle(store(), "", "ignored");
        SaveAisle(store(), "   ", "ignored too");
        QCOMPARE(Rows(store(), "Aisles", {"Aisle", "Description"}),
                 (QStringList{"b4|Frozen Foods", "a1|<null>"}));
    }

    void compactionKeepsContentAndPassword() {
        AppContext& app = data->app;
        FillSampleContent(app.store());
        app.store().run("CREATE TABLE Scratch AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                        "SELECT i + 1 FROM n WHERE i < 200) SELECT randomblob(500) FROM n");
        app.store().run("DROP TABLE Scratch");
        const auto list = [&] { return Rows(app.store(), "GroceryList", {"ListName", "Item"}); };
        const QStringList before = list();
        const qint64 sizeBefore = QFileInfo(data->dataFile()).size();
        CompactDataStore(app);
        QCOMPARE(list(), before);
        QVERIFY(QFileInfo(data->dataFile()).size() < sizeBefore);
        app.closeStore();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data->dataFile(), "wrong"));
        app.openStore();

        // A compaction that cannot run leaves the file as it was and the store open.
        app.store().run("BEGIN");
        QVERIFY_THROWS_EXCEPTION(StoreError, CompactDataStore(app));
        QVERIFY(app.storeIsOpen());
        QCOMPARE(list(), before);
    }

    void sampleContentHangsTogether() {
        store().run("DELETE FROM dbIndex");
        FillSampleContent(store());
        // Every meal item is in its category, every planned meal exists, the list is saved.
        Statement mealItems = store().prepare("SELECT * FROM Meals");
        while (mealItems.next())
            QVERIFY2(LoadCategoryItems(store(), mealItems.text("Category"))
                         .contains(mealItems.text("Item")),
                     qPrintable(mealItems.text("Item")));
        const QStringList meals = LoadMealNames(store());
        const QStringList plan = Rows(store(), "MealIndex", {"ItemIndex"});
        QCOMPARE(plan.size(), 21);
        for (const QString& slot : plan)
            QVERIFY(slot == "None" || meals.contains(slot));
        // Each saved week's slots are empty or hold a meal of their type.
        const auto byType = LoadMealNamesByType(store());
        const QList<SavedWeek> weeks = ReadAllWeeks(store());
        QCOMPARE(weeks.size(), 2);
        for (const SavedWeek& week : weeks)
            for (int k = 0; k < 21; ++k)
                QVERIFY2(week.meals[k].isEmpty() || byType[k / 7].contains(week.meals[k]),
                         qPrintable(week.name + ": " + week.meals[k]));
        const QString listName = Rows(store(), "dbIndex", {"GroceryListName"}).value(0);
        QVERIFY(store().query("SELECT 1 FROM GroceryList WHERE ListName = ?1", listName).next());

        // The coupon sites open in the browser; the sender passes the feedback window's check.
        for (const QString& site : LoadCouponLinks(store()))
            QVERIFY2(WebAddressToOpen(site), qPrintable(site));
        QVERIFY(IsAcceptedSender(Rows(store(), "dbIndex", {"eMailFlag"}).value(0)));
    }
};

QTEST_MAIN(TestStore)
#include "tst_store.moc"
