#include "ui/layerlistview.h"

#include "model/gaugedocument.h"

#include <QListWidget>
#include <QSignalBlocker>

LayerListView::LayerListView(GaugeDocument *document, QListWidget *list, QObject *parent)
    : QObject(parent), m_document(document), m_list(list)
{
    connect(document, &GaugeDocument::layersReset, this, &LayerListView::rebuild);
    connect(document, &GaugeDocument::layerInserted, this, &LayerListView::insert);
    connect(document, &GaugeDocument::layerRemoved, this, &LayerListView::remove);
    connect(document, &GaugeDocument::layerMoved, this, &LayerListView::move);
    connect(document, &GaugeDocument::layerRenamed, this, &LayerListView::rename);
    connect(document, &GaugeDocument::currentRowChanged, this, &LayerListView::select);
    rebuild();
}

QListWidgetItem *LayerListView::makeItem(const QString &name) const
{
    auto *item = new QListWidgetItem(name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(Qt::UserRole, name);
    return item;
}

void LayerListView::rebuild()
{
    // The list's own signals would report our edits back as the user's.
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const QString &name : m_document->layerNames())
        m_list->addItem(makeItem(name));
    m_list->setCurrentRow(m_document->currentRow());
}

void LayerListView::insert(int row)
{
    const QSignalBlocker quiet(m_list);
    m_list->insertItem(row, makeItem(m_document->layerName(row)));
    m_list->setCurrentRow(m_document->currentRow());
}

void LayerListView::remove(int row)
{
    const QSignalBlocker quiet(m_list);
    delete m_list->takeItem(row);
    m_list->setCurrentRow(m_document->currentRow());
}

void LayerListView::move(int from, int to)
{
    const QSignalBlocker quiet(m_list);
    m_list->insertItem(to, m_list->takeItem(from));
    m_list->setCurrentRow(m_document->currentRow());
}

void LayerListView::rename(int row)
{
    if (QListWidgetItem *item = m_list->item(row)) {
        const QSignalBlocker quiet(m_list);
        item->setText(m_document->layerName(row));
        item->setData(Qt::UserRole, m_document->layerName(row));
    }
}

void LayerListView::showName(QListWidgetItem *item)
{
    rename(m_list->row(item));
}

void LayerListView::select(int row)
{
    if (m_list->currentRow() == row)
        return;
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentRow(row);
}
