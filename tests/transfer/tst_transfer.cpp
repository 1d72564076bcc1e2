// Export and import of the kitchen as CSV files: through the main window's menu a round trip
// into an empty file reproduces every row; the files read back with Python's csv module hold
// the store's rows; a spreadsheet's file imports exactly; each kind of bad row is refused
// with its line and reason.
#include "Program.h"
#include "PythonCsv.h"
#include "domain/KitchenImport.h"
#include "store/CouponLinks.h"
#include "store/MealPlan.h"
#include "store/Settings.h"

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
    // The settings as an empty file has them, which an import leaves alone.
    WriteGroceryListName(s, "My List");
}

// What a spreadsheet reads in each exported file: its header, then some of its records.
const std::pair<const char*, QList<QStringList>> kExported[] = {
    {"catalogue.csv",
     {{"Category", "Item", "Size", "Aisle", "Price", "Comments"},
      {kDairy, "Milk; whole", "1 gal", "A1", "3.49", "Jalapeño 🌶"},
      {"Pantry", "", "", "", "", ""}}},
    {"meals.csv",
     {{"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"},
      {"Omelette", "1", "0", "1", "Eggs", kDairy, "3"}}},
    {"plan.csv",
     {{"Day", "Meal Time", "Meal"},
      {"Monday", "Breakfast", "Omelette"},
      {"Monday", "Lunch", ""},
      {"Sunday", "Dinner", "Out, \"eating\""}}},
    {"lists.csv",
     {{"List", "Item", "Quantity", "Coupon", "Size", "Aisle", "Price", "Category", "Comments"},
      {"Party", "Eggs", "12", "1", "", "", "", kDairy, "free range"}}},
    {"aisles.csv", {{"Aisle", "Description"}, {"A1", "Dairy \"cold\""}, {"B2", ""}}},
    {"links.csv", {{"Link"}, {"https://a.example/x?y=1,2"}}},
    {"weeks.csv",
     {{"Week", "Day", "Meal Time", "Meal"},
      {"Holiday", "Monday", "Lunch", "Pancakes"},
      {"School; term", "Sunday", "Dinner", ""}}},
};

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT

private slots:
    void roundTripThroughTheMenu() {
        Program from(fill);
        QTemporaryDir out;
        FakeFileChooser& chooser = from.platform.fileChooser;
        chooser.folderAnswers = {out.filePath("gone"), out.path()};
        // An export of this minute (or the next) is there already: this one takes another name.
        QStringList taken;
        for (int minute : {0, 1})
            taken << "Pantrelle Export " + QDateTime::currentDateTime()
                                               .addSecs(60 * minute)
                                               .toString("yyyy-MM-dd HHmm");
        for (const QString& name : taken)
            QVERIFY(QDir(out.path()).mkdir(name));
        from.press(from.main.get(), "mnuExport");
        from.press(from.main.get(), "mnuExport");
        QStringList made = QDir(out.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : taken)
            made.removeOne(name);
        QCOMPARE(made.size(), 1);
        const QDir folder(out.filePath(made[0]));
        QVERIFY(taken.contains(made[0].chopped(4)) && made[0].endsWith(" (2)"));
        const QList<ShownMessage>& shown = from.boxes.shown;
        QCOMPARE(shown[0].title, "Error!");
        QCOMPARE(shown[1].title, "Export to CSV File!");
        QCOMPARE(shown[1].text, "Exported 2 items in 2 categories, 2 meals, the week's plan, 2 "
                                "lists, 2 aisles, 2 links and 2 saved weeks to " +
                                    folder.path());

        Program to;
        qsizetype records = 0;
        for (const auto& [name, some] : kExported) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("\r\n"));
            const QList<QStringList> read = ReadWithPython(bytes);
            records += read.size();
            QCOMPARE(read[0], some[0]);
            for (const QStringList& record : some)
                QVERIFY2(read.contains(record), qPrintable(record.join('|')));
            to.platform.fileChooser.openAnswers.push_back(file.fileName());
            to.whenModal<QDialog>([](QDialog* w) { Program::press(w, "cmdImport"); });
            to.press(to.main.get(), "mnuImport");
        }
        QCOMPARE(records, qsizetype(82)); // every row of the store and a header for each file
        QCOMPARE(to.platform.fileChooser.requests[0].filter, "CSV files (*.csv)");
        QCOMPARE(to.platform.modalRunner.opened, QStringList(7, "frmImport"));
        QCOMPARE(FileContent(to.store()), FileContent(from.store()));
    }

    void aSpreadsheetsFileImportsExactly() {
        TestData data;
        DataStore& store = data.open().store();
        CreateCategory(store, "Dairy, cold");
        // The columns the file lacks keep what the item it replaces holds.
        StoreCatalogueItem(store, "Dairy, cold", {"EGGS", "dozen", "A3", "1", "old"});
        // Semicolons and bare line feeds, as a spreadsheet set up for another country saves.
        const ImportPlan plan =
            PlanImport(store, "Comments;Item;Price;Category;Notes\n"
                              "\"say \"\"hi\"\"; twice\";Crème fraîche;1,234;Dairy, cold;ignored\n"
                              "\"two\r\nlines\tand a tab\";🍎 Apples;;Dairy, cold;\n"
                              ";Eggs;.5;Dairy, cold;\n");
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
