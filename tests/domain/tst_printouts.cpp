// The three printouts laid out on a recording surface: every text's place, size and style,
// the rules and the page breaks, each page checked whole against its table. What the print
// window reads for them is the print window suite's.
#include "RecordingSurface.h"
#include "domain/AislesPrintout.h"
#include "domain/GroceryListPrintout.h"
#include "domain/MealPlanPrintout.h"
#include "domain/PrintoutParts.h"

#include <QtTest>

namespace {

const QColor kInk(255, 0, 0);
// An evening time tells the 12-hour clocks and their leading zeros apart.
const QDateTime kPrintedAt(QDate(2024, 3, 5), QTime(21, 5));
const QString kPrintedOn =
    QLocale::system().toString(kPrintedAt.date(), QLocale::ShortFormat) + " at ";
const QString kListName = "Mom's \"big\" [list]";

// The printout's orientation, its pages each against its table, and its ink: every text
// and rule in it, the rules 9 printer pixels wide.
void checkPrintout(const PrintRecord& record, PageOrientation orientation,
                   QList<QStringList> pages) {
    QCOMPARE(record.orientation, orientation);
    QCOMPARE(record.inks, (QSet<QString>{"#ff0000", "#ff0000 pen 9"}));
    QCOMPARE(record.pages.size(), pages.size());
    for (int page = 1; page <= pages.size(); ++page) {
        pages[page - 1].sort();
        QCOMPARE(record.page(page), pages[page - 1]);
    }
}

// Each field of a line at its column; "%1" is the line's y. Empty fields and a line without
// a coupon print nothing there.
const QStringList kFullLine{"400,%1 10 Dairy", "2500,%1 10 2",   "3000,%1 10 1 gal",
                            "3700,%1 10 Milk", "6450,%1 10 B1",  "7900,%1 10 35.50",
                            "8700,%1 10 Yes",  "9300,%1 10 skim"};
const QStringList kSparseLine{"400,%1 10 Bakery", "2500,%1 10 1", "3000,%1 10 loaf",
                              "3700,%1 10 Bread", "7900,%1 10 2"};
// What every grocery list page shows above its lines but the page number, list name and date;
// each heading word stands over its column.
const QStringList kListHeading{
    "350,210 rule 11200,210", "8000,650 10 Printed on:", "350,900 rule 11200,900",
    "400,1000 12b Category",  "2500,1000 12b Qty",       "3000,1000 12b Unit",
    "3700,1000 12b Item",     "6450,1000 12b Aisle",     "7900,1000 12b Price",
    "8700,1000 12b Coupon",   "9700,1000 12b Comments",  "350,1400 rule 11200,1400"};
// The meal plan's page without its date, footer and meal names.
const QStringList kPlanFrame{"350,210 rule 15000,210",    "350,350 20b Daily Meal Plan - Pantrelle",
                             "11000,450 12i Printed on:", "350,850 rule 15000,850",
                             "400,1000 14b Monday",       "3400,1000 14b Tuesday",
                             "6300,1000 14b Wednesday",   "9200,1000 14b Thursday",
                             "12000,1000 14b Friday",     "350,1400 rule 15000,1400",
                             "400,1500 12biu Breakfast",  "400,3000 12biu Lunch",
                             "400,4500 12biu Dinner",     "350,6050 rule 15000,6050",
                             "400,6200 14b Saturday",     "3400,6200 14b Sunday",
                             "350,6600 rule 15000,6600",  "400,6700 12biu Breakfast",
                             "400,8200 12biu Lunch",      "400,9700 12biu Dinner",
                             "350,11100 rule 15000,11100"};

} // namespace

