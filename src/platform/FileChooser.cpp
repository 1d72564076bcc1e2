#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> QtFileChooser::saveFile(QWidget* owner, const QString& caption,
                                               const QString& suggested, const QString& filter) {
    QFileDialog dialog(owner, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
