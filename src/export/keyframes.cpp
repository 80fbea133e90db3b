#include "export/keyframes.h"

#include "render/ticklayout.h"

#include <QCoreApplication>


qint64 keyframeCount(const gaugeData &layer)
{
    return TickLayout(layer).primaryCount();
}

QList<QPair<double, double>> keyframeAngles(const gaugeData &layer)
{
    QList<QPair<double, double>> result;
    const qint64 count = qMin(keyframeCount(layer), keyframeRecordLimit);
    result.reserve(count);
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
