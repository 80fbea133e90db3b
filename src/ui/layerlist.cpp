#include "app/window.h"

#include "render/renderarea.h"

#include <QListWidgetItem>

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
    QList<namedLayer> result;
    for (int i = 0; i < layerList->count() && i < renderArea->layers.size(); ++i)
        result.append(namedLayer{layerList->item(i)->text(), renderArea->layers.at(i)});
    return result;
}

void Window::layerChanged(QListWidgetItem *, QListWidgetItem *) {}
void Window::layerRenamed(QListWidgetItem *) {}
void Window::addLayer() {}
void Window::removeLayer() {}
