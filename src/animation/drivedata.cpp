#include "animation/drivedata.h"

#include "animation/csvrecords.h"
#include "fileio/boundedoutput.h"
#include "fileio/inputfile.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

struct DriveFile
{
    Q_DECLARE_TR_FUNCTIONS(DriveData)
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number with a '.' point and an optional exponent, nothing
// else: from_chars alone would also take "inf" and "nan", and a locale's
// reading would take "1,5" as fifteen.
bool parseNumber(QByteArrayView text, double *number)
{
    const char *p = text.data();
    const char *end = p + text.size();
    // from_chars takes a minus sign but not a plus.
    const char *start = p < end && *p == '+' ? p + 1 : p;
    if (p < end && (*p == '+' || *p == '-'))
        ++p;
    int digits = 0;
    while (p < end && isDigit(*p))
        ++p, ++digits;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && isDigit(*p))
            ++p, ++digits;
    }
    if (digits == 0)
        return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-'))
            ++p;
        if (!(p < end && isDigit(*p)))
            return false;
        while (p < end && isDigit(*p))
            ++p;
    }
    if (p != end)
        return false;
    double value;
    const auto [last, problem] = std::from_chars(start, end, value);
    if (problem != std::errc() || last != end || !std::isfinite(value))
        return false;
    *number = value;
    return true;
}

// A unit of the time column, as a factor and a divisor: dividing keeps
// "1500" ms exactly 1.5 s, where a factor of 0.001 would not.
struct TimeUnit
{
    double factor = 1.0;
    double divisor = 1.0;
};

bool timeUnit(const QString &name, TimeUnit *unit)
{
    static const struct
    {
        const char *names;
        TimeUnit unit;
    } units[] = {
        {"s sec secs second seconds", {1.0, 1.0}},
        {"ms msec millisecond milliseconds", {1.0, 1e3}},
        {"us \u00b5s \u03bcs microsecond microseconds", {1.0, 1e6}},
        {"min minute minutes", {60.0, 1.0}},
        {"h hour hours", {3600.0, 1.0}},
    };
    for (const auto &entry : units) {
        if (QString::fromUtf8(entry.names).split(QLatin1Char(' ')).contains(name.toLower())) {
            *unit = entry.unit;
            return true;
        }
    }
    return false;
}

// "hh:mm:ss.sss" or "mm:ss.sss": minutes and seconds below 60, the
// leading part as large as it comes.
bool parseClock(QByteArrayView text, double *seconds)
{
    QList<QByteArrayView> parts;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text.at(i) == ':') {
            parts.append(text.sliced(from, i - from));
            from = i + 1;
        }
    }
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    const auto whole = [](QByteArrayView part, qsizetype maxDigits, double *value) {
        if (part.isEmpty() || part.size() > maxDigits)
            return false;
        for (char c : part) {
            if (!isDigit(c))
                return false;
        }
        return parseNumber(part, value);
    };
    const QByteArrayView last = parts.constLast();
    const qsizetype point = last.indexOf('.');
    double second;
    if (!whole(last.first(point < 0 ? last.size() : point), 2, &second))
        return false;
    for (char c : last.sliced(point < 0 ? last.size() : point + 1)) {
        if (!isDigit(c))
            return false;
    }
    if (!parseNumber(last, &second) || second >= 60.0)
        return false;
    double leading;
    if (!whole(parts.constFirst(), 9, &leading))
        return false;
    if (parts.size() == 2) {
        *seconds = leading * 60.0 + second;
        return true;
    }
    double minute;
    if (!whole(parts.at(1), 2, &minute) || minute >= 60.0)
        return false;
    *seconds = leading * 3600.0 + minute * 60.0 + second;
    return true;
}

bool parseTime(QByteArrayView text, const TimeUnit &unit, double *seconds)
{
    if (text.contains(':'))
        return parseClock(text, seconds);
    double number;
    if (!parseNumber(text, &number))
        return false;
    *seconds = number * unit.factor / unit.divisor;
    return std::isfinite(*seconds);
}

