#include "Compaction.h"

#include "AppContext.h"

#include <exception>

void CompactDataStore(AppContext& app) {
    std::exception_ptr failure;
    try {
        // VACUUM keeps the file's key, so the compacted file has the same password.
        app.store().run(QStringLiteral("VACUUM"));
    } catch (...) {
        failure = std::current_exception();
    }
    app.closeStore();
    app.openStore();
    if (failure)
        std::rethrow_exception(failure);
}
