// Hostile text pasted into every box whose text the program stores, through the real
// windows: each entry is stored and read back exactly as the box shows it (trimmed where
// the program trims), or refused with a message and nothing written; the program's own
// tables stay whole.
#include "StoreChecks.h"
#include "TestData.h"
#include "catalogue/frmAddGrocery.h"
#include "coupons/frmLinks.h"
#include "grocerylist/frmAddItems.h"
#include "grocerylist/frmGroceryList.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/Schema.h"
#include "ui/MealItemRow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

// A data file holding one of each thing, named "Base", and the settings row.
struct Desk {
    TestData data;
    QPointer<Form> window;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    Desk() {
        DataStore& store = data.open().store();
        CreateCategory(store, "Base");
        StoreCatalogueItem(store, "Base", {"Base", "each", "Base", "1.00", ""});
        SaveAisle(store, "Base", "");
        WriteMeal(store, "Base", {true, false, false}, {{"", "Base", "Base", "1"}});
        WriteMealPlan(store, QStringList(kPlanSlots, QString()));
        SaveGroceryList(store, "Base", {{"Base", "1", "", "each", "Base", "1.00", "Base", ""}});
        WriteCouponLinks(store, {"Base"});
        data.app.settings.GroceryListName = "Base";
    }
    ~Desk() { delete window; }
    DataStore& store() { return data.app.store(); }
    template <typename W> W* open(W* form) {
        delete window;
        window = form;
        form->show();
        return form;
    }
};

// Pastes over the whole text of a line edit or an editable combo box, with the keys the
// user presses; returns what the box then holds.
QString paste(QWidget* box, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(box);
    QLineEdit* edit = combo ? combo->lineEdit() : static_cast<QLineEdit*>(box);
    QGuiApplication::clipboard()->setText(text);
    edit->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return edit->text();
}

// The catalogue showing the Base category.
frmAddGrocery* catalogue(Desk& d) {
    auto* w = d.open(new frmAddGrocery(d.data.app));
    w->cboCategory->setCurrentIndex(w->cboCategory->findText("Base"));
    emit w->cboCategory->activated(w->cboCategory->currentIndex());
    return w;
}

// The item `item` of the Base category saved with one of its fields pasted.
QString catalogueField(Desk& d, const QString& item, QLineEdit* frmAddGrocery::*box,
                       const QString& text) {
    frmAddGrocery* w = catalogue(d);
    // Picked once it is listed: typing a listed name again is refused as a duplicate.
    const QList<QListWidgetItem*> listed = w->lstGroceryItem->findItems(item, Qt::MatchExactly);
    if (listed.isEmpty())
        QTest::keyClicks(w->txtItemName, item);
    else
        w->lstGroceryItem->setCurrentItem(listed.first());
    const QString shown = paste(w->*box, text);
    w->cmdSave->click();
    return shown;
}

QStringList itemField(DataStore& store, const QString& item, QString CatalogueItem::*field) {
    const auto found = FindCatalogueItem(store, "Base", item);
    return found ? QStringList{(*found).*field} : QStringList();
}

// The grocery list's first line edited in the line editor, then the list saved.
template <typename Box> QString dialogField(Desk& d, Box* frmAddItems::*box, const QString& text) {
    auto* list = d.open(new frmGroceryList(d.data.app));
    list->lstGroceryList->setCurrentRow(0);
    QPointer<frmAddItems> dialog = new frmAddItems(d.data.app, list);
    const QString shown = paste(dialog->*box, text);
    dialog->cmdOk->click();
    delete dialog;
    list->cmdSave->click();
    return shown;
}

QStringList lineField(DataStore& store, QString GroceryListLine::*field) {
    const QList<GroceryListLine> lines = ReadGroceryList(store, "Base");
    return lines.isEmpty() ? QStringList() : QStringList{lines.first().*field};
}

// A place that takes a text and stores it.
struct Field {
    // Pastes the text where the field takes it and saves it; returns what the box showed.
    std::function<QString(Desk&, const QString&)> enter;
    // What the file holds there, as the program reads it back.
    std::function<QStringList(DataStore&)> stored;
    // The program stores the text without the blanks around it.
    bool trimmed;
};

