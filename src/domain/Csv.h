#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated values as RFC 4180 describes them, in UTF-8.

// One record: the fields joined by `separator`, each quoted (its quotes doubled) when it
// holds the separator, a quote, CR or LF, ending with CRLF. A record of one empty field is
// written as "" so that it does not read back as a blank line.
QByteArray CsvRecordText(const QStringList& fields, char separator = ',');

enum class ByteOrderMark { Without, With };

// The records as a whole file, optionally behind a UTF-8 byte-order mark (which some
// spreadsheets need to read UTF-8 at all).
QByteArray CsvFileText(const QList<QStringList>& records,
                       ByteOrderMark mark = ByteOrderMark::Without);

// What is wrong with a record that was read anyway.
enum class CsvFault {
    None,
    // Some of its bytes are not UTF-8; they read as U+FFFD.
    NotUtf8,
    // A quoted field is never closed; it runs to the end of the file.
    OpenQuote,
};

struct CsvRecord {
    // The line of the file the record starts on, counted from 1.
    int line = 0;
    QStringList fields;
    CsvFault fault = CsvFault::None;
};

struct CsvTable {
    char separator = ',';
    QList<CsvRecord> records;
};

// Reads a CSV file: UTF-8 with or without a byte-order mark; the separator is a semicolon
// when the first line holds more semicolons than commas, else a comma; lines end with CRLF,
// LF or CR; quoted fields may hold separators, line breaks and doubled quotes; the last line
// needs no line end; blank lines hold no record. Like common spreadsheets, a quote inside an
// unquoted field is kept, and so is text after a closing quote.
CsvTable ReadCsv(const QByteArray& bytes);
