#include "KitchenImport.h"

#include "Csv.h"
#include "MealItemRow.h"
#include "Money.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// The export's column names with where the file has them.
using Columns = QList<std::pair<QString, qsizetype>>;

// One row below the header, its fields found by the export's column names.
class Row {
public:
    Row(const CsvRecord& record, const Columns& columns) : m_record(&record), m_columns(&columns) {}

    int line() const { return m_record->line; }
    // The field as a box would keep it; empty for a column the file lacks.
    QString text(const char* column) const {
        for (const auto& [name, at] : *m_columns)
            if (name == QLatin1String(column))
                return SingleLineField(m_record->fields.value(at));
        return {};
    }
    QString trimmed(const char* column) const { return text(column).trimmed(); }
    bool has(const char* column) const {
        return std::any_of(m_columns->cbegin(), m_columns->cend(), [column](const auto& found) {
            return found.first == QLatin1String(column);
        });
    }
    // Why the row cannot be read as it stands; empty when it can.
    QString fault() const {
        switch (m_record->fault) {
        case CsvFault::NotUtf8:
            return QStringLiteral("Its text is not valid UTF-8.");
        case CsvFault::OpenQuote:
            return QStringLiteral("A quoted field is never closed.");
        case CsvFault::None:
            break;
        }
        return {};
    }

private:
    const CsvRecord* m_record;
    const Columns* m_columns;
};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString tooLong(const char* what, const QString& text, int length) {
    if (text.size() <= length)
        return {};
    return QStringLiteral("The %1 has %2 characters; at most %3 fit.")
        .arg(QLatin1String(what))
        .arg(text.size())
        .arg(length);
}

QString notNumber(const char* what, const QString& text) {
    if (text.isEmpty() || IsAcceptablePrice(text))
        return {};
    return QStringLiteral("The %1 %2 is not a number.").arg(QLatin1String(what), quoted(text));
}

QString missing(const char* what, const QString& text) {
    return text.isEmpty() ? QStringLiteral("The %1 is empty.").arg(QLatin1String(what)) : QString();
}

// The first reason that is not empty.
QString firstOf(std::initializer_list<QString> reasons) {
    for (const QString& reason : reasons)
        if (!reason.isEmpty())
            return reason;
    return {};
}

// 1/0, yes/no, true/false in any letter case; empty is no.
std::optional<bool> flagOf(const QString& text) {
    const QString flag = text.trimmed().toLower();
    if (flag.isEmpty() || flag == u"0" || flag == u"no" || flag == u"false")
        return false;
    if (flag == u"1" || flag == u"yes" || flag == u"true")
        return true;
    return std::nullopt;
}

QString notFlag(const char* column, const QString& text) {
    if (flagOf(text))
        return {};
    return QStringLiteral("%1 is %2, not 1 or 0, yes or no, true or false.")
        .arg(QLatin1String(column), quoted(text));
}

// The slot a row's day and meal time name, or why they name none.
QString slotOf(const Row& row, int& slot) {
    const auto find = [](const QStringList& names, const QString& name) {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names[i].compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    };
    const int day = find(DayNames(), row.trimmed("Day"));
    const int time = find(MealTimeNames(), row.trimmed("Meal Time"));
    if (day < 0)
        return QStringLiteral("The day %1 is not one of Monday to Sunday.")
            .arg(quoted(row.trimmed("Day")));
    if (time < 0)
        return QStringLiteral("The meal time %1 is not Breakfast, Lunch or Dinner.")
            .arg(quoted(row.trimmed("Meal Time")));
    slot = time * int(DayNames().size()) + day;
    return {};
}

// The import being worked out: the plan, and the rows refused so far.
struct Work {
    DataStore& store;
    ImportPlan& plan;
    QStringList refusals;

    void refuse(const Row& row, const QString& why) {
        refusals << QStringLiteral("Refused line %1: %2").arg(row.line()).arg(why);
    }
    void say(const QString& line) { plan.summary << line; }
};

// Rows that belong together (a meal, a list, a week) and are written or left out together.
template <typename Value> struct Group {
    QString name;
    Value value{};
    int firstRefused = 0;
    int rows = 0;
};

