// The print window opened from the grocery list window and the planner, driven through its
// controls; the printouts land on recording printers.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "grocerylist/frmGroceryList.h"
#include "planner/frmMenuPlanner.h"
#include "printing/PrintoutParts.h"
#include "printing/frmPrint.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "ui/Money.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString kMenuNotSaved("The Menu could not be saved! Your menu is still on the screen; please "
                            "try again.");

QStringList entries(const QComboBox* box) {
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}

// Picks an entry of a list as a click in its drop-down would.
void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// A running program whose grocery list "Weekly" was saved last.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main;
    FakePrinters& printers = data.platform.fakePrinters;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;
    QPointer<frmGroceryList> list;

    explicit Session(int lines = 0) {
        {
            auto store = DataStore::open(data.dataFile());
            QList<GroceryListLine> saved{{"Milk", "2", "Yes", "1 gal", "B1", "3.50", "Dairy", ""},
                                         {"bread", "1", "", "loaf", "a3", "2.25", "Bakery", "rye"},
                                         {"Eggs", "1", "", "dozen", "A2", "2", "Dairy", ""}};
            for (int i = saved.size(); i < lines; ++i)
                saved.append({QString("Item %1").arg(i), "1", "", "", "", "1", "Pantry", ""});
            SaveGroceryList(*store, "Weekly", saved);
        }
        main = Main(data.app);
    }
    DataStore& store() { return data.app.store(); }
    QStringList storedOptionColor() { return Rows(store(), "dbIndex", {"OptionColor"}); }

    // Presses Print in the grocery list window; `step` plays the user in the print window.
    frmGroceryList* openList() {
        if (!list) {
            main->cmdGroceryList->click();
            list = main->findChild<frmGroceryList*>();
        }
        return list;
    }
    void printFromList(std::function<void(frmPrint*)> step) {
        openList();
        data.platform.modalRunner.steps.push_back(
            [step](QDialog* window) { step(qobject_cast<frmPrint*>(window)); });
        list->cmdPrint->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const PrintRecord& printed(int document = 0) { return *printers.documents.at(document).record; }
};

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void fromTheGroceryListEveryPrintoutCanBeChosen() {
        Session s;
        // Changed and not saved: Print saves it first, and the printout reads what was saved.
        s.openList()->lstGroceryList->setCurrentRow(0);
        QTest::keyClick(s.list->lstGroceryList, Qt::Key_Plus);
        QStringList onScreen, keyboard, printerList;
        s.printFromList([&](frmPrint* window) {
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QString("Print Menu!"));
            std::array<QRadioButton*, 5> byTop = window->Option1;
            std::sort(byTop.begin(), byTop.end(),
                      [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
            for (QRadioButton* option : byTop) {
                QVERIFY(option->isEnabled());
                onScreen << option->text();
            }
            for (QWidget* at = window->Option1[2]; keyboard.size() < 5;
                 at = at->nextInFocusChain()) {
                if (qobject_cast<QRadioButton*>(at) && at->parentWidget() == window->Frame1)
                    keyboard << at->objectName();
            }
            // The first choice in keyboard order takes the focus and is chosen with it.
            QVERIFY(window->Option1[2]->isChecked());
            QCOMPARE(window->focusWidget(), window->Option1[2]);
            printerList = entries(window->cboPrinter);
            QCOMPARE(window->cboPrinter->currentText(), QString("Office Inkjet"));
            QVERIFY(window->optColor[2]->isChecked()); // the stored colour: green

            window->Option1[1]->click();
            window->optColor[1]->click();
            window->cmdPrint->click();
        });
        QCOMPARE(onScreen, (QStringList{"Print Grocery List by Category",
                                        "Print Grocery List by Aisle", "Print Grocery List by Item",
                                        "Print Aisles List", "Print Meal Plan"}));
        QCOMPARE(keyboard,
                 (QStringList{"Option1_2", "Option1_0", "Option1_1", "Option1_3", "Option1_4"}));
        QCOMPARE(printerList, (QStringList{"Kitchen Laser", "Office Inkjet", "PDF file"}));

        // By aisle, on the current printer, in red, with the hourglass showing.
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("Office Inkjet"));
        QCOMPARE(s.printers.documents[0].title, QString("Weekly"));
        const PrintRecord& record = s.printed();
        QVERIFY(record.ended);
        QCOMPARE(record.textsAt(3700), (QStringList{"Item", "Eggs", "bread", "Milk"}));
        QCOMPARE(record.textsAt(2500), (QStringList{"Qty", "1", "2", "2"}));
        QCOMPARE(s.data.app.PrintColor, 0x0000FFu);
        for (const PrintedText& text : record.texts) {
            QCOMPARE(text.style.color, QColor(Qt::red));
            QVERIFY(text.busy);
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(record.find("Total Items 3").y, 2600);
        QCOMPARE(s.data.app.EstimatedTotal, 13.5);
        QCOMPARE(record.find("Estimated Total Price $13.50").y, 2600);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
        QVERIFY(!s.list->findChild<frmPrint*>());
        QVERIFY(s.boxes.shown.isEmpty());
    }

    void cancelStoresTheColourAndKeepsThePrinterButNotThePrintColour() {
        Session s;
        s.data.app.PrintColor = 0x00FF00;
        s.printFromList([](frmPrint* window) {
            window->optColor[1]->click();
            choose(window->cboPrinter, "Kitchen Laser");
            window->cmdCancel->click();
        });
        QVERIFY(s.printers.documents.isEmpty());
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);
        QCOMPARE(s.storedOptionColor(), QStringList{"1"});
        QCOMPARE(s.data.app.settings.OptionColor, 1);
        QCOMPARE(s.printers.current(), QString("Kitchen Laser"));

        // The next opening shows both; Esc cancels as well.
        s.printFromList([](frmPrint* window) {
            QVERIFY(window->optColor[1]->isChecked());
            QCOMPARE(window->cboPrinter->currentText(), QString("Kitchen Laser"));
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY(!window->isVisible());
        });
        QVERIFY(s.printers.documents.isEmpty());

        // A stored colour outside the seven options chooses none: Print keeps the colour.
        s.store().run("UPDATE dbIndex SET OptionColor = 9");
        s.printFromList([](frmPrint* window) {
            for (QRadioButton* option : window->optColor)
                QVERIFY(!option->isChecked());
            window->Option1[3]->click();
            window->cmdPrint->click();
        });
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("Kitchen Laser"));
        QCOMPARE(s.printed().find("Aisles").style.color, QColor(Qt::green));
        QCOMPARE(s.data.app.PrintColor, 0x00FF00u);
    }

    void thePlannerPrintsOnlyItsSavedPlan() {
        Session s;
        s.main->cmdMenuPlanner->click();
        QPointer<frmMenuPlanner> planner = s.main->findChild<frmMenuPlanner*>();
        planner->cboMeals[18]->setEditText("Fish");
        planner->changed = 1;
        s.data.platform.modalRunner.steps.push_back([](QDialog* dialog) {
            auto* window = qobject_cast<frmPrint*>(dialog);
            for (int index = 0; index < 4; ++index)
                QVERIFY(!window->Option1[index]->isEnabled());
            QVERIFY(window->Option1[4]->isChecked());
            QCOMPARE(window->focusWidget(), window->Option1[4]);
            window->optColor[3]->click();
            window->cmdPrint->click();
        });
        planner->cmdPrint->click();
        QCOMPARE(Rows(s.store(), "MealIndex", {"ItemIndex"})[18], QString("Fish"));
        QCOMPARE(planner->changed, 0);
        QCOMPARE(s.printers.documents.size(), 1);
        const PrintRecord& record = s.printed();
        QCOMPARE(record.orientation, PageOrientation::Landscape);
        const PrintedText fish = record.find("Fish");
        QCOMPARE(QPoint(fish.x, fish.y), QPoint(12000, 5000));
        QCOMPARE(fish.style.color, QColor(Qt::blue));
        QCOMPARE(s.data.app.PrintColor, 0xFF0000u);

        // A plan the store refuses is not printed: the printout would show the old one.
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex "
                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        planner->cboMeals[0]->setEditText("Oats");
        planner->cmdPrint->click();
        QCOMPARE(s.boxes.texts(), QStringList{kMenuNotSaved});
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
        const auto& requests = s.data.platform.fileChooser.requests;
        QCOMPARE(requests.size(), 2);
        QVERIFY(requests[0].suggested.endsWith("/Weekly.pdf"));
        QCOMPARE(requests[0].filter, QString("PDF files (*.pdf)"));
        QCOMPARE(s.printers.documents.size(), 1);
        QCOMPARE(s.printers.documents[0].target, QString("PDF:/tmp/shop.pdf"));
        QCOMPARE(s.data.app.PrintColor, 0xFFFF00u);
        QVERIFY(s.boxes.shown.isEmpty());

        // A printer that fails is reported once, and the window still closes.
        s.printers.printers = {"Garage"};
        s.printers.failing = true;
        s.printFromList([](frmPrint* window) {
            choose(window->cboPrinter, "Garage");
            window->cmdPrint->click();
        });
        QCOMPARE(s.printers.documents.size(), 2);
        QVERIFY(s.printed(1).ended);
        QCOMPARE(s.boxes.texts(),
                 QStringList{"The printout could not be sent to the printer \"Garage\"!"});
        QCOMPARE(s.boxes.shown[0].title, QString("Error!"));
        QVERIFY(!s.list->findChild<frmPrint*>());
    }

    void previewShowsThePrintoutWithoutPrinting() {
        Session s(41);
        int pages = 0;
        s.printFromList([&](frmPrint* window) {
            window->Option1[0]->click();
            window->optColor[4]->click();
            s.data.platform.modalRunner.steps.push_back([&](QDialog* preview) {
                pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            });
            window->cmdPreview->click();
            QVERIFY(window->isVisible());
            window->cmdCancel->click();
        });
        QCOMPARE(s.data.platform.modalRunner.opened, (QStringList{"frmPrint", "printPreview"}));
        QCOMPARE(pages, 2);
        QVERIFY(s.printers.documents.isEmpty());
        QCOMPARE(s.data.app.PrintColor, 0u);
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
