#pragma once

#include "animation/series.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Limits of a driving data file. The file is read whole, so its size bounds
// the memory; the rows and values bound what its samples take besides
// (16 bytes a value, at most 160 MB).
constexpr qint64 driveDataByteLimit = 256'000'000;
constexpr qint64 driveDataRowLimit = 5'000'000;
constexpr qint64 driveDataValueLimit = 10'000'000;
constexpr qsizetype driveDataColumnLimit = 10'000;
// Unreadable rows reported one by one; the rest are counted.
constexpr qsizetype driveDataWarningLimit = 20;

struct DriveDataLimits
{
    qint64 bytes = driveDataByteLimit;
    qint64 rows = driveDataRowLimit;
    qint64 values = driveDataValueLimit;
};

// One value column: its samples in time order, at strictly increasing
// times. An empty cell is no sample, so each column has times of its own.
struct DriveColumn
{
    QString name;       // as the header row gives it, trimmed; may be empty
    qsizetype position; // the column's place in the file, from 1
    QList<TimedValue> samples;
};

// The driving data of an animation, read from a CSV file.
struct DriveData
{
    // The name of the column read as the time.
    QString timeColumn;
    // The value columns holding at least one number, in file order.
    QList<DriveColumn> columns;
    // What was not read or not as expected, one line each: "Line 17: ..."
    // for rows skipped, at most driveDataWarningLimit of them and a count
    // of the rest.
    QStringList warnings;
    qint64 rows = 0; // data rows read

    QStringList columnNames() const;
    // The column a user names: by its name, the first match exactly or,
    // failing that, ignoring case; or by its place in the file, from 1.
    // -1 when there is none.
    qsizetype columnIndex(const QString &nameOrPosition) const;
    Series series(qsizetype column, Interpolation kind = Interpolation::Linear) const;
    // The first and last time of any value; false without values.
    bool timeSpan(double *first, double *last) const;
};

// Reads driving data from a CSV file:
// - values separated by commas, semicolons or tabs, whichever the header
//   row holds most of; RFC 4180 quotes (a quoted field may hold the
//   separator, a line break, or a quote written twice); lines ended by
//   LF, CR LF or CR; UTF-8, with or without a byte order mark;
// - a header row naming the columns;
// - a time column: the first one named time, t, seconds or timestamp (in
//   any case, with or without a unit in brackets, "time (s)"), else the
//   first column. Times are seconds ("12.25", or in the unit named: ms,
//   us, min, h) or a clock reading "hh:mm:ss.sss" or "mm:ss.sss", and
//   never go back from row to row;
// - value columns of decimal numbers with a '.' point.
// Rows that cannot be read are skipped and reported in `warnings`; reading
// stops at limits.rows rows or limits.values values. Returns false, with a
// one-line reason in `error` (when given), when the file cannot be read,
// is larger than limits.bytes, has no header row, or has no row with a
// number; `data` is then untouched.
[[nodiscard]] bool readDriveData(const QString &path, DriveData *data, QString *error = nullptr,
                                 const DriveDataLimits &limits = {});
// The same from the bytes of a file.
[[nodiscard]] bool parseDriveData(QByteArray text, DriveData *data, QString *error = nullptr,
                                  const DriveDataLimits &limits = {});
