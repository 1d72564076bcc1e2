// The shared loaders, the aisle saver, compaction and the delivered sample content.
#include "SampleContent.h"
#include "TestData.h"
#include "app/Compaction.h"
#include "store/Categories.h"
#include "store/DataStore.h"
#include "store/Loaders.h"
#include "store/StoreError.h"

#include <QDir>
#include <QtTest>

class TestLoaders : public QObject {
    Q_OBJECT

private slots:
    void loadersKeepTheirOrder() {
        TestData data;
        DataStore& store = data.open().store();
        for (const char* name : {"Produce", "bakery", "Dairy"})
            CreateCategory(store, name);
        QCOMPARE(LoadCategories(store), (QStringList{"bakery", "Dairy", "Produce"}));

        for (const char* item : {"milk", "Butter", "Eggs", "10 Eggs", "9 Eggs"})
            store.run(QStringLiteral("INSERT INTO Dairy (Item) VALUES (?1)"), QString(item));
        // Text order: "10" before "9".
        QCOMPARE(LoadCategoryItems(store, "Dairy"),
                 (QStringList{"10 Eggs", "9 Eggs", "Butter", "Eggs", "milk"}));

        for (const char* aisle : {"C3", "", "A1", "B2"})
            store.run(QStringLiteral("INSERT INTO Aisles (Aisle) VALUES (?1)"), QString(aisle));
        store.run(QStringLiteral("INSERT INTO Aisles (Description) VALUES ('no name')"));
        QCOMPARE(LoadAisles(store), (QStringList{"C3", "A1", "B2"}));

        for (const char* meal : {"Tacos", "Soup", "Tacos", "apple pie", "Soup"})
            store.run(QStringLiteral("INSERT INTO Meals (Meal, Item) VALUES (?1, 'x')"),
                      QString(meal));
        QCOMPARE(LoadMealNames(store), (QStringList{"apple pie", "Soup", "Tacos"}));
    }

    void categoryItemsUseTheNameExactlyAsGiven() {
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Frozen Foods");
        store.run(QStringLiteral("INSERT INTO \"Frozen Foods\" (Item) VALUES ('Peas')"));
        QCOMPARE(LoadCategoryItems(store, "Frozen Foods"), QStringList{"Peas"});
        QVERIFY_THROWS_EXCEPTION(StoreError, LoadCategoryItems(store, " Frozen Foods "));
        QVERIFY_THROWS_EXCEPTION(StoreError, LoadCategoryItems(store, "Nothing"));
    }

    void saveAisleReplacesTheSameNameInAnyCase() {
        TestData data;
        DataStore& store = data.open().store();
        SaveAisle(store, "A1", "Fruit");
        SaveAisle(store, "B4", "Frozen");
        SaveAisle(store, "C9", "Cleaning");
        SaveAisle(store, "  b4 ", "  Frozen Foods ");
        QCOMPARE(Rows(store, "Aisles", {"Aisle", "Description"}),
                 (QStringList{"A1|Fruit", "C9|Cleaning", "b4|Frozen Foods"}));

        SaveAisle(store, "a1", "");
        QCOMPARE(Rows(store, "Aisles", {"Aisle", "Description"}),
                 (QStringList{"C9|Cleaning", "b4|Frozen Foods", "a1|<null>"}));

        SaveAisle(store, "", "ignored");
        QCOMPARE(Rows(store, "Aisles", {"Aisle"}).size(), 3);
    }

    void deleteFirstMatchingRowStopsAtTheFirst() {
        TestData data;
        DataStore& store = data.open().store();
        for (const char* aisle : {"Ä1", "ä1", "x"})
            store.run(QStringLiteral("INSERT INTO Aisles (Aisle) VALUES (?1)"), QString(aisle));
        QVERIFY(!DeleteFirstMatchingRow(store, "Aisles", "Aisle", "ä1 ", Qt::CaseInsensitive));
        QVERIFY(DeleteFirstMatchingRow(store, "Aisles", "Aisle", "ä1", Qt::CaseInsensitive));
        QCOMPARE(Rows(store, "Aisles", {"Aisle"}), (QStringList{"ä1", "x"}));
        QVERIFY(!DeleteFirstMatchingRow(store, "Aisles", "Aisle", "X", Qt::CaseSensitive));
    }

