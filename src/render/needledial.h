#pragma once

#include "model/gaugedata.h"
#include "render/scalemap.h"

// How a layer turns a value into the angle of its needles: a needle points
// where the layer would draw a tick of that value, so at the value of any
// primary tick it points exactly at that tick (its angle is the keyframe
// CSV's angle for the tick).
//
// On an even scale primary tick i stands for start + i x increment of the
// labels, so a value v lies at the even fraction (v - start) / (increment x
// N1) of the span, which the bias curve then moves as it moves the ticks;
// a full circle does not repeat its first tick, so its end value is the
// start value once round. On a value scale (log, dB, power, table) the
// value lies where the scale puts it.
class NeedleDial
{
public:
    explicit NeedleDial(const gaugeData &layer);

    // The layer lays values along its span: it has primary divisions, and
    // on an even scale an increment that is not 0; every number finite.
    bool isValid() const { return m_valid; }

    // The values at the start and at the end of the span.
    double startValue() const { return m_startValue; }
    double endValue() const { return m_endValue; }

    // The gauge angle (degrees clockwise from 12 o'clock) at which the
    // layer would draw a tick of `value`. Beyond the ends of the span the
    // angle stops at the end (the pegs), unless `free`: a free needle on an
    // even scale turns on round the circle. The start angle for a layer
    // that is not valid.
    double angle(double value, bool free = false) const;

    // The gauge angles of the two ends of the span.
    double startAngle() const;
    double endAngle() const;

private:
    // The gauge angle of a fraction of the span after the bias.
    double angleOfFraction(double fraction) const;

    double m_startAngle;
    double m_angleLength;
    double m_bias;
    bool m_midpointBias;
    double m_n1;
    double m_start;
    double m_increment;
    ScaleMap m_scale;
    bool m_valid = false;
    double m_startValue = 0.0;
    double m_endValue = 0.0;
};
