// Opening, keying, transactions and the category tables of the encrypted data file.
#include "TestData.h"
#include "store/Categories.h"
#include "store/DataStore.h"
#include "store/StoreError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDataStore : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyWithTheRightPassword() {
        TestData data;
        QVERIFY(DataStore::open(data.dataFile()));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data.dataFile(), "quill527"));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(data.dataFile(), ""));
    }

    void fileIsEncryptedOnDisk() {
        TestData data;
        QFile file(data.dataFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("me@example.com"));
        QVERIFY(!bytes.contains("GroceryList"));
    }

    void missingFileFailsAndStaysMissing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Pantrelle Two.mdb"));
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(path));
        QVERIFY(!QFile::exists(path));
    }

    void fileThatIsNoDatabaseFails() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("junk.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::open(path));
    }

    void createRefusesAnExistingFile() {
        TestData data;
        QVERIFY_THROWS_EXCEPTION(StoreError, DataStore::create(data.dataFile()));
        QCOMPARE(Rows(data.open().store(), "dbIndex", {"GroceryListName"}), QStringList{"My List"});
    }

    void fixedTablesHoldTheirFields() {
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
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            QCOMPARE(FieldNames(store, it.key()), it.value());
        }
    }

    void fieldNamesAreFoundWhateverTheirCase() {
        TestData data;
        DataStore& store = data.open().store();
        store.run(QStringLiteral("INSERT INTO GroceryList (listName, Item, Coupon) "
                                 "VALUES ('Party', 'Chips', 1)"));
        Statement row = store.prepare(QStringLiteral("SELECT * FROM [GroceryList]"));
        QVERIFY(row.next());
        QCOMPARE(row.text("LISTNAME"), QString("Party"));
        QCOMPARE(row.text("listname"), QString("Party"));
        QCOMPARE(row.integer("coupon"), 1);
        QVERIFY(row.isNull("Quanity"));
        QVERIFY_THROWS_EXCEPTION(StoreError, row.text("Quantity"));
    }

    void unfinishedTransactionLeavesNoTrace() {
        TestData data;
        DataStore& store = data.open().store();
        {
            Transaction outer(store);
            store.run(QStringLiteral("INSERT INTO MealIndex VALUES ('Tacos')"));
            {
                Transaction inner(store);
                store.run(QStringLiteral("INSERT INTO MealIndex VALUES ('Soup')"));
                inner.commit();
            }
            // No commit: as if the next write had failed.
        }
        QVERIFY(Rows(store, "MealIndex", {"ItemIndex"}).isEmpty());

        Transaction transaction(store);
        store.run(QStringLiteral("INSERT INTO MealIndex VALUES ('Tacos')"));
        transaction.commit();
        QCOMPARE(Rows(store, "MealIndex", {"ItemIndex"}), QStringList{"Tacos"});
    }

    void quotingKeepsAwkwardNamesApart() {
        QCOMPARE(QuoteIdentifier("Coupon Links"), QString("\"Coupon Links\""));
        QCOMPARE(QuoteIdentifier("Say \"cheese\""), QString("\"Say \"\"cheese\"\"\""));
    }

    void categoryTablesWorkWithAwkwardNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blank") << "Frozen Foods";
        QTest::newRow("double quote") << "Mom's \"Special\"";
        QTest::newRow("brackets") << "Snacks [kids]";
        QTest::newRow("semicolon") << "Drinks; DROP TABLE Meals";
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
        QVERIFY(store.tableExists("Meals"));

        DeleteCategory(store, name);
        QVERIFY(Rows(store, "Groups", {"Item"}).isEmpty());
        QVERIFY(!store.tableExists(name));
        QVERIFY(store.tableExists("Meals"));
    }

    void categoryNamesTheStoreCannotKeepAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("leading blank") << " Dairy";
        QTest::newRow("other case of a category") << "dairy";
        QTest::newRow("own table") << "Meals";
        QTest::newRow("own table other case") << "groceryLIST";
        QTest::newRow("own table with blank") << "coupon links";
        QTest::newRow("internal prefix") << "SQLITE_stuff";
        QTest::newRow("too long") << QString(kMaxCategoryNameLength + 1, QChar('x'));
    }
    void categoryNamesTheStoreCannotKeepAreRefused() {
        QFETCH(QString, name);
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy");
        QVERIFY(!CategoryNameProblem(store, name).isEmpty());
        QVERIFY_THROWS_EXCEPTION(StoreError, CreateCategory(store, name));
        QCOMPARE(Rows(store, "Groups", {"Item"}), QStringList{"Dairy"});
    }

    void deletingACategoryNamedLikeAnOwnTableKeepsThatTable() {
        TestData data;
        DataStore& store = data.open().store();
        // An older file may list such a name; its [Groups] row goes, the table stays.
        store.run(QStringLiteral("INSERT INTO Groups VALUES ('Meals')"));
        DeleteCategory(store, "Meals");
        QVERIFY(Rows(store, "Groups", {"Item"}).isEmpty());
        QVERIFY(store.tableExists("Meals"));
    }
};

QTEST_GUILESS_MAIN(TestDataStore)
#include "tst_datastore.moc"
