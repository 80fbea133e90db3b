#pragma once

// What the user sees of the gauge in the window, for comparing the window
// before and after an action: the layers with their names, the selection,
// the editing copy and every layer-editing control of the form.

#include "app/window.h"
#include "render/renderarea.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QVariant>

struct WindowState
{
    QStringList names;
    QList<gaugeData> layers;
    int currentRow = -1;
    gaugeData editingCopy;
    QVariantList form;

    bool operator==(const WindowState &o) const
    {
        return names == o.names && layers == o.layers && currentRow == o.currentRow
            && editingCopy == o.editingCopy && form == o.form;
    }
    bool operator!=(const WindowState &o) const { return !(*this == o); }
};

inline QVariantList formValues(Window &w)
{
    QVariantList values;
    for (QObject *control : w.layerEditingControls()) {
        if (auto *d = qobject_cast<QDoubleSpinBox *>(control))
            values << d->value() << d->decimals();
        else if (auto *i = qobject_cast<QSpinBox *>(control))
            values << i->value();
        else if (auto *c = qobject_cast<QComboBox *>(control))
            values << c->currentIndex();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            values << button->isChecked() << button->styleSheet() << button->font();
    }
    return values;
}

inline WindowState stateOf(Window &w)
{
    WindowState state;
    for (int i = 0; i < w.layerList->count(); ++i)
        state.names << w.layerList->item(i)->text();
    state.layers = w.renderArea->layers;
    state.currentRow = w.layerList->currentRow();
    state.editingCopy = w.renderArea->currentGauge;
    state.form = formValues(w);
    return state;
}
