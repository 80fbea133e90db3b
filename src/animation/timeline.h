#pragma once

#include "animation/ballistics.h"
#include "animation/frames.h"
#include "animation/valuesource.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

// How a needle's value becomes its angle: its layer's scale.
struct NeedleScale
{
    // Gauge angle in degrees of a value. Not set: the value is the angle.
    std::function<double(double value)> angleOfValue;
    // Its inverse, when the scale has one at hand; without it the value a
    // moving needle points at is found by bisection of angleOfValue, which
    // must then be monotonic between the two end values.
    std::function<double(double angle)> valueOfAngle;
    // The values at the two ends of the span; their angles are the pegs.
    double startValue = 0.0;
    double endValue = 1.0;
    // A full-circle gauge: the needle may go round, no pegs stop it.
    bool free = false;
};

// Everything that moves one needle.
struct NeedleMotion
{
    ValueSource source;
    Ballistics ballistics;
    NeedleScale scale;
};

// One needle at one instant.
struct NeedleState
{
    double angle = 0.0; // where the needle stands, gauge degrees
    // The value it points at: the driving value when it follows at once
    // (held within the scale's ends where a peg stops it), else the value
    // at its angle.
    double value = 0.0;
    double drive = 0.0; // the driving value at that instant
};

// The first and last instant the sources change over: the range an
// animation of them shows unless told otherwise. False when every source
// is a constant.
[[nodiscard]] bool sourcesTimeSpan(const QList<NeedleMotion> &needles, double *first, double *last);

// The needles of an animation over the frames of a range. Each needle
// starts at rest on its drive, early enough before the first frame to have
// forgotten that start (NeedleMovement::settlingTime) but not before its
// source begins: so a part of the data shows the needles where the whole
// would. A frame's angles depend on its instant alone, never on the frame
// rate or on which frames were asked before.
//
// Asking frames in order is cheapest (a few dozen steps of each needle
// per frame); going back starts from the needle's last whole second. A
// timeline keeps what it has worked out, so one object serves one thread;
// copy it for another.
class Timeline
{
    Q_DECLARE_TR_FUNCTIONS(Timeline)

public:
    // Whether the needles and range can be animated: checkFrameRange,
    // checkBallistics, and numbers for constants and the scales' ends and
    // their angles. On false `error` (when given) names the needle and why.
    [[nodiscard]] static bool check(const QList<NeedleMotion> &needles, const FrameRange &range,
                                    QString *error = nullptr);

    Timeline(const QList<NeedleMotion> &needles, const FrameRange &range);

    const FrameRange &range() const { return m_range; }
    qint64 frameCount() const { return m_frameCount; }
    double frameTime(qint64 frame) const { return ::frameTime(m_range, frame); }
    qsizetype needleCount() const { return qsizetype(m_needles.size()); }

    // Every needle at frame n (frameTime(n)), in the order given.
    QList<NeedleState> frame(qint64 frame);
    // The same, into `states`, which keeps its storage from frame to frame.
    void frame(qint64 frame, QList<NeedleState> *states);
    // Every needle at any instant.
    void at(double time, QList<NeedleState> *states);

private:
    struct Needle
    {
        ValueSource source;
        NeedleScale scale;
        Pegs pegs;
        bool follows; // no ballistics
        NeedleMovement movement;
        qsizetype hint = 0;
    };

    NeedleState state(Needle &needle, double time);
    static double valueAtAngle(const NeedleScale &scale, double angle);

    FrameRange m_range;
    qint64 m_frameCount;
    std::vector<Needle> m_needles;
};
