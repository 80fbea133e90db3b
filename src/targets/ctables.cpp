#include "targets/ctables.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// The shortest C float literal (at most nine significant digits, which
// every float needs at most) that reads back to the float nearest `value`,
// without an exponent from 0.0001 to below 10^9: "0.0f", "0.1f", "50.0f",
// "1e+20f".
QByteArray floatLiteral(double value)
{
    const float target = float(value);
    const bool plain = std::fabs(target) >= 1e-4f && std::fabs(target) < 1e9f;
    // Nine significant digits of 0.0001... take thirteen decimals.
    const int most = plain ? 13 : 9;
    QByteArray text;
    for (int digits = plain ? 0 : 1; digits <= most; ++digits) {
        text = plain ? QByteArray::number(double(target), 'f', digits)
                     : QByteArray::number(double(target), 'g', digits);
        if (text.toFloat() == target)
            break;
    }
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text + 'f';
}

} // namespace

bool cAngleTable(const QList<NeedleAngle> &rows, const QString &identifier, AngleUnit unit,
                 QByteArray *code, QString *error, qint64 byteLimit)
{
    if (!checkIdentifier(identifier, error))
        return false;
    if (rows.isEmpty())
        return fail(error, EmbeddedTargets::tr("The angle table has no rows."));

    const bool fromThree = unit == AngleUnit::TenthsFromThreeOClock;
    const bool tenths = unit == AngleUnit::TenthsOfDegree || fromThree;
    const double scale = tenths ? 10.0 : 1.0;
    const double largest = tenths ? double(INT32_MAX) : double(INT16_MAX);
    QList<long long> angles;
    angles.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const NeedleAngle &row = rows.at(i);
        if (!std::isfinite(row.value) || !std::isfinite(row.angle)) {
            return fail(error,
                        EmbeddedTargets::tr("Row %1 of the angle table is not a pair of "
                                            "finite numbers.")
                            .arg(i + 1));
        }
        if (std::fabs(row.value) > double(FLT_MAX)) {
            return fail(error,
                        EmbeddedTargets::tr("The value %1 in row %2 of the angle table is "
                                            "too large for a float.")
                            .arg(row.value)
                            .arg(i + 1));
        }
        const double units = std::round((fromThree ? row.angle - 90.0 : row.angle) * scale);
        if (std::fabs(units) > largest) {
            return fail(error,
                        EmbeddedTargets::tr("The angle of %1° in row %2 of the angle table "
                                            "does not fit the table's numbers.")
                            .arg(row.angle)
                            .arg(i + 1));
        }
        angles.append(static_cast<long long>(units));
    }

    const QByteArray name = identifier.toLatin1();
    const QByteArray count = name.toUpper() + "_ANGLE_COUNT";
    // A row is at most "    {" + 17 + ", " + 11 + "},\n".
    QByteArray text;
    if (!reserveSource(&text, qint64(rows.size()) * 40 + 512 + 4 * name.size(), byteLimit, error))
        return false;
    text += "#include <stdint.h>\n\n";
    text += fromThree ? "/* The needle's angle at each value, in 0.1 degree clockwise from 3 "
                        "o'clock. */\n"
        : tenths ? "/* The needle's angle at each value, in 0.1 degree clockwise from 12 "
                   "o'clock. */\n"
                 : "/* The needle's angle at each value, in degrees clockwise from 12 "
                   "o'clock. */\n";
    text += "#define " + count + ' ' + QByteArray::number(rows.size()) + "\n";
    text += "static const struct {\n    float value;\n    ";
    text += tenths ? "int32_t" : "int16_t";
    text += " angle;\n} " + name + "_angles[" + count + "] = {\n";
    for (qsizetype i = 0; i < rows.size(); ++i) {
        text += "    {" + floatLiteral(rows.at(i).value) + ", " + QByteArray::number(angles.at(i))
            + "},\n";
    }
    text += "};\n";
    *code = std::move(text);
    return true;
}

bool cPivotDefines(const QString &identifier, QPoint pivot, QByteArray *code, QString *error)
{
    if (!checkIdentifier(identifier, error))
        return false;
    const QByteArray macro = "#define " + identifier.toLatin1().toUpper() + "_PIVOT_";
    *code = macro + "X " + QByteArray::number(pivot.x()) + "\n" + macro + "Y "
        + QByteArray::number(pivot.y()) + "\n";
    return true;
}
