#include "export/keyframes.h"

#include "fileio/boundedoutput.h"
#include "render/ticklayout.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>

qint64 keyframeCount(const gaugeData &layer)
{
    return TickLayout(layer).primaryCount();
}

QList<QPair<double, double>> keyframeAngles(const gaugeData &layer)
{
    QList<QPair<double, double>> result;
    const qint64 count = qMin(keyframeCount(layer), keyframeRecordLimit);
    for (PrimaryTicks tick(layer); !tick.atEnd() && tick.index() < count; tick.next())
        result.append(qMakePair(tick.value(), TickLayout::gaugeAngle(tick.screenAngle())));
    return result;
}

QString formatKeyframeNumber(double x)
{
    QString text = QString::number(x, 'f', 10);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString keyframeNameField(const QString &name)
{
    const bool needsQuotes = name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"'))
        || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return name;
    QString quoted = name;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

// The fewest characters formatKeyframeNumber gives `x`: its sign and the
// digits before its point, one fewer where rounding could still carry.
qint64 leastNumberCharacters(double x)
{
    const double magnitude = std::fabs(x);
    const qint64 sign = x <= -1.0 ? 1 : 0;
    if (!(magnitude >= 10.0) || !std::isfinite(magnitude))
        return sign + 1;
    return sign + std::max<qint64>(1, qint64(std::floor(std::log10(magnitude))));
}

// The fewest bytes the keyframe file of the layers can have, counted up to
// a little past `limit`.
qint64 leastKeyframeBytes(const QList<namedLayer> &layers, qint64 limit)
{
    qint64 bytes = 17; // "Layer,Tick,Angle\r"
    for (const namedLayer &layer : layers) {
        if (keyframeCount(layer.data) == 0)
            continue;
        // The name, two commas, the angle's one character at least, and
        // the end of the record.
        const qint64 fixed = keyframeNameField(layer.name).toUtf8().size() + 4;
        for (PrimaryTicks tick(layer.data); !tick.atEnd(); tick.next()) {
            bytes += fixed + leastNumberCharacters(tick.value());
            if (bytes > limit)
                return bytes;
        }
    }
    return bytes;
}

} // namespace

bool writeKeyframeCsv(const QList<namedLayer> &layers, QIODevice *device, QString *error,
                      const std::atomic_bool *cancel, qint64 byteLimit)
{
    qint64 total = 0;
    for (const namedLayer &layer : layers) {
        total += keyframeCount(layer.data);
        if (total > keyframeRecordLimit) {
            if (error) {
                *error = QCoreApplication::translate(
                             "Keyframes",
                             "The gauge has more than %1 primary ticks, too many for a "
                             "keyframe file.")
                             .arg(keyframeRecordLimit);
            }
            return false;
        }
    }

    const QString tooLarge =
        QCoreApplication::translate("Keyframes", "The keyframe file would be larger than %1 MB.")
            .arg(megabytes(byteLimit));
    // A file that is certain to be too large is refused before a number is
    // formatted: that can take a minute for millions of huge values.
    if (leastKeyframeBytes(layers, byteLimit) > byteLimit) {
        if (error)
            *error = tooLarge;
        return false;
    }
    BoundedOutput output(device, byteLimit, tooLarge, cancel);
    // Handed on in pieces of about this size.
    constexpr qsizetype chunk = 1 << 16;
    QByteArray text("Layer,Tick,Angle\r");
    for (const namedLayer &layer : layers) {
        if (keyframeCount(layer.data) == 0)
            continue;
        const QByteArray name = keyframeNameField(layer.name).toUtf8();
        for (PrimaryTicks tick(layer.data); !tick.atEnd(); tick.next()) {
            text += name;
            text += ',';
            text += formatKeyframeNumber(tick.value()).toLatin1();
            text += ',';
            text += formatKeyframeNumber(TickLayout::gaugeAngle(tick.screenAngle())).toLatin1();
            text += '\r';
            if (text.size() >= chunk) {
                if (!output.writeAll(text, error))
                    return false;
                text.clear();
            }
        }
    }
    return output.writeAll(text, error);
}

bool keyframeCsv(const QList<namedLayer> &layers, QByteArray *csv, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeKeyframeCsv(layers, &buffer, error))
        return false;
    buffer.close();
    *csv = bytes;
    return true;
}
