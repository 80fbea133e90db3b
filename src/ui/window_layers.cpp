#include "app/window_p.h"

#include "gaugefile/layernames.h"
#include "model/gaugedocument.h"
#include "ui/layerlistview.h"

#include <QAbstractItemView>
#include <QAction>
#include <QInputDialog>
#include <QListWidgetItem>
#include <QMessageBox>

// The layer list shows the document's layers (LayerListView); what the user
// does with it goes to the document here, each as one undo step.

void Window::setUpLayerList()
{
    QListWidget *list = d->form.layerList;
    d->layerListView = new LayerListView(d->document, list, this);
    list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(list, &QListWidget::currentItemChanged, this, &Window::layerChanged);
    connect(list, &QListWidget::itemChanged, this, &Window::layerRenamed);
    connect(d->form.AddLayerButton, &QAbstractButton::clicked, this, &Window::addLayer);
    connect(d->form.RemoveLayerButton, &QAbstractButton::clicked, this, &Window::removeLayer);
    connect(d->form.loadReferenceButton, &QAbstractButton::clicked, this, &Window::loadReference);
    connect(d->form.clearReferenceButton, &QAbstractButton::clicked, this, &Window::clearReference);
    connect(d->form.checkUpdatesButton, &QAbstractButton::clicked, this,
            &Window::startManualUpdateCheck);
    connect(d->document, &GaugeDocument::currentRowChanged, this, &Window::updateLayerActions);
    connect(d->document, &GaugeDocument::changed, this, &Window::updateLayerActions);
}

void Window::layerChanged(QListWidgetItem *current, QListWidgetItem *)
{
    // Every layer keeps its edits in the document; selecting one only shows
    // it.
    d->document->setCurrentRow(current ? d->form.layerList->row(current) : -1);
}

void Window::layerRenamed(QListWidgetItem *item)
{
    if (!item)
        return;
    // A name typed with blanks around it is taken without them; an empty
    // or blank one brings back the name the layer had.
    const QString trimmed = item->text().trimmed();
    const int row = d->form.layerList->row(item);
    if (!trimmed.isEmpty())
        d->document->renameLayer(row, trimmed, tr("Rename Layer"));
    d->layerListView->showName(item);
}

void Window::addLayer()
{
    GaugeDocument *document = d->document;
    // A name is proposed, ready to be typed over; accepted empty, the
    // proposal is taken.
    const QString proposed = proposedLayerName(document->layerNames());
    bool accepted = false;
    QString name = QInputDialog::getText(this, tr("New Layer"), tr("Layer name:"),
                                         QLineEdit::Normal, proposed, &accepted);
    if (!accepted)
        return;
    if (name.isEmpty())
        name = proposed;
    const QString trimmed = name.trimmed();
    const GaugeDocument::Step step(document, tr("Add Layer"));
    // A name of blanks only is kept as typed, as a rename to blanks would
    // keep the name it had.
    document->insertLayer(document->layerCount(),
                          namedLayer{trimmed.isEmpty() ? name : trimmed, gaugeData()}, QString());
    // The user added it to work on it: it becomes the current layer.
    document->setCurrentRow(int(document->layerCount()) - 1);
}

void Window::removeLayer()
{
    GaugeDocument *document = d->document;
    if (document->layerCount() <= 1) {
        QMessageBox::information(this, tr("Remove Layer"),
                                 tr("A gauge must have at least one layer."), QMessageBox::Ok,
                                 QMessageBox::NoButton);
        return;
    }
    const int row = document->currentRow();
    if (row < 0)
        return;
    // The layer that moves into its row, or the new last one, is selected.
    document->removeLayer(row, tr("Remove Layer"));
}

void Window::renameLayer()
{
    // Edited in place, as a double click does; the rename handler and the
    // undo step follow when the new name is committed.
    QListWidget *list = d->form.layerList;
    if (QListWidgetItem *item = list->currentItem()) {
        list->scrollToItem(item);
        list->editItem(item);
    }
}

void Window::duplicateLayer()
{
    GaugeDocument *document = d->document;
    const int row = document->currentRow();
    if (row < 0)
        return;
    const GaugeDocument::Step step(document, tr("Duplicate Layer"));
    const namedLayer copy{tr("%1 Copy").arg(document->layerName(row)), document->layer(row)};
    document->insertLayer(row + 1, copy, QString());
    document->setCurrentRow(row + 1);
}

void Window::moveLayer(int offset)
{
    // Later layers are drawn over earlier ones, so this changes the picture.
    GaugeDocument *document = d->document;
    const int row = document->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= document->layerCount())
        return;
    document->moveLayer(row, target, offset < 0 ? tr("Move Layer Up") : tr("Move Layer Down"));
}

void Window::updateLayerActions()
{
    if (!d->moveUpAction || !d->moveDownAction)
        return;
    const int row = d->document->currentRow();
    d->moveUpAction->setEnabled(row > 0);
    d->moveDownAction->setEnabled(row >= 0 && row < d->document->layerCount() - 1);
}
