#pragma once

#include "ui/layereditor.h"

class ColorButton;
class FontButton;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

// The number labels of the layer ("Tick Counts"): where they stand, what
// they count, their font and colour.
class LabelEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Controls
    {
        QDoubleSpinBox *radius;
        QSpinBox *decimals;
        QDoubleSpinBox *start;
        QDoubleSpinBox *increment;
        FontButton *font;
        ColorButton *color;
        QCheckBox *rotate;
        QCheckBox *enabled;
        QCheckBox *skipFirst;
    };

    struct Handlers
    {
        std::function<void()> changed;         // a value or a check
        std::function<void()> decimalsChanged; // the decimal places
        std::function<void()> pickFont;
        std::function<void()> pickColor;
    };

    LabelEditor(const Controls &controls, const Handlers &handlers, QObject *parent = nullptr);

    const Controls &controls() const { return m_c; }

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void apply(gaugeData &layer) const override;

    // The label start and increment take as many decimals as the labels
    // show.
    void followDecimals();

private:
    Controls m_c;
    Handlers m_handlers;
};
