// Meal item rows: the text the catalogue picker appends and the meal editor reads back.
#include "meals/MealItemRow.h"

#include <QtTest>

class TestMealItemRow : public QObject {
    Q_OBJECT

private slots:
    void rowsAreReadBackByPosition() {
        const QString row = BuildMealItemRow("2", "Whole Wheat Bread", "Bakery Goods");
        QCOMPARE(row, QString("2 Whole Wheat Bread\t\t\tBakery Goods"));
        const MealItemParts parts = SplitMealItemRow(row);
        QCOMPARE(parts.quantity, QString("2"));
        QCOMPARE(parts.item, QString("Whole Wheat Bread"));
        QCOMPARE(parts.category, QString("Bakery Goods"));

        // Blanks around the parts are kept here; the save trims them.
        const MealItemParts padded = SplitMealItemRow(BuildMealItemRow("3", " Eggs ", " Dairy"));
        QCOMPARE(padded.item, QString(" Eggs "));
        QCOMPARE(padded.category, QString(" Dairy"));
        QCOMPARE(SplitMealItemRow("1 Salt").item, QString("Salt"));

        const QString category = "Frozen Vegetables and Fruit Bars";
        QCOMPARE(SplitMealItemRow(BuildMealItemRow("1", "Peas", category)).category,
                 category.left(kMealCategoryLength));
    }

    void quantitiesThatAreNoWholeNumberStillLandInRange() {
        const auto stepped = [](const QString& quantity, int step) {
            return SplitMealItemRow(
                       StepMealItemQuantity(BuildMealItemRow(quantity, "Tea", "Drinks"), step))
                .quantity;
        };
        QCOMPARE(stepped("5000", -1), QString("999"));
        QCOMPARE(stepped("x", 1), QString("1"));
        QCOMPARE(stepped("x", -1), QString("1"));
        QCOMPARE(stepped("12oz", 1), QString("13"));
    }
};

QTEST_APPLESS_MAIN(TestMealItemRow)
#include "tst_mealitemrow.moc"
