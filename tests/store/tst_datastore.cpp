// Opening, keying, transactions and the category tables of the encrypted data file.
#include "TestData.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/StoreError.h"
#include "store/TableAccess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDataStore : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyItsOwnKeyedFile() {
        TestData data;
        QVERIFY(DataStore::open(data.dataFile()));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data.dataFile(), "quill527"));

        QFile file(data.dataFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("me@example.com"));
        file.close();

        // A missing file stays missing; a file of junk is no database.
        QTemporaryDir dir;
        const QString missing = dir.filePath("Pantrelle Two.mdb");
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(missing));
        QVERIFY(!QFile::exists(missing));
        QFile junk(dir.filePath("junk.mdb"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(8192, 'x'));
        junk.close();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(junk.fileName()));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::create(data.dataFile()));
    }

    void tablesHoldTheirFieldsFoundInAnyCase() {
        TestData data;
        DataStore& store = data.open().store();
        const QMap<QString, QStringList> fields{
            {"dbIndex",
             {"DropDown", "OptionColor", "BackGroundColor", "GroceryListName", "eMailFlag"}},
            {"Groups", {"Item"}},
            {"Aisles", {"Aisle", "Description"}},
            {"Meals", {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"}},
            {"MealIndex", {"ItemIndex"}},
            {"GroceryList",
             {"ListName", "Item", "Quanity", "Size", "Aisle", "Price", "Category", "Comments",
              "Coupon"}},
            {"Coupon Links", {"Link"}},
        };
        for (auto it = fields.begin(); it != fields.end(); ++it)
            QCOMPARE(FieldNames(store, it.key()), it.value());

        store.run("INSERT INTO GroceryList (listName, Item, Coupon) VALUES ('Party', 'Chips', 1)");
        Statement row = store.prepare("SELECT * FROM [GroceryList]");
        QVERIFY(row.next());
        QCOMPARE(row.text("LISTNAME"), QString("Party"));
        QCOMPARE(row.integer("coupon"), 1);
        QVERIFY(row.isNull("Quanity"));
        QVERIFY_THROWS_EXCEPTION(StoreError, row.text("Quantity"));
    }

    void unfinishedTransactionLeavesNoTrace() {
        TestData data;
        DataStore& store = data.open().store();
        {
            Transaction outer(store);
            store.run("INSERT INTO MealIndex VALUES ('Tacos')");
            Transaction inner(store);
            store.run("INSERT INTO MealIndex VALUES ('Soup')");
            inner.commit();
            // No commit of the outer one: as if a later write had failed.
        }
        QVERIFY(Rows(store, "MealIndex", {"ItemIndex"}).isEmpty());
    }

    void categoryTablesWorkWithAwkwardNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << "Frozen Foods";
        QTest::newRow("quotes") << "Mom's \"Special\"";
        QTest::newRow("brackets and semicolon") << "Snacks [kids]; DROP TABLE Meals";
        QTest::newRow("accents") << "Épicerie fine";
    }
    void categoryTablesWorkWithAwkwardNames() {
        QFETCH(QString, name);
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, name);
        QCOMPARE(Rows(store, "Groups", {"Item"}), QStringList{name});
        QCOMPARE(FieldNames(store, name),
                 (QStringList{"Item", "Size", "Aisle", "Price", "Comments"}));
        store.run(
            QStringLiteral("INSERT INTO %1 (Item) VALUES ('Ice')").arg(QuoteIdentifier(name)));
        QCOMPARE(Rows(store, name, {"Item"}), QStringList{"Ice"});

        QVERIFY(DeleteCategory(store, name));
        QVERIFY(Rows(store, "Groups", {"Item"}).isEmpty());
        QVERIFY(!store.tableExists(name));
        QVERIFY(store.tableExists("Meals"));
    }

    void namesTheStoreCannotKeepApartAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("leading blank") << " Dairy";
        QTest::newRow("other case of a category") << "dairy";
        QTest::newRow("own table with blank") << "coupon links";
        QTest::newRow("internal prefix") << "SQLITE_stuff";
        QTest::newRow("too long") << QString(kMaxCategoryNameLength + 1, QChar('x'));
    }
    void namesTheStoreCannotKeepApartAreRefused() {
        QFETCH(QString, name);
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy");
        QVERIFY(!CategoryNameProblem(store, name).isEmpty());
        QVERIFY_THROWS_EXCEPTION(StoreError, CreateCategory(store, name));
        QCOMPARE(Rows(store, "Groups", {"Item"}), QStringList{"Dairy"});
    }

    void deletingNeverDropsATableItDoesNotOwn() {
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy");
        // Older files may list such names; the row goes, the table stays.
        store.run("INSERT INTO Groups VALUES ('Meals')");
        store.run("INSERT INTO Groups VALUES ('DAIRY')");
        QVERIFY(DeleteCategory(store, "Meals"));
        QVERIFY(DeleteCategory(store, "DAIRY"));
        QVERIFY(store.tableExists("Meals"));
        QVERIFY(store.tableExists("Dairy"));
        QVERIFY(!DeleteCategory(store, "dairy"));
        QCOMPARE(Rows(store, "Groups", {"Item"}), QStringList{"Dairy"});
    }
};

QTEST_GUILESS_MAIN(TestDataStore)
#include "tst_datastore.moc"