// A cell as a message quotes it: on one line and short.
QString excerpt(QByteArrayView cell)
{
    QString text = QString::fromUtf8(cell);
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    constexpr qsizetype longest = 40;
    if (text.size() > longest)
        text = text.left(longest) + QChar(0x2026);
    return text;
}

// In the quotation marks of the reader's language.
QString quoted(QByteArrayView cell)
{
    return DriveFile::tr("\u201c%1\u201d").arg(excerpt(cell));
}

// The first few names, quoted.
QString nameList(const QStringList &names)
{
    constexpr qsizetype shown = 5;
    QStringList list;
    for (qsizetype i = 0; i < qMin(shown, names.size()); ++i)
        list.append(quoted(names.at(i).toUtf8()));
    if (names.size() > shown)
        list.append(QString(QChar(0x2026)));
    return list.join(QLatin1String(", "));
}

bool refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

struct Header
{
    QStringList names;
    qsizetype timeIndex = 0;
    TimeUnit unit;
    QStringList notes;
};

// The header row: the names of the columns, which of them is the time,
// and in what unit.
bool readHeader(CsvRecords *records, Header *header, QString *error)
{
    std::vector<QByteArrayView> fields;
    bool blank = true;
    CsvRecords::Result result = CsvRecords::Record;
    while (result == CsvRecords::Record && blank)
        result = records->next(&fields, &blank);
    if (result == CsvRecords::Unclosed)
        return refuse(error, DriveFile::tr("A quote in the header row is never closed."));
    if (result == CsvRecords::StrayQuote) {
        return refuse(error,
                      DriveFile::tr("In the header row, text follows the closing quote "
                                    "of a name."));
    }
    const qsizetype columnCount = qsizetype(fields.size());
    if (columnCount > driveDataColumnLimit) {
        return refuse(error,
                      DriveFile::tr("The file has %1 columns; a data file may have at most "
                                    "%2.")
                          .arg(columnCount)
                          .arg(driveDataColumnLimit));
    }
    QStringList names;
    bool allNumbers = true;
    for (const QByteArrayView field : fields) {
        names.append(QString::fromUtf8(field).trimmed());
        double number;
        allNumbers = allNumbers && parseTime(field, TimeUnit(), &number);
    }
    if (allNumbers) {
        return refuse(error,
                      DriveFile::tr("The first line holds numbers, not names: the file "
                                    "needs a header row naming its columns."));
    }
    if (columnCount < 2) {
        return refuse(error,
                      DriveFile::tr("The file has a single column, %1; it needs a column "
                                    "of times and at least one of values.")
                          .arg(nameList(names)));
    }

    // The time column is the one its name says is time, else the first:
    // most logs put the time first without naming it so.
    static const QRegularExpression timeName(
        QStringLiteral(R"(^(time|t|seconds|timestamp)\s*([\(\[].*[\)\]])?$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unitPart(QStringLiteral(R"([\(\[]\s*(.*?)\s*[\)\]]$)"));
    header->timeIndex = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (timeName.match(names.at(i)).hasMatch()) {
            header->timeIndex = i;
            break;
        }
    }
    const QRegularExpressionMatch unitMatch = unitPart.match(names.at(header->timeIndex));
    if (unitMatch.hasMatch() && !timeUnit(unitMatch.captured(1), &header->unit)) {
        header->notes.append(
            DriveFile::tr("The time column names a unit, %1, that is not one of s, ms, us, min "
                          "or h; its numbers are read as seconds.")
                .arg(quoted(unitMatch.captured(1).toUtf8())));
    }
    header->names = names;
    return true;
}

} // namespace

QStringList DriveData::columnNames() const
{
    QStringList names;
    for (const DriveColumn &column : columns)
        names.append(column.name);
    return names;
}

qsizetype DriveData::columnIndex(const QString &nameOrPosition) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name == nameOrPosition)
            return i;
    }
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(nameOrPosition, Qt::CaseInsensitive) == 0)
            return i;
    }
    bool number = false;
    const qsizetype position = nameOrPosition.toLongLong(&number);
    for (qsizetype i = 0; number && i < columns.size(); ++i) {
        if (columns.at(i).position == position)
            return i;
    }
    return -1;
}

