#pragma once

#include "model/gaugedata.h"
#include "render/scalemap.h"

#include <QString>
#include <QStringList>

// Where the ticks of one layer stand, the single rule shared by the painter
// and the keyframe CSV so that a needle keyed from the CSV meets the drawn
// ticks exactly.
//
// Level 1 divides the layer's span into N1 intervals. Level 2 divides each of
// them into N2 parts and draws the N2 - 1 inner boundaries, and level 3 does
// the same inside every level-2 part; a count of 1 or less for level 2 also
// suppresses level 3. Tick (j, k, m) is the m-th tertiary tick of the k-th
// part of primary interval j; (j, 0, 0) is primary tick j itself.
//
// Without a value scale the parts are equal parts of the span, moved by the
// bias curve. With one, the primary ticks stand at N1 + 1 values from the
// scale's `from` to its `to` (evenly in ln(value) on a log scale, evenly in
// value otherwise), the lower levels divide the value interval above them
// evenly in value, and every tick is drawn at the fraction of its value.
class TickLayout
{
public:
    explicit TickLayout(const gaugeData &layer);

    // The number of primary ticks: 0 without divisions, N1 on a full circle
    // (its first tick is not repeated at the end), N1 + 1 otherwise.
    qint64 primaryCount() const { return m_primaryCount; }

    // Level-2 and level-3 counts, 0 where the level draws nothing.
    qint64 secondaryDivisions() const { return m_n2 > 1 ? m_n2 : 0; }
    qint64 tertiaryDivisions() const { return m_n2 > 1 && m_n3 > 1 ? m_n3 : 0; }

    // Secondary and tertiary ticks follow primary tick j unless j closes a
    // span shorter than a full circle.
    bool subdivides(qint64 j) const { return m_n2 > 1 && j < m_n1; }

    // True when the ticks stand at the values of the layer's scale; false for
    // an even scale and for one that cannot be drawn.
    bool isScaled() const { return m_scale.isScaled(); }
    // The value tick (j, k, m) stands for on a scaled layer.
    double tickValue(qint64 j, qint64 k = 0, qint64 m = 0) const;

    // Screen angle in degrees (0 at 3 o'clock, anticlockwise) of tick
    // (j, k, m).
    double screenAngle(qint64 j, qint64 k = 0, qint64 m = 0) const;

    // The gauge angle (degrees clockwise from 12 o'clock) of a screen angle.
    static double gaugeAngle(double screenAngle);

private:
    // The fraction of the span where tick (j, k, m) is drawn.
    double spanFraction(qint64 j, qint64 k, qint64 m) const;

    double m_startAngle;
    double m_angleLength;
    double m_bias;
    bool m_midpointBias;
    qint64 m_n1;
    qint64 m_n2;
    qint64 m_n3;
    qint64 m_primaryCount;
    ScaleMap m_scale;
};

// Walks the primary ticks of a layer in order, with the value each one
// stands for: on a scaled layer the tick's value on the scale; otherwise the
// label start, then one increment added at a time, as the dial's labels
// count whether or not they are shown.
class PrimaryTicks
{
public:
    explicit PrimaryTicks(const gaugeData &layer);

    bool atEnd() const { return m_index >= m_layout.primaryCount(); }
    void next();

    qint64 index() const { return m_index; }
    double value() const;
    double screenAngle() const { return m_layout.screenAngle(m_index); }

    // The label of this tick. With label texts, entry i of the list for
    // primary tick i, empty (no label) beyond the list; otherwise its value
    // in fixed-point notation with the layer's decimal places, at most
    // `maxDecimals`.
    QString labelText(int maxDecimals) const;
    // Whether the ticks from this one on have no label: the layer's label
    // texts end before it.
    bool labelsEnded() const { return !m_texts.isEmpty() && m_index >= m_texts.size(); }

private:
    TickLayout m_layout;
    QStringList m_texts;
    double m_increment;
    double m_value;
    int m_decimals;
    qint64 m_index = 0;
};
