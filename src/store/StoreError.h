#pragma once

#include <QString>
#include <stdexcept>

// A failed open, query or write of the data file. Callers that must carry on after a
// failure catch it step by step; nothing in the store swallows it.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// Runs one step of a window's handler whose data-store failures are skipped: the handler
// goes on with its next step and nothing is shown.
template <typename Step> void IgnoreStoreErrors(Step&& step) {
    try {
        step();
    } catch (const StoreError&) {
    }
}
