// Hostile text pasted into every box whose text the program stores, through the real
// windows: each entry is stored exactly as the box shows it (trimmed where the program
// trims), or refused with a message and nothing written; the program's own tables stay
// whole.
#include "SuiteHelpers.h"
#include "domain/Csv.h"
#include "domain/KitchenImport.h"
#include "store/DataStore.h"

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

// A row of each kind of import file that imports, in the order the files are listed.
const QList<QStringList> kImportRows = {
    {"Base", "Apple", "each", "", "", ""},
    {"Base", "1", "0", "0", "Base", "Base", "1"},
    {"Monday", "Lunch", ""},
    {"Base", "Base", "1", "0", "", "", "", "", ""},
    {"Base", "Described"},
    {""},
    {"Base", "Monday", "Lunch", "Base"},
};
// Columns that take no text, and those whose text is kept with the blanks around it.
const QStringList kMarks{"Breakfast", "Lunch", "Dinner", "Coupon", "Day", "Meal Time"};
const QStringList kUntrimmed{"catalogue.csv: Category", "plan.csv: Meal", "lists.csv: List",
                             "links.csv: Link", "weeks.csv: Meal"};

// Whether a row of `after` that `before` lacks has a field holding `text` (or, for no text,
// nothing).
bool storedAnew(const QStringList& before, const QStringList& after, const QString& text) {
    for (const QString& row : after) {
        const QStringList values = row.section(": ", 1).split('|');
        if (!before.contains(row) &&
            (values.contains(text) || (text.isEmpty() && values.contains("<null>"))))
            return true;
    }
    return false;
}

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
        for (const auto& [entry, text] : kCorpus) {
            // Rows are compared as a set: the links window writes its list back in its own order.
            QStringList before = FileContent(store);
            before.sort();
            desk.boxes.shown.clear();
            const QString shown = Type(desk, *field, text);
            for (const QString& step : field->steps)
                Program::press(desk.window, step);
            // No line breaks or tabs, and no emoji cut in half by a length limit.
            const QString at = QString("%1 (shown as \"%2\")").arg(entry, shown);
            QVERIFY2(!shown.contains(QRegularExpression("[\t\r\n]")) && shown.isValidUtf16(),
                     qPrintable(at));
            QStringList refusals;
            for (const ShownMessage& message : desk.boxes.shown)
                if (message.buttons == MsgButtons::Ok)
                    refusals << message.text;
            QStringList after = FileContent(store);
            after.sort();
            // The text ran as no statement: every table stays as it was made.
            for (const QString& table : before.filter(": CREATE TABLE "))
                QVERIFY2(after.contains(table), qPrintable(at + " changed " + table));
            if (after == before) {
                // Nothing written: refused with a message, or blanks taken as nothing typed.
                QVERIFY2(!refusals.isEmpty() || shown.trimmed().isEmpty(), qPrintable(at));
                continue;
            }
            QVERIFY2(refusals.isEmpty(), qPrintable(at + ": " + refusals.join(", ")));
            const QString expected = field->trimmed ? shown.trimmed() : shown;
            QVERIFY2(storedAnew(before, after, expected),
                     qPrintable(at + " is not stored as " + expected));
        }
        QCOMPARE(IntegrityCheck(store), QString("ok"));
    }

    // The corpus as a field of an import file: stored exactly as a box would keep it (line
    // breaks and tabs as blanks), or its row refused and nothing written.
    void everyImportedFieldIsStoredExactlyOrRefused_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("column");
        for (const KitchenFileLayout& layout : KitchenFileLayouts())
            for (int column = 0; column < layout.header.size(); ++column)
                if (!kMarks.contains(layout.header[column]))
                    QTest::addRow("%s: %s", qPrintable(layout.fileName),
                                  qPrintable(layout.header[column]))
                        << int(layout.kind) << column;
    }

    void everyImportedFieldIsStoredExactlyOrRefused() {
        QFETCH(int, kind);
        QFETCH(int, column);
        const KitchenFileLayout& layout = KitchenFileLayouts()[kind];
        Desk desk;
        DataStore& store = desk.data.app.store();
        for (const auto& [entry, text] : kCorpus) {
            const QStringList before = FileContent(store);
            QStringList row = kImportRows[kind];
            row[column] = text;
            const ImportPlan plan = PlanImport(store, CsvFileText({layout.header, row}));
            WriteKitchen(store, plan.kitchen);
            const QStringList after = FileContent(store);
            if (plan.imported == 0) {
                QVERIFY2(after == before && !plan.summary.filter("Refused line 2: ").isEmpty(),
                         entry);
                continue;
            }
            const QString cleaned = SingleLineField(text);
            const QString expected =
                kUntrimmed.contains(QTest::currentDataTag()) ? cleaned : cleaned.trimmed();
            QVERIFY2(storedAnew(before, after, expected),
                     qPrintable(QString(entry) + " is not stored as " + expected));
        }
        QCOMPARE(IntegrityCheck(store), QString("ok"));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
