#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void QtDocumentOpener::open(const QString& target) {
    // A path on this machine stays a path even when it contains characters a web address
    // would read differently.
    const QUrl url =
        QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}
