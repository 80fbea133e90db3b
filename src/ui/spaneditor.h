#pragma once

#include "ui/layereditor.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The angle bar: where the layer's span starts, how long it is, and how
// the bias spaces its ticks.
class SpanEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Controls
    {
        QDoubleSpinBox *startAngle;
        QDoubleSpinBox *angleLength;
        QDoubleSpinBox *bias;
        QComboBox *biasType; // "Exponential", then "Midpoint"
    };

    SpanEditor(const Controls &controls, std::function<void()> changed, QObject *parent = nullptr);

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void apply(gaugeData &layer) const override;

private:
    Controls m_c;
    std::function<void()> m_changed;
};

// The rounded end caps of the layer's ticks and of its arcs.
class CapsEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Controls
    {
        QCheckBox *tickCaps;
        QCheckBox *arcCaps;
    };

    CapsEditor(const Controls &controls, std::function<void()> changed, QObject *parent = nullptr);

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void apply(gaugeData &layer) const override;

private:
    Controls m_c;
    std::function<void()> m_changed;
};