template <typename Value> class Groups {
public:
    explicit Groups(bool foldCase) : m_foldCase(foldCase) {}
    Group<Value>& of(const QString& name) {
        const QString key = m_foldCase ? name.toCaseFolded() : name;
        auto at = m_index.constFind(key);
        if (at == m_index.cend()) {
            at = m_index.insert(key, m_groups.size());
            m_groups.append({name});
        }
        Group<Value>& group = m_groups[*at];
        ++group.rows;
        return group;
    }
    // Refuses the row, and with it its group.
    void refuse(Work& work, Group<Value>& group, const Row& row, const QString& why) {
        work.refuse(row, why);
        if (!group.firstRefused)
            group.firstRefused = row.line();
    }
    // Hands each group without a refused row to `use`, in the order they came, and tells
    // the others as left out.
    template <typename Use> void forEachAccepted(Work& work, const char* kind, Use&& use) const {
        for (const Group<Value>& group : m_groups) {
            if (!group.firstRefused)
                use(group);
            else if (!group.name.trimmed().isEmpty())
                work.say(
                    QStringLiteral("%1 %2 is left out, as line %3 is refused.")
                        .arg(QLatin1String(kind), group.name, QString::number(group.firstRefused)));
        }
    }

private:
    bool m_foldCase;
    QHash<QString, qsizetype> m_index;
    QList<Group<Value>> m_groups;
};

QSet<QString> folded(const QStringList& names) {
    QSet<QString> set;
    for (const QString& name : names)
        set.insert(name.toCaseFolded());
    return set;
}

void planCatalogue(Work& work, const QList<Row>& rows) {
    struct Category {
        QString problem;
        bool isNew = false;
        qsizetype index = -1;
        // Its items by name in any letter case, as an import leaves them.
        QHash<QString, CatalogueItem> items;
        int added = 0;
        int replaced = 0;
    };
    QHash<QString, Category> categories;
    // Table names are told apart without regard to letter case: the first spelling wins.
    QHash<QString, QString> spelled;
    QList<CatalogueCategory>& catalogue = work.plan.kitchen.catalogue;
    for (const Row& row : rows) {
        const QString name = row.text("Category");
        auto found = categories.find(name);
        if (found == categories.end()) {
            Category category;
            const QString key = name.toCaseFolded();
            if (spelled.contains(key)) {
                category.problem =
                    QStringLiteral("The category %1 differs from %2 only in letter case.")
                        .arg(quoted(name), quoted(spelled[key]));
            } else if (HasItemTable(work.store, name)) {
                for (const CatalogueItem& item : ReadCategoryItems(work.store, name))
                    if (!category.items.contains(item.name.toCaseFolded()))
                        category.items.insert(item.name.toCaseFolded(), item);
            } else {
                category.problem = CategoryNameProblem(work.store, name);
                category.isNew = true;
            }
            if (category.problem.isEmpty()) {
                category.index = catalogue.size();
                catalogue.append({name, {}});
                spelled.insert(key, name);
            }
            found = categories.insert(name, category);
        }
        Category& category = *found;
        CatalogueItem item{row.trimmed("Item"), row.trimmed("Size"), row.trimmed("Aisle"),
                           row.trimmed("Price"), row.trimmed("Comments")};
        // A row naming its category alone makes the category.
        const bool categoryAlone = item.name.isEmpty() && item.size.isEmpty() &&
                                   item.aisle.isEmpty() && item.price.isEmpty() &&
                                   item.comments.isEmpty();
        const QString why =
            firstOf({row.fault(), category.problem,
                     categoryAlone ? QString() : missing("item name", item.name),
                     tooLong("item name", item.name, kMaxItemNameLength),
                     tooLong("size", item.size, kMaxSizeLength),
                     tooLong("price", item.price, kMaxPriceLength), notNumber("price", item.price),
                     tooLong("comments", item.comments, kMaxCommentsLength)});
        if (!why.isEmpty()) {
            work.refuse(row, why);
            continue;
        }
        ++work.plan.imported;
        if (categoryAlone)
            continue;
        const QString key = item.name.toCaseFolded();
        const auto before = category.items.constFind(key);
        if (before != category.items.cend()) {
            // A column the file lacks keeps what the item it replaces holds.
            const std::pair<const char*, QString CatalogueItem::*> fields[] = {
                {"Size", &CatalogueItem::size},
                {"Aisle", &CatalogueItem::aisle},
                {"Price", &CatalogueItem::price},
                {"Comments", &CatalogueItem::comments}};
            for (const auto& [column, field] : fields)
                if (!row.has(column))
                    item.*field = (*before).*field;
        }
        ++(before != category.items.cend() ? category.replaced : category.added);
        category.items.insert(key, item);
        catalogue[category.index].items.append(item);
    }
    for (const CatalogueCategory& entry : catalogue) {
        const Category& category = categories[entry.name];
        if (category.isNew)
            work.say(QStringLiteral("New category %1: %2 added.")
                         .arg(entry.name, Counted(category.added, "item", "items")));
        else if (!entry.items.isEmpty())
            work.say(QStringLiteral("Category %1: %2 added, %3 replaced.")
                         .arg(entry.name, Counted(category.added, "item", "items"),
                              QString::number(category.replaced)));
    }
}

