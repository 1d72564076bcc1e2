#include "ShowBackupWindow.h"

#include "frmBackup.h"
#include "ui/AppContext.h"

#include <QLabel>
#include <QPushButton>

namespace {

void showIn(AppContext& app, QWidget* owner, const QString& mode, const QString& instruction) {
    auto* window = new frmBackup(app, owner);
    window->setWindowTitle(mode);
    window->cmdBackup->setText(mode);
    window->Label1->setText(instruction);
    app.platform().modal().runModal(window);
}

} // namespace

void ShowBackupWindow(AppContext& app, QWidget* owner) {
    showIn(app, owner, QStringLiteral("Backup"),
           QStringLiteral("Insert your USB Drive. When drive is ready select it and press "
                          "\"Backup\"."));
}

void ShowRestoreWindow(AppContext& app, QWidget* owner) {
    showIn(app, owner, QStringLiteral("Restore"),
           QStringLiteral("Insert USB Drive. When drive is ready select it and press "
                          "\"Restore\"."));
}
