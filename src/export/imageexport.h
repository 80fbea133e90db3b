#pragma once

#include "model/gaugedata.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Edge lengths, in pixels, that the SVG and PNG exports accept.
constexpr int exportSizeMin = 64;
constexpr int exportSizeMax = 4096;

// The SVG file of the gauge on a square of edge `size`: size and view box
// size x size, 96 dpi, with the program's title and description. Drawn by
// the same painter as the preview.
QByteArray gaugeSvg(const QList<gaugeData> &layers, int size);

// The gauge on a size x size ARGB32 (straight alpha) image that starts fully
// transparent. Returns a null image for a size outside the export range.
QImage gaugeImage(const QList<gaugeData> &layers, int size);

// gaugeImage encoded as PNG. Returns false with a one-line reason in `error`
// (when given) if the size is out of range or the encoder fails.
[[nodiscard]] bool gaugePng(const QList<gaugeData> &layers, int size, QByteArray *png,
              QString *error = nullptr);
