// The shared loaders, the aisle saver, compaction and the delivered sample content.
#include "SampleContent.h"
#include "TestData.h"
#include "coupons/WebAddress.h"
#include "help/FeedbackMail.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/Loaders.h"
#include "store/StoreError.h"
#include "ui/Compaction.h"

#include <QDir>
#include <QtTest>

class TestLoaders : public QObject {
    Q_OBJECT

private slots:
    void loadersKeepTheirOrder() {
        TestData data;
        DataStore& store = data.open().store();
        for (const char* name : {"Produce", "bakery", "Frozen Foods"})
            CreateCategory(store, name);
        QCOMPARE(LoadCategories(store), (QStringList{"bakery", "Frozen Foods", "Produce"}));

        for (const char* item : {"peas", "Corn", "10 Waffles", "9 Waffles"})
            store.run("INSERT INTO \"Frozen Foods\" (Item) VALUES (?1)", QString(item));
        // Text order ("10" before "9"), letter case ignored; the name is used exactly.
        QCOMPARE(LoadCategoryItems(store, "Frozen Foods"),
                 (QStringList{"10 Waffles", "9 Waffles", "Corn", "peas"}));
        QVERIFY_THROWS_EXCEPTION(StoreError, LoadCategoryItems(store, " Frozen Foods "));

        for (const char* aisle : {"C3", "", "A1"})
            store.run("INSERT INTO Aisles (Aisle) VALUES (?1)", QString(aisle));
        store.run("INSERT INTO Aisles (Description) VALUES ('no name')");
        QCOMPARE(LoadAisles(store), (QStringList{"C3", "A1"}));

        for (const char* meal : {"Tacos", "Soup", "Tacos", "apple pie"})
            store.run("INSERT INTO Meals (Meal, Item) VALUES (?1, 'x')", QString(meal));
        QCOMPARE(LoadMealNames(store), (QStringList{"apple pie", "Soup", "Tacos"}));
    }

    void saveAisleReplacesTheSameNameInAnyCase() {
        TestData data;
        DataStore& store = data.open().store();
        SaveAisle(store, "A1", "Fruit");
        SaveAisle(store, "B4", "Frozen");
        SaveAisle(store, "  b4 ", "  Frozen Foods ");
        SaveAisle(store, "a1", "");
        SaveAisle(store, "", "ignored");
        SaveAisle(store, "   ", "ignored too");
        QCOMPARE(Rows(store, "Aisles", {"Aisle", "Description"}),
                 (QStringList{"b4|Frozen Foods", "a1|<null>"}));
    }

    void compactionKeepsContentAndPassword() {
        TestData data;
        AppContext& app = data.open();
        FillSampleContent(app.store());
        app.store().run("CREATE TABLE Scratch (x TEXT)");
        for (int i = 0; i < 200; ++i)
            app.store().run("INSERT INTO Scratch VALUES (?1)", QString(500, 'z'));
        app.store().run("DROP TABLE Scratch");
        const QStringList before =
            Rows(app.store(), "GroceryList", {"ListName", "Item", "Quanity"});
        const qint64 sizeBefore = QFileInfo(data.dataFile()).size();

        CompactDataStore(app);
        QCOMPARE(Rows(app.store(), "GroceryList", {"ListName", "Item", "Quanity"}), before);
        QVERIFY(QFileInfo(data.dataFile()).size() < sizeBefore);
        QVERIFY(!QFile::exists(QDir(data.folder()).filePath("Pantrelle Compact.mdb")));
        app.closeStore();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data.dataFile(), "wrong"));
        QVERIFY(DataStore::open(data.dataFile()));

        // A compaction that cannot run leaves the file as it was and the store open.
        app.openStore();
        app.store().run("BEGIN");
        QVERIFY_THROWS_EXCEPTION(StoreError, CompactDataStore(app));
        QVERIFY(app.storeIsOpen());
        QCOMPARE(Rows(app.store(), "GroceryList", {"ListName", "Item", "Quanity"}), before);
    }

    void sampleContentHangsTogether() {
        TestData data;
        DataStore& store = data.open().store();
        store.run("DELETE FROM dbIndex");
        FillSampleContent(store);
        int items = 0;
        for (const QString& category : LoadCategories(store))
            items += LoadCategoryItems(store, category).size();
        QVERIFY(items >= 60);
        QCOMPARE(LoadAisles(store).size(), 12);

        // Every meal item is in its category, every planned meal exists, the list is saved.
        Statement mealItems = store.prepare("SELECT * FROM Meals");
        while (mealItems.next())
            QVERIFY2(LoadCategoryItems(store, mealItems.text("Category"))
                         .contains(mealItems.text("Item")),
                     qPrintable(mealItems.text("Item")));
        const QStringList meals = LoadMealNames(store);
        const QStringList plan = Rows(store, "MealIndex", {"ItemIndex"});
        QCOMPARE(plan.size(), 21);
        for (const QString& slot : plan)
            QVERIFY(slot == "None" || meals.contains(slot));
        const QString listName = Rows(store, "dbIndex", {"GroceryListName"}).value(0);
        QVERIFY(store.query("SELECT 1 FROM GroceryList WHERE ListName = ?1", listName).next());

        // The coupon sites open in the browser; the sender passes the feedback window's check.
        const QStringList sites = LoadCouponLinks(store);
        QVERIFY(sites.size() >= 3);
        for (const QString& site : sites)
            QVERIFY2(WebAddressToOpen(site), qPrintable(site));
        QVERIFY(IsAcceptedSender(Rows(store, "dbIndex", {"eMailFlag"}).value(0)));
    }
};

QTEST_MAIN(TestLoaders)
#include "tst_loaders.moc"
