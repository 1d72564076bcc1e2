// Hostile text pasted into every box whose text the program stores, through the real
// windows: each entry is stored exactly as the box shows it (trimmed where the program
// trims), or refused with a message and nothing written; the program's own tables stay
// whole.
#include "SuiteHelpers.h"
#include "domain/Csv.h"
#include "domain/KitchenImport.h"
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

// A field of an import file: the header, a row that imports, and the column the text goes in.
struct ImportField {
    const char* name;
    KitchenFile kind;
    QStringList row;
    int column;
    bool trimmed;
};

const ImportField kImportFields[] = {
    {"catalogue: category", KitchenFile::Catalogue, {"", "Apple", "", "", "", ""}, 0, false},
    {"catalogue: item", KitchenFile::Catalogue, {"Base", "", "each", "", "", ""}, 1, true},
    {"catalogue: size", KitchenFile::Catalogue, {"Base", "Apple", "", "", "", ""}, 2, true},
    {"catalogue: aisle", KitchenFile::Catalogue, {"Base", "Apple", "", "", "", ""}, 3, true},
    {"catalogue: price", KitchenFile::Catalogue, {"Base", "Apple", "", "", "", ""}, 4, true},
    {"catalogue: comments", KitchenFile::Catalogue, {"Base", "Apple", "", "", "", ""}, 5, true},
    {"meal name", KitchenFile::Meals, {"", "1", "0", "0", "Base", "Base", "1"}, 0, true},
    {"meal item", KitchenFile::Meals, {"Base", "1", "0", "0", "", "Base", "1"}, 4, true},
    {"meal category", KitchenFile::Meals, {"Base", "1", "0", "0", "Base", "", "1"}, 5, true},
    {"meal quantity", KitchenFile::Meals, {"Base", "1", "0", "0", "Base", "Base", ""}, 6, true},
    {"plan slot", KitchenFile::Plan, {"Monday", "Lunch", ""}, 2, false},
    {"list name", KitchenFile::Lists, {"", "Base", "1", "0", "", "", "", "", ""}, 0, false},
    {"list item", KitchenFile::Lists, {"Base", "", "1", "0", "", "", "", "", ""}, 1, true},
    {"list quantity", KitchenFile::Lists, {"Base", "Base", "", "0", "", "", "", "", ""}, 2, true},
    {"list size", KitchenFile::Lists, {"Base", "Base", "1", "0", "", "", "", "", ""}, 4, true},
    {"list aisle", KitchenFile::Lists, {"Base", "Base", "1", "0", "", "", "", "", ""}, 5, true},
    {"list price", KitchenFile::Lists, {"Base", "Base", "1", "0", "", "", "", "", ""}, 6, true},
    {"list category", KitchenFile::Lists, {"Base", "Base", "1", "0", "", "", "", "", ""}, 7, true},
    {"list comments", KitchenFile::Lists, {"Base", "Base", "1", "0", "", "", "", "", ""}, 8, true},
    {"aisle", KitchenFile::Aisles, {"", "Described"}, 0, true},
    {"aisle description", KitchenFile::Aisles, {"Base", ""}, 1, true},
    {"link", KitchenFile::Links, {""}, 0, false},
    {"week name", KitchenFile::Weeks, {"", "Monday", "Lunch", "Base"}, 0, true},
    {"week slot", KitchenFile::Weeks, {"Base", "Monday", "Lunch", ""}, 3, false},
};

} // namespace

Q_DECLARE_METATYPE(const TextField*)
Q_DECLARE_METATYPE(const ImportField*)

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
                Program::press(desk.window, step);
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

    // The corpus as a field of an import file: stored exactly as a box would keep it (line
    // breaks and tabs as blanks), or its row refused and nothing written.
    void everyImportedFieldIsStoredExactlyOrRefused_data() {
        QTest::addColumn<const ImportField*>("field");
        for (const ImportField& field : kImportFields)
            QTest::newRow(field.name) << &field;
    }

    void everyImportedFieldIsStoredExactlyOrRefused() {
        QFETCH(const ImportField*, field);
        Desk desk;
        DataStore& store = desk.data.app.store();
        for (const auto& [entry, text] : kCorpus) {
            QStringList before = DumpTables(store);
            QStringList row = field->row;
            row[field->column] = text;
            const ImportPlan plan =
                PlanImport(store, CsvFileText({KitchenFileSpecs()[int(field->kind)].header, row}));
            WriteKitchen(store, plan.kitchen);
            const QStringList after = DumpTables(store);
            if (plan.imported == 0) {
                QVERIFY2(after == before && !plan.summary.filter("Refused line 2: ").isEmpty(),
                         entry);
                continue;
            }
            const QString cleaned = SingleLineField(text);
            const QString expected = field->trimmed ? cleaned.trimmed() : cleaned;
            bool found = false;
            for (const QString& stored : after) {
                const QStringList values = stored.section(": ", 1).split('|');
                found |=
                    !before.contains(stored) && (values.contains(expected) ||
                                                 (expected.isEmpty() && values.contains("<null>")));
            }
            QVERIFY2(found, qPrintable(QString(entry) + " is not stored as " + expected));
        }
        QCOMPARE(IntegrityCheck(store), QString("ok"));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
