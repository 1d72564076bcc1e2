#include "ListFromMenu.h"

#include "GroceryListLines.h"
#include "Money.h"
#include "store/MealPlan.h"
#include "store/StoreError.h"

#include <QHash>
#include <QSet>

QString TrimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ')
        ++start;
    while (end > start && text.at(end - 1) == u' ')
        --end;
    return text.mid(start, end - start);
}

QString ItemKey(const QString& item) {
    return item.trimmed().toCaseFolded();
}

QList<MenuLine> GenerateMenuLines(const QStringList& plan, const QList<MealItem>& meals,
                                  const CatalogueFinder& find) {
    QHash<QString, QList<const MealItem*>> byMeal;
    for (const MealItem& row : meals)
        if (!row.meal.isEmpty())
            byMeal[row.meal.toUpper()].append(&row);
    QList<MenuLine> lines;
    for (const QString& planned : plan) {
        for (const MealItem* row : byMeal.value(planned.toUpper())) {
            const QString category = TrimBlanks(row->category);
            if (category.isEmpty())
                continue;
            const QString item = TrimBlanks(row->item);
            const std::optional<CatalogueItem> found = find(category, item);
            const CatalogueItem fields = found.value_or(CatalogueItem{});
            lines.append({{item, TrimBlanks(row->quantity), false, fields.size, fields.aisle,
                           fields.price, category, fields.comments},
                          found.has_value()});
        }
    }
    return lines;
}

QList<GroceryListLine> MergeMenuLines(const QList<MenuLine>& generated) {
    struct Item {
        qsizetype lines = 0;
        qsizetype last = -1;
        qsizetype stand = -1; // the line whose fields the total carries
        double quantity = 0;
    };
    QHash<QString, Item> items;
    QList<GroceryListLine> working;
    for (qsizetype i = 0; i < generated.size(); ++i) {
        const MenuLine& line = generated[i];
        Item& item = items[ItemKey(line.line.item)];
        ++item.lines;
        item.last = i;
        item.quantity += LeadingNumber(line.line.quantity);
        if (line.found || item.stand < 0 || !generated[item.stand].found)
            item.stand = i;
        working.append(line.line);
    }
    for (qsizetype i = 0; i < generated.size(); ++i) {
        const Item& item = items[ItemKey(generated[i].line.item)];
        if (item.last != i || item.lines < 2)
            continue;
        GroceryListLine total = RewrittenLine(generated[item.stand].line);
        total.quantity = PlainNumber(item.quantity);
        working.append(total);
    }
    return working;
}

QList<GroceryListLine> LinesToAdd(const QList<GroceryListLine>& working,
                                  const QList<GroceryListLine>& visible) {
    QSet<QString> listed;
    for (const GroceryListLine& line : visible)
        listed.insert(ItemKey(line.item));
    QList<GroceryListLine> added;
    for (qsizetype i = working.size() - 1; i >= 0; --i) {
        const QString key = ItemKey(working[i].item);
        if (listed.contains(key))
            continue;
        listed.insert(key);
        added.append(working[i]);
    }
    return added;
}

QList<GroceryListLine> BuildMenuLines(DataStore& store) {
    const QStringList plan = ReadMealPlan(store);
    const QList<MealItem> meals = ReadMealItems(store, plan);
    QHash<QString, QSet<QString>> wanted;
    for (const MealItem& row : meals) {
        const QString category = TrimBlanks(row.category);
        if (!category.isEmpty())
            wanted[category].insert(TrimBlanks(row.item));
    }
    QHash<QString, QHash<QString, CatalogueItem>> catalogue;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        QHash<QString, CatalogueItem>& items = catalogue[it.key()];
        // A category without a table of its own completes nothing.
        IgnoreStoreErrors([&] {
            items = FindCatalogueItems(store, it.key(), QStringList(it->begin(), it->end()));
        });
    }
    const auto find = [&](const QString& category,
                          const QString& item) -> std::optional<CatalogueItem> {
        const QHash<QString, CatalogueItem>& items = catalogue[category];
        const auto found = items.constFind(item);
        if (found == items.cend())
            return std::nullopt;
        return *found;
    };
    return MergeMenuLines(GenerateMenuLines(plan, meals, find));
}
