#include "app/window.h"

#include "render/renderarea.h"
#include "ui/editstep.h"

#include <QInputDialog>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QSignalBlocker>

// Item i of layerList names entry i of renderArea->layers. Each item keeps
// the last accepted name under Qt::UserRole, which a rename to an empty or
// blank text falls back to.

void Window::addLayerItem(const QString &name)
{
    auto *item = new QListWidgetItem(name, layerList);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(Qt::UserRole, name);
}

void Window::setLayerItemName(QListWidgetItem *item, const QString &name)
{
    item->setText(name);
    item->setData(Qt::UserRole, name);
}

QList<namedLayer> Window::collectLayers()
{
    renderArea->saveLayerData(layerList->currentRow());
    return snapshot().layers;
}

void Window::layerChanged(QListWidgetItem *current, QListWidgetItem *previous)
{
    // The editing copy belongs to the layer that is being left.
    if (previous)
        renderArea->saveLayerData(layerList->row(previous));
    if (current)
        renderArea->loadLayer(layerList->row(current));
    setActiveGauge();
}

void Window::layerRenamed(QListWidgetItem *item)
{
    if (!item)
        return;
    // Our own edits of the item would otherwise come straight back here.
    const QSignalBlocker quietList(layerList);
    const QString trimmed = item->text().trimmed();
    if (!trimmed.isEmpty())
        setLayerItemName(item, trimmed);
    else
        item->setText(item->data(Qt::UserRole).toString());
}

void Window::addLayer()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("New Layer"), tr("Layer name:"),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted || name.isEmpty())
        return;
    const EditStep step(this, tr("Add Layer"));
    addLayerItem(name);
    renderArea->layers.append(renderArea->defaultGauge());
    // The user added it to work on it: it becomes the current layer, the
    // one left behind keeping its edits.
    layerList->setCurrentRow(layerList->count() - 1);
    renderArea->manualRedraw();
}

void Window::removeLayer()
{
    if (layerList->count() <= 1) {
        QMessageBox::information(this, tr("Remove Layer"),
                                 tr("A gauge must have at least one layer."), QMessageBox::Ok,
                                 QMessageBox::NoButton);
        return;
    }
    const int row = layerList->currentRow();
    if (row < 0)
        return;

    const EditStep step(this, tr("Remove Layer"));
    int newRow;
    {
        // With the list quiet, the selection change below cannot reach
        // layerChanged, which would save the removed layer's editing copy
        // over the layer that moves into its row.
        const QSignalBlocker quietList(layerList);
        delete layerList->takeItem(row);
        renderArea->layers.removeAt(row);
        newRow = qMin(row, layerList->count() - 1);
        layerList->setCurrentRow(newRow);
    }

    renderArea->loadLayer(newRow);
    setActiveGauge();
    renderArea->manualRedraw();
}

void Window::renameLayer()
{
    // Edited in place, as a double click does; the rename handler and the
    // undo step follow when the new name is committed.
    if (QListWidgetItem *item = layerList->currentItem()) {
        layerList->scrollToItem(item);
        layerList->editItem(item);
    }
}

void Window::duplicateLayer()
{
    GaugeSnapshot gauge{collectLayers(), layerList->currentRow()};
    if (gauge.currentRow < 0 || gauge.currentRow >= gauge.layers.size())
        return;
    const EditStep step(this, tr("Duplicate Layer"));
    namedLayer copy = gauge.layers.at(gauge.currentRow);
    copy.name = tr("%1 Copy").arg(copy.name);
    gauge.layers.insert(++gauge.currentRow, copy);
    applySnapshot(gauge);
}

void Window::moveLayer(int offset)
{
    // Later layers are drawn over earlier ones, so this changes the picture.
    GaugeSnapshot gauge{collectLayers(), layerList->currentRow()};
    const int target = gauge.currentRow + offset;
    if (gauge.currentRow < 0 || gauge.currentRow >= gauge.layers.size() || target < 0
        || target >= gauge.layers.size())
        return;
    const EditStep step(this, offset < 0 ? tr("Move Layer Up") : tr("Move Layer Down"));
    gauge.layers.move(gauge.currentRow, target);
    gauge.currentRow = target;
    applySnapshot(gauge);
}
