#pragma once

#include <QStringList>

class DataStore;

// What SQLite's own check of the file says: "ok" for a whole file.
QString IntegrityCheck(DataStore& store);

// Every table with its fields and rows, in name and row order: the file's whole content.
QStringList DumpTables(DataStore& store);

// Deriving the key from the password is nearly all the time an open takes, and plays no
// part in how saves succeed or fail; suites that open files by the hundred derive keys
// faster. Only files made and opened in the same process after this call can be read.
void UseQuickKeys();
