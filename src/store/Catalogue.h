#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class DataStore;

// The grocery catalogue in the store: categories (each a table of its own, listed in
// [Groups]), their items and the aisles' descriptions.

constexpr int kMaxCategoryNameLength = 50;

// Why the store cannot keep `name` as a category table of its own, as a message for the
// user; empty when it can.
QString CategoryNameProblem(DataStore& store, const QString& name);

// Adds the category's [Groups] row and its table (Item, Size, Aisle, Price, Comments)
// together. Throws StoreError, and writes nothing, when the name is refused.
void CreateCategory(DataStore& store, const QString& name);

// Removes the first [Groups] row named exactly `name` and the category's table with its
// items, together. False, and nothing removed, when no category has that exact name.
bool DeleteCategory(DataStore& store, const QString& name);

// Whether a category of exactly this name (letter case counts) is listed in [Groups].
bool IsCategory(DataStore& store, const QString& name);

// Whether items can be stored into the category named exactly `name`: it is listed in
// [Groups] and has a table of its own.
bool HasItemTable(DataStore& store, const QString& name);

// The longest texts the catalogue's boxes take for an item.
constexpr int kMaxItemNameLength = 25;
constexpr int kMaxSizeLength = 6;
constexpr int kMaxPriceLength = 6;
constexpr int kMaxCommentsLength = 25;

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

// For each of `names`, the first item of the category whose name with the blanks around it
// removed equals it (letter case counts); names without such an item are left out. Throws
// StoreError for a category that has no table of its own.
QHash<QString, CatalogueItem> FindCatalogueItems(DataStore& store, const QString& category,
                                                 const QStringList& names);

// Replaces the first item of the same name in any letter case by `item`, whose empty
// fields are left unset. Both happen together or not at all. Throws StoreError, writing
// nothing, for a category that is one of the program's own tables.
void StoreCatalogueItem(DataStore& store, const QString& category, const CatalogueItem& item);

// StoreCatalogueItem for each of `items` in turn, all of them or none; the category's
// table is read once, so many items cost about what one does.
void StoreCatalogueItems(DataStore& store, const QString& category,
                         const QList<CatalogueItem>& items);

// The items of the category named exactly `name`, in the order they were saved. Throws
// StoreError for a category that has no table of its own.
QList<CatalogueItem> ReadCategoryItems(DataStore& store, const QString& category);

// A category with its items.
struct CatalogueCategory {
    QString name;
    QList<CatalogueItem> items;
};

// Every category that has a table of its own, in the catalogue's order (by name, letter
// case ignored), each with its items in the order they were saved.
QList<CatalogueCategory> ReadCatalogue(DataStore& store);

// Deletes the first item named `name` ignoring letter case; false when there was none.
bool DeleteCatalogueItem(DataStore& store, const QString& category, const QString& name);

// How many items the category holds.
int CategoryItemCount(DataStore& store, const QString& category);

// The description of the first aisle named exactly `aisle`; nothing when no aisle has that
// name, an empty text when it has no description.
std::optional<QString> AisleDescription(DataStore& store, const QString& aisle);
