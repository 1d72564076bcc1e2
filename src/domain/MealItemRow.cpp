#include "MealItemRow.h"

#include "Money.h"

#include <QtGlobal>
#include <algorithm>

QString BuildMealItemRow(const QString& quantity, const QString& item, const QString& category) {
    return quantity + QLatin1Char(' ') + item + QStringLiteral("\t\t\t") + category;
}

MealItem StepMealItem(MealItem item, int step) {
    item.quantity = QString::number(qBound(1.0, LeadingNumber(item.quantity) + step, 999.0));
    item.category.truncate(kMealCategoryLength);
    return item;
}

bool MealHoldsItem(const QList<MealItem>& items, const QString& name) {
    const QString wanted = name.trimmed();
    return std::any_of(items.cbegin(), items.cend(), [&](const MealItem& item) {
        const QString row = BuildMealItemRow(item.quantity, item.item, item.category);
        return row.mid(row.indexOf(QLatin1Char(' ')) + 1, name.size()) == wanted;
    });
}
