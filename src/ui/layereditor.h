#pragma once

#include "model/gaugedata.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// One control of an editor: what it is called in the undo history ("Primary
// Count" makes the step "Change Primary Count") and by a screen reader
// ("Primary ticks, divisions"), and what runs when the user edits it. The
// control's kind decides the signal it reports edits with: valueChanged
// for spin boxes, activated for combo boxes (a user's choice only), clicked
// for buttons and check boxes (which setChecked does not emit), textChanged
// for texts, textEdited for one-line texts.
struct EditorField
{
    QObject *control = nullptr;
    QString stepName;
    QString accessibleName;
    std::function<void()> edited;
};

// A group of the form's controls that edits one part of the current layer:
// the span, a tick level, an arc, the labels, the scale, the face. The
// window derives from the editors which controls it connects and how, which
// it blocks while it fills the form, and how each edit is named; adding a
// field to a group touches that group's editor alone.
class LayerEditor : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The group's controls, in the order of the form.
    virtual QList<EditorField> fields() = 0;
    // Shows the layer's part in the controls. The caller blocks the
    // controls' signals.
    virtual void show(const gaugeData &layer) = 0;
    // Shows what follows from the layer (which fields a choice uses, why
    // something cannot be drawn, hints) without rewriting the values, while
    // the user is editing one of them.
    virtual void showDerived(const gaugeData &layer) { Q_UNUSED(layer); }
    // Writes what the controls show into the layer's part. Editors that
    // edit the layer through the document themselves leave it as it is.
    virtual void apply(gaugeData &layer) const { Q_UNUSED(layer); }
};

// "Secondary ticks, inner radius": a group and one of its fields, as a
// screen reader names a control.
QString groupFieldName(const QString &group, const QString &field);
