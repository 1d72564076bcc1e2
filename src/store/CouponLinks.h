#pragma once

#include <QStringList>

class DataStore;

// The kept coupon addresses in address order, letter case ignored. Throws StoreError.
QStringList LoadCouponLinks(DataStore& store);

// Replaces every stored link with `links`, in their order, all or nothing. Throws
// StoreError, leaving the stored links as they were.
void WriteCouponLinks(DataStore& store, const QStringList& links);
