#include "render/needledial.h"

#include "render/biasmap.h"
#include "render/ticklayout.h"

#include <algorithm>
#include <cmath>

NeedleDial::NeedleDial(const gaugeData &layer)
    : m_startAngle(layer.startAngle), m_angleLength(layer.angleLength), m_bias(layer.bias),
      m_midpointBias(layer.midpointBias), m_n1(layer.divisionCount[0]),
      m_start(layer.tickCountStart), m_increment(layer.tickCountIncrement), m_scale(layer.scale)
{
    const bool spanFinite = std::isfinite(m_startAngle) && std::isfinite(m_angleLength);
    if (m_scale.isScaled()) {
        m_startValue = layer.scale.from;
        m_endValue = layer.scale.to;
        m_valid = spanFinite && m_n1 > 0;
        return;
    }
    m_startValue = m_start;
    m_endValue = m_start + m_increment * m_n1;
    m_valid = spanFinite && m_n1 > 0 && m_increment != 0.0 && std::isfinite(m_start)
        && std::isfinite(m_increment) && std::isfinite(m_endValue) && std::isfinite(m_bias);
}

double NeedleDial::angleOfFraction(double fraction) const
{
    // In the order the painter and the keyframes work out a tick's angle,
    // so that the last bits agree.
    return TickLayout::gaugeAngle(90.0 - m_startAngle - fraction * m_angleLength);
}

double NeedleDial::angle(double value, bool free) const
{
    if (!m_valid || !std::isfinite(value))
        return startAngle();
    if (m_scale.isScaled())
        return angleOfFraction(m_scale.fraction(value));
    // The primary tick a value belongs to, counted from the first: a value
    // that adding the increment tick by tick gives lands on its tick
    // exactly, however the last bits of that sum came out (near the end of
    // a strong bias the curve is steep enough to show them).
    double ticks = (value - m_start) / m_increment;
    const double nearest = std::round(ticks);
    if (std::fabs(ticks - nearest) <= 1e-9 * std::max(1.0, std::fabs(nearest)))
        ticks = nearest;
    const double t = ticks / m_n1;
    if (!free || !std::isfinite(t))
        return angleOfFraction(biasMap(std::clamp(t, 0.0, 1.0), m_bias, m_midpointBias));
    // Once round the span for every whole turn of the value.
    const double turns = std::floor(t);
    return angleOfFraction(biasMap(t - turns, m_bias, m_midpointBias)) + turns * m_angleLength;
}

double NeedleDial::startAngle() const
{
    return angleOfFraction(0.0);
}

double NeedleDial::endAngle() const
{
    return angleOfFraction(1.0);
}
