#include "model/gaugeeditcommand.h"

namespace {

// QUndoCommand ids of the steps that merge; every other step has -1.
constexpr int firstMergeId = 1000;

} // namespace

GaugeEditCommand::GaugeEditCommand(const QString &text, GaugeSnapshot before,
                                   GaugeSnapshot after, Show show, int mergeKey, int run)
    : QUndoCommand(text),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_show(std::move(show)),
      m_mergeKey(mergeKey),
      m_run(run)
{
}

void GaugeEditCommand::undo()
{
    m_applied = false;
    m_show(m_before);
}

void GaugeEditCommand::redo()
{
    // Pushed after the fact: the gauge already shows `after`.
    if (m_applied)
        return;
    m_applied = true;
    m_show(m_after);
}

int GaugeEditCommand::id() const
{
    return m_mergeKey < 0 ? -1 : firstMergeId + m_mergeKey;
}

bool GaugeEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const GaugeEditCommand *>(other);
    if (!next || next->m_mergeKey != m_mergeKey || m_mergeKey < 0 || next->m_run != m_run)
        return false;
    m_after = next->m_after;
    // A run that ends where it began leaves nothing to undo.
    setObsolete(m_after == m_before);
    return true;
}
