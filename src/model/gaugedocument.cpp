#include "model/gaugedocument.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace {

// A gauge is small; a thousand steps of even a ten-layer gauge are a few
// megabytes.
constexpr int undoLimit = 1000;
// QUndoCommand ids of the steps that merge; every other step has -1.
constexpr int firstMergeId = 1000;

} // namespace

// One change of the gauge, with what it needs to be made again or taken
// back.
struct GaugeDocument::Edit
{
    enum class Kind { set, insert, remove, move, rename };

    Kind kind = Kind::set;
    qsizetype row = -1;
    qsizetype to = -1; // where a moved layer goes
    namedLayer before;
    namedLayer after;
};

// One step of the undo history: the edits it made, in order, and the
// selection before and after it. The edits have already been made when the
// step is pushed, so the first redo (the one QUndoStack::push makes)
// changes nothing.
class DocumentStep : public QUndoCommand
{
public:
    DocumentStep(GaugeDocument *document, const QString &text, QList<GaugeDocument::Edit> edits,
                 int rowBefore, int rowAfter, int mergeKey, int run)
        : QUndoCommand(text), m_document(document), m_edits(std::move(edits)),
          m_rowBefore(rowBefore), m_rowAfter(rowAfter), m_mergeKey(mergeKey), m_run(run)
    {
    }

    void undo() override
    {
        m_applied = false;
        putBack(false);
    }

    void redo() override
    {
        if (m_applied)
            return;
        m_applied = true;
        putBack(true);
    }

    int id() const override { return m_mergeKey < 0 ? -1 : firstMergeId + m_mergeKey; }

    // A run of edits of one control is one step, back to the value before
    // the run; a run that ends where it began leaves nothing to undo.
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = dynamic_cast<const DocumentStep *>(other);
        if (!next || next->m_mergeKey != m_mergeKey || m_mergeKey < 0 || next->m_run != m_run
            || !isOneSetting() || !next->isOneSetting()
            || next->m_edits.first().row != m_edits.first().row)
            return false;
        m_edits.first().after = next->m_edits.first().after;
        m_rowAfter = next->m_rowAfter;
        setObsolete(m_edits.first().after.data == m_edits.first().before.data);
        return true;
    }

private:
    using Kind = GaugeDocument::Edit::Kind;

    bool isOneSetting() const { return m_edits.size() == 1 && m_edits.first().kind == Kind::set; }

    void putBack(bool forward)
    {
        GaugeDocument *document = m_document;
        if (forward) {
            for (const GaugeDocument::Edit &edit : std::as_const(m_edits))
                document->apply(edit, true);
        } else {
            for (qsizetype i = m_edits.size() - 1; i >= 0; --i)
                document->apply(m_edits.at(i), false);
        }
        // An undo shows the layer it changes.
        document->selectRow(forward ? m_rowAfter : m_rowBefore);
        document->endRun();
        emit document->stepApplied();
    }

    GaugeDocument *m_document;
    QList<GaugeDocument::Edit> m_edits;
    int m_rowBefore;
    int m_rowAfter;
    int m_mergeKey;
    int m_run;
    bool m_applied = true;
};

GaugeDocument::GaugeDocument(QObject *parent) : QObject(parent), m_undoStack(new QUndoStack(this))
{
    m_undoStack->setUndoLimit(undoLimit);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &GaugeDocument::cleanChanged);
}

GaugeDocument::~GaugeDocument()
{
    // The steps point back here; they go before the layers do.
    delete m_undoStack;
}

QList<namedLayer> GaugeDocument::layers() const
{
    QList<namedLayer> gauge;
    gauge.reserve(m_data.size());
    for (qsizetype i = 0; i < m_data.size(); ++i)
        gauge.append(namedLayer{m_names.at(i), m_data.at(i)});
    return gauge;
}

const gaugeData &GaugeDocument::currentLayer() const
{
    static const gaugeData none;
    return m_currentRow >= 0 && m_currentRow < m_data.size() ? m_data.at(m_currentRow) : none;
}

bool GaugeDocument::isClean() const
{
    return m_undoStack->isClean();
}

void GaugeDocument::setClean()
{
    m_undoStack->setClean();
    endRun();
}

void GaugeDocument::setFilePath(const QString &path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged(path);
}

void GaugeDocument::setLayer(qsizetype row, const gaugeData &data, const QString &text,
                             int mergeKey)
{
    if (row < 0 || row >= m_data.size() || m_data.at(row) == data)
        return;
    const Step step(this, text, mergeKey);
    Edit edit{Edit::Kind::set, row, -1, namedLayer{m_names.at(row), m_data.at(row)},
              namedLayer{m_names.at(row), data}};
    record(edit);
}

void GaugeDocument::insertLayer(qsizetype row, const namedLayer &layer, const QString &text)
{
    if (row < 0 || row > m_data.size())
        return;
    const Step step(this, text);
    record(Edit{Edit::Kind::insert, row, -1, namedLayer(), layer});
}

void GaugeDocument::removeLayer(qsizetype row, const QString &text)
{
    if (row < 0 || row >= m_data.size())
        return;
    const Step step(this, text);
    record(Edit{Edit::Kind::remove, row, -1, namedLayer{m_names.at(row), m_data.at(row)},
                namedLayer()});
}

void GaugeDocument::moveLayer(qsizetype from, qsizetype to, const QString &text)
{
    if (from < 0 || from >= m_data.size() || to < 0 || to >= m_data.size() || from == to)
        return;
    const Step step(this, text);
    record(Edit{Edit::Kind::move, from, to, namedLayer(), namedLayer()});
}

