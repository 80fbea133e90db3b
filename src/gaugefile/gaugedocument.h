#pragma once

#include "model/gaugedata.h"
#include "model/namedlayer.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QString>

// The UTF-8 bytes of the gauge document for the list, in list order.
QByteArray writeGaugeDocument(const QList<namedLayer> &layers);

// Reads a gauge document, or a file of an earlier version, into `layers`.
// Returns false with `layers` empty and a one-line reason in `error` (when
// given) if the bytes are not a gauge file; on success `error` is untouched.
[[nodiscard]] bool readGaugeDocument(const QByteArray &bytes, QList<namedLayer> &layers,
                                     QString *error = nullptr);

// The layer object of a gauge document, without its "name".
QJsonObject layerToJson(const gaugeData &layer);
QJsonObject divisionToJson(int count, double innerRadius, double outerRadius, double width,
                           const QColor &color);
QJsonObject arcToJson(double startAngle, double angleLength, double radius, double width,
                      const QColor &color);

// Overlays the keys present in a layer object onto `layer`. Absent or
// ill-typed keys leave their field as it was; nothing is clamped.
void layerFromJson(gaugeData &layer, const QJsonObject &object);

// True when the layer serialises exactly like a freshly made default layer.
bool isDefaultLayer(const gaugeData &layer);

// Lenient readers of one key: each returns `fallback` when the key is absent
// or its value is not of the expected JSON type.
double jsonDouble(const QJsonObject &object, const QString &key, double fallback);
// Only a number with an integral value that fits a signed 32-bit integer.
int jsonInt(const QJsonObject &object, const QString &key, int fallback);
// Only JSON true and false; numbers and strings are not booleans.
bool jsonBool(const QJsonObject &object, const QString &key, bool fallback);
// Always reads the key "color": any text QColor::fromString accepts.
QColor jsonColor(const QJsonObject &object, const QColor &fallback);
