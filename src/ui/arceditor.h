#pragma once

#include "ui/layereditor.h"

class ColorButton;
class QDoubleSpinBox;

// One arc of the form: where it starts, how long it is, its radius, line
// width and colour.
class ArcEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Controls
    {
        QDoubleSpinBox *startAngle;
        QDoubleSpinBox *angleLength;
        QDoubleSpinBox *radius;
        QDoubleSpinBox *width;
        ColorButton *color;
    };

    // `arc` 0 to 3; `changed` runs when a value is edited, `pickColor` when
    // the colour button is pressed.
    ArcEditor(int arc, const Controls &controls, std::function<void()> changed,
              std::function<void()> pickColor, QObject *parent = nullptr);

    const Controls &controls() const { return m_c; }

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void apply(gaugeData &layer) const override;

private:
    int m_arc;
    Controls m_c;
    std::function<void()> m_changed;
    std::function<void()> m_pickColor;
};