void GaugeDocument::renameLayer(qsizetype row, const QString &name, const QString &text)
{
    if (row < 0 || row >= m_data.size() || m_names.at(row) == name)
        return;
    const Step step(this, text);
    record(Edit{Edit::Kind::rename, row, -1, namedLayer{m_names.at(row), gaugeData()},
                namedLayer{name, gaugeData()}});
}

void GaugeDocument::setLayerData(const QList<gaugeData> &data, const QString &text)
{
    const Step step(this, text);
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i < m_data.size())
            setLayer(i, data.at(i), text);
        else
            insertLayer(i, namedLayer{QString(), data.at(i)}, text);
    }
    while (m_data.size() > data.size())
        removeLayer(m_data.size() - 1, text);
}

void GaugeDocument::setCurrentRow(int row)
{
    selectRow(row);
    // Within a step the selection is part of it; outside, the user turned
    // to another layer.
    if (m_stepDepth == 0)
        endRun();
}

void GaugeDocument::reset(const QList<namedLayer> &layers, int currentRow)
{
    m_undoStack->clear();
    m_data.clear();
    m_names.clear();
    for (const namedLayer &layer : layers) {
        m_data.append(layer.data);
        m_names.append(layer.name);
    }
    m_currentRow = currentRow >= 0 && currentRow < m_data.size() ? currentRow : -1;
    ++m_revision;
    endRun();
    emit layersReset();
    emit changed();
    emit currentRowChanged(m_currentRow);
    m_undoStack->setClean();
}

void GaugeDocument::beginStep(const QString &text, int mergeKey)
{
    if (m_stepDepth++ > 0)
        return;
    m_stepText = text;
    m_stepMergeKey = mergeKey;
    m_stepRowBefore = m_currentRow;
    m_stepEdits = std::make_unique<QList<Edit>>();
}

void GaugeDocument::endStep()
{
    if (m_stepDepth <= 0 || --m_stepDepth > 0)
        return;
    QList<Edit> edits = std::move(*m_stepEdits);
    m_stepEdits.reset();
    if (edits.isEmpty())
        return;
    // Settings that end where they began cancel out.
    if (edits.size() == 1 && edits.first().kind == Edit::Kind::set
        && edits.first().before == edits.first().after)
        return;
    m_undoStack->push(new DocumentStep(this, m_stepText, std::move(edits), m_stepRowBefore,
                                       m_currentRow, m_stepMergeKey, m_run));
}

void GaugeDocument::endRun()
{
    ++m_run;
}

void GaugeDocument::record(const Edit &edit)
{
    apply(edit, true);
    if (!m_stepEdits)
        return;
    // Several settings of one layer in a step are one setting.
    if (edit.kind == Edit::Kind::set && !m_stepEdits->isEmpty()
        && m_stepEdits->last().kind == Edit::Kind::set && m_stepEdits->last().row == edit.row) {
        m_stepEdits->last().after = edit.after;
        return;
    }
    m_stepEdits->append(edit);
}

void GaugeDocument::apply(const Edit &edit, bool forward)
{
    const int row = int(edit.row);
    const int selected = m_currentRow;
    auto insertAt = [this](int at, const namedLayer &layer) {
        m_data.insert(at, layer.data);
        m_names.insert(at, layer.name);
        // The selected layer stays selected.
        if (m_currentRow >= at)
            ++m_currentRow;
        emit layerInserted(at);
    };
    bool selectedGone = false;
    auto removeAt = [this, &selectedGone](int at) {
        selectedGone = m_currentRow == at;
        m_data.removeAt(at);
        m_names.removeAt(at);
        if (m_currentRow > at)
            --m_currentRow;
        else if (m_currentRow == at)
            m_currentRow = qMin(at, int(m_data.size()) - 1);
        emit layerRemoved(at);
    };
    auto moveFrom = [this](int from, int to) {
        m_data.move(from, to);
        m_names.move(from, to);
        if (m_currentRow == from)
            m_currentRow = to;
        else if (from < m_currentRow && m_currentRow <= to)
            --m_currentRow;
        else if (to <= m_currentRow && m_currentRow < from)
            ++m_currentRow;
        emit layerMoved(from, to);
    };

    bool selectionMoved = false;
    switch (edit.kind) {
    case Edit::Kind::set:
        m_data[row] = forward ? edit.after.data : edit.before.data;
        emit layerChanged(row);
        break;
    case Edit::Kind::rename:
        m_names[row] = forward ? edit.after.name : edit.before.name;
        emit layerRenamed(row);
        break;
    case Edit::Kind::insert:
        if (forward)
            insertAt(row, edit.after);
        else
            removeAt(row);
        selectionMoved = true;
        break;
    case Edit::Kind::remove:
        if (forward)
            removeAt(row);
        else
            insertAt(row, edit.before);
        selectionMoved = true;
        break;
    case Edit::Kind::move:
        if (forward)
            moveFrom(row, int(edit.to));
        else
            moveFrom(int(edit.to), row);
        selectionMoved = true;
        break;
    }
    noteChange();
    // A removed selection moves to the layer that takes its row.
    if (selectionMoved && (m_currentRow != selected || selectedGone))
        emit currentRowChanged(m_currentRow);
}

void GaugeDocument::selectRow(int row)
{
    if (row < -1 || row >= m_data.size())
        row = -1;
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

void GaugeDocument::noteChange()
{
    ++m_revision;
    emit changed();
}
