#include "ShowExport.h"

#include "ExportFolder.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/WaitCursor.h"

#include <QDir>

void ShowExport(AppContext& app, QWidget* owner) {
    const QString title = QStringLiteral("Export to CSV File!");
    const std::optional<QString> parent =
        app.platform().fileChoosers().folder(owner, QStringLiteral("Export to CSV File"));
    if (!parent)
        return;
    Kitchen kitchen;
    std::optional<QString> folder;
    {
        const WaitCursor wait;
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
                            .arg(KitchenContents(kitchen), QDir::toNativeSeparators(*folder)),
                        title, MsgButtons::Ok);
}
