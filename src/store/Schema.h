#pragma once

#include <QStringList>

class DataStore;

// The tables every data file holds; category tables come and go beside them.
const QStringList& FixedTableNames();

// Creates the fixed tables in an empty data file, all in one transaction.
void CreateSchema(DataStore& store);

// True for the program's own tables, compared without regard to letter case.
bool IsFixedTableName(const QString& name);
