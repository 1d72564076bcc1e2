#include "ListCsv.h"

#include "Csv.h"
#include "GroceryListLines.h"
#include "ListText.h"

QByteArray ListCsv(const QList<GroceryListLine>& lines) {
    QByteArray text = CsvRecordText(kListCsvHeader);
    for (const GroceryListLine& line : ShoppingOrder(lines))
        text += CsvRecordText({line.item, line.quantity, line.coupon ? kCouponYes : QString(),
                               line.size, line.aisle, line.price, line.category, line.comments});
    return text;
}
