#pragma once

#include <QList>

// One sample of a driving signal: a value at a time in seconds.
struct TimedValue
{
    double time = 0.0;
    double value = 0.0;

    friend bool operator==(const TimedValue &a, const TimedValue &b)
    {
        return a.time == b.time && a.value == b.value;
    }
};
// Two doubles: lists of millions of samples grow by reallocation, not by
// copying element by element.
Q_DECLARE_TYPEINFO(TimedValue, Q_PRIMITIVE_TYPE);

enum class Interpolation {
    Linear,
    // Piecewise cubic with Fritsch-Carlson tangents, as the value scale's
    // tables use: smooth through the samples, yet never beyond the values
    // of the two samples around an instant, so a step in the data does not
    // make the needle swing past either level.
    MonotoneCubic,
};

// A sampled signal that can be read at any time: it passes through every
// sample exactly, holds the first value before the first sample and the
// last value after the last. Copies share the samples.
class Series
{
public:
    // Holds 0 at every time.
    Series() = default;
    // Samples whose time or value is not finite are left out; the others
    // are taken in time order (they may come in any order), and of samples
    // at the same time the one listed last counts.
    explicit Series(QList<TimedValue> samples, Interpolation kind = Interpolation::Linear);

    bool isEmpty() const { return m_samples.isEmpty(); }
    const QList<TimedValue> &samples() const { return m_samples; }
    Interpolation interpolation() const { return m_kind; }
    // 0 for a series without samples.
    double firstTime() const { return isEmpty() ? 0.0 : m_samples.constFirst().time; }
    double lastTime() const { return isEmpty() ? 0.0 : m_samples.constLast().time; }

    double valueAt(double time) const;
    // The same value, found quickly when times are asked in order: `hint`
    // remembers the interval of the last call. It changes the speed, never
    // the result. Start it at 0.
    double valueAt(double time, qsizetype *hint) const;

private:
    double valueIn(qsizetype interval, double time) const;

    QList<TimedValue> m_samples;
    // The curve's slope at each sample; empty for a linear series.
    QList<double> m_slopes;
    Interpolation m_kind = Interpolation::Linear;
};
