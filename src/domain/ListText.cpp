#include "ListText.h"

#include "GroceryListLines.h"
#include "Money.h"

namespace {

// A field's text on one line of its own, blanks around it dropped: a stray line break or
// TAB would break the line apart on the phone.
QString OneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return text.trimmed();
}

QString ItemLine(const GroceryListLine& line) {
    const QString quantity = OneLine(line.quantity);
    const QString size = OneLine(line.size);
    const QString aisle = OneLine(line.aisle);
    QString text = QStringLiteral("[ ] ");
    if (!quantity.isEmpty())
        text += quantity + QStringLiteral(" x ");
    text += OneLine(line.item);
    if (!size.isEmpty())
        text += QStringLiteral(" (") + size + QLatin1Char(')');
    if (!aisle.isEmpty())
        text += QStringLiteral(" - ") + aisle;
    if (!line.price.trimmed().isEmpty())
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
