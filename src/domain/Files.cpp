#include "Files.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

QString SuggestedFilePath(const QString& name, const QString& fallback, const QString& suffix) {
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString file = name.trimmed();
    file.replace(unsafe, QStringLiteral("-"));
    if (file.isEmpty() || file.startsWith(QLatin1Char('.')))
        file.prepend(fallback);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || QDir::isRelativePath(folder) || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).absoluteFilePath(file + QLatin1Char('.') + suffix);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // commit() alone renames a file whose buffered bytes did not all reach the disk
    // (QTBUG-75077), so the flush is checked first.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}