void planMeals(Work& work, const QList<Row>& rows) {
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,3}$"));
    // A meal is saved over the one of the same name in any letter case.
    Groups<Meal> meals(true);
    for (const Row& row : rows) {
        const QString name = row.trimmed("Meal");
        Group<Meal>& meal = meals.of(name);
        const MealItem item{name, row.trimmed("Item"), row.trimmed("Category"), row.trimmed("Qty")};
        const bool picked = MealHoldsItem(meal.value.items, item.item);
        const QString why = firstOf(
            {row.fault(), missing("meal name", name),
             tooLong("meal name", name, kMaxMealNameLength),
             notFlag("Breakfast", row.text("Breakfast")), notFlag("Lunch", row.text("Lunch")),
             notFlag("Dinner", row.text("Dinner")), missing("item name", item.item),
             tooLong("item name", item.item, kMaxItemNameLength),
             missing("category", item.category),
             tooLong("category", item.category, kMealCategoryLength),
             wholeNumber.match(item.quantity).hasMatch() && item.quantity.toInt() >= 1
                 ? QString()
                 : QStringLiteral("The quantity %1 is not a whole number from 1 to 999.")
                       .arg(quoted(item.quantity)),
             picked ? QStringLiteral("The meal holds %1 already.").arg(quoted(item.item))
                    : QString()});
        if (!why.isEmpty()) {
            meals.refuse(work, meal, row, why);
            continue;
        }
        meal.value.name = meal.name;
        meal.value.types.breakfast |= *flagOf(row.text("Breakfast"));
        meal.value.types.lunch |= *flagOf(row.text("Lunch"));
        meal.value.types.dinner |= *flagOf(row.text("Dinner"));
        meal.value.items.append(item);
    }
    const QSet<QString> existing = folded(LoadMealNames(work.store));
    meals.forEachAccepted(work, "Meal", [&](const Group<Meal>& meal) {
        const MealTypes types = meal.value.types;
        if (!types.breakfast && !types.lunch && !types.dinner) {
            work.say(QStringLiteral("Meal %1 is left out, as no meal time is marked for it.")
                         .arg(meal.name));
            return;
        }
        work.say(QStringLiteral("Meal %1 %2 (%3).")
                     .arg(meal.name,
                          existing.contains(meal.name.toCaseFolded()) ? QStringLiteral("replaced")
                                                                      : QStringLiteral("added"),
                          Counted(meal.value.items.size(), "item", "items")));
        work.plan.kitchen.meals << meal.value;
        work.plan.imported += meal.rows;
    });
}

struct Week {
    QStringList meals = QStringList(kPlanSlots);
    // The line each slot was read from; 0 for none yet.
    QList<int> lines = QList<int>(kPlanSlots);
};

// Fills the slot the row names, unless `problem` or the row refuses it.
void fillSlot(Work& work, Groups<Week>& weeks, Group<Week>& week, const Row& row,
              const QString& problem) {
    int slot = -1;
    QString why = firstOf({row.fault(), problem});
    if (why.isEmpty())
        why = slotOf(row, slot);
    if (why.isEmpty() && week.value.lines[slot])
        why = QStringLiteral("%1 is on line %2 already.")
                  .arg(SlotName(slot))
                  .arg(week.value.lines[slot]);
    if (!why.isEmpty()) {
        weeks.refuse(work, week, row, why);
        return;
    }
    week.value.meals[slot] = row.text("Meal");
    week.value.lines[slot] = row.line();
}

