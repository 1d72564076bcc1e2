#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The extension a kind of file names first: "csv" for "CSV file (*.csv)".
QString KindSuffix(const QString& kind) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
    return pattern.match(kind).captured(1);
}

} // namespace

std::optional<QString> QtFileChooser::saveFile(QWidget* owner, const QString& caption,
                                               const QString& suggested, const QString& filter) {
    QFileDialog dialog(owner, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString suffix = QFileInfo(suggested).suffix();
    dialog.setDefaultSuffix(suffix);
    for (const QString& kind : dialog.nameFilters()) {
        if (KindSuffix(kind).compare(suffix, Qt::CaseInsensitive) == 0) {
            dialog.selectNameFilter(kind);
            break;
        }
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& kind) {
                         if (const QString chosen = KindSuffix(kind); !chosen.isEmpty())
                             dialog.setDefaultSuffix(chosen);
                     });
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

namespace {

std::optional<QString> chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

std::optional<QString> QtFileChooser::openFile(QWidget* owner, const QString& caption,
                                               const QString& filter) {
    return chosen(QFileDialog::getOpenFileName(owner, caption, QString(), filter));
}

std::optional<QString> QtFileChooser::folder(QWidget* owner, const QString& caption) {
    return chosen(QFileDialog::getExistingDirectory(owner, caption));
}
