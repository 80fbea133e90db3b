#include "render/scalemap.h"

#include <algorithm>
#include <cmath>

namespace {

double clamped01(double f)
{
    if (!(f > 0.0))
        return 0.0; // NaN included
    return f > 1.0 ? 1.0 : f;
}

double decibelLevel(double dB)
{
    return std::pow(10.0, dB / 20.0);
}

// a + (b - a) * i / n with the product first, which keeps whole steps whole
// (-20 + 23 * 20 / 23 is exactly 0); only where the product overflows is the
// step taken as a fraction first.
double partWay(double a, double b, qint64 i, qint64 n)
{
    const double product = (b - a) * double(i);
    if (std::isfinite(product))
        return a + product / double(n);
    return a + (b - a) * (double(i) / double(n));
}

} // namespace

ScaleMap::ScaleMap(const valueScale &scale)
    : m_type(scale.type), m_from(scale.from), m_to(scale.to), m_exponent(scale.exponent)
{
    if (scale.isEven())
        return;
    m_problem = findProblem(scale);
    m_scaled = m_problem.isEmpty();
    m_low = std::min(m_from, m_to);
    m_high = std::max(m_from, m_to);
}

QString ScaleMap::findProblem(const valueScale &scale)
{
    if (m_type == scaleType::unknown) {
        return tr("This version does not know the scale type \u201c%1\u201d.")
            .arg(scale.fileObject.value(QLatin1String("type")).toString().left(40));
    }
    if (!std::isfinite(m_from) || !std::isfinite(m_to))
        return tr("“From” and “To” must be numbers.");
    if (m_from == m_to)
        return tr("“From” and “To” must differ.");
    if (!std::isfinite(m_to - m_from))
        return tr("“From” and “To” are too far apart.");

    switch (m_type) {
    case scaleType::log:
        if (!(m_from > 0.0) || !(m_to > 0.0))
            return tr("A logarithmic scale needs “From” and “To” above 0.");
        m_lnRatio = std::log(m_to / m_from);
        m_log10Ratio = std::log10(m_to / m_from);
        if (!std::isfinite(m_lnRatio) || m_lnRatio == 0.0 || !std::isfinite(m_log10Ratio))
            return tr("“From” and “To” are too far apart.");
        return QString();
    case scaleType::decibel: {
        const double fromLevel = decibelLevel(m_from);
        const double toLevel = decibelLevel(m_to);
        if (!std::isfinite(fromLevel) || !std::isfinite(toLevel))
            return tr("A decibel scale cannot reach %1 dB.").arg(std::max(m_from, m_to));
        m_fromLevel = fromLevel;
        m_levelSpan = toLevel - fromLevel;
        if (m_levelSpan == 0.0)
            return tr("“From” and “To” are too far below 0 dB to tell apart.");
        return QString();
    }
    case scaleType::power:
        if (!(m_exponent > 0.0) || !std::isfinite(m_exponent))
            return tr("The exponent must be above 0.");
        return QString();
    case scaleType::table: {
        const QList<QPointF> &points = scale.points;
        if (points.size() < 2)
            return tr("A calibration table needs at least two points.");
        for (int i = 0; i < points.size(); ++i) {
            const QPointF &p = points.at(i);
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                return tr("Point %1 is not a value and a fraction.").arg(i + 1);
            if (p.y() < 0.0 || p.y() > 1.0)
                return tr("The fraction of point %1 must lie between 0 and 1.").arg(i + 1);
            if (i > 0 && !(p.x() > points.at(i - 1).x()))
                return tr("The values must increase from point to point (point %1).").arg(i + 1);
            if (i > 0 && !std::isfinite(p.x() - points.at(i - 1).x()))
                return tr("Points %1 and %2 are too far apart.").arg(i).arg(i + 1);
        }
        prepareTable(points);
        return QString();
    }
    case scaleType::even:
    case scaleType::unknown:
        break;
    }
    return QString();
}

// Fritsch and Carlson's monotone piecewise cubic: tangents from the secant
// slopes, zero where the data turn or stay level, then shortened wherever
// they would make a segment overshoot. A monotone table thus gives a
// monotone, smooth scale that passes through every point.
void ScaleMap::prepareTable(const QList<QPointF> &points)
{
    const size_t n = size_t(points.size());
    m_x.resize(n);
    m_y.resize(n);
    for (size_t i = 0; i < n; ++i) {
        m_x[i] = points.at(qsizetype(i)).x();
        m_y[i] = points.at(qsizetype(i)).y();
    }
    std::vector<double> secant(n - 1);
    for (size_t i = 0; i + 1 < n; ++i)
        secant[i] = (m_y[i + 1] - m_y[i]) / (m_x[i + 1] - m_x[i]);

    m_slope.assign(n, 0.0);
    m_slope[0] = secant[0];
    m_slope[n - 1] = secant[n - 2];
    for (size_t i = 1; i + 1 < n; ++i) {
        if (secant[i - 1] * secant[i] > 0.0)
            m_slope[i] = (secant[i - 1] + secant[i]) / 2.0;
    }
    for (size_t i = 0; i + 1 < n; ++i) {
        if (secant[i] == 0.0) {
            m_slope[i] = 0.0;
            m_slope[i + 1] = 0.0;
            continue;
        }
        const double alpha = m_slope[i] / secant[i];
        const double beta = m_slope[i + 1] / secant[i];
        const double sum = alpha * alpha + beta * beta;
        if (sum > 9.0) {
            const double tau = 3.0 / std::sqrt(sum);
            m_slope[i] = tau * alpha * secant[i];
            m_slope[i + 1] = tau * beta * secant[i];
        }
    }
}

