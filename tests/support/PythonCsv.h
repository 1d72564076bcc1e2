#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The records Python's csv module reads from `bytes` (UTF-8, a byte-order mark dropped, bad
// bytes as U+FFFD) with `separator`, blank lines left out; "python: ..." as the only field
// when Python could not be run.
QList<QStringList> ReadWithPython(const QByteArray& bytes, char separator = ',');
