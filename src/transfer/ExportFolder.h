#pragma once

#include "domain/KitchenCsv.h"

#include <QDateTime>
#include <optional>

// Makes the folder "Pantrelle Export YYYY-MM-DD HHMM" (" (2)", " (3)" ... when that name
// is taken) inside `parent` and writes `files` into it, each to a temporary name that is
// then renamed. Returns the folder; nothing, and no folder left, when any step fails.
std::optional<QString> WriteExportFolder(const QString& parent, const QDateTime& when,
                                         const QList<CsvFile>& files);
