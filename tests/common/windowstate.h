#pragma once

// What the user sees of the gauge in the window, for comparing the window
// before and after an action: the layers with their names, the selection,
// the editing copy and every layer-editing control of the form.

#include "app/window.h"
#include "formaccess.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QVariant>

#include <algorithm>

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
    // Every control of the window that shows a value of the gauge, in a
    // fixed order. The preset box names the preset last loaded, if any.
    QList<QWidget *> controls;
    for (QWidget *control : w.findChildren<QWidget *>())
        if (!control->objectName().isEmpty()
            && control->objectName() != QLatin1String("presetComboBox")
            && (qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QComboBox *>(control)
                || qobject_cast<QAbstractButton *>(control)))
            controls.append(control);
    std::sort(controls.begin(), controls.end(),
              [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    QVariantList values;
    for (QWidget *control : controls) {
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
    const QListWidget *list = Form(w).layerList;
    for (int i = 0; i < list->count(); ++i)
        state.names << list->item(i)->text();
    state.layers = w.renderArea->layers;
    state.currentRow = list->currentRow();
    state.editingCopy = w.renderArea->currentGauge;
    state.form = formValues(w);
    return state;
}
