#pragma once

#include <QString>
#include <QStringList>

class AppContext;
class QLabel;
class QListWidget;

// The number a quantity or price text stands for: blanks are ignored wherever they stand,
// then the longest leading number (sign, digits, decimals, exponent) is read; 0 when none.
double LeadingNumber(QStringView text);

// A quantity as plain number text, without trailing zeros: 4, 2.5, 14.
QString PlainNumber(double value);

// "$##,##0.00": dollar sign, thousands grouped by commas, two decimals, nearest cent;
// a negative amount starts with a minus sign. Without grouping it is "$##0.00", as the
// printed grocery list shows its total.
QString FormatMoney(double amount, bool groupThousands = true);

// Sum over grocery list lines of quantity (second field) times price (sixth field).
double EstimatedPrice(const QStringList& lines);

// Recomputes the estimated total of the list's lines into the shared EstimatedTotal and
// shows the item count and the total in the two labels.
void UpdateListTotals(AppContext& app, const QListWidget* list, QLabel* lblItems, QLabel* lblPrice);

// A price is plain number text: blanks around, a sign, digits (grouped by commas or not),
// one decimal point and an exponent are fine; "$" never is.
bool IsAcceptablePrice(const QString& price);
