// Numbers read from quantity and price texts, money format, grocery list totals, tab stops.
#include "TestData.h"
#include "ui/ListUtilities.h"
#include "ui/Money.h"
#include "ui/TabStopDelegate.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {
QString line(const QString& qty, const QString& price) {
    return QStringList{"Milk", qty, "   ", "1 gal", "B1", price, "Dairy", ""}.join('\t');
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
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("leading point") << ".75" << 0.75;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("blanks anywhere") << " 1 2\t.5\r\n" << 12.5;
        QTest::newRow("three for one") << "3 for 1" << 3.0;
        QTest::newRow("exponent") << "25E-1" << 2.5;
        QTest::newRow("unfinished exponent") << "7e+" << 7.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,000" << 1.0;
        QTest::newRow("dollar sign") << "$1.50" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("too large") << "1e999" << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void moneyFormat() {
        QCOMPARE(FormatMoney(0), QString("$0.00"));
        QCOMPARE(FormatMoney(1234.5), QString("$1,234.50"));
        QCOMPARE(FormatMoney(1234567.891), QString("$1,234,567.89"));
        QCOMPARE(FormatMoney(2.999), QString("$3.00"));
        QCOMPARE(FormatMoney(-1234.5), QString("-$1,234.50"));
        QCOMPARE(FormatMoney(-0.001), QString("$0.00"));
    }

    void totalsOverLines() {
        TestData data;
        QListWidget list;
        QLabel items;
        QLabel price;
        UpdateListTotals(data.app, &list, &items, &price);
        QCOMPARE(items.text(), QString("Total Items 0"));
        QCOMPARE(price.text(), QString("Total Estimated Price $0.00"));

        list.addItems({line("1", "1234.5"), line("2.5", "1.25"), line("", "9"), line("4", ""),
                       line("1", "-1")});
        UpdateListTotals(data.app, &list, &items, &price);
        QCOMPARE(data.app.EstimatedTotal, 1236.625);
        QCOMPARE(items.text(), QString("Total Items 5"));
        QCOMPARE(price.text(), QString("Total Estimated Price $1,236.63"));
        // A line the program never writes: missing fields count as nothing.
        QCOMPARE(EstimatedPrice({"Milk\t2"}), 0.0);
    }

    void tabsJumpToTheNextStop() {
        // Stops at 100 and 120 px, then every 40 px; a long field pushes the next one on.
        QCOMPARE(TabStopDelegate::FieldPositions({30, 10, 5, 5}, {100, 120}, 40),
                 (QList<int>{0, 100, 120, 160}));
        QCOMPARE(TabStopDelegate::FieldPositions({110, 10, 50, 0}, {100, 120}, 40),
                 (QList<int>{0, 120, 160, 240}));

        QListWidget list;
        list.addItem("Milk\t2\tYes");
        const int plain = list.sizeHintForColumn(0);
        SetListTabStops(&list, {85, 100});
        QVERIFY(list.sizeHintForColumn(0) > plain);
    }
};

QTEST_MAIN(TestListUtilities)
#include "tst_listutilities.moc"
