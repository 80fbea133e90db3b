#pragma once

#include "model/namedlayer.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QUndoStack;
class DocumentStep;

// The gauge being edited, and its one owner: the named layers in drawing
// order, which of them is selected, and the undo history. Every change goes
// through it, and it says what changed with a signal; the preview, the layer
// list, the form and the exports read from it and never keep a copy of
// their own to keep in step.
//
// Each edit is one undo step, named by the text given, unless a step is
// open (beginStep), in which case it becomes part of that step. Steps nest:
// whatever happens between the outermost beginStep and its endStep is one
// step, named by the outermost text, and a step that changes nothing leaves
// no trace. Edits of one control (the same merge key, 0 or more) merge into
// one step while they form a run: the run ends when another layer is
// selected, the gauge is saved, or endRun() is called (the control is left).
class GaugeDocument : public QObject
{
    Q_OBJECT

public:
    explicit GaugeDocument(QObject *parent = nullptr);
    ~GaugeDocument() override;

    qsizetype layerCount() const { return m_data.size(); }
    // The settings of every layer, in drawing order: what a drawing needs.
    const QList<gaugeData> &layerData() const { return m_data; }
    // `row` must be a layer's.
    const gaugeData &layer(qsizetype row) const { return m_data.at(row); }
    QString layerName(qsizetype row) const { return m_names.at(row); }
    const QStringList &layerNames() const { return m_names; }
    // The layers with their names: the gauge on its way to a file.
    QList<namedLayer> layers() const;

    // The selected layer, -1 for none.
    int currentRow() const { return m_currentRow; }
    // The selected layer's settings; a default layer when none is selected.
    const gaugeData &currentLayer() const;

    // Grows with every change of a layer or a name, never with a selection.
    quint64 revision() const { return m_revision; }

    QUndoStack *undoStack() const { return m_undoStack; }
    // The gauge as it was last opened or saved.
    bool isClean() const;
    void setClean();

    // The file the gauge was opened from or last saved to; empty for a gauge
    // never saved.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path);

    // Edits. Rows out of range are ignored.
    void setLayer(qsizetype row, const gaugeData &data, const QString &text, int mergeKey = -1);
    void insertLayer(qsizetype row, const namedLayer &layer, const QString &text);
    void removeLayer(qsizetype row, const QString &text);
    void moveLayer(qsizetype from, qsizetype to, const QString &text);
    void renameLayer(qsizetype row, const QString &name, const QString &text);
    // Gives the layers these settings, keeping their names: layers beyond
    // the list are removed, new ones are added without a name.
    void setLayerData(const QList<gaugeData> &data, const QString &text);
    // Selecting is no step, but ends a run of edits, and the next step
    // starts from it.
    void setCurrentRow(int row);

    // Replaces the whole gauge and starts a new history, clean: a new gauge,
    // or a file opened in place of this one.
    void reset(const QList<namedLayer> &layers, int currentRow);

    void beginStep(const QString &text, int mergeKey = -1);
    void endStep();
    // The next edit starts a new step even if it is of the same control.
    void endRun();

    // Makes everything that happens during its lifetime one step.
    class Step
    {
    public:
        Step(GaugeDocument *document, const QString &text, int mergeKey = -1) : m_document(document)
        {
            m_document->beginStep(text, mergeKey);
        }
        ~Step() { m_document->endStep(); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        GaugeDocument *m_document;
    };

signals:
    // The settings of one layer changed.
    void layerChanged(int row);
    // A layer was added at `row`, removed from `row`, or moved.
    void layerInserted(int row);
    void layerRemoved(int row);
    void layerMoved(int from, int to);
    void layerRenamed(int row);
    // Every layer may have changed: a new gauge or an opened file.
    void layersReset();
    // After any of the changes above, once for each.
    void changed();
    void currentRowChanged(int row);
    void cleanChanged(bool clean);
    void filePathChanged(const QString &path);
    // An undo or a redo put the gauge back or forward by a step.
    void stepApplied();

private:
    friend class DocumentStep;

    struct Edit;
    void apply(const Edit &edit, bool forward);
    void record(const Edit &edit);
    void selectRow(int row);
    void noteChange();

    QList<gaugeData> m_data;
    QStringList m_names;
    int m_currentRow = -1;
    quint64 m_revision = 0;
    QString m_filePath;
    QUndoStack *m_undoStack;

    // The step being recorded.
    int m_stepDepth = 0;
    QString m_stepText;
    int m_stepMergeKey = -1;
    int m_stepRowBefore = -1;
    std::unique_ptr<QList<Edit>> m_stepEdits;
    int m_run = 0;
};
