#include "ExportFolder.h"

#include "domain/Files.h"

#include <QDir>

std::optional<QString> WriteExportFolder(const QString& parent, const QDateTime& when,
                                         const QList<CsvFile>& files) {
    const QDir into(parent);
    const QString name =
        QStringLiteral("Pantrelle Export ") + when.toString(QStringLiteral("yyyy-MM-dd HHmm"));
    QString folder = name;
    for (int copy = 2; into.exists(folder); ++copy)
        folder = QStringLiteral("%1 (%2)").arg(name).arg(copy);
    // mkdir rather than mkpath: a parent that has gone is a failure, not a folder to make.
    if (!into.exists() || !into.mkdir(folder))
        return std::nullopt;
    QDir made(into.filePath(folder));
    for (const CsvFile& file : files) {
        if (!WriteWholeFile(made.filePath(file.name), file.text)) {
            made.removeRecursively();
            return std::nullopt;
        }
    }
    return made.path();
}
