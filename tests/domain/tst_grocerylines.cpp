// Grocery list lines: numbers read from quantity and price texts, money and totals, orders
// and quantity steps at their edges, and saved lists kept apart by exact name. The lines as
// the window shows them, its sorting buttons and +/- keys are the grocery list suite's.
#include "TestData.h"
#include "domain/GroceryListLines.h"
#include "domain/Money.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"

#include <QtTest>

namespace {

GroceryListLine line(const QString& item, const QString& quantity = "1", const QString& aisle = "",
                     const QString& price = "") {
    return {item, quantity, false, "", aisle, price, "Dairy", ""};
}

GroceryListLine priced(const QString& quantity, const QString& price) {
    return {"Milk", quantity, false, "1 gal", "B1", price, "Dairy", ""};
}

QStringList items(const QList<GroceryListLine>& lines) {
    QStringList names;
    for (const GroceryListLine& l : lines)
        names << l.item;
    return names;
}

} // namespace

class TestGroceryLines : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading point") << ".75" << 0.75;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("blanks anywhere") << " 1 2\t.5\r\n" << 12.5;
        QTest::newRow("exponent") << "25E-1" << 2.5;
        QTest::newRow("unfinished exponent") << "7e+" << 7.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,000" << 1.0;
        QTest::newRow("dollar sign") << "$1.50" << 0.0;
        QTest::newRow("too large") << "1e999" << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void pricesAndMoney() {
        for (const char* good : {"1.50", " 2 ", "-1", ".5", "1,234.50", "1e3"})
            QVERIFY2(IsAcceptablePrice(good), good);
        for (const char* bad : {"$1.50", "1.50$", "1.5.0", "abc", ".", "-", "1 2", "12,34"})
            QVERIFY2(!IsAcceptablePrice(bad), bad);
        // A list's estimate is quantity times price; an empty field counts as nothing.
        QCOMPARE(EstimatedPrice({priced("1", "1234.5"), priced("2.5", "1.25"), priced("", "9"),
                                 priced("4", ""), priced("1", "-1")}),
                 1236.625);
        QCOMPARE(FormatMoney(1234567.891), QString("$1,234,567.89"));
        QCOMPARE(FormatMoney(2.999), QString("$3.00"));
        QCOMPARE(FormatMoney(-1234.5), QString("-$1,234.50"));
        QCOMPARE(FormatMoney(-0.001), QString("$0.00"));
    }

    void quantitySteps() {
        const struct {
            const char* quantity;
            int step;
            const char* result;
        } cases[] = {{"998.5", 1, "999"}, {"999.5", 1, "999.5"}, {"2.675", 1, "3.675"},
                     {"-3", 1, "1"},      {"1.5", -1, "1"},      {"0.5", -1, "0.5"},
                     {" 4 ", -1, "3"},    {"", 1, ""},           {"2 lb", 1, "2 lb"}};
        for (const auto& c : cases)
            QVERIFY2(StepGroceryQuantity(c.quantity, c.step) == c.result, c.quantity);
    }

    void ordersAsAShopperExpects() {
        QList<GroceryListLine> lines{line("milk", "10", "b2", "3.59"),
                                     line("Butter", "9", "B2", "10"),
                                     line("Apples", "9", "a1", "9.5"), line("eggs", "x", "", "")};
        SortGroceryList(lines, GroceryListOrder::Price);
        QCOMPARE(items(lines), (QStringList{"eggs", "milk", "Apples", "Butter"}));
        SortGroceryList(lines, GroceryListOrder::Aisle);
        QCOMPARE(items(lines), (QStringList{"eggs", "Apples", "Butter", "milk"}));
        SortGroceryList(lines, GroceryListOrder::Item);
        QCOMPARE(items(lines), (QStringList{"Apples", "Butter", "eggs", "milk"}));
    }

    void savedListsAreTheirExactName() {
        TestData data;
        DataStore& store = data.open().store();
        SaveGroceryList(store, "weekly", {line("Bread")});
        SaveGroceryList(store, "Weekly", {{"Jam", "1", true, "", "", "", "", ""}});
        // Saving again replaces the rows of that exact name only.
        SaveGroceryList(store, "weekly", {line("Bread"), line("Tea")});
        QCOMPARE(items(ReadGroceryList(store, "weekly")), (QStringList{"Bread", "Tea"}));
        const QList<GroceryListLine> other = ReadGroceryList(store, "Weekly");
        QVERIFY(items(other) == QStringList{"Jam"} && other[0].coupon);
    }
};

QTEST_MAIN(TestGroceryLines)
#include "tst_grocerylines.moc"
