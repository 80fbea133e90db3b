#include "animation/valuesource.h"

#include "animation/frames.h"

#include <QtMath>

#include <cmath>

double Sweep::valueAt(double time) const
{
    const double phase = (time - start) / duration;
    if (!(phase > 0.0 && phase < 1.0))
        return from;
    return from + (to - from) * (1.0 - std::cos(2.0 * M_PI * phase)) / 2.0;
}

bool checkSweep(const Sweep &sweep, QString *error)
{
    QString reason;
    if (!std::isfinite(sweep.from) || !std::isfinite(sweep.to) || !std::isfinite(sweep.start))
        reason = ValueSource::tr("The values of a sweep must be numbers.");
    else if (!(sweep.duration > 0.0 && sweep.duration <= animationDurationLimit))
        reason = ValueSource::tr("A sweep must last more than 0 seconds and at most %1 hours.")
                     .arg(animationDurationLimit / 3600.0);
    if (error && !reason.isEmpty())
        *error = reason;
    return reason.isEmpty();
}

ValueSource ValueSource::constant(double value)
{
    ValueSource source;
    source.m_constant = value;
    return source;
}

ValueSource ValueSource::series(const ::Series &series)
{
    ValueSource source;
    source.m_kind = Kind::Series;
    source.m_series = series;
    return source;
}

ValueSource ValueSource::sweep(const ::Sweep &sweep)
{
    ValueSource source;
    source.m_kind = Kind::Sweep;
    source.m_sweep = sweep;
    return source;
}

double ValueSource::valueAt(double time) const
{
    qsizetype hint = 0;
    return valueAt(time, &hint);
}

double ValueSource::valueAt(double time, qsizetype *hint) const
{
    switch (m_kind) {
    case Kind::Constant:
        break;
    case Kind::Series:
        return m_series.valueAt(time, hint);
    case Kind::Sweep:
        return m_sweep.valueAt(time);
    }
    return m_constant;
}

bool ValueSource::timeSpan(double *first, double *last) const
{
    switch (m_kind) {
    case Kind::Constant:
        return false;
    case Kind::Series:
        if (m_series.isEmpty())
            return false;
        *first = m_series.firstTime();
        *last = m_series.lastTime();
        return true;
    case Kind::Sweep:
        *first = m_sweep.start;
        *last = m_sweep.start + m_sweep.duration;
        return true;
    }
    return false;
}