double ScaleMap::tableFraction(double value) const
{
    if (!(value > m_x.front()))
        return m_y.front(); // NaN lands here too
    if (value >= m_x.back())
        return m_y.back();
    // The segment [x_i, x_i+1) holding the value; a point itself starts its
    // segment, where the cubic gives its fraction exactly.
    const size_t i = size_t(std::upper_bound(m_x.begin(), m_x.end(), value) - m_x.begin()) - 1;
    const double h = m_x[i + 1] - m_x[i];
    const double t = (value - m_x[i]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2.0 * t3 - 3.0 * t2 + 1.0) * m_y[i] + (t3 - 2.0 * t2 + t) * h * m_slope[i]
        + (-2.0 * t3 + 3.0 * t2) * m_y[i + 1] + (t3 - t2) * h * m_slope[i + 1];
}

double ScaleMap::fraction(double value) const
{
    if (!m_scaled)
        return 0.0;
    if (m_type == scaleType::table)
        return clamped01(tableFraction(value));
    // Beyond the span a value is drawn at its nearer end; this also keeps
    // the logarithm's argument positive and the power's base in 0..1.
    const double v = std::clamp(value, m_low, m_high);
    switch (m_type) {
    case scaleType::log:
        return clamped01(std::log(v / m_from) / m_lnRatio);
    case scaleType::decibel:
        return clamped01((decibelLevel(v) - m_fromLevel) / m_levelSpan);
    case scaleType::power:
        return clamped01(
            std::pow(std::clamp((v - m_from) / (m_to - m_from), 0.0, 1.0), m_exponent));
    case scaleType::even:
    case scaleType::table:
    case scaleType::unknown:
        break;
    }
    return 0.0;
}

double ScaleMap::primaryValue(qint64 j, qint64 n) const
{
    if (j <= 0 || n <= 0)
        return m_from;
    if (j >= n)
        return m_to;
    // Whole decades stay whole: 10^(1 * 3 / 3) is exactly 10.
    if (m_type == scaleType::log)
        return m_from * std::pow(10.0, double(j) * m_log10Ratio / double(n));
    return snapped(partWay(m_from, m_to, j, n));
}

double ScaleMap::between(double a, double b, qint64 i, qint64 n) const
{
    if (i <= 0 || n <= 0)
        return a;
    if (i >= n)
        return b;
    return snapped(partWay(a, b, i, n));
}

double ScaleMap::snapped(double value) const
{
    // A log scale has no zero, and its smallest values are its whole point.
    if (m_type == scaleType::log)
        return value;
    return std::fabs(value) < 1e-12 * std::fabs(m_to - m_from) ? 0.0 : value;
}

valueScale scaleOfType(const valueScale &scale, scaleType type)
{
    valueScale next = scale;
    next.type = type;
    next.fileObject = QJsonObject();
    if (next.isEven() || type == scaleType::unknown || ScaleMap(next).isScaled())
        return next;

    switch (type) {
    case scaleType::log:
        next.from = 1.0;
        next.to = 1000.0;
        break;
    case scaleType::decibel:
        next.from = -20.0;
        next.to = 3.0;
        break;
    case scaleType::power:
        if (!(next.exponent > 0.0) || !std::isfinite(next.exponent))
            next.exponent = 2.0;
        break;
    case scaleType::table:
        // A straight line from `from` at the start to `to` at the end, in
        // increasing order of value.
        if (next.from < next.to)
            next.points = {QPointF(next.from, 0.0), QPointF(next.to, 1.0)};
        else
            next.points = {QPointF(next.to, 1.0), QPointF(next.from, 0.0)};
        break;
    case scaleType::even:
    case scaleType::unknown:
        break;
    }
    if (!ScaleMap(next).isScaled()) {
        // The span itself is unusable (from equal to to, or not finite).
        next.from = 0.0;
        next.to = 100.0;
        if (type == scaleType::table)
            next.points = {QPointF(0.0, 0.0), QPointF(100.0, 1.0)};
    }
    return next;
}
