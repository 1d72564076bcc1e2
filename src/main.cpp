#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "ui/AppContext.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Pantrelle"));
    // The main window ends the program itself; hiding it for a work window must not.
    application.setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    AppContext app(QCoreApplication::applicationDirPath(), platform);
    const auto window = Main(app);
    if (!window)
        return 1;
    return application.exec();
}
