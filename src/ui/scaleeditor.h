#pragma once

#include "ui/layereditor.h"

#include <QDoubleSpinBox>

class GaugeDocument;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// A spin box for the values of a scale, which range from thousandths to
// millions: it shows as many decimals as the value needs ("1000", "0.001",
// "-20") rather than a fixed number of them.
class ScaleValueSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit ScaleValueSpinBox(QWidget *parent = nullptr);

    QString textFromValue(double value) const override;
};

// The value scale of the layer, in a bar of its own under the angle bar:
// its type, From and To, the exponent of a power scale and the points of a
// table. The fields a type does not use are hidden with their labels, and
// the bar says why a scale cannot be drawn.
class ScaleEditor : public LayerEditor
{
    Q_OBJECT

public:
    // The controls are children of `form`; bar() holds them.
    ScaleEditor(GaugeDocument *document, QWidget *form, QObject *parent = nullptr);

    QHBoxLayout *bar() const { return m_bar; }
    QComboBox *typeBox() const { return m_type; }
    // The bar's controls in their tab order.
    QList<QWidget *> tabOrder() const;

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void showDerived(const gaugeData &layer) override;

private:
    void typeChosen();
    void valuesEdited();
    void editPoints();
    // Stores the scale into the current layer.
    void store(const valueScale &scale);

    GaugeDocument *m_document;
    QWidget *m_form;
    QHBoxLayout *m_bar;
    QComboBox *m_type;
    QDoubleSpinBox *m_from;
    QDoubleSpinBox *m_to;
    QDoubleSpinBox *m_exponent;
    QPushButton *m_points;
    QLabel *m_fromLabel;
    QLabel *m_toLabel;
    QLabel *m_exponentLabel;
    QLabel *m_problemIcon;
    QLabel *m_problem;
};
