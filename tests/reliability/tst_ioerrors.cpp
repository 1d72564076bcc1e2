// Every save, made through its window over a file layer that fails the Nth write, sync or
// truncate (or finds the disk full from the Nth write on), for N = 1, 2, 3 ... until the
// save goes through. Each failure is told and closes no window, and the file, read back
// through the system's own layer, is whole and as it was; the save that goes through
// stores what a save without faults stores, so the window kept the change.
#include "SuiteHelpers.h"
#include "Texts.h"
#include "catalogue/frmAddGrocery.h"
#include "catalogue/frmAllItems.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmSavedList.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "planner/frmSavedWeek.h"
#include "store/DataStore.h"
#include "ui/ListUtilities.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QtTest>
#include <map>
#include <sqlite3.h>

namespace {

// A SQLite file layer over the system's own that fails as a failing disk would, used by the
// connections opened under its name.
const char* const kFaulty = "pantrelle-faulty";

// Armed, the layer counts the writes, syncs and truncates and fails the one that reaches
// `target` with an I/O error, or, for a full disk, every write from there on.
struct {
    bool diskFull = false;
    int target = 0; // 0 while disarmed
    int count = 0;
    int injected = 0;
} state;

sqlite3_vfs* base = nullptr;
sqlite3_vfs faulty;

bool fails(bool write) {
    // A full disk still syncs and shrinks files.
    if (!state.target || (!write && state.diskFull))
        return false;
    const bool fail =
        ++state.count == state.target || (state.diskFull && state.count > state.target);
    state.injected += fail;
    return fail;
}

// The system layer shares a table of methods among its files of a kind (databases,
// journals); ours copies each, failing its writes, syncs and truncates.
struct Methods {
    sqlite3_io_methods io; // first, so that a file's methods lead back here
    const sqlite3_io_methods* real;
};
std::map<const sqlite3_io_methods*, Methods> copies;

const sqlite3_io_methods* real(sqlite3_file* file) {
    return reinterpret_cast<const Methods*>(file->pMethods)->real;
}

int xOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    const int rc = base->xOpen(base, name, file, flags, outFlags);
    if (rc != SQLITE_OK || !file->pMethods)
        return rc;
    auto [copy, added] =
        copies.try_emplace(file->pMethods, Methods{*file->pMethods, file->pMethods});
    if (added) {
        copy->second.io.xWrite = [](sqlite3_file* f, const void* data, int amount,
                                    sqlite3_int64 at) {
            if (fails(true))
                return state.diskFull ? SQLITE_FULL : SQLITE_IOERR_WRITE;
            return real(f)->xWrite(f, data, amount, at);
        };
        copy->second.io.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
            return fails(false) ? SQLITE_IOERR_TRUNCATE : real(f)->xTruncate(f, size);
        };
        copy->second.io.xSync = [](sqlite3_file* f, int flags) {
            return fails(false) ? SQLITE_IOERR_FSYNC : real(f)->xSync(f, flags);
        };
    }
    file->pMethods = &copy->second.io;
    return rc;
}

// One save routine as its window runs it: the change made short of saving it, what the
// user then does to save it, what a failure tells, and the list that must still show what a
// failed delete kept.
struct Routine {
    std::function<void(Desk&)> edit;
    QStringList save;
    QString failure;
    std::function<QStringList(Desk&)> listed = {};
};

// A delete in window W, which `open` leaves on top, of the first entry of its `list`; that
// entry stays listed when the delete fails.
template <typename W>
Routine deleted(std::function<void(Desk&)> open, const char* list, const char* entry,
                const QString& failure) {
    const auto view = [list](Desk& d) {
        QWidget* window = d.window->findChild<W*>();
        return (window ? window : d.window.data())->findChild<QAbstractItemView*>(list);
    };
    return {[open, view](Desk& d) {
                d.platform.modalRunner.leaveOpen = true;
                open(d);
                view(d)->setCurrentIndex(view(d)->model()->index(0, 0));
            },
            {entry},
            failure,
            [view](Desk& d) { return ListTexts(view(d)).filter(QRegularExpression("^Base")); }};
}

const TextField& textField(const QString& name) {
    return *std::find_if(TextFields().begin(), TextFields().end(),
                         [&name](const TextField& f) { return name == f.name; });
}

// A text typed where the hostile-input test types its corpus, then saved as that test saves
// it unless `save` says otherwise.
Routine typed(const QString& field, const QString& text, const QString& failure,
              QStringList save = {}) {
    const TextField& into = textField(field);
    return {[&into, text](Desk& d) { Type(d, into, text); }, save.isEmpty() ? into.steps : save,
            failure};
}

// SQLite's check of the file, then all it holds, read through the system's own layer.
QStringList fileContent(AppContext& app) {
    app.closeStore();
    const auto file = DataStore::open(app.dataFilePath());
    return QStringList{IntegrityCheck(*file)} + FileContent(*file);
}

int shownWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }));
}

} // namespace

Q_DECLARE_METATYPE(Routine)

class TestIoErrors : public QObject {
    Q_OBJECT

private slots:
    // The layer registered beside the system's own, never as the default.
    void initTestCase() {
        UseQuickKeys();
        base = sqlite3_vfs_find(nullptr);
        faulty = *base;
        faulty.pNext = nullptr;
        faulty.zName = kFaulty;
        faulty.xOpen = xOpen;
        sqlite3_vfs_register(&faulty, 0);
    }

