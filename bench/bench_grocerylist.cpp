// How the grocery list window copes with a list of 5,000 lines.
#include "BenchSupport.h"
#include "grocerylist/frmGroceryList.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Settings.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 5000;
constexpr int kRemoved = 1000;
constexpr int kRuns = 7;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BenchData data([](DataStore& store) {
        SaveGroceryList(store, QStringLiteral("Big"), BenchListLines(kLines));
    });
    frmGroceryList window(data.app);
    window.show();
    QListView* list = window.lstGroceryList;
    const auto line = [&](int row) { return window.list().index(row, 0); };
    bool ok = true;
    const auto none = [] {};

    ok &= Report("5,000 saved lines load into the window",
                 MedianMs(kRuns, none, [&] { window.Form_Load(); }), 100);

    const auto lastLine = [&] { list->setCurrentIndex(line(kLines - 1)); };
    QKeyEvent plus(QEvent::KeyRelease, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    ok &= Report("+ on the last line, with totals",
                 MedianMs(kRuns, lastLine, [&] { window.lstGroceryList_KeyUp(&plus); }), 5);

    ok &= Report("a column sort (save and reload) of 5,000 lines",
                 MedianMs(kRuns, none, [&] { window.cmdQty->click(); }), 150);

    const auto selectSome = [&] {
        window.Form_Load();
        for (int i = 0; i < kRemoved; ++i)
            list->selectionModel()->select(line(i * (kLines / kRemoved)),
                                           QItemSelectionModel::Select);
    };
    ok &= Report("removing 1,000 selected lines of 5,000",
                 MedianMs(kRuns, selectSome, [&] { window.cmdRemoveItems->click(); }), 100);
    if (window.list().size() != kLines - kRemoved) {
        std::fprintf(stderr, "expected %d lines, got %d\n", kLines - kRemoved,
                     window.list().size());
        return 1;
    }
    return ok ? 0 : 1;
}
