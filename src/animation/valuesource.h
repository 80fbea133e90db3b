#pragma once

#include "animation/series.h"

#include <QCoreApplication>
#include <QString>

// A needle's sweep over its scale: from one value to another and back. The
// shape is one period of a raised cosine, so the needle eases out of the
// first value, passes the middle at its fastest, eases into the second at
// half the duration and returns the same way, without a jolt at either
// end or at the turn. Before `start` and after start + duration it holds
// `from`.
struct Sweep
{
    double from = 0.0;
    double to = 1.0;
    double duration = 1.0; // seconds, there and back
    double start = 0.0;    // seconds

    double valueAt(double time) const;
};

// Whether a sweep can be animated: finite values and a duration above 0
// and at most animationDurationLimit. On false `error` (when given) says
// why in one line.
[[nodiscard]] bool checkSweep(const Sweep &sweep, QString *error = nullptr);

// What drives one needle: a fixed value, a sampled series (a column of the
// driving data) or a sweep.
class ValueSource
{
    Q_DECLARE_TR_FUNCTIONS(ValueSource)

public:
    enum class Kind { Constant, Series, Sweep };

    // The constant 0.
    ValueSource() = default;
    static ValueSource constant(double value);
    static ValueSource series(const Series &series);
    static ValueSource sweep(const Sweep &sweep);

    Kind kind() const { return m_kind; }

    double valueAt(double time) const;
    // As above; `hint` speeds up a series read in time order (Series).
    double valueAt(double time, qsizetype *hint) const;

    // The times the source changes over: a series' first and last sample,
    // a sweep's start and end. False for a constant, and for a series
    // without samples.
    bool timeSpan(double *first, double *last) const;

private:
    Kind m_kind = Kind::Constant;
    double m_constant = 0.0;
    ::Series m_series;
    ::Sweep m_sweep;
};
