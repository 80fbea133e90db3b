#include "animation/ballistics.h"

#include "animation/frames.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

struct Movement
{
    Q_DECLARE_TR_FUNCTIONS(Movement)
};

// The longest a needle is moved before the first frame to forget where it
// started; see NeedleMovement::settlingTime.
constexpr double settlingLimit = 3600.0;

// The latest grid instant a needle is worked out to: the longest animation
// after the longest settling, with as much again to spare. Later times are
// read there, so that no time, however far, overflows the step count.
constexpr qint64 gridIndexLimit =
    qint64((animationDurationLimit + 2 * settlingLimit) * ballisticsStepsPerSecond);
// The earliest and latest start: the times an animation may have, less
// the settling before them. Whole steps from 0 stay exact as doubles there.
constexpr double originLimit = animationTimeLimit + settlingLimit;

double bounded(double value, double low, double high)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : low;
}

} // namespace

double Ballistics::naturalFrequency() const
{
    switch (kind) {
    case BallisticsKind::None:
        break;
    case BallisticsKind::Damped:
        return frequency;
    case BallisticsKind::Vu:
        return vuNaturalFrequency;
    }
    return 0.0;
}

double Ballistics::dampingRatio() const
{
    switch (kind) {
    case BallisticsKind::None:
        break;
    case BallisticsKind::Damped:
        return damping;
    case BallisticsKind::Vu:
        return vuDampingRatio;
    }
    return 0.0;
}

bool checkBallistics(const Ballistics &ballistics, QString *error)
{
    if (ballistics.kind != BallisticsKind::Damped)
        return true;
    QString reason;
    if (!(ballistics.frequency >= minimumNaturalFrequency
          && ballistics.frequency <= maximumNaturalFrequency)) {
        reason =
            Movement::tr("A needle's natural frequency must be from %1 Hz to %2 Hz, not %3 Hz.")
                .arg(minimumNaturalFrequency)
                .arg(maximumNaturalFrequency)
                .arg(ballistics.frequency);
    } else if (!(ballistics.damping >= 0.0 && ballistics.damping <= maximumDampingRatio)) {
        reason = Movement::tr("A needle's damping ratio must be from 0 to %1, not %2.")
                     .arg(maximumDampingRatio)
                     .arg(ballistics.damping);
    }
    if (error && !reason.isEmpty())
        *error = reason;
    return reason.isEmpty();
}

double Pegs::clamped(double angle) const
{
    return free ? angle : std::clamp(angle, low, high);
}

NeedleMovement::NeedleMovement(const Ballistics &ballistics, const Pegs &pegs, Drive drive,
                               double origin, double startAngle)
    : m_kind(ballistics.kind), m_pegs(pegs), m_drive(std::move(drive)),
      m_startAngle(pegs.clamped(startAngle))
{
    // The grid's instants are whole steps from time 0, whatever the start,
    // so that needles started at different times (a part of the data and
    // the whole) are worked out at the same instants and so agree once
    // their starts are forgotten.
    const double first =
        std::isfinite(origin) ? std::clamp(origin, -originLimit, originLimit) : 0.0;
    m_first = qint64(std::floor(first * ballisticsStepsPerSecond));
    while (gridTime(1) <= first)
        ++m_first;
    while (gridTime(0) > first)
        --m_first;
    if (!std::isfinite(m_startAngle))
        m_startAngle = pegs.free ? 0.0 : pegs.low;
    if (m_kind == BallisticsKind::None)
        return;
    m_omega = 2.0 * M_PI
        * bounded(ballistics.naturalFrequency(), minimumNaturalFrequency, maximumNaturalFrequency);
    m_zeta = bounded(ballistics.dampingRatio(), 0.0, maximumDampingRatio);
    m_gridStep = transition(1.0 / ballisticsStepsPerSecond);
    m_state = {m_startAngle, 0.0};
    m_stateDrive = driveAt(gridTime(0));
    m_checkpoints.append({m_state, m_stateDrive});
}

double NeedleMovement::settlingTime(const Ballistics &ballistics)
{
    if (ballistics.kind == BallisticsKind::None)
        return 0.0;
    const double omega = 2.0 * M_PI
        * bounded(ballistics.naturalFrequency(), minimumNaturalFrequency, maximumNaturalFrequency);
    const double zeta = bounded(ballistics.dampingRatio(), 0.0, maximumDampingRatio);
    // The slower of the two decays: e^(-z w t) when the movement swings or
    // is critically damped, the slower real root -w^2 / (z w + a) when it
    // is overdamped (written so to keep its digits for a large z).
    const double decay = zeta <= 1.0
        ? zeta * omega
        : omega * omega / (zeta * omega + omega * std::sqrt((zeta - 1.0) * (zeta + 1.0)));
    return decay > 0.0 ? std::min(40.0 / decay, settlingLimit) : settlingLimit;
}

