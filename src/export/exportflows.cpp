#include "app/window.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/safewrite.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"

namespace {

// The bytes are complete before the file is touched, and an existing file is
// replaced only once they are all on disk.
void writeExport(Window *window, const QString &path, const QByteArray &bytes)
{
    QString error;
    if (!writeFileSafely(path, bytes, &error))
        reportSaveFailure(window, path, error);
}

} // namespace

void Window::saveSVG()
{
    const QString path = askSavePath(this, tr("Save SVG"), tr("SVG file (*.svg)"),
                                     QStringLiteral("svg"), fileDialogFolder());
    if (path.isEmpty())
        return;
    // Drawn straight into the output, which is replaced only once the
    // picture is complete and within its size limit.
    QString error;
    if (!writeGaugeSvg(renderArea->layers, pngSizeSpinBox->value(), path, &error))
        reportSaveFailure(this, path, error);
}

void Window::savePNG()
{
    const QString path = askSavePath(this, tr("Save PNG"), tr("PNG file (*.png)"),
                                     QStringLiteral("png"), fileDialogFolder());
    if (path.isEmpty())
        return;
    QByteArray png;
    QString error;
    if (!gaugePng(renderArea->layers, pngSizeSpinBox->value(), &png, &error)) {
        reportSaveFailure(this, path, error);
        return;
    }
    writeExport(this, path, png);
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
