#include "gaugefile/gaugedocument.h"

// Placeholder until the gauge document lands.
QByteArray writeGaugeDocument(const QList<namedLayer> &)
{
    return QByteArray();
}

bool readGaugeDocument(const QByteArray &, QList<namedLayer> &layers, QString *error)
{
    layers.clear();
    if (error)
        *error = QStringLiteral("Not implemented yet.");
    return false;
}

QJsonObject layerToJson(const gaugeData &)
{
    return QJsonObject();
}

QJsonObject divisionToJson(int, double, double, double, const QColor &)
{
    return QJsonObject();
}

QJsonObject arcToJson(double, double, double, double, const QColor &)
{
    return QJsonObject();
}

void layerFromJson(gaugeData &, const QJsonObject &) {}

bool isDefaultLayer(const gaugeData &layer)
{
    return layer == gaugeData();
}
