#include "CouponLinks.h"

#include "store/DataStore.h"

#include <QRegularExpression>
#include <QUrl>

QStringList LoadCouponLinks(DataStore& store) {
    Statement rows = store.prepare(QStringLiteral(
        "SELECT \"Link\" FROM \"Coupon Links\" ORDER BY \"Link\" COLLATE NOCASE, \"Link\""));
    QStringList links;
    while (rows.next())
        if (!rows.isNull(QStringLiteral("Link")))
            links << rows.text(QStringLiteral("Link"));
    return links;
}

void WriteCouponLinks(DataStore& store, const QStringList& links) {
    Transaction transaction(store);
    store.run(QStringLiteral("DELETE FROM \"Coupon Links\""));
    for (const QString& link : links)
        store.run(QStringLiteral("INSERT INTO \"Coupon Links\" (\"Link\") VALUES (?1)"), link);
    transaction.commit();
}

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
