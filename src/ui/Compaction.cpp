#include "Compaction.h"

#include "AppContext.h"

#include <exception>

void CompactDataStore(AppContext& app) {
    std::exception_ptr failure;
    try {
        app.store().compact();
    } catch (...) {
        failure = std::current_exception();
    }
    app.closeStore();
    app.openStore();
    if (failure)
        std::rethrow_exception(failure);
}
