#include "app/DataLocation.h"
#include "app/MainPicture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "ui/AppContext.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pantrelle"));
    application.setDesktopFileName(QStringLiteral(PANTRELLE_APP_ID));
    UseProgramFont();
    application.setWindowIcon(MainPictureIcon());
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
    // Only for the start-up benchmark (bench/bench_startup.cpp): end as soon as the main
    // window has been shown, without its closing steps, so nothing is written.
    if (qEnvironmentVariableIsSet("PANTRELLE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, [&application] { application.exit(0); });
    return application.exec();
}
