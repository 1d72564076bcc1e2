#include "app/DataLocation.h"
#include "app/MainPicture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "ui/AppContext.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPainter>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pantrelle"));
    application.setDesktopFileName(QStringLiteral(PANTRELLE_APP_ID));
    UseProgramFont();
    QPixmap picture(256, 256);
    QPainter painter(&picture);
    DrawMainPicture(painter, picture.size());
    painter.end();
    application.setWindowIcon(QIcon::fromTheme(QStringLiteral(PANTRELLE_APP_ID), QIcon(picture)));
    // The main window ends the program itself; hiding it for a work window must not.
    application.setQuitOnLastWindowClosed(false);

    const QString programFolder = QCoreApplication::applicationDirPath();
    const DataLocation location = PrepareDataLocation(
        programFolder, QDir(programFolder).filePath(QStringLiteral(PANTRELLE_INSTALLED_DATA)),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QtPlatform platform;
    AppContext app(location.dataFolder, platform, location.manualFolder);
    const auto window = Main(app);
    if (!window)
        return 1;
    return application.exec();
}
