#include "Money.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <string>

double LeadingNumber(QStringView text) {
    std::string compact;
    compact.reserve(size_t(text.size()));
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n')
            continue;
        // Anything beyond ASCII ends the number just as any other letter would.
        compact.push_back(c.unicode() < 128 ? char(c.unicode()) : '?');
    }
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i])))
            ++i;
        return i - start;
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    size_t mantissa = digits();
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    size_t end = i;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        ++i;
        if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    const double value = std::strtod(compact.substr(0, end).c_str(), nullptr);
    // A number too large to hold is no amount anybody meant.
    return std::isfinite(value) ? value : 0;
}

QString PlainNumber(double value) {
    // Fifteen significant digits drop the noise of binary fractions (2.675 + 1 is 3.675).
    return QString::number(value, 'g', 15);
}

QString FormatMoney(double amount, bool groupThousands) {
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString digits = groupThousands ? english.toString(std::fabs(amount), 'f', 2)
                                          : QString::number(std::fabs(amount), 'f', 2);
    const bool negative = amount < 0 && digits != QLatin1String("0.00");
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + digits;
}

double EstimatedPrice(const QList<GroceryListLine>& lines) {
    double total = 0;
    for (const GroceryListLine& line : lines)
        total += LeadingNumber(line.price) * LeadingNumber(line.quantity);
    return total;
}

bool IsAcceptablePrice(const QString& price) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d{1,3}(,\d{3})+|\d+)?(\.\d*)?([eE][+-]?\d+)?\s*$)"));
    if (price.contains(QLatin1Char('$')))
        return false;
    const auto match = number.match(price);
    // At least one digit before the exponent: "." and "-" alone are no number.
    return match.hasMatch() && (!match.captured(1).isEmpty() || match.captured(3).size() > 1);
}
