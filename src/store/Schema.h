#pragma once

#include <QStringList>

class DataStore;

// The program's own tables; category tables come and go beside them.
const QStringList& FixedTableNames();

// The fixed tables a file made by an earlier version of the program may lack. Such a file is
// as usable as any: the program adds them when it opens it.
const QStringList& LaterTableNames();

// Creates the fixed tables in an empty data file, all in one transaction.
void CreateSchema(DataStore& store);

// Adds the later tables the file lacks, all in one transaction; nothing else in the file
// changes. A table already holding such a name is left as it is.
void AddMissingTables(DataStore& store);

// True for the program's own tables, compared without regard to letter case.
bool IsFixedTableName(const QString& name);
