#include "app/window.h"

#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "fileio/safewrite.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

void Window::saveGauge()
{
    saveGaugeFile(collectLayers(), tr("Save Gauge"), applicationDirectory);
}

void Window::saveLayer()
{
    const QList<namedLayer> gauge = collectLayers();
    const int row = layerList->currentRow();
    if (row < 0 || row >= gauge.size())
        return;
    // A preset is an ordinary gauge file holding one layer.
    saveGaugeFile({gauge.at(row)}, tr("Save Layer As Preset"), presetsFolder());
}

void Window::saveGaugeFile(const QList<namedLayer> &layers, const QString &caption,
                           const QString &startFolder)
{
    if (layers.isEmpty())
        return;

    const QString path = askSavePath(this, caption, tr("Gauge file (*.gauge)"),
                                     QStringLiteral("gauge"), startFolder);
    if (path.isEmpty())
        return;

    // Written through a temporary file, so a failing disk leaves the
    // previous file as it was.
    QString error;
    if (!writeGaugeFile(path, layers, &error)) {
        reportSaveFailure(this, path, error);
        return;
    }
    // The file may have gone into the Presets folder.
    getPresetsFromFolder();
}

void Window::loadGauge()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Gauge"), presetsFolder(),
                                                      tr("Gauge files (*.gauge)"));
    if (path.isEmpty())
        return;
    loadGaugeFile(path);
}

void Window::loadGaugeFile(const QString &path)
{
    QList<namedLayer> loaded;
    QString error;
    switch (readGaugeFile(path, loaded, &error)) {
    case gaugeFileStatus::CannotOpen:
        QMessageBox::information(this, tr("Unable to open file"), error);
        return;
    case gaugeFileStatus::Rejected:
        QMessageBox::warning(this, tr("Unable to load gauge"),
                             tr("%1 could not be read.\n\n%2")
                                 .arg(QFileInfo(path).fileName(), error));
        return;
    case gaugeFileStatus::Loaded:
        break;
    }
    mergeLoadedLayers(loaded, QFileInfo(path).completeBaseName());
}

void Window::mergeLoadedLayers(const QList<namedLayer> &loaded, const QString &fallbackName)
{
    if (loaded.isEmpty())
        return;

    // An untouched layer is simply replaced; anything else is the user's
    // work, so ask first.
    bool overwrite = true;
    if (!isDefaultLayer(renderArea->currentGauge)) {
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
            return;
    }

    int target = -1;
    {
        // Neither the layer-switch nor the rename handler may run halfway
        // through.
        const QSignalBlocker quietList(layerList);
        qsizetype first = 0;

        if (overwrite && layerList->currentRow() >= 0) {
            target = layerList->currentRow();
            renderArea->currentGauge = loaded.first().data;
            renderArea->saveLayerData(target);
            setLayerItemName(layerList->item(target),
                             overwritingLayerName(loaded.first().name, fallbackName));
            first = 1;
        }

        for (qsizetype i = first; i < loaded.size(); ++i) {
            const QString name = addedLayerName(loaded.at(i).name, loaded.size(),
                                                layerList->count(), fallbackName);
            renderArea->layers.append(loaded.at(i).data);
            addLayerItem(name);
            if (target < 0)
                target = layerList->count() - 1;
        }

        layerList->setCurrentRow(target);
    }

    renderArea->loadLayer(target);
    setActiveGauge();
    renderArea->manualRedraw();
}
