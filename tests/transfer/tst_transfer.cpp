// Export and import of the kitchen as CSV files: through the main window's menu a round trip
// into an empty file reproduces every row; the files read back with Python's csv module hold
// the store's rows; files written by Python in spreadsheet dialects import exactly; each
// kind of bad row is refused with its line and reason.
#include "PythonCsv.h"
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "domain/KitchenImport.h"
#include "store/CouponLinks.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Schema.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kDairy = "Dairy, \"fresh\"";

// One of everything, written as the windows write it, in the order the export lists it.
void fill(DataStore& s) {
    CreateCategory(s, kDairy);
    StoreCatalogueItem(s, kDairy, {"Milk; whole", "1 gal", "A1", "3.49", "Jalapeño 🌶"});
    StoreCatalogueItem(s, kDairy, {"Eggs", "", "", "", ""});
    CreateCategory(s, "Pantry");
    WriteMeal(s, "Omelette", {true, false, true}, {{"", "Eggs", kDairy, "3"}});
    WriteMeal(s, "Pancakes", {true, true, false},
              {{"", "Eggs", kDairy, "2"}, {"", "Milk; whole", kDairy, "1"}});
    QStringList plan(kPlanSlots);
    plan[0] = "Omelette";
    plan[20] = "Out, \"eating\"";
    WriteMealPlan(s, plan);
    SaveGroceryList(s, "Party", {{"Eggs", "12", true, "", "", "", kDairy, "free range"}});
    SaveGroceryList(s, "Weekly", {{"Milk; whole", "2", false, "1 gal", "A1", "3.49", kDairy, ""}});
    SaveAisle(s, "A1", "Dairy \"cold\"");
    SaveAisle(s, "B2", "");
    WriteCouponLinks(s, {"https://a.example/x?y=1,2", "www.b.com"});
    plan[7] = "Pancakes";
    SaveWeek(s, "Holiday", plan);
    SaveWeek(s, "School; term", QStringList(kPlanSlots));
}

// The rows of every table, or of the settings table alone.
QStringList content(DataStore& store, bool settings = false) {
    QStringList rows;
    for (const QString& table : FixedTableNames() + LoadCategories(store))
        if ((table == "dbIndex") == settings)
            rows << table + ": " + Rows(store, table, FieldNames(store, table)).join(", ");
    return rows;
}

