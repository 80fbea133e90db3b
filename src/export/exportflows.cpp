#include "app/window.h"

#include "export/exportprogress.h"
#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"
#include "render/gaugepainter.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// Writes one image file while the export is not cancelled; returns false
// with a reason when it fails or was cancelled.
using ImageWriter = std::function<bool(ExportProgress &progress, QString *error)>;

// Draws, encodes and writes an image export on a worker thread while the
// window keeps going, with a progress dialog once it takes a while. The
// export works on the layers as they were when it started; a cancelled
// export leaves the file as it was.
void exportInBackground(Window *window, const QString &path, const QList<gaugeData> &layers,
                        const ImageWriter &write)
{
    QScopedValueRollback<bool> running(window->exportRunning, true);
    ExportProgress progress;
    progress.total = gaugeTickLines(layers);
    QString error;
    const bool written = runExport(
        window, Window::tr("Saving %1…").arg(QFileInfo(path).fileName()),
        window->exportProgressDelay, progress,
        [&](QString *reason) { return write(progress, reason); }, &error);
    if (!written && !progress.cancelled)
        reportSaveFailure(window, path, error);
}

// The painter's view of an export's progress: cancelled from the dialog,
// counting ticks for it.
GaugePaintControl paintControl(ExportProgress &progress)
{
    GaugePaintControl control;
    control.cancelled = [&progress] { return progress.cancelled.load(); };
    control.ticksDone = &progress.done;
    return control;
}

} // namespace

void Window::saveSVG()
{
    if (exportRunning)
        return;
    const QString path = askSavePath(this, tr("Save SVG"), tr("SVG file (*.svg)"),
                                     QStringLiteral("svg"), fileDialogFolder());
    if (path.isEmpty())
        return;
    const int size = pngSizeSpinBox->value();
    const QList<gaugeData> layers = renderArea->layers;
    // Drawn straight into the output, which is replaced only once the
    // picture is complete, within its size limit and not cancelled.
    exportInBackground(this, path, layers, [&](ExportProgress &progress, QString *error) {
        SvgExportOptions options;
        options.cancel = &progress.cancelled;
        options.ticksDone = &progress.done;
        return writeGaugeSvg(layers, size, path, error, options);
    });
}

void Window::savePNG()
{
    if (exportRunning)
        return;
    const QString path = askSavePath(this, tr("Save PNG"), tr("PNG file (*.png)"),
                                     QStringLiteral("png"), fileDialogFolder());
    if (path.isEmpty())
        return;
    const int size = pngSizeSpinBox->value();
    const QList<gaugeData> layers = renderArea->layers;
    exportInBackground(this, path, layers, [&](ExportProgress &progress, QString *error) {
        QByteArray png;
        if (!gaugePng(layers, size, &png, error, paintControl(progress)))
            return false;
        // Nothing is written once the user has cancelled, however late.
        return !progress.cancelled && writeFileSafely(path, png, error);
    });
}

void Window::saveKeyframes()
{
    const QString path = askSavePath(this, tr("Save Keyframes CSV"), tr("CSV file (*.csv)"),
                                     QStringLiteral("csv"), fileDialogFolder());
    if (path.isEmpty())
        return;
    const QList<namedLayer> layers = collectLayers();
    QString error;
    const bool written = writeOutputFile(
        path,
        [&layers](QIODevice *device, QString *reason) {
            return writeKeyframeCsv(layers, device, reason);
        },
        &error);
    if (!written)
        reportSaveFailure(this, path, error);
}
