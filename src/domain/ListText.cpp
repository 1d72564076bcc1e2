#include "ListText.h"

#include "GroceryListLines.h"
#include "Money.h"

namespace {

// A field's text on one line of its own: a stray line break or TAB would break the line
// apart on the phone.
QString OneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return text;
}

QString ItemLine(const GroceryListLine& line) {
    QString text = QStringLiteral("[ ] ");
    if (!line.quantity.isEmpty())
        text += OneLine(line.quantity) + QStringLiteral(" x ");
    text += OneLine(line.item);
    if (!line.size.isEmpty())
        text += QStringLiteral(" (") + OneLine(line.size) + QLatin1Char(')');
    if (!line.aisle.isEmpty())
        text += QStringLiteral(" - ") + OneLine(line.aisle);
    if (!line.price.isEmpty())
        text += QStringLiteral(" - ") + FormatMoney(LeadingNumber(line.price));
    if (line.coupon)
        text += QStringLiteral(" - coupon");
    return text;
}

} // namespace

QList<GroceryListLine> ShoppingOrder(QList<GroceryListLine> lines) {
    QList<GroceryListLine> withoutAisle;
    const auto noAisle = [](const GroceryListLine& line) { return line.aisle.trimmed().isEmpty(); };
    for (const GroceryListLine& line : lines) {
        if (noAisle(line))
            withoutAisle.append(line);
    }
    lines.removeIf(noAisle);
    // The same order as the list's own Aisle and Item columns.
    SortGroceryList(lines, GroceryListOrder::Aisle);
    SortGroceryList(withoutAisle, GroceryListOrder::Item);
    return lines + withoutAisle;
}

QString ListText(const QString& name, const QList<GroceryListLine>& lines) {
    QString text = OneLine(name) + QLatin1Char('\n');
    for (const GroceryListLine& line : ShoppingOrder(lines))
        text += ItemLine(line) + QLatin1Char('\n');
    text += QStringLiteral("Total Estimated Price ") + FormatMoney(EstimatedPrice(lines)) +
            QLatin1Char('\n');
    return text;
}
