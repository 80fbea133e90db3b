#pragma once

#include "animation/drivedata.h"
#include "animation/timeline.h"
#include "export/videowriter.h"
#include "model/gaugedata.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <limits>
#include <memory>

// What drives the needles of one name in an animation: a column of the
// driving data, or a sweep over the needle's scale.
struct NeedleDrive
{
    QString needle;
    // The column by name or by place from 1 (DriveData::columnIndex).
    // Empty: a sweep from the scale's start to its end and back.
    QString column;
    double sweepSeconds = 0.0;
};

// One animation: what it is written as, the part of the data it shows and
// what drives the needles. Needles without a drive stand at their value;
// each moves as its own movement says.
struct AnimationSettings
{
    VideoSettings video;
    // Not numbers: from the first to the last instant any drive changes at.
    double from = std::numeric_limits<double>::quiet_NaN();
    double to = std::numeric_limits<double>::quiet_NaN();
    Interpolation interpolation = Interpolation::Linear;
    QList<NeedleDrive> drives;
};

// The frames that may wait for the encoder, in bytes: a few frames of any
// usual size, and a single one of the largest, so the memory of a long
// render stays that of a handful of frames.
constexpr qint64 animationQueueBytes = 100'000'000;

// The needles' motion over the frames, checked and ready to draw.
struct AnimationPlan
{
    FrameRange range;
    // One for each needle that can be drawn, in layer and list order.
    QList<NeedleMotion> motions;
    // For each layer, the motion of each of its needles; -1 for a needle
    // that cannot be drawn.
    QList<QList<qsizetype>> motionOf;
    // The drives' names, "Speed: speed_kmh", of the motions (empty for a
    // needle that stands still), for a plot.
    QStringList labels;
};

// The layers with each planned needle's value set to where `states` (one
// for each of the plan's motions) have it; the other needles as they are.
QList<gaugeData> posedLayers(const QList<gaugeData> &layers, const AnimationPlan &plan,
                             const QList<NeedleState> &states);

// Works out how the needles move. Returns false with a one-line reason in
// `error` (when given) when the gauge has no needle to animate, a drive
// names no needle of the gauge or no column of `data` (or there is no
// data), a sweep's duration is refused, the range is refused or cannot be
// found (nothing is driven and no range is given), or a needle's movement
// is out of range.
[[nodiscard]] bool planAnimation(const QList<gaugeData> &layers, const AnimationSettings &settings,
                                 const DriveData &data, AnimationPlan *plan,
                                 QString *error = nullptr);

// Follows and stops a render. Everything is optional.
struct AnimationControl
{
    // Set from any thread: the render stops soon and fails with
    // "Cancelled.".
    const std::atomic_bool *cancel = nullptr;
    // After each frame handed to the encoder, on the drawing thread.
    std::function<void(qint64 framesDone, qint64 frameCount)> progress;
};

struct AnimationExport
{
    Q_DECLARE_TR_FUNCTIONS(AnimationExport)
};

// Renders the animation into settings.video.path: the face is drawn once,
// each frame is the face with the needles drawn over it at their angles of
// that instant, and the frames are encoded on a thread of their own while
// the next ones are drawn. Frame n, at from + n / fps, equals the PNG
// export with the needles at their values of that instant. Returns false
// with a one-line reason in `error` (when given) when the plan or the video
// settings are refused, the output cannot be written, memory runs out, the
// encoder fails or the render is cancelled; no part of the new file is then
// left and an earlier file of that name stays as it was.
[[nodiscard]] bool renderAnimation(const QList<gaugeData> &layers, const AnimationPlan &plan,
                                   const VideoSettings &video,
                                   const AnimationControl &control = AnimationControl(),
                                   QString *error = nullptr);

// planAnimation and renderAnimation in one.
[[nodiscard]] bool exportAnimation(const QList<gaugeData> &layers,
                                   const AnimationSettings &settings, const DriveData &data,
                                   const AnimationControl &control = AnimationControl(),
                                   QString *error = nullptr);

// The frames an encoder may hold waiting for frames of `size` pixels.
int animationQueueLimit(int size);
