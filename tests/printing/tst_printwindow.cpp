// The print window opened from the grocery list window and the planner, driven through its
// controls; the printouts land on recording printers.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "grocerylist/frmGroceryList.h"
#include "planner/frmMenuPlanner.h"
#include "printing/Printing.h"
#include "printing/frmPrint.h"
#include "store/DataStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
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

// A running program whose grocery list "Weekly", saved last with `lines` lines, is open.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main;
    FakePrinters& printers = data.platform.fakePrinters;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;
    QPointer<frmGroceryList> list;

    explicit Session(int lines = 3) {
        QList<GroceryListLine> saved{{"Milk", "2", true, "1 gal", "B1", "3.50", "Dairy", ""},
                                     {"bread", "1", false, "loaf", "a3", "2.25", "Bakery", "rye"},
                                     {"Eggs", "1", false, "dozen", "A2", "2", "Dairy", ""}};
        for (int i = saved.size(); i < lines; ++i)
            saved.append({QString("Item %1").arg(i), "1", false, "", "", "1", "Pantry", ""});
        SaveGroceryList(*DataStore::open(data.dataFile()), "Weekly", saved);
        main = Main(data.app);
        main->cmdGroceryList->click();
        list = main->findChild<frmGroceryList*>();
    }
    DataStore& store() { return data.app.store(); }
    QStringList storedOptionColor() { return Rows(store(), "dbIndex", {"OptionColor"}); }
    // Presses Print in the grocery list window; `step` plays the user in the print window.
    void printFromList(std::function<void(frmPrint*)> step) {
        data.platform.modalRunner.steps.push_back(
            [step](QDialog* window) { step(qobject_cast<frmPrint*>(window)); });
        list->cmdPrint->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        s.printFromList([&](frmPrint* window) {
            QStringList onScreen, keyboard;
            std::array<QRadioButton*, 5> byTop = window->Option1;
            std::sort(byTop.begin(), byTop.end(),
                      [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
            for (QRadioButton* option : byTop)
                onScreen << option->text() + (option->isEnabled() ? "" : " (disabled)");
            for (QWidget* at = window->Option1[2]; keyboard.size() < 5; at = at->nextInFocusChain())
                keyboard << at->objectName();
            // The first choice in keyboard order takes the focus and is chosen with it.
            QVERIFY(window->Option1[2]->isChecked());
            QCOMPARE(window->focusWidget(), window->Option1[2]);
            QCOMPARE(onScreen,
                     (QStringList{"Print Grocery List by Category", "Print Grocery List by Aisle",
                                  "Print Grocery List by Item", "Print Aisles List",
                                  "Print Meal Plan"}));
            QCOMPARE(keyboard, (QStringList{"Option1_2", "Option1_0", "Option1_1", "Option1_3",
                                            "Option1_4"}));
            QCOMPARE(entries(window->cboPrinter),
                     (QStringList{"Kitchen Laser", "Office Inkjet", "PDF file"}));
            QCOMPARE(window->cboPrinter->currentText(), QString("Office Inkjet"));
            QVERIFY(window->optColor[2]->isChecked()); // the stored colour: green

            window->Option1[1]->click();
            window->optColor[1]->click();
            window->cmdPrint->click();
        });

        // By aisle, on the current printer, in red, with the hourglass showing; the totals
        // are the window's.
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("Office Inkjet"));
        const PrintRecord& record = s.printed();
        for (const char* shown :
             {"3700,1500 10 Eggs", "3700,1800 10 bread", "2500,1800 10 2", "3700,2100 10 Milk",
              "5000,2600 10 Total Items 3", "7500,2600 10 Estimated Total Price $13.50"})
            QVERIFY2(record.page(1).contains(shown), shown);
        QCOMPARE(record.inks, (QSet<QString>{"#ff0000", "#ff0000 pen 9"}));
        QVERIFY(record.busy);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(s.data.app.PrintColor, 0x0000FFu);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
    }

    void cancelAndPreviewKeepTheColourAndPrinterButPrintNothing() {
        Session s(41);
        s.data.app.PrintColor = 0x00FF00;
        int previewPages = 0;
        s.printFromList([&](frmPrint* window) {
            window->optColor[1]->click();
            QTest::keyClick(window->cboPrinter, Qt::Key_Up); // to "Kitchen Laser"
            s.data.platform.modalRunner.steps.push_back([&](QDialog* preview) {
                previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            });
            window->cmdPreview->click();
            QVERIFY(window->isVisible());
            window->cmdCancel->click();
        });
        // The preview drew the chosen 41 lines, by category, on two pages.
        QCOMPARE(s.data.platform.modalRunner.opened, (QStringList{"frmPrint", "printPreview"}));
        QCOMPARE(previewPages, 2);
        QVERIFY(s.printers.documents.isEmpty());
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
        QCOMPARE(s.printers.current(), QString("Kitchen Laser"));

        // The next opening shows both; Esc cancels as well.
        s.printFromList([](frmPrint* window) {
            QVERIFY(window->optColor[1]->isChecked());
            QCOMPARE(window->cboPrinter->currentText(), QString("Kitchen Laser"));
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY(!window->isVisible());
        });
        QVERIFY(s.printers.documents.isEmpty());
    }

    void thePlannerPrintsOnlyItsSavedPlan() {
        Session s;
        s.main->cmdMenuPlanner->click();
        QPointer<frmMenuPlanner> planner = s.main->findChild<frmMenuPlanner*>();
        planner->cboMeals[18]->setFocus();
        planner->cboMeals[18]->setEditText("Fis");
        QTest::keyClick(planner->cboMeals[18], Qt::Key_H);
        // A stored colour outside the seven options chooses none: Print keeps the colour.
        s.store().run("UPDATE dbIndex SET OptionColor = 9");
        s.data.app.PrintColor = 0x00FF00;
        s.data.platform.modalRunner.steps.push_back([](QDialog* dialog) {
            auto* window = qobject_cast<frmPrint*>(dialog);
            for (int index = 0; index < 4; ++index)
                QVERIFY(!window->Option1[index]->isEnabled());
            for (QRadioButton* option : window->optColor)
                QVERIFY(!option->isChecked());
            QVERIFY(window->Option1[4]->isChecked());
            QCOMPARE(window->focusWidget(), window->Option1[4]);
            window->cmdPrint->click();
        });
        planner->cmdPrint->click();
        QCOMPARE(s.printers.documents.size(), 1);
        QVERIFY(s.printed().page(1).contains("12000,5000 11 Fish"));
        QCOMPARE(s.printed().inks, (QSet<QString>{"#00ff00", "#00ff00 pen 9"}));
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);

        // A plan the store refuses is not printed: the printout would show the old one.
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex "
                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        planner->cboMeals[0]->setEditText("Oats");
        planner->cmdPrint->click();
        QCOMPARE(
            s.boxes.texts(),
            QStringList{"The Menu could not be saved! Your menu is still on the screen; please try "
                        "again."});
        QCOMPARE(s.data.platform.modalRunner.opened, QStringList{"frmPrint"});
    }

    void printoutsGoToAPdfFileAndFailuresAreTold() {
        Session s;
        // Without a printer the list still offers the PDF file, chosen from the start.
        s.printers.printers.clear();
        s.printers.defaultName.clear();
        s.data.platform.fileChooser.answers = {std::nullopt, QString("/tmp/shop.pdf")};
        s.printFromList([&](frmPrint* window) {
            QCOMPARE(entries(window->cboPrinter), QStringList{"PDF file"});
            window->optColor[5]->click();
            // Cancelling the file dialog returns to the window with nothing printed.
            window->cmdPrint->click();
            QVERIFY(window->isVisible());
            QVERIFY(s.printers.documents.isEmpty());
            QCOMPARE(s.data.app.PrintColor, 0u);
            window->cmdPrint->click();
        });
        QVERIFY(s.data.platform.fileChooser.requests[0].suggested.endsWith("/Weekly.pdf"));
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("PDF:/tmp/shop.pdf"));
        QCOMPARE(s.data.app.PrintColor, 0xFFFF00u);
        QVERIFY(s.boxes.shown.isEmpty());

        // A printer that fails is reported once, and the window still closes.
        s.printers.printers = {"Garage"};
        s.printers.failing = true;
        s.printFromList([](frmPrint* window) {
            QTest::keyClick(window->cboPrinter, Qt::Key_Up); // to "Garage"
            window->cmdPrint->click();
        });
        QCOMPARE(s.boxes.texts(),
                 QStringList{"The printout could not be sent to the printer \"Garage\"!"});
        QCOMPARE(s.boxes.shown[0].title, QString("Error!"));
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
