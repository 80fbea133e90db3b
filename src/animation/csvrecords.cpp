#include "animation/csvrecords.h"

void CsvRecords::endLine()
{
    if (*m_p++ == '\r' && m_p < m_end && *m_p == '\n')
        ++m_p;
    ++m_line;
}

void CsvRecords::skipLine()
{
    while (m_p < m_end && !atLineEnd())
        ++m_p;
    if (m_p < m_end)
        endLine();
}

CsvRecords::Result CsvRecords::next(std::vector<QByteArrayView> *fields, bool *blank)
{
    fields->clear();
    *blank = false;
    if (m_p >= m_end)
        return End;
    m_recordLine = m_line;
    bool quoted = false;
    for (;;) {
        while (m_p < m_end && isSpace(*m_p))
            ++m_p;
        if (m_p < m_end && *m_p == '"') {
            quoted = true;
            char *const start = ++m_p;
            char *out = start;
            for (;;) {
                if (m_p >= m_end)
                    return Unclosed;
                const char c = *m_p;
                if (c == '"') {
                    if (m_p + 1 < m_end && m_p[1] == '"') {
                        *out++ = '"';
                        m_p += 2;
                        continue;
                    }
                    ++m_p;
                    break;
                }
                // A line break inside quotes is part of the field, yet
                // still a line of the file for the line numbers.
                if (c == '\n' || (c == '\r' && !(m_p + 1 < m_end && m_p[1] == '\n')))
                    ++m_line;
                *out++ = c;
                ++m_p;
            }
            fields->push_back(QByteArrayView(start, out - start));
            while (m_p < m_end && isSpace(*m_p))
                ++m_p;
            if (m_p < m_end && *m_p != m_separator && !atLineEnd()) {
                skipLine();
                return StrayQuote;
            }
        } else {
            const char *const start = m_p;
            while (m_p < m_end && *m_p != m_separator && !atLineEnd())
                ++m_p;
            const char *last = m_p;
            while (last > start && isSpace(last[-1]))
                --last;
            fields->push_back(QByteArrayView(start, last - start));
        }
        if (m_p < m_end && *m_p == m_separator) {
            ++m_p;
            continue;
        }
        if (m_p < m_end)
            endLine();
        *blank = !quoted && fields->size() == 1 && fields->front().isEmpty();
        return Record;
    }
}

char csvSeparator(const char *p, const char *end)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    qsizetype tabs = 0;
    bool quoted = false;
    for (; p < end; ++p) {
        if (*p == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (*p == '\n' || *p == '\r')
            break;
        else if (*p == ',')
            ++commas;
        else if (*p == ';')
            ++semicolons;
        else if (*p == '\t')
            ++tabs;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return '\t';
    if (semicolons > 0 && semicolons >= commas)
        return ';';
    return ',';
}
