#pragma once

#include <QString>

class DataStore;

// Quotes a table or field name for SQL text: double quotes, inner quotes doubled.
// Every user-given table name goes through here.
QString QuoteIdentifier(const QString& name);

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
