#include "GroceryLists.h"

#include "DataStore.h"
#include "Settings.h"

QList<GroceryListLine> ReadGroceryList(DataStore& store, const QString& name) {
    Statement rows = store.query(
        QStringLiteral("SELECT \"Item\", \"Quanity\", \"Coupon\", \"Size\", \"Aisle\", \"Price\", "
                       "\"Category\", \"Comments\" FROM \"GroceryList\" WHERE \"ListName\" = ?1 "
                       "ORDER BY rowid"),
        name);
    QList<GroceryListLine> lines;
    while (rows.next())
        lines.append({rows.text(QStringLiteral("Item")), rows.text(QStringLiteral("Quanity")),
                      rows.integer(QStringLiteral("Coupon")) != 0,
                      rows.text(QStringLiteral("Size")), rows.text(QStringLiteral("Aisle")),
                      rows.text(QStringLiteral("Price")), rows.text(QStringLiteral("Category")),
                      rows.text(QStringLiteral("Comments"))});
    return lines;
}

void SaveGroceryList(DataStore& store, const QString& name, const QList<GroceryListLine>& lines,
                     OpenNext next) {
    Transaction transaction(store);
    DeleteGroceryList(store, name);
    Statement insert = store.prepare(
        QStringLiteral("INSERT INTO \"GroceryList\" (\"ListName\", \"Item\", \"Quanity\", "
                       "\"Size\", \"Aisle\", \"Price\", \"Category\", \"Comments\", \"Coupon\") "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"));
    for (const GroceryListLine& line : lines) {
        insert.bindAll(name, line.item, line.quantity, line.size, line.aisle, line.price,
                       line.category, line.comments, line.coupon);
        insert.run();
        insert.reset();
    }
    if (next == OpenNext::ThisList)
        WriteGroceryListName(store, name);
    transaction.commit();
}

void DeleteGroceryList(DataStore& store, const QString& name) {
    store.run(QStringLiteral("DELETE FROM \"GroceryList\" WHERE \"ListName\" = ?1"), name);
}

QStringList LoadGroceryListNames(DataStore& store) {
    Statement names = store.prepare(
        QStringLiteral("SELECT DISTINCT \"ListName\" FROM \"GroceryList\" WHERE \"ListName\" <> '' "
                       "ORDER BY \"ListName\" COLLATE NOCASE, \"ListName\""));
    QStringList result;
    while (names.next())
        result << names.text(QStringLiteral("ListName"));
    return result;
}

QList<SavedGroceryList> ReadAllGroceryLists(DataStore& store) {
    QList<SavedGroceryList> lists;
    for (const QString& name : LoadGroceryListNames(store))
        lists.append({name, ReadGroceryList(store, name)});
    return lists;
}
