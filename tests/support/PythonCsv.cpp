#include "PythonCsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

static const char* const kScript = R"(
import csv, io, json, sys
text = sys.stdin.buffer.read().decode('utf-8-sig', errors='replace')
rows = csv.reader(io.StringIO(text, newline=''), delimiter=sys.argv[1])
json.dump([row for row in rows if row], sys.stdout)
)";

QList<QStringList> ReadWithPython(const QByteArray& bytes, char separator) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(kScript), QString(QChar(separator))});
    python.write(bytes);
    python.closeWriteChannel();
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {{QStringLiteral("python: ") + python.errorString() +
                 QString::fromUtf8(python.readAllStandardError())}};
    QList<QStringList> records;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        records << row.toVariant().toStringList();
    return records;
}