void planPlan(Work& work, const QList<Row>& rows) {
    Groups<Week> plan(false);
    for (const Row& row : rows)
        fillSlot(work, plan, plan.of(QStringLiteral("plan")), row, {});
    plan.forEachAccepted(work, "The week's", [&](const Group<Week>& week) {
        work.plan.kitchen.plan = week.value.meals;
        work.plan.imported += week.rows;
        for (int day = 0; day < DayNames().size(); ++day)
            for (int time = 0; time < MealTimeNames().size(); ++time) {
                const int slot = time * int(DayNames().size()) + day;
                const QString meal = week.value.meals[slot];
                work.say(QStringLiteral("Plan for %1: %2.")
                             .arg(SlotName(slot),
                                  meal.isEmpty() ? QStringLiteral("nothing") : quoted(meal)));
            }
    });
}

void planWeeks(Work& work, const QList<Row>& rows) {
    Groups<Week> weeks(false);
    for (const Row& row : rows) {
        const QString name = row.trimmed("Week");
        fillSlot(
            work, weeks, weeks.of(name), row,
            firstOf({missing("week name", name), tooLong("week name", name, kMaxWeekNameLength)}));
    }
    const QStringList existing = LoadWeekNames(work.store);
    weeks.forEachAccepted(work, "Week", [&](const Group<Week>& week) {
        work.say(QStringLiteral("Week %1 %2.")
                     .arg(week.name, existing.contains(week.name) ? QStringLiteral("replaced")
                                                                  : QStringLiteral("added")));
        work.plan.kitchen.weeks.append({week.name, week.value.meals});
        work.plan.imported += week.rows;
    });
}

void planLists(Work& work, const QList<Row>& rows) {
    Groups<QList<GroceryListLine>> lists(false);
    for (const Row& row : rows) {
        const QString name = row.text("List");
        auto& list = lists.of(name);
        const std::optional<bool> coupon = flagOf(row.text("Coupon"));
        const GroceryListLine line{row.trimmed("Item"),     row.trimmed("Quantity"),
                                   coupon.value_or(false),  row.trimmed("Size"),
                                   row.trimmed("Aisle"),    row.trimmed("Price"),
                                   row.trimmed("Category"), row.trimmed("Comments")};
        const QString why = firstOf(
            {row.fault(), missing("list name", name.trimmed()),
             tooLong("list name", name, kMaxListNameLength), missing("item name", line.item),
             tooLong("item name", line.item, kMaxItemNameLength),
             missing("quantity", line.quantity), notNumber("quantity", line.quantity),
             notFlag("Coupon", row.text("Coupon")), tooLong("size", line.size, kMaxSizeLength),
             tooLong("price", line.price, kMaxPriceLength), notNumber("price", line.price),
             tooLong("category", line.category, kMaxCategoryNameLength),
             tooLong("comments", line.comments, kMaxCommentsLength)});
        if (!why.isEmpty()) {
            lists.refuse(work, list, row, why);
            continue;
        }
        list.value.append(line);
    }
    const QStringList existing = LoadGroceryListNames(work.store);
    lists.forEachAccepted(work, "List", [&](const Group<QList<GroceryListLine>>& list) {
        work.say(QStringLiteral("List %1 %2 (%3).")
                     .arg(list.name,
                          existing.contains(list.name) ? QStringLiteral("replaced")
                                                       : QStringLiteral("added"),
                          Counted(list.value.size(), "line", "lines")));
        work.plan.kitchen.lists.append({list.name, list.value});
        work.plan.imported += list.rows;
    });
}

void planAisles(Work& work, const QList<Row>& rows) {
    QSet<QString> kept = folded(LoadAisles(work.store));
    for (const Row& row : rows) {
        const AisleLine aisle{row.trimmed("Aisle"), row.trimmed("Description")};
        const QString why = firstOf({row.fault(), missing("aisle", aisle.aisle)});
        if (!why.isEmpty()) {
            work.refuse(row, why);
            continue;
        }
        const QString key = aisle.aisle.toCaseFolded();
        ++work.plan.imported;
        // Without descriptions in the file, a kept aisle keeps its own.
        if (!row.has("Description") && kept.contains(key)) {
            work.say(QStringLiteral("Aisle %1 is kept already.").arg(aisle.aisle));
            continue;
        }
        work.say(QStringLiteral("Aisle %1 %2.")
                     .arg(aisle.aisle, kept.contains(key) ? QStringLiteral("replaced")
                                                          : QStringLiteral("added")));
        kept.insert(key);
        work.plan.kitchen.aisles << aisle;
    }
}

