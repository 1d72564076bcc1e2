#include "GroceryListLines.h"

#include "Money.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr QChar kTab = QLatin1Char('\t');

QString GroceryListLine::*textField(GroceryListOrder order) {
    switch (order) {
    case GroceryListOrder::Size:
        return &GroceryListLine::size;
    case GroceryListOrder::Aisle:
        return &GroceryListLine::aisle;
    case GroceryListOrder::Category:
        return &GroceryListLine::category;
    case GroceryListOrder::Quantity:
        return &GroceryListLine::quantity;
    case GroceryListOrder::Price:
        return &GroceryListLine::price;
    case GroceryListOrder::Item:
        break;
    }
    return &GroceryListLine::item;
}

} // namespace

QString JoinGroceryListLine(const GroceryListLine& line) {
    return line.item + kTab + line.quantity + kTab + (line.coupon ? kCouponYes : QString()) + kTab +
           line.size + kTab + line.aisle + kTab + line.price + kTab + line.category + kTab +
           line.comments;
}

GroceryListLine RewrittenLine(GroceryListLine line) {
    line.comments.truncate(kCommentReadLength);
    return line;
}

void SortGroceryList(QList<GroceryListLine>& lines, GroceryListOrder order) {
    const bool numeric = order == GroceryListOrder::Quantity || order == GroceryListOrder::Price;
    const auto field = textField(order);
    std::vector<double> values;
    if (numeric) {
        values.reserve(size_t(lines.size()));
        for (const GroceryListLine& line : lines)
            values.push_back(LeadingNumber(line.*field));
    }
    std::vector<qsizetype> index(size_t(lines.size()));
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](qsizetype a, qsizetype b) {
        const GroceryListLine& x = lines[a];
        const GroceryListLine& y = lines[b];
        if (numeric) {
            if (values[size_t(a)] != values[size_t(b)])
                return values[size_t(a)] < values[size_t(b)];
        } else if (const int c = (x.*field).compare(y.*field, Qt::CaseInsensitive); c != 0) {
            return c < 0;
        }
        return x.item.compare(y.item, Qt::CaseInsensitive) < 0;
    });
    QList<GroceryListLine> sorted;
    sorted.reserve(lines.size());
    for (const qsizetype i : index)
        sorted.append(std::move(lines[i]));
    lines = std::move(sorted);
}

QString StepGroceryQuantity(const QString& quantity, int step) {
    bool ok = false;
    const double value = quantity.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return quantity;
    double stepped = value + step;
    if (step > 0) {
        if (stepped > 999)
            stepped = std::max(value, 999.0);
        stepped = std::max(stepped, 1.0);
    } else if (stepped < 1) {
        stepped = std::min(value, 1.0);
    }
    return PlainNumber(stepped);
}
