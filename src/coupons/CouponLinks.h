#pragma once

#include <QStringList>
#include <optional>

class DataStore;

// The kept coupon addresses in address order, letter case ignored. Throws StoreError.
QStringList LoadCouponLinks(DataStore& store);

// Replaces every stored link with `links`, in their order, all or nothing. Throws
// StoreError, leaving the stored links as they were.
void WriteCouponLinks(DataStore& store, const QStringList& links);

// The address to hand to the browser for what the user chose or typed: http:// and
// https:// addresses as typed, a bare host name such as www.example.com with https://
// before it. Nothing for anything else (local files, paths, other schemes): the desktop
// would open those with whatever program it pairs with them.
std::optional<QString> WebAddressToOpen(const QString& typed);
