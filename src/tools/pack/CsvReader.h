#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads comma-separated values as RFC 4180 describes them: records end with CRLF or LF,
// fields are separated by commas, a field in double quotes may hold commas, line breaks and
// doubled quotes (""). A byte-order mark at the start (spreadsheets write one) is skipped.
//
// Thread: any (pure function). Failure results: parse() returns false with a message naming
// the line and column (both 1-based) of a quote inside an unquoted field, of text after a
// closing quote, or of a quoted field that never ends.
struct CsvRow
{
    int line = 0;  // the line the record starts on
    QStringList fields;
};

namespace CsvReader {
bool parse(const QString &text, QList<CsvRow> *rows, QString *error);
}
