#pragma once

// The grocery list from the weekly menu, step by step as the list has always been made:
// the meals read again for every planned slot, each category searched row by row, every
// pair of working lines compared. Slow on purpose: it is the yardstick the fast way is
// held to, in the tests and in the benchmark.
#include "store/DataStore.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/TableAccess.h"
#include "domain/GroceryListLines.h"
#include "domain/Money.h"

#include <QHash>

// The lines the visible list gets appended, in order.
inline QStringList LiteralMenuLines(DataStore& store, const QStringList& visible) {
    const auto trim = [](QString text) {
        while (text.startsWith(' '))
            text.remove(0, 1);
        while (text.endsWith(' '))
            text.chop(1);
        return text;
    };
    const auto keyOf = [&](const QString& line) { return trim(line.toLower().left(25)); };

    // Generate one line per planned meal item.
    QStringList working;
    Statement plan = store.prepare("SELECT ItemIndex FROM MealIndex ORDER BY rowid");
    while (plan.next()) {
        if (plan.isNull("ItemIndex"))
            continue;
        const QString planned = plan.text("ItemIndex");
        Statement meals = store.prepare("SELECT * FROM Meals ORDER BY rowid");
        while (meals.next()) {
            const QString meal = meals.text("Meal");
            if (meal.toUpper() != planned.toUpper() || meal.isEmpty())
                continue;
            const QString category = trim(meals.text("Category"));
            const QString item = trim(meals.text("Item"));
            if (category.isEmpty())
                continue;
            QString size, aisle, price, comments;
            try {
                if (IsFixedTableName(category))
                    throw StoreError("not a category");
                Statement rows =
                    store.prepare("SELECT * FROM " + QuoteIdentifier(category) + " ORDER BY rowid");
                while (rows.next()) {
                    if (rows.isNull("Item") || trim(rows.text("Item")) != item)
                        continue;
                    size = rows.text("Size");
                    aisle = rows.text("Aisle");
                    price = rows.text("Price");
                    comments = rows.text("Comments");
                    break;
                }
            } catch (const StoreError&) {
            }
            working << QStringList{item,     trim(meals.text("Qty")),
                                   "   ",    size,
                                   aisle,    price,
                                   category, comments}
                           .join('\t');
        }
    }

    // Merge repeats. Names too long for the key to hold the quantity add up their lines once.
    const qsizetype n = working.size();
    QHash<QString, QList<qsizetype>> longGroups;
    for (qsizetype i = 0; i < n; ++i) {
        const GroceryListLine line = SplitGroceryListLine(working[i]);
        if (line.item.size() + 1 + line.quantity.size() > 25)
            longGroups[keyOf(working[i])];
    }
    for (qsizetype i = 0; i < n; ++i)
        if (longGroups.contains(keyOf(working[i])))
            longGroups[keyOf(working[i])] << i;
    for (qsizetype i = 0; i < n; ++i) {
        GroceryListLine line = SplitGroceryListLine(working[i]);
        line.coupon = "   ";
        const QString key = keyOf(working[i]);
        if (longGroups.contains(key)) {
            const QList<qsizetype>& group = longGroups[key];
            if (group.last() == i && group.size() > 1) {
                double sum = 0;
                for (qsizetype g : group)
                    sum += LeadingNumber(SplitGroceryListLine(working[g]).quantity);
                line.quantity = PlainNumber(sum);
                working << JoinGroceryListLine(line);
            }
            continue;
        }
        const double quantity = LeadingNumber(line.quantity);
        double running = quantity;
        const qsizetype m = working.size();
        for (qsizetype j = 0; j < m; ++j) {
            if (j == i || keyOf(working[j]) != key)
                continue;
            running += quantity;
            line.quantity = PlainNumber(running);
            working << JoinGroceryListLine(line);
        }
    }

    // Copy from the last working line to the first, leaving out names already listed.
    QStringList shown = visible;
    QStringList added;
    for (qsizetype i = working.size() - 1; i >= 0; --i) {
        const QString name = working[i].section('\t', 0, 0);
        bool listed = false;
        for (const QString& line : shown)
            listed = listed || line.section('\t', 0, 0) == name;
        if (!listed) {
            shown << working[i];
            added << working[i];
        }
    }
    return added;
}
