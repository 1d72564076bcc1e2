#pragma once

#include <QString>

// What makes a file safe to keep as a backup or to restore from.

// Opens with the program's password and passes SQLite's own integrity check.
bool IsIntactDataFile(const QString& path);

// An intact data file the program can run on: it holds the program's own tables (those
// added since may be missing) and exactly one settings row, which can be read.
bool IsUsableDataFile(const QString& path);

// Same size and same bytes.
bool SameContent(const QString& first, const QString& second);

// Where the working file is kept when a restore replaces it, so a restore from the wrong
// medium can be undone by hand.
QString BeforeRestorePath(const QString& workingFile);
