#pragma once

#include <QByteArray>
#include <QString>

// Where a file named after `name` with `suffix` is offered: in the user's documents folder, or
// the home folder when there is none, always as a full path (a save dialog needs a folder
// that is there). Characters no file name may hold on some desktop become dashes; a name
// left empty is `fallback`.
QString SuggestedFilePath(const QString& name, const QString& fallback, const QString& suffix);

// Writes `bytes` to a temporary file beside `path` and renames it into place, so an older
// file stays as it was when anything fails; false then.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