void planLinks(Work& work, const QList<Row>& rows) {
    const QStringList stored = LoadCouponLinks(work.store);
    QSet<QString> kept(stored.cbegin(), stored.cend());
    for (const Row& row : rows) {
        // Kept as typed, blanks included, as the links window keeps them.
        const QString link = row.text("Link");
        const QString why = firstOf({row.fault(), missing("link", link.trimmed())});
        if (!why.isEmpty()) {
            work.refuse(row, why);
            continue;
        }
        ++work.plan.imported;
        if (kept.contains(link)) {
            work.say(QStringLiteral("Link %1 is kept already.").arg(link));
            continue;
        }
        work.say(QStringLiteral("Link %1 added.").arg(link));
        kept.insert(link);
        work.plan.kitchen.links << link;
    }
}

qsizetype columnIn(const QStringList& header, const QString& column) {
    for (qsizetype i = 0; i < header.size(); ++i)
        if (header[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The kind whose columns the header names most; of kinds naming as many, the one with
// fewer columns (a plan's columns are all in a week's too).
const KitchenFileLayout* kindOf(const QStringList& header) {
    const KitchenFileLayout* best = nullptr;
    qsizetype bestCount = 0;
    for (const KitchenFileLayout& layout : KitchenFileLayouts()) {
        const qsizetype count =
            std::count_if(layout.header.cbegin(), layout.header.cend(),
                          [&](const QString& column) { return columnIn(header, column) >= 0; });
        if (count > bestCount ||
            (count == bestCount && best && layout.header.size() < best->header.size())) {
            best = count > 0 ? &layout : best;
            bestCount = count;
        }
    }
    return best;
}

} // namespace

QString SingleLineField(const QString& text) {
    const auto breaks = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; };
    if (std::none_of(text.cbegin(), text.cend(), breaks))
        return text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    std::replace_if(line.begin(), line.end(), breaks, u' ');
    return line;
}

ImportPlan PlanImport(DataStore& store, const QByteArray& bytes) {
    ImportPlan plan;
    const CsvTable table = ReadCsv(bytes);
    if (table.records.isEmpty()) {
        plan.problem = QStringLiteral("The file is empty!");
        return plan;
    }
    QStringList header;
    for (const QString& field : table.records.constFirst().fields)
        header << SingleLineField(field).trimmed();
    const KitchenFileLayout* layout = kindOf(header);
    if (!layout) {
        QStringList names;
        for (const KitchenFileLayout& each : KitchenFileLayouts())
            names << each.fileName;
        plan.problem = QStringLiteral("The first row of the file names none of the columns "
                                      "of the files Pantrelle exports (%1)!")
                           .arg(names.join(QLatin1String(", ")));
        return plan;
    }
    plan.kind = layout->kind;
    Columns columns;
    QStringList lacking;
    for (const QString& column : layout->header) {
        const qsizetype at = columnIn(header, column);
        if (at >= 0)
            columns.append({column, at});
        else if (layout->required.contains(column))
            lacking << column;
    }
    if (!lacking.isEmpty()) {
        plan.problem =
            QStringLiteral("The file looks like %1, but its first row lacks the "
                           "%2 %3!")
                .arg(layout->fileName,
                     lacking.size() == 1 ? QStringLiteral("column") : QStringLiteral("columns"),
                     lacking.join(QLatin1String(", ")));
        return plan;
    }
    QList<Row> rows;
    for (qsizetype i = 1; i < table.records.size(); ++i)
        rows.append(Row(table.records[i], columns));
    plan.rows = int(rows.size());
    Work work{store, plan, {}};
    switch (layout->kind) {
    case KitchenFile::Catalogue:
        planCatalogue(work, rows);
        break;
    case KitchenFile::Meals:
        planMeals(work, rows);
        break;
    case KitchenFile::Plan:
        planPlan(work, rows);
        break;
    case KitchenFile::Lists:
        planLists(work, rows);
        break;
    case KitchenFile::Aisles:
        planAisles(work, rows);
        break;
    case KitchenFile::Links:
        planLinks(work, rows);
        break;
    case KitchenFile::Weeks:
        planWeeks(work, rows);
        break;
    }
    plan.summary += work.refusals;
    return plan;
}
