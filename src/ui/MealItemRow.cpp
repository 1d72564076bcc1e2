#include "MealItemRow.h"

#include "Money.h"

#include <QtGlobal>

namespace {

const QString kTabs = QStringLiteral("\t\t\t");

} // namespace

QString BuildMealItemRow(const QString& quantity, const QString& item, const QString& category) {
    return quantity + QLatin1Char(' ') + item + kTabs + category;
}

MealItemParts SplitMealItemRow(const QString& row) {
    MealItemParts parts;
    const qsizetype blank = row.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        parts.quantity = row;
        return parts;
    }
    parts.quantity = row.left(blank);
    const qsizetype itemStart = blank + 1;
    qsizetype tab = row.indexOf(QLatin1Char('\t'), itemStart);
    parts.item = row.mid(itemStart, tab < 0 ? -1 : tab - itemStart);
    for (int i = 1; i < 3 && tab >= 0; ++i)
        tab = row.indexOf(QLatin1Char('\t'), tab + 1);
    if (tab >= 0)
        parts.category = row.mid(tab + 1, kMealCategoryLength);
    return parts;
}

QString StepMealItemQuantity(const QString& row, int step) {
    const MealItemParts parts = SplitMealItemRow(row);
    const double quantity = qBound(1.0, LeadingNumber(parts.quantity) + step, 999.0);
    return BuildMealItemRow(QString::number(quantity), parts.item, parts.category);
}
