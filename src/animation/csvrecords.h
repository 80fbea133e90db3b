#pragma once

#include <QByteArrayView>

#include <vector>

// Splits a CSV text into records as RFC 4180 has them: fields split at the
// separator, a field in double quotes may hold the separator, line breaks
// and a quote written twice; lines end in LF, CR LF or a lone CR. Spaces
// around a field are not part of it. Quoted fields are unquoted in place,
// so the text must be the caller's own copy: a quoted field's content is
// never longer than the field, so it fits where the field stood.
class CsvRecords
{
public:
    enum Result {
        Record,
        End,
        Unclosed,   // a quote runs to the end of the text
        StrayQuote, // text between a closing quote and the separator
    };

    CsvRecords(char *begin, char *end, char separator)
        : m_p(begin), m_end(end), m_separator(separator)
    {
    }

    // The next record's fields, views into the text; `blank` for a line
    // without anything on it. After Unclosed nothing more is read; after
    // StrayQuote the rest of the line is skipped.
    Result next(std::vector<QByteArrayView> *fields, bool *blank);
    // The line, from 1, that the record last returned starts on.
    qint64 recordLine() const { return m_recordLine; }

private:
    bool isSpace(char c) const { return c == ' ' || (c == '\t' && m_separator != '\t'); }
    bool atLineEnd() const { return m_p < m_end && (*m_p == '\n' || *m_p == '\r'); }
    void endLine();
    void skipLine();

    char *m_p;
    char *m_end;
    char m_separator;
    qint64 m_line = 1;
    qint64 m_recordLine = 1;
};

// The separator a CSV text's first line (from `p`) holds most of, outside
// quotes: a tab, a semicolon or a comma; a comma when it holds none.
// Tab before semicolon before comma where they tie, as a name holds a
// comma sooner than a tab.
char csvSeparator(const char *p, const char *end);
