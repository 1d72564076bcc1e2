// Picking catalogue items for a meal, from the meal editor's "Add Grocery Item" button.
#include "CatalogueFixture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "meals/frmAddMeal.h"

#include <QPushButton>

class TestMealPicker : public QObject {
    Q_OBJECT

private slots:
    void itemsPickedLandInTheMealBeingEdited() {
        CatalogueFixture f;
        delete f.window;
        auto main = Main(f.data.app);
        f.data.app.settings.DropDown = 0;
        main->cmdCreateMeals->click();
        auto* editor = main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(editor);

        QTest::keyClicks(editor->txtMealName, "Hot Cocoa");
        // The fixture's helpers drive the real picker.
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            f.window = qobject_cast<frmAddGrocery*>(window);
            QVERIFY(f.window->isNarrow());
            QCOMPARE(f.window->pos(), editor->pos() + QPoint(0, 40));
            f.pickCategory("Dairy");
            f.selectItem("Milk Chocolate");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.selectItem("Milk");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.selectItem("Butter");
            f.window->txtQty->setText("2");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.window->cmdClose->click();
        });
        editor->ChangeFlag = 0;
        QTest::mouseClick(editor->cmdAddItem, Qt::LeftButton);
        QCOMPARE(f.boxes().texts().last(), QString("Item Already in Meal!"));
        QStringList rows;
        for (int i = 0; i < editor->lstItems->count(); ++i)
            rows << editor->lstItems->item(i)->text();
        QCOMPARE(rows, (QStringList{"1 Milk Chocolate\t\t\tDairy", "2 Butter\t\t\tDairy"}));
        QCOMPARE(editor->ChangeFlag, 1);
        f.window = nullptr;
    }
};

QTEST_MAIN(TestMealPicker)
#include "tst_mealpicker.moc"
