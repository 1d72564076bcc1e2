#pragma once

#include <QByteArray>
#include <QString>

// Where a file made from the list named `name` is suggested: a file of that name with
// `suffix` in the user's documents folder.
QString SuggestedListFile(const QString& name, const QString& suffix);

// Writes `bytes` to a temporary file beside `path` and renames it into place, so an older
// file stays as it was when anything fails; false then.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
