#include "ui/labeleditor.h"

#include "ui/colorbutton.h"
#include "ui/fontbutton.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

LabelEditor::LabelEditor(const Controls &controls, const Handlers &handlers, QObject *parent)
    : LayerEditor(parent), m_c(controls), m_handlers(handlers)
{
}

QList<EditorField> LabelEditor::fields()
{
    const QString labels = tr("Labels");
    return {
        {m_c.radius, tr("Tick Count Radius"), groupFieldName(labels, tr("radius")),
         m_handlers.changed},
        {m_c.decimals, tr("Tick Count Decimal Places"),
         groupFieldName(labels, tr("decimal places")), m_handlers.decimalsChanged},
        {m_c.start, tr("Tick Count Start"), groupFieldName(labels, tr("first value")),
         m_handlers.changed},
        {m_c.increment, tr("Tick Count Increment"), groupFieldName(labels, tr("increment")),
         m_handlers.changed},
        {m_c.font, tr("Tick Count Font"), tr("Label font"), m_handlers.pickFont},
        {m_c.color, tr("Tick Count Color"), tr("Label colour"), m_handlers.pickColor},
        // The check boxes are named by their own texts.
        {m_c.rotate, tr("Rotate Tick Counts"), QString(), m_handlers.changed},
        {m_c.enabled, tr("Show Tick Counts"), QString(), m_handlers.changed},
        {m_c.skipFirst, tr("Skip First Tick"), QString(), m_handlers.changed},
    };
}

void LabelEditor::show(const gaugeData &layer)
{
    m_c.radius->setValue(layer.tickCountRadius);
    m_c.decimals->setValue(layer.tickCountDecimalPlaces);
    // The decimals first: a spin box rounds the value it is given to the
    // decimals it has at that moment.
    m_c.start->setDecimals(layer.tickCountDecimalPlaces);
    m_c.increment->setDecimals(layer.tickCountDecimalPlaces);
    m_c.start->setValue(layer.tickCountStart);
    m_c.increment->setValue(layer.tickCountIncrement);
    m_c.font->setChosenFont(layer.tickCountFont);
    m_c.color->setColor(layer.tickCountColor);
    m_c.rotate->setChecked(layer.tickCountRotate);
    m_c.enabled->setChecked(layer.tickCountEnabled);
    m_c.skipFirst->setChecked(layer.tickCountSkipFirst);
}

void LabelEditor::apply(gaugeData &layer) const
{
    layer.tickCountEnabled = m_c.enabled->isChecked();
    layer.tickCountStart = m_c.start->value();
    layer.tickCountIncrement = m_c.increment->value();
    layer.tickCountDecimalPlaces = m_c.decimals->value();
    layer.tickCountRadius = m_c.radius->value();
    layer.tickCountRotate = m_c.rotate->isChecked();
    layer.tickCountSkipFirst = m_c.skipFirst->isChecked();
    layer.tickCountFont = m_c.font->chosenFont();
    layer.tickCountColor = m_c.color->color();
}

void LabelEditor::followDecimals()
{
    m_c.start->setDecimals(m_c.decimals->value());
    m_c.increment->setDecimals(m_c.decimals->value());
}