    void compactionKeepsContentAndPassword() {
        TestData data;
        AppContext& app = data.open();
        FillSampleContent(app.store());
        // Leave space behind for the compaction to reclaim.
        app.store().run(QStringLiteral("CREATE TABLE Scratch (x TEXT)"));
        for (int i = 0; i < 200; ++i)
            app.store().run(QStringLiteral("INSERT INTO Scratch VALUES (?1)"), QString(500, 'z'));
        app.store().run(QStringLiteral("DROP TABLE Scratch"));
        const QStringList before =
            Rows(app.store(), "GroceryList", {"ListName", "Item", "Quanity"});
        const qint64 sizeBefore = QFileInfo(data.dataFile()).size();

        CompactDataStore(app);

        QVERIFY(app.storeIsOpen());
        QCOMPARE(Rows(app.store(), "GroceryList", {"ListName", "Item", "Quanity"}), before);
        QCOMPARE(LoadCategories(app.store()).size(), 7);
        QVERIFY(QFileInfo(data.dataFile()).size() < sizeBefore);
        QVERIFY(!QFile::exists(QDir(data.folder()).filePath("Pantrelle Compact.mdb")));
        app.closeStore();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data.dataFile(), "wrong"));
        QVERIFY(DataStore::open(data.dataFile()));
    }

    void failedCompactionLeavesTheStoreOpen() {
        TestData data;
        AppContext& app = data.open();
        // VACUUM cannot run inside a transaction: the compaction fails, the file is untouched.
        app.store().run(QStringLiteral("BEGIN"));
        QVERIFY_THROWS_EXCEPTION(StoreError, CompactDataStore(app));
        QVERIFY(app.storeIsOpen());
        QCOMPARE(Rows(app.store(), "dbIndex", {"GroceryListName"}), QStringList{"My List"});
    }

    void sampleContentHangsTogether() {
        TestData data;
        DataStore& store = data.open().store();
        store.run(QStringLiteral("DELETE FROM dbIndex"));
        FillSampleContent(store);
        QCOMPARE(Rows(store, "dbIndex", {"DropDown"}).size(), 1);

        int items = 0;
        for (const QString& category : LoadCategories(store))
            items += LoadCategoryItems(store, category).size();
        QVERIFY(items >= 60);
        QVERIFY(LoadCategories(store).size() >= 6);
        QCOMPARE(LoadAisles(store).size(), 12);

        // Every meal item is in the catalogue, every planned meal exists, the list is saved.
        Statement mealItems = store.prepare(QStringLiteral("SELECT * FROM Meals"));
        while (mealItems.next())
            QVERIFY2(LoadCategoryItems(store, mealItems.text("Category"))
                         .contains(mealItems.text("Item")),
                     qPrintable(mealItems.text("Item")));
        const QStringList meals = LoadMealNames(store);
        QCOMPARE(meals.size(), 10);
        const QStringList plan = Rows(store, "MealIndex", {"ItemIndex"});
        QCOMPARE(plan.size(), 21);
        for (const QString& slot : plan)
            QVERIFY(slot == "None" || meals.contains(slot));
        for (const char* type : {"Breakfast", "Lunch", "Dinner"})
            QVERIFY(store.prepare(QStringLiteral("SELECT 1 FROM Meals WHERE %1").arg(type)).next());
        const QString listName = Rows(store, "dbIndex", {"GroceryListName"}).first();
        QVERIFY(
            store.query(QStringLiteral("SELECT 1 FROM GroceryList WHERE ListName = ?1"), listName)
                .next());
    }
};

QTEST_MAIN(TestLoaders)
#include "tst_loaders.moc"
