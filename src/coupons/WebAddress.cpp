#include "WebAddress.h"

#include <QRegularExpression>
#include <QUrl>

std::optional<QString> WebAddressToOpen(const QString& typed) {
    const QString text = typed.trimmed();
    // "name:" starts a scheme unless a port number follows it.
    static const QRegularExpression scheme(
        QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d+(?:[/?#]|$))"));
    // A leading "/", "\", "." or "~", or any "\", is a path on this machine.
    static const QRegularExpression path(QStringLiteral("^[/.~]|\\\\"));
    const QRegularExpressionMatch match = scheme.match(text);
    const bool bare = !match.hasMatch();
    if (!bare && match.captured(1).compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 &&
        match.captured(1).compare(QLatin1String("https"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    if (text.isEmpty() || path.match(text).hasMatch())
        return std::nullopt;
    const QString address = bare ? QStringLiteral("https://") + text : text;
    const QUrl url(address, QUrl::StrictMode);
    // A bare name must look like a host on the web, not a single word.
    if (!url.isValid() || url.host().isEmpty() || (bare && !url.host().contains(QLatin1Char('.'))))
        return std::nullopt;
    return address;
}
