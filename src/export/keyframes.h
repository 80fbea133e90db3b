#pragma once

#include "model/namedlayer.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>

class QIODevice;

// Most records one keyframe file may hold, over all layers (about 100 MB of
// text). A form-made gauge has at most 101 primary ticks per layer; a file
// may ask for 2^31 - 1, which would be a CSV of hundreds of gigabytes, so
// such a gauge is refused rather than written.
constexpr qint64 keyframeRecordLimit = 4'000'000;

// Most bytes a keyframe file may have. Layer names are free text, and a
// long name repeated on every record would make a file of gigabytes out of
// a small gauge file.
constexpr qint64 keyframeByteLimit = 256'000'000;

// The number of primary ticks of the layer, which is the number of records
// it contributes to the keyframe CSV: 0 without divisions, N for a full
// circle (the first tick is not repeated at the end), N + 1 otherwise.
qint64 keyframeCount(const gaugeData &layer);

// (tick value, gauge angle) of each primary tick of the layer, in tick
// order, where the painter draws it. The value is the tick-count value, or
// on a layer with a value scale the tick's value on the scale, so that an
// animator keys the needle by value. Holds at
// most keyframeRecordLimit pairs; callers check keyframeCount first.
QList<QPair<double, double>> keyframeAngles(const gaugeData &layer);

// Fixed-point with up to ten decimals, trailing zeros and a bare point
// removed: never exponent notation, never a thousands separator.
QString formatKeyframeNumber(double x);

// The layer name as a CSV field: quoted, with inner quotes doubled, when it
// holds a comma, a double quote, a line feed or a carriage return.
QString keyframeNameField(const QString &name);

// Writes the whole keyframe file for the gauge in UTF-8 to `device`: the
// header "Layer,Tick,Angle" and one record per primary tick per layer, every
// record ended by a single carriage return. Returns false with a one-line
// reason in `error` (when given) if the gauge has more than
// keyframeRecordLimit primary ticks (then nothing is written), if the file
// would be larger than keyframeByteLimit (checked while writing, so part of
// it may have reached the device), if the device fails or `cancel` is set.
// Tests and the fuzzer lower `byteLimit` to reach it quickly.
[[nodiscard]] bool writeKeyframeCsv(const QList<namedLayer> &layers, QIODevice *device,
                                    QString *error = nullptr,
                                    const std::atomic_bool *cancel = nullptr,
                                    qint64 byteLimit = keyframeByteLimit);

// The same file as bytes; `csv` is untouched on failure.
[[nodiscard]] bool keyframeCsv(const QList<namedLayer> &layers, QByteArray *csv,
                               QString *error = nullptr);
