#include "render/ticklayout.h"

#include "render/biasmap.h"

#include <algorithm>
#include <cmath>

TickLayout::TickLayout(const gaugeData &layer)
    : m_startAngle(layer.startAngle),
      m_angleLength(layer.angleLength),
      m_bias(layer.bias),
      m_midpointBias(layer.midpointBias),
      m_n1(layer.divisionCount[0]),
      m_n2(layer.divisionCount[1]),
      m_n3(layer.divisionCount[2]),
      m_primaryCount(m_n1 <= 0 ? 0 : std::fabs(layer.angleLength) < 360.0 ? m_n1 + 1 : m_n1),
      m_scale(layer.scale)
{
}

double TickLayout::tickValue(qint64 j, qint64 k, qint64 m) const
{
    const double primary = m_scale.primaryValue(j, m_n1);
    if (k == 0 && m == 0)
        return primary;
    const double nextPrimary = m_scale.primaryValue(j + 1, m_n1);
    const double secondary = m_scale.between(primary, nextPrimary, k, m_n2);
    if (m == 0)
        return secondary;
    const double nextSecondary = m_scale.between(primary, nextPrimary, k + 1, m_n2);
    return m_scale.between(secondary, nextSecondary, m, m_n3);
}

double TickLayout::spanFraction(qint64 j, qint64 k, qint64 m) const
{
    if (m_scale.isScaled())
        return m_scale.fraction(tickValue(j, k, m));

    // The even fraction of the span, as 64-bit divisions of the counts. The
    // parts that are zero are left out rather than added, which keeps 0 / 0
    // out of a primary tick of a layer whose lower levels have no count.
    double t;
    if (k == 0 && m == 0)
        t = double(j) / double(m_n1);
    else if (m == 0)
        t = (double(j) + double(k) / double(m_n2)) / double(m_n1);
    else
        t = (double(j) + (double(k) + double(m) / double(m_n3)) / double(m_n2)) / double(m_n1);
    return biasMap(t, m_bias, m_midpointBias);
}

double TickLayout::screenAngle(qint64 j, qint64 k, qint64 m) const
{
    return 90.0 - m_startAngle - spanFraction(j, k, m) * m_angleLength;
}

double TickLayout::gaugeAngle(double screenAngle)
{
    return -(screenAngle - 90.0);
}

PrimaryTicks::PrimaryTicks(const gaugeData &layer)
    : m_layout(layer),
      m_texts(layer.tickCountTexts),
      m_increment(layer.tickCountIncrement),
      m_value(layer.tickCountStart),
      m_decimals(layer.tickCountDecimalPlaces)
{
}

void PrimaryTicks::next()
{
    ++m_index;
    m_value = m_value + m_increment;
}

double PrimaryTicks::value() const
{
    return m_layout.isScaled() ? m_layout.tickValue(m_index) : m_value;
}

QString PrimaryTicks::labelText(int maxDecimals) const
{
    if (!m_texts.isEmpty())
        return m_index < m_texts.size() ? m_texts.at(m_index) : QString();
    return QString::number(value(), 'f', std::min(m_decimals, maxDecimals));
}
