#include "ui/spaneditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>

SpanEditor::SpanEditor(const Controls &controls, std::function<void()> changed, QObject *parent)
    : LayerEditor(parent), m_c(controls), m_changed(std::move(changed))
{
}

QList<EditorField> SpanEditor::fields()
{
    return {
        {m_c.startAngle, tr("Start Angle"), tr("Start angle"), m_changed},
        {m_c.angleLength, tr("Angle Length"), tr("Angle length"), m_changed},
        {m_c.bias, tr("Bias"), tr("Bias"), m_changed},
        {m_c.biasType, tr("Bias Type"), tr("Bias type"), m_changed},
    };
}

void SpanEditor::show(const gaugeData &layer)
{
    m_c.startAngle->setValue(layer.startAngle);
    m_c.angleLength->setValue(layer.angleLength);
    m_c.bias->setValue(layer.bias);
    m_c.biasType->setCurrentIndex(layer.midpointBias ? 1 : 0);
}

void SpanEditor::apply(gaugeData &layer) const
{
    layer.startAngle = m_c.startAngle->value();
    layer.angleLength = m_c.angleLength->value();
    layer.bias = m_c.bias->value();
    layer.midpointBias = m_c.biasType->currentIndex() != 0;
}

CapsEditor::CapsEditor(const Controls &controls, std::function<void()> changed, QObject *parent)
    : LayerEditor(parent), m_c(controls), m_changed(std::move(changed))
{
}

QList<EditorField> CapsEditor::fields()
{
    return {
        {m_c.tickCaps, tr("Rounded Tick Caps"), groupFieldName(tr("Ticks"), tr("rounded end caps")),
         m_changed},
        {m_c.arcCaps, tr("Rounded Arc Caps"), groupFieldName(tr("Arcs"), tr("rounded end caps")),
         m_changed},
    };
}

void CapsEditor::show(const gaugeData &layer)
{
    m_c.tickCaps->setChecked(layer.roundedTickCaps);
    m_c.arcCaps->setChecked(layer.roundedArcCaps);
}

void CapsEditor::apply(gaugeData &layer) const
{
    layer.roundedTickCaps = m_c.tickCaps->isChecked();
    layer.roundedArcCaps = m_c.arcCaps->isChecked();
}
