#pragma once

class AppContext;

// Reclaims unused space in the data file. The file is rewritten in place inside one
// transaction, so a failure leaves the original as it was; the data file is open again
// afterwards whatever happened. Throws StoreError for a failure.
void CompactDataStore(AppContext& app);