    void failedSavesAreToldAndLeaveTheFileAsItWas_data() {
        QTest::addColumn<Routine>("routine");
        QTest::newRow("SaveGroceryList") << typed("list name", "Weekly", kListNotSaved);
        QTest::newRow("WriteMeal") << typed("meal name", "Supper", kMealNotSaved);
        QTest::newRow("WriteMealPlan") << typed("plan slot", "Stew", kMenuNotSaved);
        QTest::newRow("SaveWeek") << typed("week name", "School",
                                           "The Week could not be saved! Your menu is still on "
                                           "the screen; please try again.");
        QTest::newRow("DeleteWeek") << deleted<frmSavedWeek>(
            [](Desk& d) { d.press(d.show<frmMenuPlanner>(), "mnuOpenWeek"); }, "lstWeeks",
            "cmdDelete", "The Week could not be deleted!");
        QTest::newRow("WriteCouponLinks")
            << typed("link", "www.b.com", "Your links could not be saved!");
        QTest::newRow("StoreCatalogueItem")
            << typed("item price", "4.25", "The Grocery Item could not be saved!");
        // The line editor's change stored in the catalogue, the list itself left unsaved.
        QTest::newRow("StoreCatalogueItem from the edit dialog")
            << typed("line editor: price", "3.99",
                     "The Grocery Item could not be saved! Your changes are still on the screen; "
                     "please try again.",
                     {"cmdOk"});
        QTest::newRow("SaveAisle")
            << typed("aisle description", "Frozen", "The Aisle could not be saved!");
        QTest::newRow("CreateCategory")
            << typed("category", "Frozen", "The Category could not be created!");
        // The catalogue showing Base, nothing typed, then its category deleted.
        QTest::newRow("DeleteCategory")
            << typed("item name", "", "The Category could not be deleted!", {"mnuDeleteCategory"});
        QTest::newRow("DeleteMeal")
            << deleted<frmAddMeal>([](Desk& d) { d.show<frmAddMeal>(); }, "lstMeals",
                                   "cmdDeleteMeal", "The Meal could not be deleted!");
        QTest::newRow("DeleteCatalogueItem")
            << deleted<frmAddGrocery>(textField("item size").open, "lstGroceryItem",
                                      "mnuDeleteItem", "The Grocery Item could not be deleted!");
        QTest::newRow("DeleteCatalogueItem from all items") << deleted<frmAllItems>(
            [](Desk& d) { d.press(d.show<frmAddGrocery>(CatalogueMode::Editor), "mnuView"); },
            "lstGroceryItem", "mnuDelete", "The Grocery Item could not be deleted!");
        QTest::newRow("DeleteAisle")
            << typed("aisle", "Base", "The Aisle could not be deleted!", {"mnuDeleteAisle"});
        QTest::newRow("DeleteGroceryList") << deleted<frmSavedList>(
            [](Desk& d) { d.press(d.show<frmGroceryList>(), "cmdSelectList"); }, "lstGroceryList",
            "mnuDelete", "The Grocery List could not be deleted!");
        // A catalogue file imported through the main window: a category made, an item replaced.
        QTest::newRow("WriteKitchen (import)") << Routine{
            [](Desk& d) {
                QFile file(d.data.folder() + "/catalogue.csv");
                file.open(QIODevice::WriteOnly);
                file.write("Category,Item,Price\r\nFrozen,Peas,1.25\r\nBase,Base,2.00\r\n");
                d.window = d.main.release();
                // An answer and an Import for every try.
                for (int i = 0; i < 100; ++i) {
                    d.platform.fileChooser.openAnswers.push_back(file.fileName());
                    d.platform.modalRunner.steps.push_back(
                        [](QDialog* w) { Program::press(w, "cmdImport"); });
                }
            },
            {"mnuImport"},
            "catalogue.csv could not be imported! Your data is as it was; please try again."};
        QTest::newRow("WriteExitSettings")
            << Routine{[](Desk& d) {
                           d.window = d.main.release();
                           d.data.app.settings.BackGroundColor = 0x00123456;
                       },
                       {"mnuExit"},
                       "Your settings could not be saved!"};
    }

    void failedSavesAreToldAndLeaveTheFileAsItWas() {
        QFETCH(Routine, routine);
        QStringList saved;
        {
            Desk desk;
            routine.edit(desk);
            for (const QString& step : routine.save)
                desk.press(desk.window, step);
            saved = fileContent(desk.data.app);
        }
        QCOMPARE(saved.first(), QString("ok"));
        int injected[] = {0, 0};
        for (const bool diskFull : {false, true}) {
            int& count = injected[diskFull];
            Desk desk;
            const QStringList before = fileContent(desk.data.app);
            desk.data.app.openStore();
            routine.edit(desk);
            const int windows = shownWindows();
            for (;; ++count) {
                desk.data.app.openStore(kFaulty);
                desk.boxes.shown.clear();
                state = {diskFull, count + 1, 0, 0};
                desk.window->show(); // the main window is closed by every try of its own
                for (const QString& step : routine.save)
                    desk.press(desk.window, step);
                state.target = 0;
                const bool failed = state.injected > 0;
                QStringList errors;
                for (const ShownMessage& shown : desk.boxes.shown)
                    if (shown.title == "Error!")
                        errors << shown.text;
                if (!failed) {
                    QCOMPARE(errors, QStringList());
                    QVERIFY(saved != before);
                    QCOMPARE(fileContent(desk.data.app), saved);
                    break;
                }
                QCOMPARE(errors, QStringList{routine.failure});
                if (routine.listed)
                    QCOMPARE(routine.listed(desk).size(), 1);
                QCOMPARE(fileContent(desk.data.app), before);
                // The program ends even when its settings could not be saved.
                if (desk.window->objectName() != "frmMain")
                    QCOMPARE(shownWindows(), windows);
            }
        }
        qInfo("%d I/O errors and %d full disks injected, each told", injected[0], injected[1]);
        QVERIFY(injected[0] > 0 && injected[1] > 0);
    }
};

QTEST_MAIN(TestIoErrors)
#include "tst_ioerrors.moc"
