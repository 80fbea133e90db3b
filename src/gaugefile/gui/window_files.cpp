#include "app/window_p.h"

#include "fileio/safewrite.h"
#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "model/gaugedocument.h"
#include "ui/savefiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

// The form's Save button saves the whole gauge to a file it always asks for,
// as Save As does; the gauge then belongs to that file.
void Window::saveGauge()
{
    saveDocumentAs();
}

void Window::saveLayer()
{
    const int row = d->document->currentRow();
    if (row < 0)
        return;
    // A preset is an ordinary gauge file holding one layer. It starts in the
    // user's own presets, since the shipped ones are usually read-only.
    const QString folder = userPresetsFolder();
    const QString start = !folder.isEmpty() && QDir().mkpath(folder) ? folder : fileDialogFolder();
    saveGaugeFile({d->document->layers().at(row)}, tr("Save Layer As Preset"), start);
}

QString Window::saveGaugeFile(const QList<namedLayer> &layers, const QString &caption,
                              const QString &startFolder)
{
    if (layers.isEmpty())
        return QString();

    const QString path = askSavePath(this, caption, tr("Gauge file (*.gauge)"),
                                     QStringLiteral("gauge"), startFolder);
    if (path.isEmpty())
        return QString();

    // Written through a temporary file, so a failing disk leaves the
    // previous file as it was.
    QString error;
    if (!writeGaugeFile(path, layers, &error)) {
        reportSaveFailure(this, path, error);
        return QString();
    }
    // The file may have gone into a presets folder.
    getPresetsFromFolder();
    return path;
}

void Window::loadGauge()
{
    const QString path = askOpenPath(this, tr("Load Gauge"), tr("Gauge files (*.gauge)"),
                                     fileDialogFolder());
    if (path.isEmpty())
        return;
    loadGaugeFile(path);
}

bool Window::loadGaugeFile(const QString &path)
{
    QList<namedLayer> loaded;
    if (!readUsableGaugeFile(path, loaded))
        return false;
    // The merge, with the user's answer to its question, is one step.
    const GaugeDocument::Step step(d->document, tr("Load Gauge"));
    return mergeLoadedLayers(loaded, QFileInfo(path).completeBaseName());
}

bool Window::readUsableGaugeFile(const QString &path, QList<namedLayer> &layers, bool namePath)
{
    QString error;
    const gaugeFileStatus status = readGaugeFile(path, layers, &error);
    if (status == gaugeFileStatus::Loaded)
        return true;
    if (status == gaugeFileStatus::CannotOpen) {
        QMessageBox::information(this, tr("Unable to open file"),
                                 namePath ? tr("%1 could not be opened.\n\n%2")
                                                .arg(QDir::toNativeSeparators(path), error)
                                          : error);
    } else {
        QMessageBox::warning(this, tr("Unable to load gauge"),
                             tr("%1 could not be read.\n\n%2").arg(QFileInfo(path).fileName(), error));
    }
    return false;
}

bool Window::mergeLoadedLayers(const QList<namedLayer> &loaded, const QString &fallbackName)
{
    if (loaded.isEmpty())
        return false;
    GaugeDocument *document = d->document;

    // An untouched layer is simply replaced; anything else is the user's
    // work, so ask first.
    bool overwrite = true;
    if (!isDefaultLayer(document->currentLayer())) {
        QMessageBox question(this);
        question.setWindowTitle(tr("Load Gauge"));
        question.setIcon(QMessageBox::Question);
        question.setText(tr("The current layer has been modified."));
        question.setInformativeText(
            tr("Add the loaded gauge as new layers, or overwrite the current layer with it?"));
        QPushButton *add = question.addButton(tr("Add As New Layers"), QMessageBox::AcceptRole);
        QPushButton *replace =
            question.addButton(tr("Overwrite Current Layer"), QMessageBox::DestructiveRole);
        question.addButton(QMessageBox::Cancel);
        question.setDefaultButton(add);
        question.exec();
        if (question.clickedButton() == replace)
            overwrite = true;
        else if (question.clickedButton() == add)
            overwrite = false;
        else
            return false;
    }

    const GaugeDocument::Step step(document, tr("Load Gauge"));
    int target = -1;
    qsizetype first = 0;
    if (overwrite && document->currentRow() >= 0) {
        target = document->currentRow();
        document->setLayer(target, loaded.first().data, QString());
        document->renameLayer(target, overwritingLayerName(loaded.first().name, fallbackName),
                              QString());
        first = 1;
    }
    for (qsizetype i = first; i < loaded.size(); ++i) {
        const QString name = addedLayerName(loaded.at(i).name, loaded.size(),
                                            document->layerCount(), fallbackName);
        document->insertLayer(document->layerCount(), namedLayer{name, loaded.at(i).data},
                              QString());
        if (target < 0)
            target = int(document->layerCount()) - 1;
    }
    document->setCurrentRow(target);
    return true;
}
