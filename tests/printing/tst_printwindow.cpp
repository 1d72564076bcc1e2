// The print window opened from the grocery list window and the planner, driven through its
// controls; the printouts land on recording printers. Their layout is the printouts suite's,
// the real printers' the Qt printing suite's.
#include "Program.h"
#include "Texts.h"
#include "grocerylist/frmGroceryList.h"
#include "planner/frmMenuPlanner.h"
#include "printing/Printing.h"
#include "printing/frmPrint.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"

#include <QComboBox>
#include <QListView>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QStringList entries(const QComboBox* box) {
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}

// The running program whose grocery list "Weekly", saved last with `lines` lines, is open.
struct Session : Program {
    FakePrinters& printers = platform.fakePrinters;
    QPointer<frmGroceryList> list;

    explicit Session(int lines = 3)
        : Program([lines](DataStore& store) {
              QList<GroceryListLine> saved{
                  {"Milk", "2", true, "1 gal", "B1", "3.50", "Dairy", ""},
                  {"bread", "1", false, "loaf", "a3", "2.25", "Bakery", "rye"},
                  {"Eggs", "1", false, "dozen", "A2", "2", "Dairy", ""}};
              for (int i = saved.size(); i < lines; ++i)
                  saved.append({QString("Item %1").arg(i), "1", false, "", "", "1", "Pantry", ""});
              SaveGroceryList(store, "Weekly", saved);
              store.run("INSERT INTO Aisles VALUES ('Bakery', NULL), ('apples', 'Fruit')");
          }) {
        list = open<frmGroceryList>("cmdGroceryList");
    }
    QStringList storedOptionColor() { return Rows(store(), "dbIndex", {"OptionColor"}); }
    // Presses Print in `window`; `user` plays the person in the print window.
    void print(QWidget* window, std::function<void(frmPrint*)> user) {
        whenModal(user);
        press(window, "cmdPrint");
    }
    const PrintRecord& printed() { return *printers.documents.at(0).record; }
};

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void fromTheGroceryListEveryPrintoutCanBeChosen() {
        Session s;
        // Changed and not saved: Print saves it first, and the printout reads what was saved.
        s.list->lstGroceryList->setCurrentIndex(s.list->list().index(0, 0));
        QTest::keyClick(s.list->lstGroceryList, Qt::Key_Plus);
        s.print(s.list, [&](frmPrint* window) {
            QStringList onScreen;
            std::array<QRadioButton*, 5> byTop = window->Option1;
            std::sort(byTop.begin(), byTop.end(),
                      [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
            for (QRadioButton* option : byTop)
                onScreen << option->text() + (option->isEnabled() ? "" : " (disabled)");
            QCOMPARE(onScreen,
                     (QStringList{"Print Grocery List by Category", "Print Grocery List by Aisle",
                                  "Print Grocery List by Item", "Print Aisles List",
                                  "Print Meal Plan"}));
            // The first choice in keyboard order takes the focus and is chosen with it.
            QVERIFY(window->Option1[2]->isChecked() && window->focusWidget() == window->Option1[2]);
            QCOMPARE(entries(window->cboPrinter),
                     (QStringList{"Kitchen Laser", "Office Inkjet", "PDF file"}));
            QCOMPARE(window->cboPrinter->currentText(), QString("Office Inkjet"));
            QVERIFY(window->optColor[2]->isChecked()); // the stored colour: green
            window->Option1[1]->click();
            window->optColor[1]->click();
            window->cmdPrint->click();
        });

        // By aisle, on the current printer, in red, with the hourglass showing; the coupon
        // and the new quantity as saved.
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target + "|" + s.printers.documents[0].title,
                 QString("Office Inkjet|Weekly"));
        const PrintRecord& record = s.printed();
        for (const char* shown : {"3700,1500 10 Eggs", "3700,1800 10 bread", "3700,2100 10 Milk",
                                  "8700,2100 10 Yes", "7500,2600 10 Estimated Total Price $13.50"})
            QVERIFY2(record.page(1).contains(shown), shown);
        QCOMPARE(record.inks, (QSet<QString>{"#ff0000", "#ff0000 pen 9"}));
        QVERIFY(record.busy && !QGuiApplication::overrideCursor());
        QCOMPARE(s.data.app.PrintColor, 0x0000FFu);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
    }

    void cancelAndPreviewKeepTheColourAndPrinterButPrintNothing() {
        Session s(41);
        s.data.app.PrintColor = 0x00FF00;
        int previewPages = 0;
        s.print(s.list, [&](frmPrint* window) {
            window->optColor[1]->click();
            QTest::keyClick(window->cboPrinter, Qt::Key_Up); // to "Kitchen Laser"
            s.whenModal<QDialog>([&](QDialog* preview) {
                previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            });
            window->cmdPreview->click();
            QVERIFY(window->isVisible());
            window->cmdCancel->click();
        });
        // The preview drew the chosen 41 lines, by category, on two pages.
        QCOMPARE(previewPages, 2);
        QVERIFY(s.printers.documents.isEmpty());
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
        QCOMPARE(s.printers.current(), QString("Kitchen Laser"));

        // The next opening shows both; Esc cancels as well.
        s.print(s.list, [](frmPrint* window) {
            QVERIFY(window->optColor[1]->isChecked());
            QCOMPARE(window->cboPrinter->currentText(), QString("Kitchen Laser"));
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY(!window->isVisible());
        });
        QVERIFY(s.printers.documents.isEmpty());
    }

    void thePlannerPrintsOnlyItsSavedPlan() {
        Session s;
        QPointer<frmMenuPlanner> planner = s.open<frmMenuPlanner>("cmdMenuPlanner");
        planner->cboMeals[18]->setFocus();
        planner->cboMeals[18]->setEditText("Fis");
        QTest::keyClick(planner->cboMeals[18], Qt::Key_H);
        // A stored colour outside the seven options chooses none: Print keeps the colour.
        s.store().run("UPDATE dbIndex SET OptionColor = 9");
        s.data.app.PrintColor = 0x00FF00;
        s.print(planner, [](frmPrint* window) {
            for (int index = 0; index < 4; ++index)
                QVERIFY(!window->Option1[index]->isEnabled());
            for (QRadioButton* option : window->optColor)
                QVERIFY(!option->isChecked());
            QVERIFY(window->Option1[4]->isChecked() && window->focusWidget() == window->Option1[4]);
            window->cmdPrint->click();
        });
        QCOMPARE(s.printers.documents.size(), 1);
        QVERIFY(s.printed().page(1).contains("12000,5000 11 Fish"));
        QCOMPARE(s.printed().inks, (QSet<QString>{"#00ff00", "#00ff00 pen 9"}));
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);

        // A plan the store refuses is not printed: the printout would show the old one.
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex "
                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        planner->cboMeals[0]->setEditText("Oats");
        planner->cmdPrint->click();
        QCOMPARE(s.messages(), QStringList{kMenuNotSaved});
        QCOMPARE(s.platform.modalRunner.opened, QStringList{"frmPrint"});
    }

    void printoutsGoToAPdfFileAndFailuresAreTold() {
        Session s;
        // Without a printer the list still offers the PDF file, chosen from the start; the
        // aisles, in any letter case, go by name.
        s.printers.printers.clear();
        s.printers.defaultName.clear();
        s.platform.fileChooser.answers = {std::nullopt, QString("/tmp/shop.pdf")};
        s.print(s.list, [&](frmPrint* window) {
            QCOMPARE(entries(window->cboPrinter), QStringList{"PDF file"});
            window->optColor[5]->click();
            // Cancelling the file dialog returns to the window with nothing printed.
            window->cmdPrint->click();
            QVERIFY(window->isVisible() && s.printers.documents.isEmpty());
            QCOMPARE(s.data.app.PrintColor, 0u);
            window->Option1[3]->click();
            window->cmdPrint->click();
        });
        QVERIFY(s.platform.fileChooser.requests[1].suggested.endsWith("/Aisles.pdf"));
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("PDF:/tmp/shop.pdf"));
        QCOMPARE(s.printed().page(1).filter(" 10 "),
                 (QStringList{"3000,1500 10 Fruit", "400,1500 10 apples", "400,1800 10 Bakery"}));
        QCOMPARE(s.data.app.PrintColor, 0xFFFF00u);
        QVERIFY(s.messages().isEmpty());

        // A printer that fails is reported once, and the window still closes.
        s.printers.printers = {"Garage"};
        s.printers.failing = true;
        s.print(s.list, [](frmPrint* window) {
            QTest::keyClick(window->cboPrinter, Qt::Key_Up); // to "Garage"
            window->cmdPrint->click();
        });
        QCOMPARE(s.boxes.shown[0].title, QString("Error!"));
        QCOMPARE(s.messages(),
                 QStringList{"The printout could not be sent to the printer \"Garage\"!"});
        QVERIFY(!s.list->findChild<frmPrint*>());
    }

    void pdfFilesAreOfferedInAFolderThatExists() {
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(SuggestedPdfPath("Weekly"), home.filePath("Weekly.pdf"));
        QDir(home.path()).mkdir("Documents");
        QCOMPARE(SuggestedPdfPath("Weekly"), home.filePath("Documents/Weekly.pdf"));
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
