#include "ui/arceditor.h"

#include "ui/colorbutton.h"

#include <QDoubleSpinBox>

ArcEditor::ArcEditor(int arc, const Controls &controls, std::function<void()> changed,
                     std::function<void()> pickColor, QObject *parent)
    : LayerEditor(parent), m_arc(arc), m_c(controls), m_changed(std::move(changed)),
      m_pickColor(std::move(pickColor))
{
}

QList<EditorField> ArcEditor::fields()
{
    const int number = m_arc + 1;
    const QString group = tr("Arc %1").arg(number);
    return {
        {m_c.startAngle, tr("Arc %1 Start").arg(number), groupFieldName(group, tr("start angle")),
         m_changed},
        {m_c.angleLength, tr("Arc %1 Length").arg(number), groupFieldName(group, tr("length")),
         m_changed},
        {m_c.radius, tr("Arc %1 Radius").arg(number), groupFieldName(group, tr("radius")),
         m_changed},
        {m_c.width, tr("Arc %1 Line Width").arg(number), groupFieldName(group, tr("line width")),
         m_changed},
        {m_c.color, tr("Arc %1 Color").arg(number), tr("Arc %1 colour").arg(number), m_pickColor},
    };
}

void ArcEditor::show(const gaugeData &layer)
{
    m_c.startAngle->setValue(layer.arcStartAngle[m_arc]);
    m_c.angleLength->setValue(layer.arcAngleLength[m_arc]);
    m_c.radius->setValue(layer.arcRadius[m_arc]);
    m_c.width->setValue(layer.arcWidth[m_arc]);
    m_c.color->setColor(layer.arcColor[m_arc]);
}

void ArcEditor::apply(gaugeData &layer) const
{
    layer.arcStartAngle[m_arc] = m_c.startAngle->value();
    layer.arcAngleLength[m_arc] = m_c.angleLength->value();
    layer.arcRadius[m_arc] = m_c.radius->value();
    layer.arcWidth[m_arc] = m_c.width->value();
    layer.arcColor[m_arc] = m_c.color->color();
}