class TestPrintouts : public QObject {
    Q_OBJECT

private slots:
    void groceryListPages_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QList<int>>("linesPerPage");
        QTest::addColumn<int>("closingRuleY");
        QTest::newRow("empty") << 0 << QList<int>{0} << 1600;
        QTest::newRow("a full page") << 40 << QList<int>{40, 0} << 1600;
        QTest::newRow("one over") << 41 << QList<int>{40, 1} << 1900;
        QTest::newRow("two pages and some") << 85 << QList<int>{40, 40, 5} << 3100;
    }
    void groceryListPages() {
        QFETCH(int, items);
        QFETCH(QList<int>, linesPerPage);
        QFETCH(int, closingRuleY);
        GroceryListPrintout list{kListName, {}, kInk, kPrintedAt};
        for (int i = 0; i < items; ++i)
            list.lines.append(
                i % 2
                    ? GroceryListLine{"Bread", "1", false, "loaf", "", "2", "Bakery", ""}
                    : GroceryListLine{"Milk", "2", true, "1 gal", "B1", "35.50", "Dairy", "skim"});
        RecordingSurface surface;
        PrintGroceryList(surface, list);
        QList<QStringList> pages;
        for (int page = 1, item = 0; page <= linesPerPage.size(); ++page) {
            pages << kListHeading + QStringList{"9000,260 10 Page " + QString::number(page),
                                                "350,350 20b " + kListName,
                                                "9100,650 10 " + kPrintedOn + "9:05 PM"};
            for (int row = 0, y = 1500; row < linesPerPage[page - 1]; ++row, ++item, y += 300) {
                for (const QString& field : item % 2 ? kSparseLine : kFullLine)
                    pages.last() << field.arg(y);
            }
        }
        // The closing block adds up the lines, each Milk line 71.00 and each Bread line 2.00,
        // with no thousands separator on paper, unlike the window's total.
        const QString closing = QString::number(closingRuleY + 100);
        const double total = 71.0 * ((items + 1) / 2) + 2.0 * (items / 2);
        pages.last() << QString("350,%1 rule 11200,%1").arg(closingRuleY)
                     << "400," + closing + " 8i " + kPublisherFooter
                     << "5000," + closing + " 10 Total Items " + QString::number(items)
                     << "7500," + closing + " 10 Estimated Total Price $" +
                            QString::number(total, 'f', 2);
        checkPrintout(*surface.record, PageOrientation::Portrait, pages);
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
        // A description of one blank, as older files mark none, prints nothing.
        const QStringList descriptions{"Cans", " ", ""};
        QList<AisleLine> lines;
        for (int i = 0; i < aisles; ++i)
            lines.append({QString("A%1").arg(i), descriptions[i % 3]});
        RecordingSurface surface;
        PrintAislesList(surface, lines, kInk);
        // Title, heading and rules on the first page only.
        QList<QStringList> pages{{"350,210 rule 11200,210", "350,350 20b Aisles",
                                  "350,850 rule 11200,850", "400,1000 12b Aisle",
                                  "3000,1000 12b Description", "350,1400 rule 11200,1400"}};
        for (int page = 1, aisle = 0; page <= linesPerPage.size(); ++page) {
            if (page > 1)
                pages << QStringList();
            for (int row = 0, y = 1500; row < linesPerPage[page - 1]; ++row, ++aisle, y += 300) {
                pages.last() << QString("400,%1 10 A%2").arg(y).arg(aisle);
                if (aisle % 3 == 0)
                    pages.last() << QString("3000,%1 10 Cans").arg(y);
            }
        }
        checkPrintout(*surface.record, PageOrientation::Portrait, pages);
    }

    void mealPlanFrameAndSlots_data() {
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QStringList>("names"); // as printed, in 11 points
        // Each slot's place: the weekdays above, the weekend below; a text that is no meal
        // prints as stored.
        const std::tuple<int, const char*, const char*> filled[] = {
            {0, "400,2000", "Oats"},           {5, "400,7200", "Waffles"},
            {6, "3300,7200", "Eggs"},          {8, "3300,3500", "  not a meal "},
            {13, "3300,8700", "Picnic"},       {18, "12000,5000", "Friday's fish"},
            {20, "3300,10200", "Sunday roast"}};
        QStringList plan(21, "None"), names;
        for (const auto& [slot, at, meal] : filled) {
            plan[slot] = meal;
            names << QString(at) + " 11 " + meal;
        }
        QTest::newRow("slots") << plan << names;
        QTest::newRow("fewer rows than slots")
            << QStringList{"Oats", "None", "Toast"}
            << QStringList{"400,2000 11 Oats", "6200,2000 11 Toast"};
    }
    void mealPlanFrameAndSlots() {
        QFETCH(QStringList, plan);
        QFETCH(QStringList, names);
        RecordingSurface surface;
        PrintMealPlan(surface, plan, kInk, kPrintedAt);
        checkPrintout(*surface.record, PageOrientation::Landscape,
                      {kPlanFrame + names +
                       QStringList{"12200,450 12i " + kPrintedOn + "09:05 PM",
                                   "400,11150 8bi " + kPublisherFooter}});
    }
};

QTEST_MAIN(TestPrintouts)
#include "tst_printouts.moc"