NeedleMovement::Transition NeedleMovement::transition(double t) const
{
    // e^(At) = e^(-s t) (c(t) I + g(t) (A + s I)) with s = z w, since
    // (A + s I)^2 = (s^2 - w^2) I: c = cos, g = sin / w_d when the movement
    // swings, c = 1, g = t when critically damped, c = cosh, g = sinh / a
    // when overdamped.
    const double sigma = m_zeta * m_omega;
    double c;
    double g;
    if (m_zeta < 1.0) {
        const double wd = m_omega * std::sqrt((1.0 - m_zeta) * (1.0 + m_zeta));
        c = std::cos(wd * t);
        g = std::sin(wd * t) / wd;
    } else if (m_zeta == 1.0) {
        c = 1.0;
        g = t;
    } else {
        const double a = m_omega * std::sqrt((m_zeta - 1.0) * (m_zeta + 1.0));
        c = std::cosh(a * t);
        g = std::sinh(a * t) / a;
    }
    const double e = std::exp(-sigma * t);
    return {e * (c + g * sigma), e * g, -e * g * m_omega * m_omega, e * (c - g * sigma)};
}

NeedleMovement::State NeedleMovement::step(const State &from, double drive0, double drive1,
                                           double duration, const Transition &move) const
{
    // Driven along a ramp of slope r, the needle settles onto the ramp
    // lagging it by 2 z r / w; the departure from that path swings freely.
    const double slope = (drive1 - drive0) / duration;
    const double lag = 2.0 * m_zeta * slope / m_omega;
    const double offset = from.angle - drive0 + lag;
    const double offsetSpeed = from.speed - slope;
    State to{move.m11 * offset + move.m12 * offsetSpeed + drive1 - lag,
             move.m21 * offset + move.m22 * offsetSpeed + slope};
    if (!m_pegs.free) {
        if (to.angle > m_pegs.high || (to.angle == m_pegs.high && to.speed > 0.0))
            to = {m_pegs.high, 0.0};
        else if (to.angle < m_pegs.low || (to.angle == m_pegs.low && to.speed < 0.0))
            to = {m_pegs.low, 0.0};
    }
    return to;
}

double NeedleMovement::gridTime(qint64 index) const
{
    return double(m_first + index) / ballisticsStepsPerSecond;
}

double NeedleMovement::driveAt(double time) const
{
    const double angle = m_drive(time);
    if (std::isfinite(angle))
        return angle;
    return m_pegs.free ? 0.0 : m_pegs.low;
}

void NeedleMovement::advanceTo(qint64 index)
{
    constexpr qint64 spacing = ballisticsStepsPerSecond;
    const qint64 nearest = std::min<qint64>(index / spacing, m_checkpoints.size() - 1);
    if (index < m_index || nearest * spacing > m_index) {
        const Checkpoint &checkpoint = m_checkpoints.at(nearest);
        m_index = nearest * spacing;
        m_state = checkpoint.state;
        m_stateDrive = checkpoint.drive;
    }
    const double stepLength = 1.0 / ballisticsStepsPerSecond;
    while (m_index < index) {
        const double next = driveAt(gridTime(m_index + 1));
        m_state = step(m_state, m_stateDrive, next, stepLength, m_gridStep);
        m_stateDrive = next;
        ++m_index;
        if (m_index == m_checkpoints.size() * spacing)
            m_checkpoints.append({m_state, m_stateDrive});
    }
}

double NeedleMovement::angleAt(double time)
{
    if (m_kind == BallisticsKind::None)
        return m_pegs.clamped(driveAt(time));
    if (!(time > gridTime(0)))
        return m_startAngle; // NaN lands here too
    qint64 index = gridIndexLimit;
    if (time < gridTime(gridIndexLimit)) {
        index = qint64(std::floor(time * ballisticsStepsPerSecond)) - m_first;
        // The product may round across a grid instant; the instants
        // themselves decide.
        while (gridTime(index + 1) <= time)
            ++index;
        while (index > 0 && gridTime(index) > time)
            --index;
    } else {
        time = gridTime(gridIndexLimit);
    }
    advanceTo(index);
    const double rest = time - gridTime(index);
    if (!(rest > 0.0))
        return m_state.angle;
    return step(m_state, m_stateDrive, driveAt(time), rest, transition(rest)).angle;
}
