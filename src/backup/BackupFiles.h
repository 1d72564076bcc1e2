#pragma once

#include "domain/BackupChecks.h"

#include <QString>

class AppContext;
class FileCopier;

// Copies the closed working file to `backupFile`: into a temporary file beside it, flushed
// and checked against the original, then renamed over the old backup. On failure the old
// backup is left as it was.
bool WriteBackup(FileCopier& files, const QString& workingFile, const QString& backupFile);

// Puts `candidate` in place of the closed working file, if it is a usable data file: it is
// copied beside the working file and checked there first. The previous working file is
// kept at BeforeRestorePath. On failure the working file is left as it was.
bool RestoreBackup(FileCopier& files, const QString& candidate, const QString& workingFile);

// How a backup or restore ended, the data file open again unless it is NoDataFile.
enum class CopyOutcome {
    Done,
    Failed,     // nothing changed
    PutBack,    // the restored file would not open; the previous one is back in use
    NoDataFile, // no data file could be opened afterwards
};

// Closes the data file, backs it up to the medium mounted at `mediumRoot` and opens it
// again.
CopyOutcome BackUpDataFile(AppContext& app, const QString& mediumRoot);

// Closes the data file, replaces it with the backup on the medium and opens the restored
// file. The settings in memory stay as they are, and the program writes them into the
// restored file when it ends.
CopyOutcome RestoreDataFile(AppContext& app, const QString& mediumRoot);
