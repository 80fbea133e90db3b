#include "animation/frames.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

struct Frames
{
    Q_DECLARE_TR_FUNCTIONS(Frames)
};

} // namespace

bool checkFrameRange(const FrameRange &range, QString *error)
{
    QString reason;
    const auto within = [](double t) {
        return std::isfinite(t) && std::abs(t) <= animationTimeLimit;
    };
    if (range.fps < minimumFrameRate || range.fps > maximumFrameRate) {
        reason = Frames::tr("The frame rate must be a whole number from %1 to %2, not %3.")
                     .arg(minimumFrameRate)
                     .arg(maximumFrameRate)
                     .arg(range.fps);
    } else if (!within(range.from) || !within(range.to)) {
        reason = Frames::tr("The animation must start and end at times within %1 seconds of 0.")
                     .arg(animationTimeLimit, 0, 'g', 3);
    } else if (!(range.to > range.from)) {
        reason = Frames::tr("The animation must end after it starts; it runs from %1 s to %2 s.")
                     .arg(range.from)
                     .arg(range.to);
    } else if (range.to - range.from > animationDurationLimit) {
        reason = Frames::tr("An animation may last at most %1 hours; %2 s to %3 s is longer.")
                     .arg(animationDurationLimit / 3600.0)
                     .arg(range.from)
                     .arg(range.to);
    }
    if (error && !reason.isEmpty())
        *error = reason;
    return reason.isEmpty();
}

qint64 frameCount(const FrameRange &range)
{
    if (!checkFrameRange(range))
        return 0;
    const double exact = (range.to - range.from) * range.fps;
    const double whole = std::round(exact);
    const double count =
        std::abs(exact - whole) <= 1e-9 * std::max(1.0, exact) ? whole : std::ceil(exact);
    return std::max<qint64>(1, qint64(count));
}

double frameTime(const FrameRange &range, qint64 frame)
{
    return range.from + double(frame) / range.fps;
}
