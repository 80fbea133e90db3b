#pragma once

#include "model/gaugedata.h"
#include "render/gaugepainter.h"
#include "render/physicalsize.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <atomic>

class QIODevice;

// Edge lengths, in pixels, that the SVG and PNG exports accept.
constexpr int exportSizeMin = 64;
constexpr int exportSizeMax = 4096;

// Most bytes an SVG export may have. The densest gauge the form can make
// gives about 100 MB; a file's gauge can ask for far more (a label font
// family of a megabyte is written with every label and every pen).
constexpr qint64 svgByteLimit = 256'000'000;

// The bounds of one SVG export; the defaults are the program's own. Tests
// and the fuzzer lower them to reach the limits quickly.
struct SvgExportOptions
{
    GaugePaintLimits paint;
    qint64 byteLimit = svgByteLimit;
    // When set (from any thread), the export stops soon and fails.
    const std::atomic_bool *cancel = nullptr;
    // When given, counts the tick lines done, for a progress bar.
    std::atomic<qint64> *ticksDone = nullptr;
    // Above 0: a drawing of a true size. The dial (radius fraction 1.0)
    // measures this many millimetres, the width and height are given in
    // millimetres around the same view box, and hairlines are `hairlineMm`
    // wide.
    double diameterMm = 0.0;
    double hairlineMm = PhysicalSize::defaultHairlineMm;
    // The face with its needles, without them, or the needles alone.
    needleDrawing needles = needleDrawing::with;
};

// Writes the SVG file of the gauge on a square of edge `size` to `device`
// while it is drawn: size and view box size x size, 96 dpi, with the
// program's title and description, drawn by the same painter as the
// preview. Every text in it is escaped XML. Returns false with a one-line
// reason in `error` (when given) if the size, or the diameter or hairline
// width of a drawing of a true size, is out of range, the SVG would
// be larger than the byte limit (checked while writing, so part of it may
// have reached the device), the device fails or the export is cancelled.
// Needs no GUI thread: a worker thread may call it.
[[nodiscard]] bool writeGaugeSvg(const QList<gaugeData> &layers, int size, QIODevice *device,
                                 QString *error = nullptr,
                                 const SvgExportOptions &options = SvgExportOptions());

// The same into the file at `path`, whole or not at all (see OutputFile):
// on failure an existing file keeps its content.
[[nodiscard]] bool writeGaugeSvg(const QList<gaugeData> &layers, int size, const QString &path,
                                 QString *error = nullptr,
                                 const SvgExportOptions &options = SvgExportOptions());

// The SVG as bytes; empty when writeGaugeSvg fails.
QByteArray gaugeSvg(const QList<gaugeData> &layers, int size);

// The layers as the image exports draw them: their labels unhinted, so that
// the same gauge gives the same pixels on any machine. A view that shows
// the pixels of an export draws these.
QList<gaugeData> withUnhintedLabels(QList<gaugeData> layers);

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
