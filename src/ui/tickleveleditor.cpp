#include "ui/tickleveleditor.h"

#include "ui/colorbutton.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

TickLevelEditor::TickLevelEditor(int level, const Controls &controls, std::function<void()> changed,
                                 std::function<void()> pickColor, QObject *parent)
    : LayerEditor(parent), m_level(level), m_c(controls), m_changed(std::move(changed)),
      m_pickColor(std::move(pickColor))
{
}

QList<EditorField> TickLevelEditor::fields()
{
    static const char *const levels[] = {QT_TR_NOOP("Primary"), QT_TR_NOOP("Secondary"),
                                         QT_TR_NOOP("Tertiary")};
    static const char *const groups[] = {QT_TR_NOOP("Primary ticks"), QT_TR_NOOP("Secondary ticks"),
                                         QT_TR_NOOP("Tertiary ticks")};
    static const char *const colours[] = {QT_TR_NOOP("Primary tick colour"),
                                          QT_TR_NOOP("Secondary tick colour"),
                                          QT_TR_NOOP("Tertiary tick colour")};
    const QString level = tr(levels[m_level]);
    const QString group = tr(groups[m_level]);
    return {
        {m_c.count, tr("%1 Count").arg(level), groupFieldName(group, tr("divisions")), m_changed},
        {m_c.innerRadius, tr("%1 Inner Radius").arg(level),
         groupFieldName(group, tr("inner radius")), m_changed},
        {m_c.outerRadius, tr("%1 Outer Radius").arg(level),
         groupFieldName(group, tr("outer radius")), m_changed},
        {m_c.width, tr("%1 Line Width").arg(level), groupFieldName(group, tr("line width")),
         m_changed},
        {m_c.color, tr("%1 Color").arg(level), tr(colours[m_level]), m_pickColor},
    };
}

void TickLevelEditor::show(const gaugeData &layer)
{
    m_c.count->setValue(layer.divisionCount[m_level]);
    m_c.innerRadius->setValue(layer.divisionInnerRadius[m_level]);
    m_c.outerRadius->setValue(layer.divisionOuterRadius[m_level]);
    m_c.width->setValue(layer.divisionWidth[m_level]);
    m_c.color->setColor(layer.divisionColor[m_level]);
}

void TickLevelEditor::apply(gaugeData &layer) const
{
    layer.divisionCount[m_level] = m_c.count->value();
    layer.divisionInnerRadius[m_level] = m_c.innerRadius->value();
    layer.divisionOuterRadius[m_level] = m_c.outerRadius->value();
    layer.divisionWidth[m_level] = m_c.width->value();
    layer.divisionColor[m_level] = m_c.color->color();
}
