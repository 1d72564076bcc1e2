#include "DataLocation.h"

#include "ui/AppContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kManual = QStringLiteral("Manual.htm");

bool copyTemplate(const QString& templateFile, const QString& target) {
    QFile source(templateFile);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // QSaveFile writes beside the target and renames it into place once complete.
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        if (block.isEmpty() || copy.write(block) != block.size()) {
            copy.cancelWriting();
            return false;
        }
    }
    // commit() alone would rename a copy whose last bytes never reached the disk.
    return copy.flush() && copy.commit();
}

} // namespace

DataLocation PrepareDataLocation(const QString& programFolder, const QString& installedFolder,
                                 const QString& userFolder) {
    const QString dataFile = AppContext::kDataFileName;
    const QString manualFolder =
        QFileInfo::exists(QDir(programFolder).filePath(kManual)) ? programFolder : installedFolder;
    if (QFileInfo::exists(QDir(programFolder).filePath(dataFile)))
        return {programFolder, programFolder};
    const QString userFile = QDir(userFolder).filePath(dataFile);
    if (!QFileInfo::exists(userFile) && QDir().mkpath(userFolder))
        copyTemplate(QDir(installedFolder).filePath(dataFile), userFile);
    return {userFolder, manualFolder};
}
