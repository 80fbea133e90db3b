#pragma once

#include "model/namedlayer.h"

#include <QList>
#include <QString>

// Gauge files are a few kilobytes per layer; anything larger than this is
// refused before it is read. Only regular files are read: a pipe or a device
// is refused as "cannot open".
constexpr qint64 maximumGaugeFileSize = 64 * 1024 * 1024;

enum class gaugeFileStatus {
    Loaded,     // `layers` holds the file's layers
    CannotOpen, // the file could not be opened or read; `error` is the system's text
    Rejected,   // the content is not a usable gauge file; `error` is the reason
};

// Reads the gauge file at `path` into `layers`, as the program loads gauge
// files and presets. On any status but Loaded `layers` is empty and `error`
// (when given) holds a one-line text: the system's error for CannotOpen
// (shown as "Unable to open file"), the reason for Rejected (shown as
// "Unable to load gauge"). On success `error` is untouched.
[[nodiscard]] gaugeFileStatus readGaugeFile(const QString &path, QList<namedLayer> &layers,
                              QString *error = nullptr);

// Writes the layers as a gauge document to the file at `path`, whole or not
// at all (see OutputFile). Returns false with a one-line reason in `error`
// (when given) if the document cannot be made within its limits or the file
// cannot be written; an existing file then keeps its content.
[[nodiscard]] bool writeGaugeFile(const QString &path, const QList<namedLayer> &layers,
                                  QString *error = nullptr);
