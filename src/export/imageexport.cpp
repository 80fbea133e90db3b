#include "export/imageexport.h"

#include "export/svgstream.h"
#include "fileio/boundedoutput.h"
#include "fileio/safewrite.h"
#include "export/pngwriter.h"
#include "render/bandpainter.h"
#include "render/gaugepainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

bool isExportSize(int size)
{
    return size >= exportSizeMin && size <= exportSizeMax;
}

QString sizeOutOfRange()
{
    return QCoreApplication::translate("Export", "The size must be from %1 to %2 pixels.")
        .arg(exportSizeMin)
        .arg(exportSizeMax);
}

// 96 dots per inch, the resolution of the SVG, in the unit of QImage.
constexpr int dotsPerMeterAt96Dpi = 3780;

} // namespace

// The labels' glyphs would otherwise follow the desktop's font settings
// (hinting from the X resources, none at all on a scaled screen), and the
// same gauge must give the same picture from the window and from the
// command line on any machine.
QList<gaugeData> withUnhintedLabels(QList<gaugeData> layers)
{
    for (gaugeData &layer : layers)
        layer.tickCountFont.setHintingPreference(QFont::PreferNoHinting);
    return layers;
}

bool writeGaugeSvg(const QList<gaugeData> &layers, int size, QIODevice *device, QString *error,
                   const SvgExportOptions &options)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!isExportSize(size))
        return fail(sizeOutOfRange());
    const bool trueSize = options.diameterMm > 0.0;
    QString reason;
    if (trueSize
        && (!PhysicalSize::checkDiameter(options.diameterMm, &reason)
            || !PhysicalSize::checkHairline(options.hairlineMm, &reason)))
        return fail(reason);

    BoundedOutput output(device, options.byteLimit,
                         QCoreApplication::translate("Export", "The SVG would be larger than %1 MB.")
                             .arg(megabytes(options.byteLimit)),
                         options.cancel);
    SvgStream::Settings settings;
    settings.size = QSize(size, size);
    settings.viewBox = QRectF(0, 0, size, size);
    settings.resolution = 96;
    if (trueSize) {
        const double edge = PhysicalSize::drawingEdgeMm(options.diameterMm);
        settings.sizeMm = QSizeF(edge, edge);
    }
    settings.title = QCoreApplication::translate("Export", "Dialwright 2 Gauge");
    settings.description =
        QCoreApplication::translate("Export", "A gauge generated in Dialwright 2Saved to SVG.");
    SvgStream svg(&output, settings);

    QPainter painter;
    if (!painter.begin(&svg))
        return fail(QCoreApplication::translate("Export", "The SVG could not be started."));
    GaugePaintControl control;
    control.cancelled = [&output, &svg] { return output.stopped() || svg.failed(); };
    control.ticksDone = options.ticksDone;
    control.needles = options.needles;
    paintGaugeLayers(&painter, size,
                     trueSize
                         ? PhysicalSize::physicalLayers(layers, options.diameterMm,
                                                        options.hairlineMm, settings.resolution)
                         : layers,
                     options.paint, control);
    const bool ended = painter.end();
    if (!ended || svg.failed() || output.stopped())
        return fail(output.errorString());
    return true;
}

bool writeGaugeSvg(const QList<gaugeData> &layers, int size, const QString &path, QString *error,
                   const SvgExportOptions &options)
{
    if (!isExportSize(size)) {
        if (error)
            *error = sizeOutOfRange();
        return false;
    }
    return writeOutputFile(
        path,
        [&](QIODevice *device, QString *reason) {
            return writeGaugeSvg(layers, size, device, reason, options);
        },
        error);
}

QByteArray gaugeSvg(const QList<gaugeData> &layers, int size)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    if (!writeGaugeSvg(layers, size, &buffer))
        return QByteArray();
    buffer.close();
    return svg;
}

QImage gaugeImagePremultiplied(const QList<gaugeData> &layers, int size,
                               const GaugePaintControl &control)
{
    if (!isExportSize(size))
        return QImage();
    // Drawn premultiplied, as the preview is. Lines and arcs come out the
    // same as on a straight-alpha image, labels come out as in the preview
    // (the raster engine renders glyphs onto straight-alpha images another
    // way), and dense gauges draw many times faster: the engine blends
    // hairlines onto premultiplied pixels directly instead of converting
    // every span.
    QImage image = blankImage(size, size);
    if (image.isNull())
        return image;
    // Label point sizes are resolved at this resolution, not the screen's.
    image.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    const QList<gaugeData> drawn = withUnhintedLabels(layers);
    const bool finished =
        paintInBands(&image, bandsFor(qint64(size) * size, gaugeTickLines(drawn)),
                     [&drawn, size, &control](QPainter *painter, const QRect &keptPixels) {
                         GaugePaintControl band = control;
                         band.keptPixels = keptPixels;
                         // Progress is counted once, by the band that keeps the top rows.
                         if (keptPixels.top() > 0)
                             band.ticksDone = nullptr;
                         return paintGaugeLayers(painter, size, drawn, GaugePaintLimits(), band);
                     });
    return finished ? image : QImage();
}

QImage gaugeImage(const QList<gaugeData> &layers, int size)
{
    QImage image = gaugeImagePremultiplied(layers, size);
    if (!image.isNull())
        image.convertTo(QImage::Format_ARGB32);
    return image;
}

bool gaugePng(const QList<gaugeData> &layers, int size, QByteArray *png, QString *error,
              const GaugePaintControl &control)
{
    if (!isExportSize(size)) {
        if (error)
            *error = sizeOutOfRange();
        return false;
    }
    const QImage image = gaugeImagePremultiplied(layers, size, control);
    if (image.isNull()) {
        if (error) {
            *error = control.cancelled && control.cancelled()
                ? QCoreApplication::translate("Export", "Cancelled.")
                : QCoreApplication::translate("Export", "Out of memory.");
        }
        return false;
    }
    return encodePng(image, png, error, control.cancelled);
}
