#include "export/keyframes.h"

#include "render/biasmap.h"

#include <QCoreApplication>

#include <cmath>

qint64 keyframeCount(const gaugeData &layer)
{
    const qint64 n = layer.divisionCount[0];
    if (n <= 0)
        return 0;
    return std::fabs(layer.angleLength) < 360.0 ? n + 1 : n;
}

QList<QPair<double, double>> keyframeAngles(const gaugeData &layer)
{
    QList<QPair<double, double>> result;
    const qint64 count = qMin(keyframeCount(layer), keyframeRecordLimit);
    if (count <= 0)
        return result;
    const double n = double(layer.divisionCount[0]);
    result.reserve(count);
    double value = layer.tickCountStart;
    for (qint64 i = 0; i < count; ++i) {
        const double t = double(i) / n;
        const double b = biasMap(t, layer.bias, layer.midpointBias);
        // The painter's screen angle turned back into a gauge angle, in this
        // very order: it fixes the last bits and the sign of a zero angle,
        // and both reach the file.
        const double angle = -(((90.0 - layer.startAngle) - layer.angleLength * b) - 90.0);
        result.append(qMakePair(value, angle));
        // Repeated addition, as the labels on the dial are counted.
        value = value + layer.tickCountIncrement;
    }
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

bool keyframeCsv(const QList<namedLayer> &layers, QByteArray *csv, QString *error)
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

    QByteArray text("Layer,Tick,Angle\r");
    for (const namedLayer &layer : layers) {
        const QList<QPair<double, double>> keys = keyframeAngles(layer.data);
        if (keys.isEmpty())
            continue;
        const QByteArray name = keyframeNameField(layer.name).toUtf8();
        for (const auto &key : keys) {
            text += name;
            text += ',';
            text += formatKeyframeNumber(key.first).toLatin1();
            text += ',';
            text += formatKeyframeNumber(key.second).toLatin1();
            text += '\r';
        }
    }
    *csv = text;
    return true;
}
