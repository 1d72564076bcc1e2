// The CSV writer and reader, case by case and against Python's csv module. Spreadsheet
// dialects, fields over several lines and text that is not UTF-8 are the transfer suite's,
// through the import.
#include "PythonCsv.h"
#include "domain/Csv.h"

#include <QtTest>

namespace {

// A record as "line:field|field", with "!utf8" or "!quote" after a faulty one.
QStringList Shown(const CsvTable& table) {
    static const QStringList faults{"", "!utf8", "!quote"};
    QStringList shown;
    for (const CsvRecord& record : table.records)
        shown << QString::number(record.line) + ':' + record.fields.join('|') +
                     faults[int(record.fault)];
    return shown;
}

QList<QStringList> Fields(const CsvTable& table) {
    QList<QStringList> fields;
    for (const CsvRecord& record : table.records)
        fields << record.fields;
    return fields;
}

} // namespace

class CsvTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("byte-order mark, CRLF") << QByteArray("\xEF\xBB\xBFItem,Qty\r\nMilk,2\r\n")
                                               << ',' << QStringList{"1:Item|Qty", "2:Milk|2"};
        QTest::newRow("LF, no final line end")
            << QByteArray("a,b\nc,d") << ',' << QStringList{"1:a|b", "2:c|d"};
        QTest::newRow("semicolons in the header")
            << QByteArray("Item;Price;Tax,Rate\r\n\"x;y\";1,5;0\r\n") << ';'
            << QStringList{"1:Item|Price|Tax,Rate", "2:x;y|1,5|0"};
        QTest::newRow("empty fields, blank lines")
            << QByteArray("a,b,\r\n\r\n,\n\"\"\r\n") << ',' << QStringList{"1:a|b|", "3:|", "4:"};
        QTest::newRow("quote never closed")
            << QByteArray("a\r\nb,\"c\r\nd") << ',' << QStringList{"1:a", "2:b|c\r\nd!quote"};
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(char, separator);
        QFETCH(QStringList, records);
        const CsvTable table = ReadCsv(bytes);
        QCOMPARE(table.separator, separator);
        QCOMPARE(Shown(table), records);
        QCOMPARE(Fields(table), ReadWithPython(bytes, separator));
    }

    void writesQuotedOnlyWhenNeeded() {
        const QList<QStringList> records{
            {"Milk", "a,b", "say \"hi\"", "two\nlines", "cr\r", "x;y", ""}, {""}, {"Jalapeño"}};
        const QByteArray bytes(
            "\xEF\xBB\xBFMilk,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\","
            "x;y,\r\n\"\"\r\nJalapeño\r\n");
        QCOMPARE(CsvFileText(records, ByteOrderMark::With), bytes);
        QCOMPARE(ReadWithPython(bytes), records);
        QCOMPARE(Fields(ReadCsv(bytes)), records);
    }
};

QTEST_GUILESS_MAIN(CsvTest)
#include "tst_csv.moc"
