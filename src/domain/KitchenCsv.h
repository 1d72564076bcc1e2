#pragma once

#include "store/Kitchen.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The kitchen as CSV files that spreadsheets open, one file per kind of thing.

enum class KitchenFile { Catalogue, Meals, Plan, Lists, Aisles, Links, Weeks };

struct KitchenFileLayout {
    KitchenFile kind;
    QString fileName;
    // The columns an export writes, in order.
    QStringList header;
    // The columns an import cannot do without.
    QStringList required;
};

// Every kind, in the order an export writes them.
const QList<KitchenFileLayout>& KitchenFileLayouts();

struct CsvFile {
    QString name;
    QByteArray text;
};

// The export's files: RFC 4180 with CRLF line ends, UTF-8 behind a byte-order mark, the
// header first. Marks and coupons are written 1 or 0, an empty plan slot as an empty
// field; a category without items is a row with no item, a plan never saved a header alone.
QList<CsvFile> KitchenCsvFiles(const Kitchen& kitchen);

// A count with its noun: "1 item", "2 items".
QString Counted(qsizetype count, const char* one, const char* many);

// What the kitchen holds, for a message: "120 items in 8 categories, 14 meals, the week's
// plan, 3 lists, 12 aisles, 5 links and 2 saved weeks".
QString KitchenContents(const Kitchen& kitchen);
