#pragma once

#include "model/gaugedata.h"
#include "gaugefile/jsonfields.h"
#include "model/namedlayer.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <atomic>

class QIODevice;

// Most layers a gauge document holds, read or written: far more than any
// real gauge has, few enough that every layer of a file can be held, drawn
// and listed at once.
constexpr qsizetype gaugeLayerLimit = 10'000;

// Most bytes a written gauge document may have. The layers' names and label
// font families are free text; without a bound, long ones on many layers
// would fill the disk.
constexpr qint64 gaugeDocumentByteLimit = 256'000'000;

// Writes the UTF-8 gauge document for the list, in list order, to `device`
// one layer at a time. Returns false with a one-line reason in `error`
// (when given) if the list has more than gaugeLayerLimit layers, if the
// document would be larger than gaugeDocumentByteLimit (checked while
// writing, so part of it may have reached the device), if the device fails,
// or if `cancel` is set.
[[nodiscard]] bool writeGaugeDocument(const QList<namedLayer> &layers, QIODevice *device,
                                      QString *error = nullptr,
                                      const std::atomic_bool *cancel = nullptr);

// The same document as bytes; empty when the list is over either limit.
QByteArray writeGaugeDocument(const QList<namedLayer> &layers);

// Reads a gauge document, or a file of an earlier version, into `layers`.
// Returns false with `layers` empty and a one-line reason in `error` (when
// given) if the bytes are not a gauge file or hold more than gaugeLayerLimit
// layers; on success `error` is untouched.
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
