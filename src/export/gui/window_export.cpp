#include "app/window_p.h"

#include "export/gui/exportrunner.h"
#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"
#include "model/gaugedocument.h"
#include "render/gaugepainter.h"
#include "ui/savefiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

// The image exports draw, encode and write on a worker thread while the
// window goes on, with a progress dialog once they take a while. An export
// works on the layers as they were when it started; a cancelled export
// leaves the file as it was.

void Window::saveSVG()
{
    if (d->exports->isRunning())
        return;
    const QString path = askSavePath(this, tr("Save SVG"), tr("SVG file (*.svg)"),
                                     QStringLiteral("svg"), fileDialogFolder());
    if (path.isEmpty())
        return;
    const int size = d->form.pngSizeSpinBox->value();
    const needleDrawing needles = exportedNeedles();
    const QList<gaugeData> layers = d->document->layerData();
    // Drawn straight into the output, which is replaced only once the
    // picture is complete, within its size limit and not cancelled.
    exportToFile(path, gaugeTickLines(layers), [layers, size, needles, path](
                                                   ExportProgress &progress, QString *error) {
        SvgExportOptions options;
        options.needles = needles;
        options.cancel = &progress.cancelled;
        options.ticksDone = &progress.done;
        return writeGaugeSvg(layers, size, path, error, options);
    });
}

void Window::savePNG()
{
    if (d->exports->isRunning())
        return;
    const QString path = askSavePath(this, tr("Save PNG"), tr("PNG file (*.png)"),
                                     QStringLiteral("png"), fileDialogFolder());
    if (path.isEmpty())
        return;
    const int size = d->form.pngSizeSpinBox->value();
    const needleDrawing needles = exportedNeedles();
    const QList<gaugeData> layers = d->document->layerData();
    exportToFile(path, gaugeTickLines(layers), [layers, size, needles, path](
                                                   ExportProgress &progress, QString *error) {
        GaugePaintControl control = paintControl(progress);
        control.needles = needles;
        QByteArray png;
        if (!gaugePng(layers, size, &png, error, control))
            return false;
        // Nothing is written once the user has cancelled, however late.
        return !progress.cancelled && writeFileSafely(path, png, error);
    });
}

void Window::exportToFile(const QString &path, qint64 total,
                          const std::function<bool(ExportProgress &, QString *)> &work)
{
    d->exports->start(tr("Saving %1…").arg(QFileInfo(path).fileName()), total, work,
                      [this, path](bool written, bool cancelled, const QString &error) {
                          if (written)
                              showWritten(path);
                          else if (!cancelled)
                              reportSaveFailure(this, path, error);
                      });
}

void Window::showWritten(const QString &path)
{
    const QFileInfo written(path);
    d->statusBar->showMessage(tr("Exported %1 (%2)")
                                  .arg(QDir::toNativeSeparators(written.absoluteFilePath()),
                                       locale().formattedDataSize(written.size())));
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
    if (written)
        showWritten(path);
    else
        reportSaveFailure(this, path, error);
}
