#include "KitchenCsv.h"

#include "Csv.h"
#include "store/MealPlan.h"

namespace {

QString flag(bool set) {
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

// The slots in reading order: a day's three meals, day by day.
QList<QStringList> slotRecords(const QStringList& meals, const QStringList& before = {}) {
    QList<QStringList> records;
    for (int day = 0; day < DayNames().size(); ++day)
        for (int time = 0; time < MealTimeNames().size(); ++time)
            records << before + QStringList{DayNames()[day], MealTimeNames()[time],
                                            meals.value(time * DayNames().size() + day)};
    return records;
}

QList<QStringList> records(const Kitchen& kitchen, KitchenFile kind) {
    QList<QStringList> rows;
    switch (kind) {
    case KitchenFile::Catalogue:
        for (const CatalogueCategory& category : kitchen.catalogue) {
            if (category.items.isEmpty())
                rows << QStringList{category.name, {}, {}, {}, {}, {}};
            for (const CatalogueItem& item : category.items)
                rows << QStringList{category.name, item.name,  item.size,
                                    item.aisle,    item.price, item.comments};
        }
        break;
    case KitchenFile::Meals:
        for (const Meal& meal : kitchen.meals) {
            const QStringList marks{flag(meal.types.breakfast), flag(meal.types.lunch),
                                    flag(meal.types.dinner)};
            if (meal.items.isEmpty())
                rows << QStringList{meal.name} + marks + QStringList{{}, {}, {}};
            for (const MealItem& item : meal.items)
                rows << QStringList{meal.name} + marks +
                            QStringList{item.item, item.category, item.quantity};
        }
        break;
    case KitchenFile::Plan:
        if (kitchen.plan)
            rows = slotRecords(*kitchen.plan);
        break;
    case KitchenFile::Lists:
        for (const SavedGroceryList& list : kitchen.lists)
            for (const GroceryListLine& line : list.lines)
                rows << QStringList{list.name,         line.item,     line.quantity,
                                    flag(line.coupon), line.size,     line.aisle,
                                    line.price,        line.category, line.comments};
        break;
    case KitchenFile::Aisles:
        for (const AisleLine& aisle : kitchen.aisles)
            rows << QStringList{aisle.aisle, aisle.description};
        break;
    case KitchenFile::Links:
        for (const QString& link : kitchen.links)
            rows << QStringList{link};
        break;
    case KitchenFile::Weeks:
        for (const SavedWeek& week : kitchen.weeks)
            rows << slotRecords(week.meals, {week.name});
        break;
    }
    return rows;
}

} // namespace

const QList<KitchenFileLayout>& KitchenFileLayouts() {
    static const QList<KitchenFileLayout> layouts{
        {KitchenFile::Catalogue,
         QStringLiteral("catalogue.csv"),
         {"Category", "Item", "Size", "Aisle", "Price", "Comments"},
         {"Category", "Item"}},
        {KitchenFile::Meals,
         QStringLiteral("meals.csv"),
         {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"},
         {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"}},
        {KitchenFile::Plan,
         QStringLiteral("plan.csv"),
         {"Day", "Meal Time", "Meal"},
         {"Day", "Meal Time", "Meal"}},
        {KitchenFile::Lists,
         QStringLiteral("lists.csv"),
         {"List", "Item", "Quantity", "Coupon", "Size", "Aisle", "Price", "Category", "Comments"},
         {"List", "Item", "Quantity"}},
        {KitchenFile::Aisles, QStringLiteral("aisles.csv"), {"Aisle", "Description"}, {"Aisle"}},
        {KitchenFile::Links, QStringLiteral("links.csv"), {"Link"}, {"Link"}},
        {KitchenFile::Weeks,
         QStringLiteral("weeks.csv"),
         {"Week", "Day", "Meal Time", "Meal"},
         {"Week", "Day", "Meal Time", "Meal"}},
    };
    return layouts;
}

QList<CsvFile> KitchenCsvFiles(const Kitchen& kitchen) {
    QList<CsvFile> files;
    for (const KitchenFileLayout& layout : KitchenFileLayouts())
        files.append({layout.fileName,
                      CsvFileText(QList<QStringList>{layout.header} + records(kitchen, layout.kind),
                                  ByteOrderMark::With)});
    return files;
}

QString Counted(qsizetype count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString KitchenContents(const Kitchen& kitchen) {
    qsizetype items = 0;
    for (const CatalogueCategory& category : kitchen.catalogue)
        items += category.items.size();
    return QStringLiteral("%1 in %2, %3, %4, %5, %6, %7 and %8")
        .arg(Counted(items, "item", "items"),
             Counted(kitchen.catalogue.size(), "category", "categories"),
             Counted(kitchen.meals.size(), "meal", "meals"),
             kitchen.plan ? QStringLiteral("the week's plan") : QStringLiteral("no plan"),
             Counted(kitchen.lists.size(), "list", "lists"),
             Counted(kitchen.aisles.size(), "aisle", "aisles"),
             Counted(kitchen.links.size(), "link", "links"),
             Counted(kitchen.weeks.size(), "saved week", "saved weeks"));
}
