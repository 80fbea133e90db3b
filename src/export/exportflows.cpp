#include "app/window.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "gaugefile/savefile.h"
#include "render/renderarea.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// Asks for the file to write; an empty result means the user cancelled.
QString askExportPath(Window *window, const QString &caption, const QString &filter,
                      const QString &suffix)
{
    QFileDialog dialog(window, caption, QString(), filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(window->applicationDirectory);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

void reportSaveFailure(Window *window, const QString &path, const QString &reason)
{
    QMessageBox::warning(window, Window::tr("Unable to save file"),
                         Window::tr("%1 could not be saved.\n\n%2")
                             .arg(QFileInfo(path).fileName(), reason),
                         QMessageBox::Ok);
}

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
    const QString path = askExportPath(this, tr("Save SVG"), tr("SVG file (*.svg)"),
                                       QStringLiteral("svg"));
    if (path.isEmpty())
        return;
    writeExport(this, path, gaugeSvg(renderArea->layers, pngSizeSpinBox->value()));
}

void Window::savePNG()
{
    const QString path = askExportPath(this, tr("Save PNG"), tr("PNG file (*.png)"),
                                       QStringLiteral("png"));
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
    const QString path = askExportPath(this, tr("Save Keyframes CSV"), tr("CSV file (*.csv)"),
                                       QStringLiteral("csv"));
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
