// Numbers read from quantity and price texts, money format, grocery list totals, tab stops.
#include "TestData.h"
#include "app/ListUtilities.h"
#include "app/TabStopDelegate.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {
QString line(const QString& item, const QString& qty, const QString& price) {
    return QStringList{item, qty, "   ", "1 lb", "A1", price, "Produce", ""}.join('\t');
}
} // namespace

class TestListUtilities : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("leading point") << ".75" << 0.75;
        QTest::newRow("trailing point") << "3." << 3.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("blanks around") << "  1.25  " << 1.25;
        QTest::newRow("blanks inside") << "1 2 3" << 123.0;
        QTest::newRow("blank after sign") << "- 2" << -2.0;
        QTest::newRow("tabs and breaks") << "\t1\r\n5" << 15.0;
        QTest::newRow("three for one") << "3 for 1" << 3.0;
        QTest::newRow("exponent") << "1.5e2" << 150.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("unfinished exponent") << "7e" << 7.0;
        QTest::newRow("exponent sign only") << "7e+" << 7.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,000" << 1.0;
        QTest::newRow("dollar sign") << "$1.50" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("unit after") << "2lb" << 2.0;
        QTest::newRow("too large") << "1e999" << 0.0;
        QTest::newRow("non-ASCII digit stops") << "4\u0663" << 4.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void moneyFormat_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "$0.00";
        QTest::newRow("cents") << 0.5 << "$0.50";
        QTest::newRow("thousands") << 1234.5 << "$1,234.50";
        QTest::newRow("millions") << 1234567.891 << "$1,234,567.89";
        QTest::newRow("rounds up") << 2.999 << "$3.00";
        QTest::newRow("rounds down") << 10.004 << "$10.00";
        QTest::newRow("negative") << -1234.5 << "-$1,234.50";
        QTest::newRow("tiny negative") << -0.001 << "$0.00";
    }
    void moneyFormat() {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(FormatMoney(amount), text);
    }

    void totalsOverLines() {
        QCOMPARE(EstimatedPrice({}), 0.0);
        QCOMPARE(EstimatedPrice({line("Milk", "2", "1.25")}), 2.5);
        QCOMPARE(EstimatedPrice({line("Milk", "2.5", "1.25")}), 3.125);
        QCOMPARE(EstimatedPrice({line("Milk", "", "1.25"), line("Eggs", "3", "")}), 0.0);
        QCOMPARE(EstimatedPrice({line("Milk", "1", "3 for 1"), line("Refund", "1", "-1")}), 2.0);
        // A line the program never writes: missing fields count as nothing.
        QCOMPARE(EstimatedPrice({"Milk\t2"}), 0.0);
    }

    void updateListTotalsShowsCountAndPrice() {
        TestData data;
        QListWidget list;
        QLabel items;
        QLabel price;
        data.app.EstimatedTotal = 99;
        UpdateListTotals(data.app, &list, &items, &price);
        QCOMPARE(items.text(), QString("Total Items 0"));
        QCOMPARE(price.text(), QString("Total Estimated Price $0.00"));
        QCOMPARE(data.app.EstimatedTotal, 0.0);

        list.addItems({line("Roast", "1", "1234.5"), line("Milk", "2", "1.25")});
        UpdateListTotals(data.app, &list, &items, &price);
        QCOMPARE(items.text(), QString("Total Items 2"));
        QCOMPARE(price.text(), QString("Total Estimated Price $1,237.00"));
        QCOMPARE(data.app.EstimatedTotal, 1237.0);
    }

    void tabsJumpToTheNextStop() {
        // Stops at 100 and 120 px, then every 40 px.
        const QList<int> stops{100, 120};
        QCOMPARE(TabStopDelegate::FieldPositions({30, 10, 5, 5}, stops, 40),
                 (QList<int>{0, 100, 120, 160}));
        // A field running past a stop pushes the next field to the stop after it.
        QCOMPARE(TabStopDelegate::FieldPositions({110, 10, 50, 0}, stops, 40),
                 (QList<int>{0, 120, 160, 240}));
        QCOMPARE(TabStopDelegate::FieldPositions({5, 5}, {}, 40), (QList<int>{0, 40}));
        QCOMPARE(TabStopDelegate::FieldPositions({}, stops, 40), QList<int>{});
    }

    void tabStopsWidenTheLines() {
        QListWidget list;
        list.addItem("Milk\t2\tYes");
        const int plain = list.sizeHintForColumn(0);
        SetListTabStops(&list, {85, 100});
        QVERIFY(list.sizeHintForColumn(0) > plain);
        SetListTabStops(&list, {85, 100});
        QCOMPARE(list.findChildren<TabStopDelegate*>().size(), 1);
    }

    void comboDropsDownAtLeastThatWide() {
        QComboBox combo;
        combo.resize(60, 20);
        SetComboDropWidth(&combo, 150);
        QCOMPARE(combo.view()->minimumWidth(), 150);
    }
};

QTEST_MAIN(TestListUtilities)
#include "tst_listutilities.moc"
