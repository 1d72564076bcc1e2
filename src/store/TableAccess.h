#pragma once

#include <QString>

class DataStore;

// Quotes a table or field name for SQL text: double quotes, inner quotes doubled.
// Every user-given table name goes through here.
QString QuoteIdentifier(const QString& name);

// Deletes the first row of `table` (in the order rows were added) whose `field` equals
// `value` with the given case rule. Returns whether a row was deleted.
bool DeleteFirstMatchingRow(DataStore& store, const QString& table, const QString& field,
                            const QString& value, Qt::CaseSensitivity cs);

// "?1, ?2, ... ?n": placeholders for `count` values bound one by one.
QString Placeholders(int count);
