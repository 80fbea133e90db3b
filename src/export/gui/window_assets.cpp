#include "app/window_p.h"

#include "export/assetset.h"
#include "export/gui/exportrunner.h"
#include "export/gui/targetdialog.h"
#include "gaugefile/editorsettings.h"
#include "model/gaugedocument.h"
#include "render/gaugepainter.h"
#include "ui/savefiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStatusBar>

// The outputs that are folders of files. Like the image exports they are
// drawn and written on a worker thread; every file is made before the first
// one is put in place, so a failed or cancelled export leaves the folder as
// it was.

QString Window::askFolder(const QString &caption)
{
    QFileDialog dialog(this, caption, fileDialogFolder());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return QString();
    // The folder is where the next file dialog starts.
    rememberFolderOf(QDir(chosen.constFirst()).filePath(QStringLiteral("gauge.json")));
    return chosen.constFirst();
}

void Window::exportToFolder(const QString &folder,
                            const std::function<bool(ExportProgress &, QString *)> &work)
{
    const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
    d->exports->start(tr("Writing into %1…").arg(shown), gaugeTickLines(d->document->layerData()),
                      work, [this, folder, shown](bool written, bool cancelled, const QString &error) {
                          if (written)
                              d->statusBar->showMessage(tr("Exported into %1").arg(shown));
                          else if (!cancelled)
                              reportSaveFailure(this, folder, error);
                      });
}

void Window::exportAssets()
{
    if (d->exports->isRunning())
        return;
    const QString folder = askFolder(tr("Export Assets"));
    if (folder.isEmpty())
        return;
    const int size = d->form.pngSizeSpinBox->value();
    const QList<namedLayer> layers = collectLayers();
    exportToFolder(folder, [layers, size, folder](ExportProgress &progress, QString *error) {
        const GaugePaintControl control = paintControl(progress);
        AssetSet set;
        QList<AssetFile> files;
        return makeAssetSet(layers, size, &set, error, control)
            && assetSetFiles(set, &files, error, control.cancelled)
            // Nothing is written once the user has cancelled, however late.
            && !progress.cancelled && writeAssetFolder(files, folder, error);
    });
}

void Window::exportForTarget()
{
    if (d->exports->isRunning())
        return;
    TargetDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TargetOptions options = dialog.options();
    options.baseName = targetBaseName(d->document->filePath());
    const QString folder = askFolder(tr("Export For %1").arg(targetName(options.kind)));
    if (folder.isEmpty())
        return;
    const int size = d->form.pngSizeSpinBox->value();
    const QList<namedLayer> layers = collectLayers();
    exportToFolder(folder, [layers, size, folder, options](ExportProgress &progress,
                                                          QString *error) {
        const GaugePaintControl control = paintControl(progress);
        AssetSet set;
        QList<AssetFile> files;
        return makeAssetSet(layers, size, &set, error, control)
            && targetFiles(set, options, &files, error) && !progress.cancelled
            && writeAssetFolder(files, folder, error);
    });
}
