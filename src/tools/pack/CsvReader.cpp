#include "CsvReader.h"

namespace {
// Walks the text one character at a time, keeping the line and column for messages.
class Parser
{
public:
    explicit Parser(const QString &text) : m_text(text)
    {
        if (m_text.startsWith(QChar(0xFEFF)))
            m_position = 1;
    }

    bool run(QList<CsvRow> *rows, QString *error)
    {
        while (m_position < m_text.size()) {
            CsvRow row;
            row.line = m_line;
            if (!readRecord(&row.fields, error))
                return false;
            rows->append(row);
        }
        return true;
    }

private:
    QChar peek() const { return m_position < m_text.size() ? m_text.at(m_position) : QChar(); }
    bool atEnd() const { return m_position >= m_text.size(); }
    QChar take()
    {
        const QChar c = m_text.at(m_position++);
        if (c == QLatin1Char('\n')) {
            ++m_line;
            m_column = 1;
        } else {
            ++m_column;
        }
        return c;
    }
    QString where() const { return QStringLiteral("line %1, column %2").arg(m_line).arg(m_column); }

    // One record up to and including its line end.
    bool readRecord(QStringList *fields, QString *error)
    {
        for (;;) {
            QString field;
            if (!(peek() == QLatin1Char('"') ? readQuoted(&field, error) : readPlain(&field, error)))
                return false;
            fields->append(field);
            if (atEnd())
                return true;
            const QChar c = take();
            if (c == QLatin1Char('\n'))
                return true;
            if (c == QLatin1Char('\r')) {
                if (peek() == QLatin1Char('\n'))
                    take();
                return true;
            }
            // Otherwise it was the comma before the next field.
        }
    }

    bool readPlain(QString *field, QString *error)
    {
        while (!atEnd()) {
            const QChar c = peek();
            if (c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                return true;
            if (c == QLatin1Char('"')) {
                *error = QStringLiteral("%1: a quote inside a field that does not start with one (write the "
                                        "whole field in quotes and double the quote: \"\")")
                             .arg(where());
                return false;
            }
            field->append(take());
        }
        return true;
    }

    bool readQuoted(QString *field, QString *error)
    {
        const QString start = where();
        take();
        for (;;) {
            if (atEnd()) {
                *error = QStringLiteral("%1: the quoted field never ends (a closing quote is missing)").arg(start);
                return false;
            }
            const QChar c = take();
            if (c != QLatin1Char('"')) {
                field->append(c);
                continue;
            }
            if (peek() == QLatin1Char('"')) {
                field->append(take());
                continue;
            }
            if (atEnd() || peek() == QLatin1Char(',') || peek() == QLatin1Char('\n') || peek() == QLatin1Char('\r'))
                return true;
            *error = QStringLiteral("%1: text after the closing quote of a field (a comma is missing, or a quote "
                                    "inside the field is not doubled)")
                         .arg(where());
            return false;
        }
    }

    const QString &m_text;
    qsizetype m_position = 0;
    int m_line = 1;
    int m_column = 1;
};
}

namespace CsvReader {
bool parse(const QString &text, QList<CsvRow> *rows, QString *error)
{
    rows->clear();
    return Parser(text).run(rows, error);
}
}
