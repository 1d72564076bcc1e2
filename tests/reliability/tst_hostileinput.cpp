// Hostile text pasted into every box whose text the program stores, through the real
// windows: each entry is stored exactly as the box shows it (trimmed where the program
// trims), or refused with a message and nothing written; the program's own tables stay
// whole.
#include "SuiteHelpers.h"
#include "store/DataStore.h"
#include "store/Schema.h"

#include <QtTest>

namespace {

const std::pair<const char*, QString> kCorpus[] = {
    {"quote", "O'Brien's"},
    {"double quote", "6\" sub"},
    {"brackets", "[Snacks]"},
    {"closing brackets", "Nuts]]"},
    {"lone bracket", "]"},
    {"statement", "x]; DROP TABLE Meals; --"},
    {"schema table", "sqlite_master"},
    {"own table", "Groups"},
    {"own table, other case", "dbindex"},
    {"existing name, other case", "BASE"},
    {"300 characters", "Long" + QString(296, 'g')},
    {"emoji", "🍎 Äpfel 🥖"},
    {"emoji cut by a length limit", QString(12, 'e') + QString(12, QChar(0x2615)) + "🍎🍎"},
    {"combining marks", "Cafe\u0301 Nin\u0303o"},
    {"right to left", "\u05D7\u05DC\u05D1 \u0644\u0628\u0646 3%"},
    {"blanks around", "  Padded  "},
    {"blanks only", "   "},
    {"tab", "Tab\tinside"},
    {"carriage return", "Carriage\rreturn"},
    {"line feed", "Line\nfeed"},
    {"both line ends", "Two\r\nlines"},
};

} // namespace

Q_DECLARE_METATYPE(const TextField*)

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseQuickKeys(); }

    void everyEntryIsStoredExactlyOrRefused_data() {
        QTest::addColumn<const TextField*>("field");
        for (const TextField& field : TextFields())
            QTest::newRow(field.name) << &field;
    }

    void everyEntryIsStoredExactlyOrRefused() {
        QFETCH(const TextField*, field);
        Desk desk;
        DataStore& store = desk.data.app.store();
        const auto schema = [&store] {
            QStringList fields;
            for (const QString& table : FixedTableNames())
                fields << table + ": " + FieldNames(store, table).join('|');
            return fields;
        };
        // Rows are compared as a set: the links window writes its list back in its own order.
        const auto content = [&store] {
            QStringList rows = DumpTables(store);
            rows.sort();
            return rows;
        };
        const QStringList fixedTables = schema();
        int stored = 0;
        int refused = 0;
        int blank = 0;
        for (const auto& [entry, text] : kCorpus) {
            const QStringList before = content();
            desk.data.platform.messageBoxes.shown.clear();
            const QString shown = Type(desk, *field, text);
            for (const QString& step : field->steps)
                Press(desk.window, step);
            // No line breaks or tabs, and no emoji cut in half by a length limit.
            const QString at = QString("%1 (shown as \"%2\")").arg(entry, shown);
            QVERIFY2(!shown.contains(QRegularExpression("[\t\r\n]")) && shown.isValidUtf16(),
                     qPrintable(at));
            QStringList refusals;
            for (const ShownMessage& message : desk.data.platform.messageBoxes.shown)
                if (message.buttons == MsgButtons::Ok)
                    refusals << message.text;
            const QStringList after = content();
            if (after == before) {
                // Nothing written: refused with a message, or blanks taken as nothing typed.
                QVERIFY2(!refusals.isEmpty() || shown.trimmed().isEmpty(), qPrintable(at));
                refusals.isEmpty() ? ++blank : ++refused;
                continue;
            }
            QVERIFY2(refusals.isEmpty(), qPrintable(at + ": " + refusals.join(", ")));
            // Stored exactly: a field of a row the save wrote holds the text (or, for no text,
            // nothing).
            const QString expected = field->trimmed ? shown.trimmed() : shown;
            bool found = false;
            for (const QString& row : after) {
                const QStringList values = row.section(": ", 1).split('|');
                found |=
                    !before.contains(row) && (values.contains(expected) ||
                                              (expected.isEmpty() && values.contains("<null>")));
            }
            QVERIFY2(found, qPrintable(at + " is not stored as " + expected));
            ++stored;
        }
        QCOMPARE(schema(), fixedTables);
        QCOMPARE(IntegrityCheck(store), QString("ok"));
        qInfo("%d entries: %d stored, %d refused, %d blank and left out", stored + refused + blank,
              stored, refused, blank);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
