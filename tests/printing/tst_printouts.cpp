// The three printouts laid out on a recording surface: every text's place, size and style,
// the rules and the page breaks.
#include "RecordingSurface.h"
#include "TestData.h"
#include "printing/AislesPrintout.h"
#include "printing/GroceryListPrintout.h"
#include "printing/MealPlanPrintout.h"
#include "printing/PrintoutParts.h"
#include "store/DataStore.h"
#include "ui/Money.h"

#include <QtTest>

namespace {

const QColor kRed(255, 0, 0);
const QDateTime kNineInTheMorning(QDate(2024, 3, 5), QTime(9, 0));

PrintTextStyle styled(double size, bool bold, bool italic = false, bool underline = false) {
    PrintTextStyle style;
    style.size = size;
    style.bold = bold;
    style.italic = italic;
    style.underline = underline;
    style.color = kRed;
    return style;
}

GroceryListPrintout groceryList(int items) {
    GroceryListPrintout list;
    list.listName = "Mom's \"big\" [list]";
    for (int i = 0; i < items; ++i)
        list.lines.append({QString("Item %1").arg(i, 2, 10, QChar('0')), "2", "", "1 lb", "A1",
                           "3.5", "Pantry", ""});
    list.itemCount = items;
    list.estimatedTotal = 1234.5;
    list.ink = kRed;
    list.printedAt = kNineInTheMorning;
    return list;
}

// The page heading every grocery list page carries.
void checkListHeading(const PrintRecord& record, int page) {
    const QString date = PrintedOnText(kNineInTheMorning, "h:mm AP");
    const struct {
        QString text;
        int x, y;
        PrintTextStyle style;
    } expected[] = {
        {"Mom's \"big\" [list]", 350, 350, styled(20, true)},
        {QString("Page %1").arg(page), 9000, 260, styled(10, false)},
        {"Printed on:", 8000, 650, styled(10, false)},
        {date, 9100, 650, styled(10, false)},
        {"Category", 400, 1000, styled(12, true)},
        {"Qty", 2500, 1000, styled(12, true)},
        {"Unit", 3000, 1000, styled(12, true)},
        {"Item", 3700, 1000, styled(12, true)},
        {"Aisle", 6450, 1000, styled(12, true)},
        {"Price", 7900, 1000, styled(12, true)},
        {"Coupon", 8700, 1000, styled(12, true)},
        {"Comments", 9700, 1000, styled(12, true)},
    };
    for (const auto& want : expected) {
        const PrintedText got = record.find(want.text, page);
        QCOMPARE(QPoint(got.x, got.y), QPoint(want.x, want.y));
        QCOMPARE(got.style, want.style);
    }
}

void checkRules(const PrintRecord& record, int page, int right) {
    for (const PrintedLine& line : record.lines) {
        if (line.page != page)
            continue;
        QCOMPARE(QPair(line.x1, line.x2), QPair(350, right));
        QCOMPARE(line.color, kRed);
        QCOMPARE(line.penWidth, 9);
    }
}

QList<int> itemLineYs(const PrintRecord& record, int page) {
    QList<int> ys;
    for (const PrintedText& text : record.page(page)) {
        if (text.x == 3700 && text.y >= 1500 && text.text.startsWith("Item "))
            ys << text.y;
    }
    return ys;
}

QList<int> everyLine(int count) {
    QList<int> ys;
    for (int i = 0; i < count; ++i)
        ys << 1500 + 300 * i;
    return ys;
}

} // namespace

