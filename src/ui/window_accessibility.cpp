#include "app/window_p.h"

#include "render/gui/renderarea.h"
#include "ui/focusring.h"
#include "ui/layereditor.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>

#include <utility>

// What a screen reader says for each control of the form. The form's labels
// sit beside their fields and name them for the eye; every control gets a
// name of its own, made from the name of its group and of its field, so
// that "Secondary ticks, inner radius" is told apart from the other two inner
// radii. The editors name their own controls; the tool tips remain the
// controls' descriptions.

namespace {

// The widget that follows `label` in its layout: the next cell of its row in
// a grid, the next item in a box. That is where the form puts a label's
// field.
QWidget *fieldAfter(QLabel *label)
{
    QWidget *parent = label->parentWidget();
    if (!parent)
        return nullptr;
    for (QLayout *layout : parent->findChildren<QLayout *>()) {
        const int index = layout->indexOf(label);
        if (index < 0)
            continue;
        QLayoutItem *next = nullptr;
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            next = grid->itemAtPosition(row, column + columnSpan);
        } else if (qobject_cast<QBoxLayout *>(layout)) {
            next = layout->itemAt(index + 1);
        }
        return next ? next->widget() : nullptr;
    }
    return nullptr;
}

} // namespace

void Window::setUpAccessibility()
{
    // Every label is the buddy of the field after it, so assistive
    // technology can tell which label belongs to which field.
    for (QLabel *fieldLabel : findChildren<QLabel *>()) {
        QWidget *field = fieldAfter(fieldLabel);
        if (field && field->focusPolicy() != Qt::NoFocus && !fieldLabel->buddy())
            fieldLabel->setBuddy(field);
    }

    for (LayerEditor *editor : std::as_const(d->editors))
        for (const EditorField &field : editor->fields())
            if (auto *widget = qobject_cast<QWidget *>(field.control);
                widget && !field.accessibleName.isEmpty())
                widget->setAccessibleName(field.accessibleName);

    const Ui::Window &f = d->form;
    const std::pair<QWidget *, QString> names[] = {
        {f.presetComboBox, tr("Preset")},
        {f.saveButton, tr("Save gauge")},
        {f.loadButton, tr("Load gauge or preset")},
        {f.pngSizeSpinBox, tr("Export size in pixels")},
        {renderArea, tr("Gauge preview")},
        {f.referenceLabel, tr("Reference picture")},
        {f.layerList, tr("Layers")},
        {d->menuBar, tr("Menu bar")},
    };
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(name);
    renderArea->setAccessibleDescription(
        tr("The gauge as it is drawn and exported. View > Inspect shows it enlarged."));

    // The coloured buttons show their colour and little else: a ring that
    // shows on any colour marks the one with the keyboard focus, and every
    // other button and check box alike.
    d->focusRing = new FocusRing(this);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        d->focusRing->watch(button);
}
