#pragma once

#include <QColor>
#include <QList>
#include <QString>

class DataStore;
class PrintSurface;

struct AisleLine {
    QString aisle;
    QString description;
};

// Item lines a page holds.
constexpr int kAisleLinesPerPage = 40;

// Every aisle with its description, by name with letter case ignored. Throws StoreError.
QList<AisleLine> ReadAislesList(DataStore& store);

// The title "Aisles" and the column heading on the first page, then one line per aisle,
// up to 40 a page.
void PrintAislesList(PrintSurface& page, const QList<AisleLine>& aisles, const QColor& ink);
