#pragma once

#include <QString>

// Copies and renames files so that what is written has reached the device before anyone
// relies on it.
class FileCopier {
public:
    virtual ~FileCopier() = default;
    // Writes a copy of `source` as `target`, replacing a file there, and flushes it to the
    // device. False on any failure; a partial `target` may be left behind.
    virtual bool copy(const QString& source, const QString& target) = 0;
    // Renames `from` over `to` in one step and flushes the folder, so that afterwards
    // either the old or the new file is there under the name `to`, never neither.
    virtual bool replace(const QString& from, const QString& to) = 0;
};

class QtFileCopier final : public FileCopier {
public:
    bool copy(const QString& source, const QString& target) override;
    bool replace(const QString& from, const QString& to) override;
};
