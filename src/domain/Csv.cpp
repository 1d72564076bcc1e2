#include "Csv.h"

namespace {

constexpr char kQuote = '"';

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The separator the first line uses more often, quoted fields left out.
char DetectSeparator(QByteArrayView bytes) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : bytes) {
        if (c == kQuote)
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (IsLineEnd(c))
            break;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// Walks the bytes record by record. Separators, quotes and line ends are ASCII, which no
// byte of a multi-byte UTF-8 character can be, so fields are cut before they are decoded.
class Reader {
public:
    Reader(QByteArrayView bytes, char separator) : m_bytes(bytes), m_separator(separator) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }

    // The next record; a blank line gives a record without fields.
    CsvRecord next() {
        CsvRecord record;
        record.line = m_line;
        bool blank = true;
        for (;;) {
            QByteArray field;
            if (peek() == kQuote) {
                blank = false;
                if (!readQuoted(field))
                    record.fault = CsvFault::OpenQuote;
            }
            while (!atEnd() && peek() != m_separator && !IsLineEnd(peek()))
                field += m_bytes[m_at++];
            blank = blank && field.isEmpty();
            if (!field.isValidUtf8() && record.fault == CsvFault::None)
                record.fault = CsvFault::NotUtf8;
            record.fields << QString::fromUtf8(field);
            if (atEnd() || peek() != m_separator)
                break;
            ++m_at;
            blank = false;
        }
        skipLineEnd();
        if (blank)
            record.fields.clear();
        return record;
    }

private:
    char peek() const { return atEnd() ? '\0' : m_bytes[m_at]; }

    // Reads a quoted field after its opening quote; false when it is never closed.
    bool readQuoted(QByteArray& field) {
        ++m_at;
        while (!atEnd()) {
            const char c = m_bytes[m_at++];
            if (c == kQuote) {
                if (peek() != kQuote)
                    return true;
                ++m_at;
            } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
                ++m_line;
            }
            field += c;
        }
        return false;
    }

    void skipLineEnd() {
        if (peek() == '\r')
            ++m_at;
        else if (peek() != '\n')
            return;
        if (peek() == '\n')
            ++m_at;
        ++m_line;
    }

    QByteArrayView m_bytes;
    char m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};

} // namespace

QByteArray CsvRecordText(const QStringList& fields, char separator) {
    QByteArray text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += separator;
        QByteArray field = fields[i].toUtf8();
        const bool quoted = field.contains(separator) || field.contains(kQuote) ||
                            field.contains('\r') || field.contains('\n') ||
                            (field.isEmpty() && fields.size() == 1);
        if (quoted)
            text += kQuote + field.replace("\"", "\"\"") + kQuote;
        else
            text += field;
    }
    return text + "\r\n";
}

QByteArray CsvFileText(const QList<QStringList>& records, ByteOrderMark mark) {
    QByteArray text = mark == ByteOrderMark::With ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QStringList& record : records)
        text += CsvRecordText(record);
    return text;
}

CsvTable ReadCsv(const QByteArray& bytes) {
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    CsvTable table;
    table.separator = DetectSeparator(rest);
    Reader reader(rest, table.separator);
    while (!reader.atEnd()) {
        CsvRecord record = reader.next();
        if (!record.fields.isEmpty())
            table.records.append(std::move(record));
    }
    return table;
}
