#pragma once

#include "model/faceelements.h"
#include "model/needle.h"
#include "model/valuescale.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMetaType>
#include <QStringList>

#include <array>

// All settings of one layer of a gauge. Angles are gauge angles (degrees
// clockwise from 12 o'clock), radii are fractions of the gauge radius and
// widths are pen widths in the 512-unit drawing space (0 = hairline).
// Index 0 of the level arrays is the primary level, index 0 of the arc
// arrays is arc 1. No field is range-checked: files may carry any value.
struct gaugeData
{
    double startAngle = 0.0;
    double angleLength = 120.0;
    double bias = 0.5;
    bool midpointBias = false;
    bool roundedTickCaps = false;
    std::array<int, 3> divisionCount{4, 1, 1};
    std::array<double, 3> divisionInnerRadius{0.8, 0.9, 0.95};
    std::array<double, 3> divisionOuterRadius{1.0, 1.0, 1.0};
    std::array<double, 3> divisionWidth{0.0, 0.0, 0.0};
    std::array<QColor, 3> divisionColor{QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)};
    bool roundedArcCaps = false;
    std::array<double, 4> arcStartAngle{0.0, 0.0, 0.0, 0.0};
    std::array<double, 4> arcAngleLength{120.0, 0.0, 0.0, 0.0};
    std::array<double, 4> arcRadius{1.0, 1.0, 1.0, 1.0};
    std::array<double, 4> arcWidth{0.0, 0.0, 0.0, 0.0};
    std::array<QColor, 4> arcColor{QColor(Qt::green), QColor(Qt::yellow), QColor(Qt::red),
                                   QColor(Qt::white)};
    bool tickCountEnabled = true;
    double tickCountStart = 0.0;
    double tickCountIncrement = 1.0;
    int tickCountDecimalPlaces = 0;
    double tickCountRadius = 0.74;
    bool tickCountRotate = false;
    bool tickCountSkipFirst = false;
    QFont tickCountFont = defaultTickCountFont();
    QColor tickCountColor = QColor(Qt::white);
    // The values along the span; an even scale (the default) leaves the
    // ticks to the bias curve and the labels to start and increment.
    valueScale scale;
    // The label texts: primary tick i shows entry i, and an empty entry or a
    // tick beyond the list shows none. Empty (the default): the labels are
    // numbers.
    QStringList tickCountTexts;
    // Drawn over the ticks and labels of the layer: the pictures, then the
    // texts, each in list order.
    QList<facePicture> pictures;
    QList<faceText> texts;
    // Drawn over the whole gauge, after every layer's ticks, labels and face,
    // in layer and list order.
    QList<gaugeNeedle> needles;

    // "Sans Serif", 10 points, default weight, not italic.
    static QFont defaultTickCountFont();

    bool operator==(const gaugeData &other) const;
    bool operator!=(const gaugeData &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(gaugeData)

// Gives the needles of the layers the values, in order, so that a later one
// wins. Returns false with a one-line reason in `error` (when given), and
// the layers untouched, when a name is no needle's.
[[nodiscard]] bool setNeedleValues(QList<gaugeData> &layers, const QList<NeedleValue> &values,
                                   QString *error = nullptr);

// Registers gaugeData with the meta-type system under the name "gaugeData".
void registerGaugeDataMetaType();
