#pragma once

#include "model/gaugedata.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// A layer on its way to or from a file: its name (may be empty) and settings.
struct namedLayer
{
    QString name;
    gaugeData data;
};

// The UTF-8 bytes of the gauge document for the list, in list order.
QByteArray writeGaugeDocument(const QList<namedLayer> &layers);

// Reads a gauge document, or a file of an earlier version, into `layers`.
// Returns false with `layers` empty and a one-line reason in `error` (when
// given) if the bytes are not a gauge file; on success `error` is untouched.
bool readGaugeDocument(const QByteArray &bytes, QList<namedLayer> &layers,
                       QString *error = nullptr);

QJsonObject layerToJson(const gaugeData &layer);
QJsonObject divisionToJson(int count, double innerRadius, double outerRadius, double width,
                           const QColor &color);
QJsonObject arcToJson(double startAngle, double angleLength, double radius, double width,
                      const QColor &color);
void layerFromJson(gaugeData &layer, const QJsonObject &object);

// True when the layer serialises exactly like a freshly made default layer.
bool isDefaultLayer(const gaugeData &layer);
