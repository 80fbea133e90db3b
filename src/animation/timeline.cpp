#include "animation/timeline.h"

#include <algorithm>
#include <cmath>

bool sourcesTimeSpan(const QList<NeedleMotion> &needles, double *first, double *last)
{
    bool found = false;
    for (const NeedleMotion &needle : needles) {
        double a;
        double b;
        if (!needle.source.timeSpan(&a, &b))
            continue;
        *first = found ? std::min(*first, a) : a;
        *last = found ? std::max(*last, b) : b;
        found = true;
    }
    return found;
}

bool Timeline::check(const QList<NeedleMotion> &needles, const FrameRange &range, QString *error)
{
    if (!checkFrameRange(range, error))
        return false;
    for (qsizetype i = 0; i < needles.size(); ++i) {
        const NeedleMotion &needle = needles.at(i);
        QString reason;
        const auto angle = [&needle](double value) {
            return needle.scale.angleOfValue ? needle.scale.angleOfValue(value) : value;
        };
        const bool ends = std::isfinite(needle.scale.startValue)
            && std::isfinite(needle.scale.endValue) && std::isfinite(angle(needle.scale.startValue))
            && std::isfinite(angle(needle.scale.endValue));
        if (checkBallistics(needle.ballistics, &reason)) {
            if (needle.source.kind() == ValueSource::Kind::Constant
                && !std::isfinite(needle.source.valueAt(0.0)))
                reason = tr("Its value is not a number.");
            else if (!ends)
                reason = tr("The ends of its scale have no angle.");
        }
        if (!reason.isEmpty()) {
            if (error)
                *error = tr("Needle %1: %2").arg(i + 1).arg(reason);
            return false;
        }
    }
    return true;
}

Timeline::Timeline(const QList<NeedleMotion> &needles, const FrameRange &range)
    : m_range(range), m_frameCount(::frameCount(range))
{
    m_needles.reserve(size_t(needles.size()));
    for (const NeedleMotion &motion : needles) {
        NeedleScale scale = motion.scale;
        if (!scale.angleOfValue)
            scale.angleOfValue = [](double value) {
                return value;
            };
        const Pegs pegs = scale.free ? Pegs::none()
                                     : Pegs::between(scale.angleOfValue(scale.startValue),
                                                     scale.angleOfValue(scale.endValue));
        NeedleMovement::Drive drive = [source = motion.source, angle = scale.angleOfValue,
                                       hint = qsizetype(0)](double time) mutable {
            return angle(source.valueAt(time, &hint));
        };
        double first;
        double last;
        const double start =
            motion.source.timeSpan(&first, &last) ? std::min(first, range.from) : range.from;
        const double origin =
            std::max(start, range.from - NeedleMovement::settlingTime(motion.ballistics));
        const double startAngle = drive(origin);
        m_needles.push_back({motion.source, scale, pegs,
                             motion.ballistics.kind == BallisticsKind::None,
                             NeedleMovement(motion.ballistics, pegs, drive, origin, startAngle)});
    }
}

double Timeline::valueAtAngle(const NeedleScale &scale, double angle)
{
    if (scale.valueOfAngle)
        return scale.valueOfAngle(angle);
    double low = scale.startValue;
    double high = scale.endValue;
    const double lowAngle = scale.angleOfValue(low);
    const double highAngle = scale.angleOfValue(high);
    if (!(lowAngle != highAngle))
        return low;
    // Oriented so that the angle grows from `low` to `high`.
    const double sense = highAngle > lowAngle ? 1.0 : -1.0;
    if (!((angle - lowAngle) * sense > 0.0))
        return low;
    if ((angle - highAngle) * sense >= 0.0)
        return high;
    // 128 halvings narrow any scale far below what a needle can show, and
    // bound the work where the angles are not monotonic after all.
    double middle = low;
    for (int i = 0; i < 128; ++i) {
        middle = low + (high - low) / 2.0;
        if (middle == low || middle == high)
            return middle;
        if ((scale.angleOfValue(middle) - angle) * sense < 0.0)
            low = middle;
        else
            high = middle;
    }
    return middle;
}

NeedleState Timeline::state(Needle &needle, double time)
{
    NeedleState state;
    state.drive = needle.source.valueAt(time, &needle.hint);
    state.angle = needle.movement.angleAt(time);
    if (!needle.follows) {
        state.value = valueAtAngle(needle.scale, state.angle);
    } else if (needle.pegs.free) {
        state.value = state.drive;
    } else {
        const double low = std::min(needle.scale.startValue, needle.scale.endValue);
        const double high = std::max(needle.scale.startValue, needle.scale.endValue);
        state.value = std::clamp(state.drive, low, high);
    }
    return state;
}

QList<NeedleState> Timeline::frame(qint64 frame)
{
    QList<NeedleState> states;
    this->frame(frame, &states);
    return states;
}

void Timeline::frame(qint64 frame, QList<NeedleState> *states)
{
    at(frameTime(frame), states);
}

void Timeline::at(double time, QList<NeedleState> *states)
{
    states->resize(qsizetype(m_needles.size()));
    for (size_t i = 0; i < m_needles.size(); ++i)
        (*states)[qsizetype(i)] = state(m_needles[i], time);
}
