#pragma once

#include "model/gaugesnapshot.h"

#include <QString>
#include <QUndoCommand>

#include <functional>

// One step of the undo history: the gauge before and after an edit. The edit
// has already happened when the step is recorded, so the first redo (the one
// QUndoStack::push makes) changes nothing; later undos and redos hand the
// snapshot to `show`, which puts it into the window.
//
// Edits of one control merge into one step while they form a run: same
// merge key (one per control, -1 for steps that never merge) and same run
// number. The window starts a new run whenever the user turns to something
// else, so one undo goes back to the value before the run.
class GaugeEditCommand : public QUndoCommand
{
public:
    using Show = std::function<void(const GaugeSnapshot &)>;

    GaugeEditCommand(const QString &text, GaugeSnapshot before, GaugeSnapshot after, Show show,
                     int mergeKey = -1, int run = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;


private:
    GaugeSnapshot m_before;
    GaugeSnapshot m_after;
    Show m_show;
    int m_mergeKey;
    int m_run;
    bool m_applied = true;
};
