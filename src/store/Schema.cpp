#include "Schema.h"

#include "DataStore.h"

namespace {

struct LaterTable {
    const char* name;
    const char* sql;
};
// Tables added after the first version, as they are created.
const LaterTable kLaterTables[] = {
    {"SavedWeeks", R"(CREATE TABLE "SavedWeeks" ("WeekName" TEXT, "Slot" INTEGER, "Meal" TEXT))"},
};

} // namespace

const QStringList& LaterTableNames() {
    static const QStringList names = [] {
        QStringList later;
        for (const LaterTable& table : kLaterTables)
            later << QString::fromUtf8(table.name);
        return later;
    }();
    return names;
}

const QStringList& FixedTableNames() {
    static const QStringList names =
        QStringList{QStringLiteral("dbIndex"),     QStringLiteral("Groups"),
                    QStringLiteral("Aisles"),      QStringLiteral("Meals"),
                    QStringLiteral("MealIndex"),   QStringLiteral("GroceryList"),
                    QStringLiteral("Coupon Links")} +
        LaterTableNames();
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
    for (const LaterTable& table : kLaterTables)
        store.run(QString::fromUtf8(table.sql));
    transaction.commit();
}

void AddMissingTables(DataStore& store) {
    Transaction transaction(store);
    for (const LaterTable& table : kLaterTables) {
        // Checked first, so a file that has them all is not written to at all.
        if (!store.tableExists(QString::fromUtf8(table.name)))
            store.run(QString::fromUtf8(table.sql));
    }
    transaction.commit();
}

bool IsFixedTableName(const QString& name) {
    return FixedTableNames().contains(name, Qt::CaseInsensitive);
}
