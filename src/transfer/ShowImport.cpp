#include "ShowImport.h"

#include "frmImport.h"
#include "ui/AppContext.h"

#include <QDir>
#include <QFile>

namespace {

// Far more than a household's data; a larger file is no export of ours.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

} // namespace

void ShowImport(AppContext& app, QWidget* owner) {
    const QString title = QStringLiteral("Import from CSV File!");
    const std::optional<QString> path = app.platform().fileChoosers().openFile(
        owner, QStringLiteral("Import from CSV File"), QStringLiteral("CSV files (*.csv)"));
    if (!path)
        return;
    const auto refuse = [&](const QString& text) {
        app.messages().show(owner, text, title, MsgButtons::Ok);
    };
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        refuse(QStringLiteral("%1 could not be read!").arg(QDir::toNativeSeparators(*path)));
        return;
    }
    ImportPlan plan;
    try {
        plan = PlanImport(app.store(), file.readAll());
    } catch (const StoreError&) {
        refuse(QStringLiteral("Your data could not be read, so nothing can be imported!"));
        return;
    }
    if (!plan.problem.isEmpty()) {
        refuse(plan.problem);
        return;
    }
    app.platform().modal().runModal(new frmImport(app, std::move(plan), *path, owner));
}
