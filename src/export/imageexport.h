#pragma once

#include "model/gaugedata.h"
#include "render/gaugepainter.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Edge lengths, in pixels, that the SVG and PNG exports accept.
constexpr int exportSizeMin = 64;
constexpr int exportSizeMax = 4096;

// The SVG file of the gauge on a square of edge `size`: size and view box
// size x size, 96 dpi, with the program's title and description. Drawn by
// the same painter as the preview. A drawing that `control` cancels ends
// early, and its file is then incomplete.
QByteArray gaugeSvg(const QList<gaugeData> &layers, int size,
                    const GaugePaintControl &control = GaugePaintControl());

// The gauge on a size x size ARGB32 (straight alpha) image that starts fully
// transparent. Returns a null image for a size outside the export range.
QImage gaugeImage(const QList<gaugeData> &layers, int size);

// The same picture with premultiplied alpha, as it is drawn (on all cores
// for a large or dense gauge). Returns a null image for a size outside the
// export range, without the memory for it, or when `control` cancelled it.
QImage gaugeImagePremultiplied(const QList<gaugeData> &layers, int size,
                               const GaugePaintControl &control = GaugePaintControl());

// gaugeImage encoded as PNG: the same pixels, with a resolution of 96 dpi.
// Returns false with a one-line reason in `error` (when given) if the size
// is out of range, memory runs out or `control` cancelled it.
[[nodiscard]] bool gaugePng(const QList<gaugeData> &layers, int size, QByteArray *png,
                            QString *error = nullptr,
                            const GaugePaintControl &control = GaugePaintControl());
