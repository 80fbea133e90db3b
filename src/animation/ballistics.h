#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// How a needle follows what drives it.
enum class BallisticsKind {
    None,   // the needle shows the driving value at once
    Damped, // a second-order movement of a natural frequency and damping ratio
    Vu,     // the standard VU movement
};

// The VU movement: a step reaches 99 % of its final deflection in 300 ms
// and overshoots it by 1 to 1.5 %. As a second-order movement
//     a'' + 2 z w a' + w^2 a = w^2 u
// (a the needle's angle, u the angle it is driven to, w = 2 pi f) a unit
// step from rest answers with
//     y(t) = 1 - e^(-z w t) (cos(w_d t) + z / sqrt(1 - z^2) sin(w_d t)),
//     w_d = w sqrt(1 - z^2),
// whose first peak, at t = pi / w_d, overshoots by M = e^(-pi z / sqrt(1 - z^2)).
// Solved for z: z = -ln M / sqrt(pi^2 + ln^2 M); the middle of the allowed
// overshoot, M = 1.25 %, gives z = 0.81272. With that z, y first reaches
// 0.99 at w t = 4.053574 (the root of y = 0.99 on the rising part, before
// the peak at w t = pi / sqrt(1 - z^2) = 5.39); putting it at t = 0.3 s
// gives w = 13.51191 rad/s, f = w / 2 pi = 2.150488 Hz.
constexpr double vuNaturalFrequency = 2.150487674952559; // Hz
constexpr double vuDampingRatio = 0.8127169864286775;

// The movements a needle may be given. Above 100 Hz a needle is as quick
// as the eye can tell; the ballistics step (below) also needs a period of
// many steps to find the pegs in time.
constexpr double minimumNaturalFrequency = 0.01; // Hz
constexpr double maximumNaturalFrequency = 100.0;
constexpr double maximumDampingRatio = 100.0;

// The movement is worked out on a time grid of its own, never from one
// frame to the next: so the needle stands at the same place at an instant
// whatever the frame rate. 4800 steps a second give the quickest needle 48
// steps a period and find a peg within a fifth of a millisecond.
constexpr int ballisticsStepsPerSecond = 4800;

struct Ballistics
{
    BallisticsKind kind = BallisticsKind::None;
    // Damped only; the VU movement has its own.
    double frequency = 1.0; // natural frequency, Hz
    double damping = 1.0;   // damping ratio: below 1 it overshoots

    static Ballistics none() { return {}; }
    static Ballistics damped(double frequency, double damping)
    {
        return {BallisticsKind::Damped, frequency, damping};
    }
    static Ballistics vu() { return {BallisticsKind::Vu, vuNaturalFrequency, vuDampingRatio}; }

    // The movement's natural frequency in Hz and its damping ratio.
    double naturalFrequency() const;
    double dampingRatio() const;
};

// Whether a damped movement has a natural frequency of
// minimumNaturalFrequency to maximumNaturalFrequency and a damping ratio
// of 0 to maximumDampingRatio (None and Vu always do). On false `error`
// (when given) says why in one line.
[[nodiscard]] bool checkBallistics(const Ballistics &ballistics, QString *error = nullptr);

// The angles where a needle's pegs stop it: the two ends of the scale's
// span, in either order. A free needle (a full-circle gauge) has none.
struct Pegs
{
    double low = 0.0;
    double high = 0.0;
    bool free = true;

    static Pegs none() { return {}; }
    static Pegs between(double a, double b) { return {qMin(a, b), qMax(a, b), false}; }
    double clamped(double angle) const;
};

// The angle of one needle over time. The movement acts on the angle, so a
// needle over a logarithmic scale moves as a real one does. Between the
// grid's instants the angle it is driven to is taken as a straight line,
// and over each such stretch the movement is solved exactly (a
// second-order system's response to a ramp is known in closed form), so
// the result is the true response to that piecewise-linear drive, without
// the error of a numerical integrator. A needle that reaches a peg stops
// dead there: its speed drops to zero and it stays until the drive pulls
// it back.
class NeedleMovement
{
public:
    // The angle the needle is driven to at a time. An angle that is not a
    // number counts as the lower peg (0 for a free needle).
    using Drive = std::function<double(double time)>;

    // The needle rests at `startAngle` (or the peg it would pass) until
    // `origin`, taken back to the grid instant at or before it, then
    // follows `drive`. Unchecked ballistics are brought into range.
    NeedleMovement(const Ballistics &ballistics, const Pegs &pegs, Drive drive, double origin,
                   double startAngle);

    // The needle's angle at `time`. The same time gives the same bits
    // whatever was asked before: the grid's states are cached for speed,
    // and every state is found by the same steps from the start.
    double angleAt(double time);

    // How long before the first frame a needle must start moving for its
    // starting state to be forgotten to well below a millionth of a degree:
    // 40 time constants of its slowest decay, but at most an hour (a needle
    // without damping never forgets).
    static double settlingTime(const Ballistics &ballistics);

private:
    struct State
    {
        double angle = 0.0;
        double speed = 0.0;
    };
    struct Checkpoint
    {
        State state;
        double drive = 0.0;
    };
    // e^(A t) of the movement's equation written for x = (a, a').
    struct Transition
    {
        double m11, m12, m21, m22;
    };

    Transition transition(double duration) const;
    State step(const State &from, double drive0, double drive1, double duration,
               const Transition &move) const;
    double gridTime(qint64 index) const;
    double driveAt(double time) const;
    void advanceTo(qint64 index);

    BallisticsKind m_kind;
    double m_omega = 0.0; // rad/s
    double m_zeta = 0.0;
    Pegs m_pegs;
    Drive m_drive;
    qint64 m_first = 0; // the grid instant the movement starts at, in steps from 0
    double m_startAngle;
    Transition m_gridStep{};

    qint64 m_index = 0; // the grid instant m_state belongs to, in steps from m_first
    State m_state;
    double m_stateDrive = 0.0;
    // The state at every ballisticsStepsPerSecond-th grid instant reached
    // so far, for going back.
    QList<Checkpoint> m_checkpoints;
};
