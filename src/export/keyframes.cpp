#include "export/keyframes.h"

#include "fileio/boundedoutput.h"
#include "render/ticklayout.h"

#include <QBuffer>
#include <QCoreApplication>

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

    BoundedOutput output(device, byteLimit,
                         QCoreApplication::translate("Keyframes",
                                                     "The keyframe file would be larger than %1 MB.")
                             .arg(megabytes(byteLimit)),
                         cancel);
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
