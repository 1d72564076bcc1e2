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

static const char* const kWriter = R"(
import csv, io, json, sys
out = io.StringIO(newline='')
csv.writer(out, 'excel', delimiter=sys.argv[1], lineterminator=sys.argv[2]).writerows(json.load(sys.stdin))
sys.stdout.buffer.write(out.getvalue().encode(sys.argv[3]))
)";

QByteArray WriteWithPython(const QList<QStringList>& records, char separator,
                           const QString& lineEnd, const QString& encoding) {
    QJsonArray rows;
    for (const QStringList& record : records)
        rows << QJsonArray::fromStringList(record);
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(kWriter), QString(QChar(separator)),
                  lineEnd, encoding});
    python.write(QJsonDocument(rows).toJson());
    python.closeWriteChannel();
    python.waitForFinished(30000);
    return python.readAllStandardOutput();
}

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