Series DriveData::series(qsizetype column, Interpolation kind) const
{
    if (column < 0 || column >= columns.size())
        return Series();
    return Series(columns.at(column).samples, kind);
}

bool DriveData::timeSpan(double *first, double *last) const
{
    bool found = false;
    for (const DriveColumn &column : columns) {
        if (column.samples.isEmpty())
            continue;
        const double a = column.samples.constFirst().time;
        const double b = column.samples.constLast().time;
        *first = found ? qMin(*first, a) : a;
        *last = found ? qMax(*last, b) : b;
        found = true;
    }
    return found;
}

bool readDriveData(const QString &path, DriveData *data, QString *error,
                   const DriveDataLimits &limits)
{
    QByteArray bytes;
    QString reason;
    switch (readInputFile(path, limits.bytes, &bytes, &reason)) {
    case InputFileStatus::Read:
        break;
    case InputFileStatus::CannotOpen:
        return refuse(error, reason);
    case InputFileStatus::TooLarge:
        return refuse(error,
                      DriveFile::tr("The file is larger than %1 MB, the most a data file may have.")
                          .arg(megabytes(limits.bytes)));
    }
    return parseDriveData(std::move(bytes), data, error, limits);
}

bool parseDriveData(QByteArray text, DriveData *data, QString *error, const DriveDataLimits &limits)
{
    if (text.startsWith("\xff\xfe") || text.startsWith("\xfe\xff")) {
        return refuse(error, DriveFile::tr("The file is UTF-16 text; save it as UTF-8 text."));
    }
    char *begin = text.data();
    char *const end = begin + text.size();
    if (text.startsWith("\xef\xbb\xbf"))
        begin += 3;
    // The header is the first line with anything on it.
    const char *header = begin;
    while (header < end && (*header == '\n' || *header == '\r' || *header == ' '))
        ++header;
    if (header == end)
        return refuse(error, DriveFile::tr("The file is empty."));

    CsvRecords records(begin, end, csvSeparator(header, end));
    Header head;
    if (!readHeader(&records, &head, error))
        return false;
    const QStringList &names = head.names;
    const qsizetype columnCount = names.size();
    const qsizetype timeIndex = head.timeIndex;
    const TimeUnit unit = head.unit;
    QStringList notes = head.notes;

    // Room for a sample of every column on every line, within the limits:
    // the samples are then written in place instead of moved as they grow,
    // and room never used is never touched, so takes no memory.
    const qint64 lines = qint64(std::count(begin, end, '\n')) + 1;
    const qint64 room = std::min({lines == 1 ? qint64(std::count(begin, end, '\r')) + 1 : lines,
                                  limits.rows, limits.values / (columnCount - 1)});
    QList<DriveColumn> columns;
    for (qsizetype i = 0; i < columnCount; ++i) {
        if (i != timeIndex) {
            columns.append({names.at(i), i + 1, {}});
            columns.last().samples.reserve(qsizetype(room));
        }
    }

    std::vector<QByteArrayView> fields;
    bool blank = false;
    CsvRecords::Result result;
    QStringList skipped;
    qint64 skippedCount = 0;
    const auto skip = [&](const QString &why) {
        if (++skippedCount <= driveDataWarningLimit)
            skipped.append(DriveFile::tr("Line %1: %2").arg(records.recordLine()).arg(why));
    };
    QString stoppedAt;
    qint64 rows = 0;
    qint64 values = 0;
    bool haveTime = false;
    double lastTime = 0.0;
    std::vector<double> row(static_cast<size_t>(columnCount));
    std::vector<bool> present(static_cast<size_t>(columnCount));
    for (;;) {
        result = records.next(&fields, &blank);
        if (result == CsvRecords::End)
            break;
        if (result == CsvRecords::Unclosed) {
            stoppedAt = DriveFile::tr("Line %1: a quote is never closed; the rest of the file is "
                                      "not read.")
                            .arg(records.recordLine());
            break;
        }
        if (result == CsvRecords::StrayQuote) {
            skip(DriveFile::tr("text follows the closing quote of a field."));
            continue;
        }
        if (blank)
            continue;
        if (qsizetype(fields.size()) != columnCount) {
            skip(DriveFile::tr("%1 fields, where the header row names %2 columns.")
                     .arg(fields.size())
                     .arg(columnCount));
            continue;
        }
        const QByteArrayView timeCell = fields[size_t(timeIndex)];
        double time;
        if (timeCell.isEmpty()) {
            skip(DriveFile::tr("the time is missing."));
            continue;
        }
        if (!parseTime(timeCell, unit, &time)) {
            skip(DriveFile::tr("%1 is not a time: seconds such as 12.5, or hh:mm:ss.sss.")
                     .arg(quoted(timeCell)));
            continue;
        }
        if (haveTime && time < lastTime) {
            skip(DriveFile::tr("the time %1 s comes before %2 s, the time of an earlier row.")
                     .arg(time)
                     .arg(lastTime));
            continue;
        }
        bool readable = true;
        qint64 rowValues = 0;
        for (qsizetype i = 0; i < columnCount && readable; ++i) {
            present[size_t(i)] = false;
            const QByteArrayView cell = fields[size_t(i)];
            if (i == timeIndex || cell.isEmpty())
                continue;
            readable = parseNumber(cell, &row[size_t(i)]);
            if (!readable) {
                skip(DriveFile::tr("%1 in column %2 is not a number.")
                         .arg(quoted(cell), quoted(names.at(i).toUtf8())));
            } else {
                present[size_t(i)] = true;
                ++rowValues;
            }
        }
        if (!readable)
            continue;
        if (rows >= limits.rows || values + rowValues > limits.values) {
            stoppedAt = DriveFile::tr("Line %1: reading stops here; a data file may have at most "
                                      "%2 rows and %3 values.")
                            .arg(records.recordLine())
                            .arg(limits.rows)
                            .arg(limits.values);
            break;
        }
        for (qsizetype i = 0, c = 0; i < columnCount; ++i) {
            if (i == timeIndex)
                continue;
            QList<TimedValue> &samples = columns[c++].samples;
            if (!present[size_t(i)])
                continue;
            // A later row at the same time stands for that instant.
            if (!samples.isEmpty() && samples.constLast().time == time) {
                samples.last().value = row[size_t(i)];
            } else {
                samples.append({time, row[size_t(i)]});
                ++values;
            }
        }
        haveTime = true;
        lastTime = time;
        ++rows;
    }

    if (skippedCount > driveDataWarningLimit) {
        skipped.append(DriveFile::tr("Rows not listed here that could not be read: %1.")
                           .arg(skippedCount - driveDataWarningLimit));
    }
    if (rows == 0) {
        if (skippedCount == 0 && stoppedAt.isEmpty())
            return refuse(error, DriveFile::tr("The file has a header row but no data."));
        return refuse(error,
                      DriveFile::tr("No row of data could be read. %1")
                          .arg(skipped.isEmpty() ? stoppedAt : skipped.constFirst()));
    }
    QStringList empty;
    QList<DriveColumn> kept;
    for (DriveColumn &column : columns) {
        if (column.samples.isEmpty()) {
            empty.append(column.name);
        } else {
            if (column.samples.capacity() - column.samples.size() > column.samples.size() / 4)
                column.samples.squeeze();
            kept.append(std::move(column));
        }
    }
    if (kept.isEmpty()) {
        return refuse(
            error,
            DriveFile::tr("None of the value columns (%1) holds a number.").arg(nameList(empty)));
    }
    if (!empty.isEmpty()) {
        notes.append(
            DriveFile::tr("Columns without a number are left out: %1.").arg(nameList(empty)));
    }

    data->timeColumn = names.at(timeIndex);
    data->columns = std::move(kept);
    data->warnings = notes + skipped;
    if (!stoppedAt.isEmpty())
        data->warnings.append(stoppedAt);
    data->rows = rows;
    return true;
}