// The store's rows as the export's files hold them: one record per row, in the file's columns.
QList<QStringList> storeRecords(DataStore& s, const QString& file) {
    QList<QStringList> records;
    const auto add = [&](const QString& table, const QStringList& fields, QStringList before) {
        for (QString row : Rows(s, table, fields))
            records << before + row.replace("<null>", "").split('|');
    };
    const auto bySlot = [&records](int field) {
        for (QStringList& record : records) {
            const int slot = record[field].toInt();
            record.replace(field, DayNames()[slot % 7]);
            record.insert(field + 1, MealTimeNames()[slot / 7]);
            if (record.last() == kNoMeal)
                record.last().clear();
        }
    };
    if (file == "catalogue.csv")
        for (const QString& c : LoadCategories(s)) {
            add(c, {"Item", "Size", "Aisle", "Price", "Comments"}, {c});
            if (records.isEmpty() || records.last()[0] != c)
                records << QStringList{c, "", "", "", "", ""};
        }
    if (file == "meals.csv")
        add("Meals", {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"}, {});
    if (file == "lists.csv")
        add("GroceryList",
            {"ListName", "Item", "Quanity", "Coupon", "Size", "Aisle", "Price", "Category",
             "Comments"},
            {});
    if (file == "aisles.csv")
        add("Aisles", {"Aisle", "Description"}, {});
    if (file == "links.csv")
        add("Coupon Links", {"Link"}, {});
    if (file == "plan.csv") {
        const QStringList plan = ReadMealPlan(s);
        for (int slot = 0; slot < plan.size(); ++slot)
            records << QStringList{QString::number(slot), plan[slot]};
        bySlot(0);
    }
    if (file == "weeks.csv") {
        add("SavedWeeks", {"WeekName", "Slot", "Meal"}, {});
        bySlot(1);
    }
    return records;
}

void press(QWidget* window, const char* name) {
    window->findChild<QAction*>(name)->trigger();
}

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT

private slots:
    void roundTripThroughTheMenu() {
        TestData from;
        fill(from.open().store());
        auto source = Main(from.app);
        QTemporaryDir out;
        FakeFileChooser& chooser = from.platform.fileChooser;
        chooser.folderAnswers = {out.filePath("gone"), out.path()};
        press(source.get(), "mnuExport");
        press(source.get(), "mnuExport");
        const QStringList made = QDir(out.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(made.size(), 1);
        const QDir folder(out.filePath(made[0]));
        QVERIFY(
            made[0].startsWith("Pantrelle Export " + QDate::currentDate().toString(Qt::ISODate)));
        const QList<ShownMessage>& shown = from.platform.messageBoxes.shown;
        QCOMPARE(shown[0].title, "Error!");
        QCOMPARE(shown[1].title, "Export to CSV File!");
        QCOMPARE(shown[1].text, "Exported 2 items in 2 categories, 2 meals, the week's plan, 2 "
                                "lists, 2 aisles, 2 links and 2 saved weeks to " +
                                    folder.path());

        TestData to;
        auto target = Main(to.app);
        const QStringList settings = content(to.app.store(), true);
        for (const KitchenFileSpec& spec : KitchenFileSpecs()) {
            QFile file(folder.filePath(spec.fileName));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("\r\n"));
            // Rows compared as a set: the round trip below shows they come in order.
            QList<QStringList> records = ReadWithPython(bytes);
            QList<QStringList> expected = storeRecords(from.app.store(), spec.fileName);
            std::sort(records.begin() + 1, records.end());
            std::sort(expected.begin(), expected.end());
            QCOMPARE(records, QList<QStringList>{spec.header} + expected);
            to.platform.fileChooser.openAnswers.push_back(file.fileName());
            to.platform.modalRunner.steps.push_back(
                [](QDialog* w) { w->findChild<QPushButton*>("cmdImport")->click(); });
            press(target.get(), "mnuImport");
        }
        QCOMPARE(to.platform.fileChooser.requests[0].filter, "CSV files (*.csv)");
        QCOMPARE(to.platform.modalRunner.opened, QStringList(7, "frmImport"));
        QCOMPARE(content(to.app.store()), content(from.app.store()));
        // The list the grocery list window opens next stays the one it was.
        QCOMPARE(content(to.app.store(), true), settings);
    }

    void spreadsheetDialectsImportExactly_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("lineEnd");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("Excel: byte-order mark, CRLF") << ',' << "\r\n"
                                                      << "utf-8-sig";
        QTest::newRow("semicolons, LF") << ';' << "\n"
                                        << "utf-8";
    }
    void spreadsheetDialectsImportExactly() {
        QFETCH(char, separator);
        QFETCH(QString, lineEnd);
        QFETCH(QString, encoding);
        const QList<QStringList> records{
            {"Comments", "Item", "Price", "Category", "Notes"},
            {"say \"hi\"; twice", "Crème fraîche", "1,234", "Dairy, cold", "ignored"},
            {"two\r\nlines\tand a tab", "🍎 Apples", "", "Dairy, cold", ""},
            {"", "Eggs", ".5", "Dairy, cold", ""}};
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy, cold");
        // The columns the file lacks keep what the item it replaces holds.
        StoreCatalogueItem(store, "Dairy, cold", {"EGGS", "dozen", "A3", "1", "old"});
        const ImportPlan plan =
            PlanImport(store, WriteWithPython(records, separator, lineEnd, encoding));
        QCOMPARE(plan.summary, QStringList{"Category Dairy, cold: 2 items added, 1 replaced."});
        WriteKitchen(store, plan.kitchen);
        QCOMPARE(Rows(store, "Dairy, cold", {"Item", "Size", "Aisle", "Price", "Comments"}),
                 QStringList({"Crème fraîche|<null>|<null>|1,234|say \"hi\"; twice",
                              "🍎 Apples|<null>|<null>|<null>|two lines and a tab",
                              "Eggs|dozen|A3|.5|<null>"}));
    }

    void badRowsAreRefusedWithLineAndReason_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("summary");
        QTest::newRow("no known column") << QByteArray("Name,Amount\r\nx,1\r\n")
                                         << QStringList{"The first row of the file names none "
                                                        "of the columns of the files Pantrelle "
                                                        "exports (catalogue.csv, meals.csv, "
                                                        "plan.csv, lists.csv, aisles.csv, "
                                                        "links.csv, weeks.csv)!"};
        QTest::newRow("required column missing")
            << QByteArray("Item,Price\r\nMilk,1\r\n")
            << QStringList{"The file looks like catalogue.csv, but its first row lacks the column "
                           "Category!"};
        QTest::newRow("catalogue")
            << QByteArray("price;ITEM;Category\n1.5;milk;Dairy\nabc;Eggs;Dairy\n;Butter;dairy\n"
                          ";;Snacks\n;Chips;SNACKS\n;Twenty-six characters long;Snacks\n"
                          ";;\n;\xFF;Snacks\n2;;Snacks\n;Salt;Meals\n")
            << QStringList{
                   "Category Dairy: 0 items added, 1 replaced.",
                   "New category Snacks: 0 items added.",
                   "Refused line 3: The price \"abc\" is not a number.",
                   "Refused line 4: The category \"dairy\" differs from \"Dairy\" only in "
                   "letter case.",
                   "Refused line 6: The category \"SNACKS\" differs from \"Snacks\" only in "
                   "letter case.",
                   "Refused line 7: The item name has 26 characters; at most 25 fit.",
                   "Refused line 8: Please type a name for the Category!",
                   "Refused line 9: Its text is not valid UTF-8.",
                   "Refused line 10: The item name is empty.",
                   "Refused line 11: The name Meals is already used by a Category or by the "
                   "program itself!"};
        QTest::newRow("meals")
            << QByteArray("Meal,Breakfast,Lunch,Dinner,Item,Category,Qty\r\n"
                          "Toast,Yes,no,TRUE,Bread,Bakery,1\r\nTOAST,0,1,0,Butter,Dairy,2\r\n"
                          "Stew,maybe,0,1,Beef,Meat,1\r\nStew,0,0,1,Carrot,Veg,1\r\n"
                          "Soup,0,0,1,Leek,Veg,0\r\nSoup,0,0,1,Salt,Spice,1.5\r\n"
                          "Pie,1,0,0,Apple,Fruit,3\r\nPie,1,0,0,Apple,Fruit,1\r\n"
                          "Snack,0,0,0,Nuts,Pantry,1\r\n")
            << QStringList{"Meal Toast added (2 items).",
                           "Meal Stew is left out, as line 4 is refused.",
                           "Meal Soup is left out, as line 6 is refused.",
                           "Meal Pie is left out, as line 9 is refused.",
                           "Meal Snack is left out, as no meal time is marked for it.",
                           "Refused line 4: Breakfast is \"maybe\", not 1 or 0, yes or no, true "
                           "or false.",
                           "Refused line 6: The quantity \"0\" is not a whole number from 1 to "
                           "999.",
                           "Refused line 7: The quantity \"1.5\" is not a whole number from 1 "
                           "to 999.",
                           "Refused line 9: The meal holds \"Apple\" already."};
        QTest::newRow("plan, with a field over two lines")
            << QByteArray("Day,Meal Time,Meal\r\nmonday,breakfast,\"Toast\r\nand jam\"\r\n"
                          "Monday,Breakfast,Eggs\r\nFunday,Lunch,Cake\r\n")
            << QStringList{"The week's plan is left out, as line 4 is refused.",
                           "Refused line 4: Monday Breakfast is on line 2 already.",
                           "Refused line 5: The day \"Funday\" is not one of Monday to Sunday."};
        QTest::newRow("lists and links")
            << QByteArray("List,Item,Quantity,Coupon\r\nParty,Cake,1,Yes\r\nWeekly,Milk,a lot,"
                          "\r\nWeekly,Eggs,12,\r\n,Salt,1,\r\n")
            << QStringList{"List Party added (1 line).",
                           "List Weekly is left out, as line 3 is refused.",
                           "Refused line 3: The quantity \"a lot\" is not a number.",
                           "Refused line 5: The list name is empty."};
    }
    void badRowsAreRefusedWithLineAndReason() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, summary);
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy");
        StoreCatalogueItem(store, "Dairy", {"Milk", "", "", "", ""});
        const ImportPlan plan = PlanImport(store, csv);
        QCOMPARE(plan.problem.isEmpty() ? plan.summary : QStringList{plan.problem}, summary);
    }
};

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
