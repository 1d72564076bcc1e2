#include "Schema.h"

#include "DataStore.h"

const QStringList& FixedTableNames() {
    static const QStringList names{QStringLiteral("dbIndex"),     QStringLiteral("Groups"),
                                   QStringLiteral("Aisles"),      QStringLiteral("Meals"),
                                   QStringLiteral("MealIndex"),   QStringLiteral("GroceryList"),
                                   QStringLiteral("Coupon Links")};
    return names;
}

void CreateSchema(DataStore& store) {
    // Field names are spelled as older data files spell them, `Quanity` included.
    static const char* const statements[] = {
        R"(CREATE TABLE "dbIndex" ("DropDown" INTEGER, "OptionColor" INTEGER,
               "BackGroundColor" INTEGER, "GroceryListName" TEXT, "eMailFlag" TEXT))",
        R"(CREATE TABLE "Groups" ("Item" TEXT))",
        R"(CREATE TABLE "Aisles" ("Aisle" TEXT, "Description" TEXT))",
        R"(CREATE TABLE "Meals" ("Meal" TEXT, "Breakfast" INTEGER NOT NULL DEFAULT 0,
               "Lunch" INTEGER NOT NULL DEFAULT 0, "Dinner" INTEGER NOT NULL DEFAULT 0,
               "Item" TEXT, "Category" TEXT, "Qty" TEXT))",
        R"(CREATE TABLE "MealIndex" ("ItemIndex" TEXT))",
        R"(CREATE TABLE "GroceryList" ("ListName" TEXT, "Item" TEXT, "Quanity" TEXT,
               "Size" TEXT, "Aisle" TEXT, "Price" TEXT, "Category" TEXT, "Comments" TEXT,
               "Coupon" INTEGER NOT NULL DEFAULT 0))",
        R"(CREATE TABLE "Coupon Links" ("Link" TEXT))",
    };
    Transaction transaction(store);
    for (const char* sql : statements)
        store.run(QString::fromUtf8(sql));
    transaction.commit();
}

bool IsFixedTableName(const QString& name) {
    return FixedTableNames().contains(name, Qt::CaseInsensitive);
}
