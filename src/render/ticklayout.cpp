#include "render/ticklayout.h"

#include "render/biasmap.h"

#include <cmath>

TickLayout::TickLayout(const gaugeData &layer)
    : m_startAngle(layer.startAngle),
      m_angleLength(layer.angleLength),
      m_bias(layer.bias),
      m_midpointBias(layer.midpointBias),
      m_n1(layer.divisionCount[0]),
      m_n2(layer.divisionCount[1]),
      m_n3(layer.divisionCount[2]),
      m_primaryCount(m_n1 <= 0 ? 0 : std::fabs(layer.angleLength) < 360.0 ? m_n1 + 1 : m_n1)
{
}

double TickLayout::screenAngle(qint64 j, qint64 k, qint64 m) const
{
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
    return 90.0 - m_startAngle - biasMap(t, m_bias, m_midpointBias) * m_angleLength;
}

double TickLayout::gaugeAngle(double screenAngle)
{
    return -(screenAngle - 90.0);
}
