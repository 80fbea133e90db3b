#include "model/valuescale.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

const struct
{
    scaleType type;
    const char *name;
} typeNames[] = {
    {scaleType::even, "even"},   {scaleType::log, "log"},     {scaleType::decibel, "decibel"},
    {scaleType::power, "power"}, {scaleType::table, "table"},
};

// One field of a pasted line as a number: surrounding blanks and quotes
// (spreadsheets quote some fields) are dropped, and with `decimalComma` a
// comma is read as the decimal point.
bool readNumber(QString field, bool decimalComma, double *value)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
        field = field.mid(1, field.size() - 2).trimmed();
    if (decimalComma)
        field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    *value = field.toDouble(&ok);
    return ok && std::isfinite(*value);
}

bool readPointLine(const QString &line, QPointF *point)
{
    QChar separator = QLatin1Char(',');
    for (QChar candidate : {QLatin1Char('\t'), QLatin1Char(';')}) {
        if (line.contains(candidate)) {
            separator = candidate;
            break;
        }
    }
    const QStringList fields = line.split(separator);
    const bool decimalComma = separator != QLatin1Char(',');
    double value = 0.0;
    double fraction = 0.0;
    if (fields.size() != 2 || !readNumber(fields.at(0), decimalComma, &value)
        || !readNumber(fields.at(1), decimalComma, &fraction))
        return false;
    *point = QPointF(value, fraction);
    return true;
}

} // namespace

bool valueScale::operator==(const valueScale &o) const
{
    if (type != o.type || !sameNumber(from, o.from) || !sameNumber(to, o.to)
        || !sameNumber(exponent, o.exponent) || points.size() != o.points.size()
        || fileObject != o.fileObject)
        return false;
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (!sameNumber(points.at(i).x(), o.points.at(i).x())
            || !sameNumber(points.at(i).y(), o.points.at(i).y()))
            return false;
    }
    return true;
}

QString scaleTypeName(scaleType type)
{
    for (const auto &entry : typeNames)
        if (entry.type == type)
            return QLatin1String(entry.name);
    return QString();
}

scaleType scaleTypeFromName(const QString &name)
{
    for (const auto &entry : typeNames)
        if (name == QLatin1String(entry.name))
            return entry.type;
    return scaleType::unknown;
}

bool readScalePointsText(const QString &text, QList<QPointF> *points, QString *error)
{
    QList<QPointF> read;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool firstLine = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed(); // also drops the \r of \r\n
        if (line.isEmpty())
            continue;
        QPointF point;
        if (readPointLine(line, &point)) {
            if (read.size() == scalePointLimit) {
                if (error) {
                    *error = QCoreApplication::translate(
                                 "ValueScale", "The text holds more than %1 points; a table may "
                                               "hold at most %1.")
                                 .arg(scalePointLimit);
                }
                return false;
            }
            read.append(point);
        } else if (!firstLine) {
            if (error) {
                *error = QCoreApplication::translate(
                             "ValueScale", "Line %1 is not a value and a fraction: \u201c%2\u201d.")
                             .arg(i + 1)
                             .arg(line.left(40));
            }
            return false;
        }
        firstLine = false;
    }
    if (read.isEmpty()) {
        if (error) {
            *error = QCoreApplication::translate(
                "ValueScale", "The text holds no points: one value and one fraction a line.");
        }
        return false;
    }
    *points = read;
    return true;
}
