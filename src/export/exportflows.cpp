#include "app/window.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "fileio/safewrite.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"

namespace {

// The bytes are complete before the file is touched, and QSaveFile replaces
// an existing file only once they are all on disk.
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
    writeExport(this, path, gaugeSvg(renderArea->layers, pngSizeSpinBox->value()));
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
    QByteArray csv;
    QString error;
    if (!keyframeCsv(collectLayers(), &csv, &error)) {
        reportSaveFailure(this, path, error);
        return;
    }
    writeExport(this, path, csv);
}
