#include "animation/series.h"

#include <algorithm>
#include <cmath>

namespace {

bool inStrictTimeOrder(const QList<TimedValue> &samples)
{
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const TimedValue &s = samples.at(i);
        if (!std::isfinite(s.time) || !std::isfinite(s.value))
            return false;
        if (i > 0 && !(samples.at(i - 1).time < s.time))
            return false;
    }
    return true;
}

QList<TimedValue> inTimeOrder(const QList<TimedValue> &samples)
{
    QList<TimedValue> kept;
    kept.reserve(samples.size());
    for (const TimedValue &s : samples) {
        if (std::isfinite(s.time) && std::isfinite(s.value))
            kept.append(s);
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const TimedValue &a, const TimedValue &b) { return a.time < b.time; });
    QList<TimedValue> unique;
    unique.reserve(kept.size());
    for (const TimedValue &s : kept) {
        if (!unique.isEmpty() && unique.constLast().time == s.time)
            unique.last() = s;
        else
            unique.append(s);
    }
    return unique;
}

// Fritsch and Carlson's tangents: the mean of the two secants where the
// data goes on in the same direction, flat at a turn and on a level
// stretch, then shortened where they would let the cubic leave the range
// of its two samples.
QList<double> monotoneSlopes(const QList<TimedValue> &s)
{
    const qsizetype n = s.size();
    QList<double> slope(n, 0.0);
    if (n < 2)
        return slope;
    QList<double> secant(n - 1);
    for (qsizetype i = 0; i + 1 < n; ++i)
        secant[i] = (s[i + 1].value - s[i].value) / (s[i + 1].time - s[i].time);
    slope[0] = secant[0];
    slope[n - 1] = secant[n - 2];
    for (qsizetype i = 1; i + 1 < n; ++i) {
        if (secant[i - 1] * secant[i] > 0.0)
            slope[i] = (secant[i - 1] + secant[i]) / 2.0;
    }
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (secant[i] == 0.0) {
            slope[i] = 0.0;
            slope[i + 1] = 0.0;
            continue;
        }
        const double alpha = slope[i] / secant[i];
        const double beta = slope[i + 1] / secant[i];
        const double sum = alpha * alpha + beta * beta;
        if (sum > 9.0) {
            const double tau = 3.0 / std::sqrt(sum);
            slope[i] = tau * alpha * secant[i];
            slope[i + 1] = tau * beta * secant[i];
        }
    }
    return slope;
}

} // namespace

Series::Series(QList<TimedValue> samples, Interpolation kind)
    : m_samples(inStrictTimeOrder(samples) ? std::move(samples) : inTimeOrder(samples)),
      m_kind(kind)
{
    if (kind == Interpolation::MonotoneCubic)
        m_slopes = monotoneSlopes(m_samples);
}

double Series::valueIn(qsizetype i, double time) const
{
    const TimedValue &a = m_samples.at(i);
    const TimedValue &b = m_samples.at(i + 1);
    const double h = b.time - a.time;
    const double t = (time - a.time) / h;
    if (m_kind == Interpolation::Linear)
        return a.value + t * (b.value - a.value);
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2.0 * t3 - 3.0 * t2 + 1.0) * a.value + (t3 - 2.0 * t2 + t) * h * m_slopes.at(i)
        + (-2.0 * t3 + 3.0 * t2) * b.value + (t3 - t2) * h * m_slopes.at(i + 1);
}

double Series::valueAt(double time) const
{
    qsizetype hint = 0;
    return valueAt(time, &hint);
}

double Series::valueAt(double time, qsizetype *hint) const
{
    if (m_samples.isEmpty())
        return 0.0;
    if (!(time > m_samples.constFirst().time))
        return m_samples.constFirst().value; // NaN lands here too
    if (time >= m_samples.constLast().time)
        return m_samples.constLast().value;
    // The interval [t_i, t_i+1) holding the time; a sample's own time starts
    // its interval, where the curve gives the sample's value exactly.
    const auto holds = [this, time](qsizetype i) {
        return i >= 0 && i + 1 < m_samples.size() && m_samples.at(i).time <= time
            && time < m_samples.at(i + 1).time;
    };
    qsizetype i = *hint;
    if (!holds(i)) {
        if (holds(i + 1)) {
            ++i;
        } else {
            const auto after =
                std::upper_bound(m_samples.cbegin(), m_samples.cend(), time,
                                 [](double t, const TimedValue &s) { return t < s.time; });
            i = qsizetype(after - m_samples.cbegin()) - 1;
        }
    }
    *hint = i;
    return valueIn(i, time);
}
