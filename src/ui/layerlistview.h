#pragma once

#include <QObject>

class GaugeDocument;
class QListWidget;
class QListWidgetItem;

// Keeps the layer list showing the document's layers: item i names layer
// i, and the current row is the document's selected layer. It only shows;
// the user's picks and renames reach the window's slots, which change the
// document. Each item also keeps its layer's name under Qt::UserRole, the
// name a rename to an empty text falls back to.
class LayerListView : public QObject
{
    Q_OBJECT

public:
    LayerListView(GaugeDocument *document, QListWidget *list, QObject *parent = nullptr);

    // Shows the document's name of the item's layer again.
    void showName(QListWidgetItem *item);

private:
    void rebuild();
    void insert(int row);
    void remove(int row);
    void move(int from, int to);
    void rename(int row);
    void select(int row);
    QListWidgetItem *makeItem(const QString &name) const;

    GaugeDocument *m_document;
    QListWidget *m_list;
};
