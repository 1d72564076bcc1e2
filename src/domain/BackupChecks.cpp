#include "BackupChecks.h"

#include "store/DataStore.h"
#include "store/Schema.h"
#include "store/Settings.h"
#include "store/StoreError.h"

#include <QFile>

bool IsIntactDataFile(const QString& path) {
    try {
        return DataStore::open(path)->passesIntegrityCheck();
    } catch (const StoreError&) {
        return false;
    }
}

bool IsUsableDataFile(const QString& path) {
    try {
        auto store = DataStore::open(path);
        if (!store->passesIntegrityCheck())
            return false;
        // A backup made before a table was added lacks it; the program adds it on opening.
        for (const QString& table : FixedTableNames()) {
            if (!store->tableExists(table) && !LaterTableNames().contains(table))
                return false;
        }
        if (SettingsRowCount(*store) != 1)
            return false;
        ReadSettings(*store);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

bool SameContent(const QString& first, const QString& second) {
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray chunk = a.read(kChunk);
        if (chunk.isEmpty() || chunk != b.read(chunk.size()))
            return false;
    }
    return b.atEnd();
}

QString BeforeRestorePath(const QString& workingFile) {
    return workingFile + QStringLiteral(".before-restore");
}
