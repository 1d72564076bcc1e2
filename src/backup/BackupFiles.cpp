#include "BackupFiles.h"

#include "platform/FileCopier.h"
#include "store/DataStore.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Written first, renamed over the real name only once complete.
QString temporaryPath(const QString& path) {
    return path + QStringLiteral(".new");
}

void removeTemporary(const QString& path) {
    QFile::remove(path);
    // A journal left by an earlier crash would be played into the file when it is opened.
    QFile::remove(path + QStringLiteral("-journal"));
}

// Copies `source` to a checked temporary file beside `target`, then renames it over
// `target`. `check` looks at the temporary file before it takes the real name.
template <typename Check>
bool copyChecked(FileCopier& files, const QString& source, const QString& target, Check check) {
    const QString temporary = temporaryPath(target);
    removeTemporary(temporary);
    const bool done = files.copy(source, temporary) && SameContent(source, temporary) &&
                      check(temporary) && files.replace(temporary, target);
    if (!done)
        removeTemporary(temporary);
    return done;
}

bool acceptAny(const QString&) {
    return true;
}

QString backupFileOn(AppContext& app, const QString& mediumRoot) {
    return QDir(mediumRoot).filePath(QFileInfo(app.dataFilePath()).fileName());
}

// The settings in memory stay those of this run, whichever file is open.
bool reopen(AppContext& app) {
    try {
        app.openStore();
        return true;
    } catch (const StoreError&) {
        app.closeStore();
        return false;
    }
}

} // namespace

bool WriteBackup(FileCopier& files, const QString& workingFile, const QString& backupFile) {
    return copyChecked(files, workingFile, backupFile, IsIntactDataFile);
}

bool RestoreBackup(FileCopier& files, const QString& candidate, const QString& workingFile) {
    const QString incoming = temporaryPath(workingFile);
    removeTemporary(incoming);
    // Checked on this disk, so what is checked is exactly what will be used.
    if (!files.copy(candidate, incoming) || !SameContent(candidate, incoming) ||
        !IsUsableDataFile(incoming)) {
        removeTemporary(incoming);
        return false;
    }
    if (!copyChecked(files, workingFile, BeforeRestorePath(workingFile), acceptAny) ||
        !files.replace(incoming, workingFile)) {
        removeTemporary(incoming);
        return false;
    }
    return true;
}

CopyOutcome BackUpDataFile(AppContext& app, const QString& mediumRoot) {
    app.closeStore();
    const bool copied =
        WriteBackup(app.platform().files(), app.dataFilePath(), backupFileOn(app, mediumRoot));
    if (!reopen(app))
        return CopyOutcome::NoDataFile;
    return copied ? CopyOutcome::Done : CopyOutcome::Failed;
}

CopyOutcome RestoreDataFile(AppContext& app, const QString& mediumRoot) {
    FileCopier& files = app.platform().files();
    const QString working = app.dataFilePath();
    app.closeStore();
    const bool restored = RestoreBackup(files, backupFileOn(app, mediumRoot), working);
    if (reopen(app))
        return restored ? CopyOutcome::Done : CopyOutcome::Failed;
    if (!restored)
        return CopyOutcome::NoDataFile;
    const bool putBack =
        copyChecked(files, BeforeRestorePath(working), working, acceptAny) && reopen(app);
    return putBack ? CopyOutcome::PutBack : CopyOutcome::NoDataFile;
}
