#include "CouponLinks.h"

#include "DataStore.h"

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
