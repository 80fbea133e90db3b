#include "app/window.h"

#include "export/exportprogress.h"
#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/safewrite.h"
#include "render/gaugepainter.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// The bytes are complete before the file is touched, and QSaveFile replaces
// an existing file only once they are all on disk.
void writeExport(Window *window, const QString &path, const QByteArray &bytes)
{
    QString error;
    if (!writeFileSafely(path, bytes, &error))
        reportSaveFailure(window, path, error);
}

// Writes one image file while `control` allows; returns false with a
// reason when it fails or was cancelled.
using ImageWriter = std::function<bool(const GaugePaintControl &control, QString *error)>;

// Bytes made while `control` allows, written whole once they are complete
// and not at all after a cancellation.
bool writeUnlessCancelled(const GaugePaintControl &control, const QString &path,
                          const QByteArray &bytes, QString *error)
{
    if (control.cancelled && control.cancelled())
        return false;
    return writeFileSafely(path, bytes, error);
}

// Draws, encodes and writes an image export on a worker thread while the
// window keeps going, with a progress dialog once it takes a while. The
// export works on the layers as they were when it started; a cancelled
// export leaves the file as it was.
void exportInBackground(Window *window, const QString &path, const QList<gaugeData> &layers,
                        const ImageWriter &write)
{
    QScopedValueRollback<bool> running(window->exportRunning, true);
    ExportProgress progress;
    for (const gaugeData &layer : layers)
        progress.total =
            std::min(progress.total + gaugeLayerTickLines(layer), GaugePaintLimits().tickLines);
    GaugePaintControl control;
    control.cancelled = [&progress] {
        return progress.cancelled.load();
    };
    control.ticksDone = &progress.done;
    QString error;
    const bool written = runExport(
        window, Window::tr("Saving %1…").arg(QFileInfo(path).fileName()),
        window->exportProgressDelay, progress,
        [&](QString *reason) { return write(control, reason); }, &error);
    if (!written && !progress.cancelled)
        reportSaveFailure(window, path, error);
}

} // namespace

void Window::saveSVG()
{
    if (exportRunning)
        return;
    const QString path = askSavePath(this, tr("Save SVG"), tr("SVG file (*.svg)"),
                                     QStringLiteral("svg"), applicationDirectory);
    if (path.isEmpty())
        return;
    const int size = pngSizeSpinBox->value();
    const QList<gaugeData> layers = renderArea->layers;
    exportInBackground(this, path, layers, [&](const GaugePaintControl &control, QString *error) {
        return writeUnlessCancelled(control, path, gaugeSvg(layers, size, control), error);
    });
}

void Window::savePNG()
{
    if (exportRunning)
        return;
    const QString path = askSavePath(this, tr("Save PNG"), tr("PNG file (*.png)"),
                                     QStringLiteral("png"), applicationDirectory);
    if (path.isEmpty())
        return;
    const int size = pngSizeSpinBox->value();
    const QList<gaugeData> layers = renderArea->layers;
    exportInBackground(this, path, layers, [&](const GaugePaintControl &control, QString *error) {
        QByteArray png;
        return gaugePng(layers, size, &png, error, control)
            && writeUnlessCancelled(control, path, png, error);
    });
}

void Window::saveKeyframes()
{
    const QString path = askSavePath(this, tr("Save Keyframes CSV"), tr("CSV file (*.csv)"),
                                     QStringLiteral("csv"), applicationDirectory);
    if (path.isEmpty())
        return;
    QByteArray csv;
    QString error;
    if (!keyframeCsv(collectLayers(), &csv, &error)) {
        reportSaveFailure(this, path, error);
        return;
    }
    writeExport(this, path, csv);
}
