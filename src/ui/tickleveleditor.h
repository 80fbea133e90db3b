#pragma once

#include "ui/layereditor.h"

class ColorButton;
class QDoubleSpinBox;
class QSpinBox;

// One tick level of the form (primary, secondary or tertiary): its count,
// radii, line width and colour.
class TickLevelEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Controls
    {
        QSpinBox *count;
        QDoubleSpinBox *innerRadius;
        QDoubleSpinBox *outerRadius;
        QDoubleSpinBox *width;
        ColorButton *color;
    };

    // `level` 0 to 2; `changed` runs when a value is edited, `pickColor`
    // when the colour button is pressed.
    TickLevelEditor(int level, const Controls &controls, std::function<void()> changed,
                    std::function<void()> pickColor, QObject *parent = nullptr);

    const Controls &controls() const { return m_c; }

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void apply(gaugeData &layer) const override;

private:
    int m_level;
    Controls m_c;
    std::function<void()> m_changed;
    std::function<void()> m_pickColor;
};
