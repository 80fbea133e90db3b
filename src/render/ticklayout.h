#pragma once

#include "model/gaugedata.h"

// Where the ticks of one layer stand, the single rule shared by the painter
// and the keyframe CSV so that a needle keyed from the CSV meets the drawn
// ticks exactly.
//
// Level 1 divides the layer's span into N1 intervals. Level 2 divides each of
// them into N2 parts and draws the N2 - 1 inner boundaries, and level 3 does
// the same inside every level-2 part; a count of 1 or less for level 2 also
// suppresses level 3. Tick (j, k, m) is the m-th tertiary tick of the k-th
// part of primary interval j; (j, 0, 0) is primary tick j itself.
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

    // Screen angle in degrees (0 at 3 o'clock, anticlockwise) of tick
    // (j, k, m), through the layer's bias curve.
    double screenAngle(qint64 j, qint64 k = 0, qint64 m = 0) const;

    // The gauge angle (degrees clockwise from 12 o'clock) of a screen angle.
    static double gaugeAngle(double screenAngle);

private:
    double m_startAngle;
    double m_angleLength;
    double m_bias;
    bool m_midpointBias;
    qint64 m_n1;
    qint64 m_n2;
    qint64 m_n3;
    qint64 m_primaryCount;
};

// Walks the primary ticks of a layer in order, with the value each one
// counts: the label start, then one increment added at a time, as the dial's
// labels count whether or not they are shown.
class PrimaryTicks
{
public:
    explicit PrimaryTicks(const gaugeData &layer)
        : m_layout(layer), m_increment(layer.tickCountIncrement), m_value(layer.tickCountStart)
    {
    }

    bool atEnd() const { return m_index >= m_layout.primaryCount(); }
    void next()
    {
        ++m_index;
        m_value = m_value + m_increment;
    }

    qint64 index() const { return m_index; }
    double value() const { return m_value; }
    double screenAngle() const { return m_layout.screenAngle(m_index); }

private:
    TickLayout m_layout;
    double m_increment;
    double m_value;
    qint64 m_index = 0;
};