class TestPrintouts : public QObject {
    Q_OBJECT

private slots:
    void groceryListPagesEndWithRuleFooterAndTotals_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("linesOnLastPage");
        QTest::addColumn<int>("closingRuleY");
        QTest::newRow("empty") << 0 << 1 << 0 << 1600;
        QTest::newRow("one") << 1 << 1 << 1 << 1900;
        QTest::newRow("a full page") << 40 << 2 << 0 << 1600;
        QTest::newRow("one over") << 41 << 2 << 1 << 1900;
        QTest::newRow("two pages and some") << 85 << 3 << 5 << 3100;
    }
    void groceryListPagesEndWithRuleFooterAndTotals() {
        QFETCH(int, items);
        QFETCH(int, pages);
        QFETCH(int, linesOnLastPage);
        QFETCH(int, closingRuleY);
        RecordingSurface surface;
        const GroceryListPrintout list = groceryList(items);
        PrintGroceryList(surface, list);
        const PrintRecord& record = *surface.record;
        QCOMPARE(record.pages, pages);
        QCOMPARE(record.orientation, PageOrientation::Portrait);
        for (int page = 1; page <= pages; ++page) {
            checkListHeading(record, page);
            checkRules(record, page, 11200);
            QCOMPARE(itemLineYs(record, page), everyLine(page < pages ? 40 : linesOnLastPage));
        }
        QCOMPARE(record.ruleYs(pages), (QList<int>{210, 900, 1400, closingRuleY}));

        const int y = closingRuleY + 100;
        const PrintedText footer = record.find(kPublisherFooter, pages);
        QCOMPARE(QPoint(footer.x, footer.y), QPoint(400, y));
        QCOMPARE(footer.style, styled(8, false, true));
        const PrintedText count = record.find(QString("Total Items %1").arg(items), pages);
        QCOMPARE(QPoint(count.x, count.y), QPoint(5000, y));
        QCOMPARE(count.style, styled(10, false));
        // No thousands separator on paper, unlike the window's total.
        const PrintedText total = record.find("Estimated Total Price $1234.50", pages);
        QCOMPARE(QPoint(total.x, total.y), QPoint(7500, y));
        QCOMPARE(FormatMoney(list.estimatedTotal), QString("$1,234.50"));
    }

    void groceryLineFieldsStandInTheirColumns() {
        GroceryListPrintout list = groceryList(0);
        list.lines = {{"Milk", "2", "Yes", "1 gal", "B1", "3.50", "Dairy", "skim"},
                      {"Bread", "1", "", "loaf", "", "2", "Bakery", ""}};
        RecordingSurface surface;
        PrintGroceryList(surface, list);
        const PrintRecord& record = *surface.record;
        QStringList first, second;
        for (const PrintedText& text : record.page(1)) {
            if (text.y == 1500 || text.y == 1800) {
                QCOMPARE(text.style, styled(10, false));
                (text.y == 1500 ? first : second) << QString("%1 %2").arg(text.x).arg(text.text);
            }
        }
        QCOMPARE(first, (QStringList{"400 Dairy", "2500 2", "3000 1 gal", "3700 Milk", "6450 B1",
                                     "7900 3.50", "8700 Yes", "9300 skim"}));
        // No coupon, no aisle, no comment: those columns stay empty.
        QCOMPARE(second,
                 (QStringList{"400 Bakery", "2500 1", "3000 loaf", "3700 Bread", "7900 2"}));
    }

    void groceryListIsReadByNameInTheChosenOrder() {
        TestData data;
        AppContext& app = data.open();
        const QString name = "Mom's \"big\" [list]";
        SaveGroceryList(app.store(), "Other", {{"zzz", "1", "", "", "A", "1", "X", ""}});
        SaveGroceryList(app.store(), name,
                        {{"banana", "1", "", "", "b2", "1", "Fruit", ""},
                         {"Apple", "1", "Yes", "", "B1", "1", "fruit", ""},
                         {"carrot", "1", "", "", "a9", "1", "Vegetables", ""},
                         {"Bread", "1", "", "", "a3", "1", "bakery", ""}});
        app.settings.GroceryListName = name;
        app.EstimatedTotal = 12.25;
        const GroceryListPrintout list = ReadGroceryListPrintout(app, 1);
        QCOMPARE(list.listName, name);
        QCOMPARE(list.itemCount, 4);
        QCOMPARE(list.estimatedTotal, 12.25);
        const auto items = [&](int choice) {
            QStringList names;
            for (const GroceryListLine& line : ReadGroceryListPrintout(app, choice).lines)
                names << line.item;
            return names;
        };
        // Letter case is ignored; equal keys go by item.
        QCOMPARE(items(1), (QStringList{"Apple", "banana", "Bread", "carrot"}));
        QCOMPARE(items(2), (QStringList{"Bread", "carrot", "Apple", "banana"}));
        QCOMPARE(items(3), (QStringList{"Bread", "Apple", "banana", "carrot"}));
    }

    void aislesListPagesWithoutABlankLastPage_data() {
        QTest::addColumn<int>("aisles");
        QTest::addColumn<QList<int>>("linesPerPage");
        QTest::newRow("none") << 0 << QList<int>{0};
        QTest::newRow("a full page") << 40 << QList<int>{40};
        QTest::newRow("one over") << 41 << QList<int>{40, 1};
    }
    void aislesListPagesWithoutABlankLastPage() {
        QFETCH(int, aisles);
        QFETCH(QList<int>, linesPerPage);
        QList<AisleLine> lines;
        for (int i = 0; i < aisles; ++i)
            lines.append({QString("Aisle %1").arg(i), "Cans"});
        RecordingSurface surface;
        PrintAislesList(surface, lines, kRed);
        const PrintRecord& record = *surface.record;
        QCOMPARE(record.pages, linesPerPage.size());
        QCOMPARE(record.orientation, PageOrientation::Portrait);
        for (int page = 1; page <= record.pages; ++page) {
            checkRules(record, page, 11200);
            const QList<PrintedText> texts = record.page(page);
            QList<PrintedText> frame, rows;
            for (const PrintedText& text : texts)
                (text.y < 1500 ? frame : rows) << text;
            // Title, heading and rules on the first page only.
            const QList<int> rules = page == 1 ? QList<int>{210, 850, 1400} : QList<int>{};
            QCOMPARE(record.ruleYs(page), rules);
            QCOMPARE(frame.size(), page == 1 ? 3 : 0);
            QCOMPARE(rows.size(), 2 * linesPerPage[page - 1]);
            for (int i = 0; i < rows.size(); ++i) {
                QCOMPARE(rows[i].y, 1500 + 300 * (i / 2));
                QCOMPARE(rows[i].x, i % 2 ? 3000 : 400);
                QCOMPARE(rows[i].style, styled(10, false));
            }
        }
        const PrintedText title = record.find("Aisles");
        QCOMPARE(QPoint(title.x, title.y), QPoint(350, 350));
        QCOMPARE(title.style, styled(20, true));
        for (const auto& [x, word] : {std::pair(400, "Aisle"), std::pair(3000, "Description")}) {
            const PrintedText heading = record.find(word);
            QCOMPARE(QPoint(heading.x, heading.y), QPoint(x, 1000));
            QCOMPARE(heading.style, styled(12, true));
        }
    }

    void aislesAreReadInNameOrderAndBlankDescriptionsStayEmpty() {
        TestData data;
        DataStore& store = data.open().store();
        for (const auto& [aisle, description] :
             {std::pair("dairy", "Milk"), std::pair("Bakery", " "), std::pair("Cans", "")})
            store.run("INSERT INTO Aisles VALUES (?1, ?2)", QString(aisle), QString(description));
        store.run("INSERT INTO Aisles (Aisle) VALUES ('Aprons')");
        RecordingSurface surface;
        PrintAislesList(surface, ReadAislesList(store), kRed);
        QCOMPARE(surface.record->textsAt(400).mid(1),
                 (QStringList{"Aprons", "Bakery", "Cans", "dairy"}));
        QCOMPARE(surface.record->textsAt(3000), (QStringList{"Description", "Milk"}));
        QCOMPARE(surface.record->find("Milk").y, 2400);
    }

    void mealPlanFrameAndSlots_data() {
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QStringList>("names"); // "x,y text" of the meal names printed
        QTest::newRow("every slot None") << QStringList(21, "None") << QStringList{};
        QStringList evenings(21, "None");
        evenings[18] = "Friday's fish";
        evenings[20] = "Sunday roast";
        QTest::newRow("rows 18 and 20")
            << evenings << QStringList{"12000,5000 Friday's fish", "3300,10200 Sunday roast"};
        QStringList corners(21, "None");
        corners[0] = "Oats";
        corners[5] = "Waffles";
        corners[6] = "Eggs";
        corners[8] = "  not a meal ";
        corners[13] = "Picnic";
        QTest::newRow("weekdays above, weekend below")
            << corners
            << QStringList{"400,2000 Oats", "3300,3500   not a meal ", "400,7200 Waffles",
                           "3300,7200 Eggs", "3300,8700 Picnic"};
        QTest::newRow("fewer rows than slots") << QStringList{"Oats", "None", "Toast"}
                                               << QStringList{"400,2000 Oats", "6200,2000 Toast"};
    }
    void mealPlanFrameAndSlots() {
        QFETCH(QStringList, plan);
        QFETCH(QStringList, names);
        RecordingSurface surface;
        PrintMealPlan(surface, plan, kRed, kNineInTheMorning);
        const PrintRecord& record = *surface.record;
        QCOMPARE(record.pages, 1);
        QCOMPARE(record.orientation, PageOrientation::Landscape);
        QCOMPARE(record.ruleYs(), (QList<int>{210, 850, 1400, 6050, 6600, 11100}));
        checkRules(record, 1, 15000);

        const PrintTextStyle label = styled(12, true, true, true);
        const PrintTextStyle day = styled(14, true);
        const struct {
            QString text;
            int x, y;
            PrintTextStyle style;
        } frame[] = {
            {"Daily Meal Plan - Pantrelle", 350, 350, styled(20, true)},
            {"Printed on:", 11000, 450, styled(12, false, true)},
            {PrintedOnText(kNineInTheMorning, "hh:mm AP"), 12200, 450, styled(12, false, true)},
            {"Monday", 400, 1000, day},
            {"Tuesday", 3400, 1000, day},
            {"Wednesday", 6300, 1000, day},
            {"Thursday", 9200, 1000, day},
            {"Friday", 12000, 1000, day},
            {"Breakfast", 400, 1500, label},
            {"Lunch", 400, 3000, label},
            {"Dinner", 400, 4500, label},
            {"Saturday", 400, 6200, day},
            {"Sunday", 3400, 6200, day},
            {"Breakfast", 400, 6700, label},
            {"Lunch", 400, 8200, label},
            {"Dinner", 400, 9700, label},
            {kPublisherFooter, 400, 11150, styled(8, true, true)},
        };
        QStringList printed;
        for (const PrintedText& text : record.page(1))
            printed << QString("%1,%2 %3").arg(text.x).arg(text.y).arg(text.text);
        QStringList expected;
        for (const auto& want : frame)
            expected << QString("%1,%2 %3").arg(want.x).arg(want.y).arg(want.text);
        expected << names;
        std::sort(printed.begin(), printed.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(printed, expected);
        for (const PrintedText& text : record.texts) {
            const auto want = std::find_if(std::begin(frame), std::end(frame), [&](const auto& f) {
                return f.text == text.text && f.y == text.y;
            });
            QCOMPARE(text.style, want != std::end(frame) ? want->style : styled(11, false));
        }
    }

    void printedOnTimesUseTwelveHourClocks_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("plan");
        QTest::newRow("morning") << QTime(9, 0) << "9:00 AM"
                                 << "09:00 AM";
        QTest::newRow("evening") << QTime(21, 5) << "9:05 PM"
                                 << "09:05 PM";
        QTest::newRow("midnight") << QTime(0, 30) << "12:30 AM"
                                  << "12:30 AM";
        QTest::newRow("noon") << QTime(12, 0) << "12:00 PM"
                              << "12:00 PM";
    }
    void printedOnTimesUseTwelveHourClocks() {
        QFETCH(QTime, time);
        QFETCH(QString, list);
        QFETCH(QString, plan);
        const QDateTime when(QDate(2024, 12, 31), time);
        const QString date = QLocale::system().toString(when.date(), QLocale::ShortFormat);
        QCOMPARE(PrintedOnText(when, "h:mm AP"), date + " at " + list);
        QCOMPARE(PrintedOnText(when, "hh:mm AP"), date + " at " + plan);
    }
};

QTEST_MAIN(TestPrintouts)
#include "tst_printouts.moc"
