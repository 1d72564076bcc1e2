#include "Platform.h"

#include <QCoreApplication>

void QtPlatform::endProcess(int code) {
    QCoreApplication::exit(code);
}
