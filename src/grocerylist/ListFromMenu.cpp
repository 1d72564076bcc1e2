#include "ListFromMenu.h"

#include "store/MealPlan.h"
#include "store/StoreError.h"
#include "ui/GroceryListLines.h"
#include "ui/Money.h"

#include <QHash>
#include <QSet>
#include <limits>
#include <vector>

namespace {

constexpr int kKeyLength = 25;

// Counts that only ever grow; a working list that repeats itself endlessly stops here.
constexpr qint64 kCountLimit = std::numeric_limits<qint64>::max() / 2;
constexpr qint64 kMergedLinesLimit = qint64(1) << 24;

void addCount(qint64& count, qint64 more) {
    count = more > kCountLimit - count ? kCountLimit : count + more;
}

// Whether the line's merge key holds its whole quantity: the item, a TAB and the quantity
// fit in the key's length.
bool keyHoldsQuantity(const GroceryListLine& line) {
    return line.item.size() + 1 + line.quantity.size() <= kKeyLength;
}

struct KeyGroup {
    qsizetype members = 0;
    qsizetype last = -1;
    // Some line of the group has a name too long for its quantity to fit in the key.
    bool quantityOutsideKey = false;
    double sum = 0;
};

} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ')
        ++start;
    while (end > start && text.at(end - 1) == u' ')
        --end;
    return text.mid(start, end - start);
}

QStringList GenerateMenuLines(const QStringList& plan, const QList<MealItem>& meals,
                              const CatalogueFinder& find) {
    QHash<QString, QList<const MealItem*>> byMeal;
    for (const MealItem& row : meals)
        if (!row.meal.isEmpty())
            byMeal[row.meal.toUpper()].append(&row);
    QStringList lines;
    for (const QString& planned : plan) {
        for (const MealItem* row : byMeal.value(planned.toUpper())) {
            const QString category = TrimBlanks(row->category);
            if (category.isEmpty())
                continue;
            const QString item = TrimBlanks(row->item);
            const CatalogueItem found = find(category, item).value_or(CatalogueItem{});
            lines << JoinGroceryListLine({item, TrimBlanks(row->quantity), kCouponNew, found.size,
                                          found.aisle, found.price, category, found.comments});
        }
    }
    return lines;
}

QString MergeKey(const QString& line) {
    return TrimBlanks(line.toLower().left(kKeyLength));
}

QStringList MergeMenuLines(const QStringList& generated) {
    const qsizetype n = generated.size();
    std::vector<QString> keys;
    keys.reserve(size_t(n));
    std::vector<GroceryListLine> lines;
    lines.reserve(size_t(n));
    // How many lines of the working list carry each key that a generated line carries.
    QHash<QString, qint64> count;
    QHash<QString, KeyGroup> groups;
    for (qsizetype i = 0; i < n; ++i) {
        keys.push_back(MergeKey(generated[i]));
        lines.push_back(SplitGroceryListLine(generated[i]));
        ++count[keys.back()];
        KeyGroup& group = groups[keys.back()];
        ++group.members;
        group.last = i;
        group.quantityOutsideKey |= !keyHoldsQuantity(lines.back());
        group.sum += LeadingNumber(lines.back().quantity);
    }
    const auto counted = [&](const QString& line, qint64 times) {
        const auto it = count.find(MergeKey(line));
        if (it != count.end())
            addCount(*it, times);
    };

    QStringList working = generated;
    for (qsizetype i = 0; i < n; ++i) {
        const KeyGroup& group = groups[keys[size_t(i)]];
        GroceryListLine line = lines[size_t(i)];
        if (group.quantityOutsideKey) {
            // The key cannot tell such lines' quantities apart: they add up as one would by
            // hand, once, with the last of them.
            if (i == group.last && group.members > 1) {
                line.quantity = PlainNumber(group.sum);
                working << JoinGroceryListLine(line);
                counted(working.last(), 1);
            }
            continue;
        }
        // Each other line with the same key adds this line's quantity once more to a running
        // total, and each step is a new line of the working list.
        const qint64 matches = count[keys[size_t(i)]] - 1;
        if (matches <= 0)
            continue;
        const double quantity = LeadingNumber(line.quantity);
        double running = quantity;
        if (quantity == 0) {
            line.quantity = PlainNumber(running);
            working << JoinGroceryListLine(line);
            counted(working.last(), matches);
            continue;
        }
        QString merged;
        for (qint64 step = 0; step < std::min(matches, kMergedLinesLimit); ++step) {
            running += quantity;
            line.quantity = PlainNumber(running);
            merged = JoinGroceryListLine(line);
            counted(merged, 1);
        }
        working << merged;
    }
    return working;
}

QStringList LinesToAdd(const QStringList& working, const QStringList& visible) {
    QSet<QString> names;
    for (const QString& line : visible)
        names.insert(GroceryLineItem(line));
    QStringList added;
    for (qsizetype i = working.size() - 1; i >= 0; --i) {
        const QString name = GroceryLineItem(working[i]);
        if (names.contains(name))
            continue;
        names.insert(name);
        added << working[i];
    }
    return added;
}

QStringList BuildMenuLines(DataStore& store) {
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
