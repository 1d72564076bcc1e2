// The yardstick for the program's start-up: a bare Qt window over the data file, opened and
// read as the program opens it at start. The window is one line of text, the name of the
// list saved last, as the least a window showing the data can be; it ends as soon as it has
// been shown.
#include "store/DataStore.h"
#include "store/Settings.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const auto store = DataStore::open(QString::fromLocal8Bit(argv[1]));
    QLabel window(ReadSettings(*store).GroceryListName);
    window.resize(488, 490);
    window.show();
    QTimer::singleShot(0, &application, [&application] { application.exit(0); });
    return application.exec();
}
