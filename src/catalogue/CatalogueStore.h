#pragma once

#include <QString>
#include <optional>

class DataStore;

// One row of a category table.
struct CatalogueItem {
    QString name;
    QString size;
    QString aisle;
    QString price;
    QString comments;
};

// The first item of the category named exactly `name` (letter case counts).
std::optional<CatalogueItem> FindCatalogueItem(DataStore& store, const QString& category,
                                               const QString& name);

// Replaces the first item of the same name in any letter case by `item`, whose empty
// fields are left unset. Both happen together or not at all. Throws StoreError, writing
// nothing, for a category that is one of the program's own tables.
void StoreCatalogueItem(DataStore& store, const QString& category, const CatalogueItem& item);

// Deletes the first item named `name` ignoring letter case; false when there was none.
bool DeleteCatalogueItem(DataStore& store, const QString& category, const QString& name);

// How many items the category holds.
int CategoryItemCount(DataStore& store, const QString& category);

// The description of the first aisle named exactly `aisle`; nothing when no aisle has that
// name, an empty text when it has no description.
std::optional<QString> AisleDescription(DataStore& store, const QString& aisle);

// A price is plain number text: blanks around, a sign, digits (grouped by commas or not),
// one decimal point and an exponent are fine; "$" never is.
bool IsAcceptablePrice(const QString& price);
