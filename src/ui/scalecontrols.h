#pragma once

#include <QDoubleSpinBox>

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
