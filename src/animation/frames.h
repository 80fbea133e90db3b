#pragma once

#include <QString>

#include <array>

// Frame rates an animation may have, and the ones offered for choice.
constexpr int minimumFrameRate = 1;
constexpr int maximumFrameRate = 240;
constexpr std::array<int, 5> offeredFrameRates{24, 25, 30, 50, 60};

// The longest animation, in seconds: 24 hours, at most about 21 million
// frames at the highest rate.
constexpr double animationDurationLimit = 24 * 3600.0;
// Times an animation may start or end at, in seconds either side of 0.
// Time stamps of the current era fit (about 1.7e9 s); beyond 1e10 the
// spacing of doubles grows towards the step the ballistics are worked
// out on.
constexpr double animationTimeLimit = 1e10;

// The part of the driving data an animation shows, and its frame rate.
// Frame n stands at from + n / fps, for n = 0 .. frameCount - 1.
struct FrameRange
{
    double from = 0.0;
    double to = 0.0;
    int fps = 30;
};

// Whether the range can be animated: a frame rate of minimumFrameRate to
// maximumFrameRate, finite times within animationTimeLimit, an end after
// the start and no longer than animationDurationLimit. On false `error`
// (when given) says why in one line.
[[nodiscard]] bool checkFrameRange(const FrameRange &range, QString *error = nullptr);

// ceil((to - from) * fps) frames, at least one; 0 for a range that fails
// checkFrameRange. A product within a billionth of a whole number counts
// as that number, so that 0.1 s to 0.3 s at 30 fps is 6 frames, not the 7
// that the rounding of 0.3 - 0.1 would give.
qint64 frameCount(const FrameRange &range);

// The time of frame n: from + n / fps. The same instant at two rates (frame
// k at 30 fps, frame 2k at 60) is the same double, as both quotients are
// the correctly rounded k / 30.
double frameTime(const FrameRange &range, qint64 frame);
