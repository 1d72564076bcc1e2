#include "ListFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

QString SuggestedListFile(const QString& name, const QString& suffix) {
    // Characters no file name may hold on some desktop become dashes.
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString file = name.trimmed();
    file.replace(unsafe, QStringLiteral("-"));
    if (file.isEmpty() || file.startsWith(QLatin1Char('.')))
        file.prepend(QStringLiteral("Grocery List"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(file + QLatin1Char('.') + suffix);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // commit() alone renames a file whose buffered bytes did not all reach the disk
    // (QTBUG-75077), so the flush is checked first.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}