const std::pair<const char*, Field> kFields[] = {
    {"category",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmAddGrocery(d.data.app));
          w->findChild<QAction*>("mnuCategory")->trigger();
          const QString shown = paste(w->cboCategory, text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) {
          QStringList withTables;
          for (const QString& name : LoadCategories(s))
              if (s.tableExists(name))
                  withTables << name;
          return withTables;
      },
      false}},
    {"item name",
     {[](Desk& d, const QString& text) {
          frmAddGrocery* w = catalogue(d);
          const QString shown = paste(w->txtItemName, text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) { return LoadCategoryItems(s, "Base"); }, true}},
    {"item size",
     {[](Desk& d, const QString& text) {
          return catalogueField(d, "Sized", &frmAddGrocery::txtItemUnit, text);
      },
      [](DataStore& s) { return itemField(s, "Sized", &CatalogueItem::size); }, true}},
    {"item price",
     {[](Desk& d, const QString& text) {
          return catalogueField(d, "Priced", &frmAddGrocery::txtItemPrice, text);
      },
      [](DataStore& s) { return itemField(s, "Priced", &CatalogueItem::price); }, true}},
    {"item comments",
     {[](Desk& d, const QString& text) {
          return catalogueField(d, "Noted", &frmAddGrocery::txtComments, text);
      },
      [](DataStore& s) { return itemField(s, "Noted", &CatalogueItem::comments); }, true}},
    {"aisle",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmAddGrocery(d.data.app));
          w->findChild<QAction*>("mnuNewAisle")->trigger();
          const QString shown = paste(w->cboAisles, text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) { return LoadAisles(s); }, true}},
    {"aisle description",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmAddGrocery(d.data.app));
          QTest::keyClicks(w->cboAisles, "Described");
          const QString shown = paste(w->txtAisleDescription, text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) { return QStringList{AisleDescription(s, "Described").value_or("-")}; },
      true}},
    {"meal name",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmAddMeal(d.data.app));
          const QString shown = paste(w->txtMealName, text);
          w->chkDinner->click();
          w->lstItems->addItem(BuildMealItemRow("1", "Base", "Base"));
          w->cmdSaveMeal->click();
          return shown;
      },
      [](DataStore& s) { return LoadMealNames(s); }, true}},
    {"list name",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmGroceryList(d.data.app));
          const QString shown = paste(w->txtGroceryListName, text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) { return LoadGroceryListNames(s); }, false}},
    {"link",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmLinks(d.data.app));
          const QString shown = paste(w->txtLink, text);
          w->cmdAdd->click();
          w->close();
          return shown;
      },
      [](DataStore& s) { return LoadCouponLinks(s); }, false}},
    {"plan slot",
     {[](Desk& d, const QString& text) {
          auto* w = d.open(new frmMenuPlanner(d.data.app));
          const QString shown = paste(w->cboMeals[3], text);
          w->cmdSave->click();
          return shown;
      },
      [](DataStore& s) { return QStringList{ReadMealPlan(s).value(3)}; }, false}},
    {"line editor: item",
     {[](Desk& d, const QString& text) {
          return dialogField(d, &frmAddItems::txtGroceryItem, text);
      },
      [](DataStore& s) { return lineField(s, &GroceryListLine::item); }, false}},
    {"line editor: quantity",
     {[](Desk& d, const QString& text) { return dialogField(d, &frmAddItems::txtQty, text); },
      [](DataStore& s) { return lineField(s, &GroceryListLine::quantity); }, false}},
    {"line editor: size",
     {[](Desk& d, const QString& text) { return dialogField(d, &frmAddItems::txtUnit, text); },
      [](DataStore& s) { return lineField(s, &GroceryListLine::size); }, false}},
    {"line editor: aisle",
     {[](Desk& d, const QString& text) { return dialogField(d, &frmAddItems::cboAisles, text); },
      [](DataStore& s) { return lineField(s, &GroceryListLine::aisle); }, false}},
    {"line editor: price",
     {[](Desk& d, const QString& text) { return dialogField(d, &frmAddItems::txtPrice, text); },
      [](DataStore& s) { return lineField(s, &GroceryListLine::price); }, false}},
    {"line editor: comments",
     {[](Desk& d, const QString& text) { return dialogField(d, &frmAddItems::txtComments, text); },
      [](DataStore& s) { return lineField(s, &GroceryListLine::comments); }, false}},
};

bool singleLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\t' || c == '\r' || c == '\n')
            return false;
        if (c.isHighSurrogate() && (i + 1 == text.size() || !text[++i].isLowSurrogate()))
            return false;
        if (c.isLowSurrogate())
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Field)

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseQuickKeys(); }

    void everyEntryIsStoredExactlyOrRefused_data() {
        QTest::addColumn<Field>("field");
        for (const auto& [name, field] : kFields)
            QTest::newRow(name) << field;
    }

    void everyEntryIsStoredExactlyOrRefused() {
        QFETCH(Field, field);
        Desk desk;
        QMap<QString, QStringList> fixedFields;
        for (const QString& table : FixedTableNames())
            fixedFields[table] = FieldNames(desk.store(), table);
        int stored = 0;
        int refused = 0;
        int blank = 0;
        // Rows are compared as a set: the links window writes its list back in its own order.
        const auto content = [&desk] {
            QStringList rows = DumpTables(desk.store());
            rows.sort();
            return rows;
        };
        for (const auto& [entry, text] : kCorpus) {
            const QStringList before = content();
            desk.boxes.shown.clear();
            const QString shown = field.enter(desk, text);
            const QString at = QString("%1 (shown as \"%2\")").arg(entry, shown);
            QVERIFY2(singleLine(shown), qPrintable(at));
            QStringList refusals;
            for (const ShownMessage& message : desk.boxes.shown)
                if (message.buttons == MsgButtons::Ok)
                    refusals << message.text;
            if (content() == before) {
                // Nothing written: refused with a message, or blanks taken as nothing typed.
                QVERIFY2(!refusals.isEmpty() || shown.trimmed().isEmpty(), qPrintable(at));
                refusals.isEmpty() ? ++blank : ++refused;
                continue;
            }
            QVERIFY2(refusals.isEmpty(), qPrintable(at + ": " + refusals.join(", ")));
            const QString expected = field.trimmed ? shown.trimmed() : shown;
            QVERIFY2(field.stored(desk.store()).contains(expected),
                     qPrintable(at + " reads back as " + field.stored(desk.store()).join(", ")));
            ++stored;
        }
        for (const QString& table : FixedTableNames())
            QCOMPARE(FieldNames(desk.store(), table), fixedFields[table]);
        QCOMPARE(IntegrityCheck(desk.store()), QString("ok"));
        qInfo("%d entries: %d stored, %d refused, %d blank and left out", stored + refused + blank,
              stored, refused, blank);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
