#include "ShowExport.h"

#include "ExportFolder.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScopeGuard>

namespace {

QString counted(qsizetype count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString contents(const Kitchen& kitchen) {
    qsizetype items = 0;
    for (const CatalogueCategory& category : kitchen.catalogue)
        items += category.items.size();
    return QStringLiteral("%1 in %2, %3, %4, %5, %6, %7 and %8")
        .arg(counted(items, "item", "items"),
             counted(kitchen.catalogue.size(), "category", "categories"),
             counted(kitchen.meals.size(), "meal", "meals"),
             kitchen.plan ? QStringLiteral("the week's plan") : QStringLiteral("no plan"),
             counted(kitchen.lists.size(), "list", "lists"),
             counted(kitchen.aisles.size(), "aisle", "aisles"),
             counted(kitchen.links.size(), "link", "links"),
             counted(kitchen.weeks.size(), "saved week", "saved weeks"));
}

} // namespace

void ShowExport(AppContext& app, QWidget* owner) {
    const QString title = QStringLiteral("Export to CSV File!");
    const std::optional<QString> parent =
        app.platform().saveDialogs().folder(owner, QStringLiteral("Export to CSV File"));
    if (!parent)
        return;
    Kitchen kitchen;
    std::optional<QString> folder;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        IgnoreStoreErrors([&] {
            kitchen = ReadKitchen(app.store());
            folder =
                WriteExportFolder(*parent, QDateTime::currentDateTime(), KitchenCsvFiles(kitchen));
        });
    }
    if (!folder) {
        app.messages().show(owner,
                            QStringLiteral("Your data could not be exported to %1! Nothing was "
                                           "left there.")
                                .arg(QDir::toNativeSeparators(*parent)),
                            QStringLiteral("Error!"), MsgButtons::Ok);
        return;
    }
    app.messages().show(owner,
                        QStringLiteral("Exported %1 to %2")
                            .arg(contents(kitchen), QDir::toNativeSeparators(*folder)),
                        title, MsgButtons::Ok);
}
