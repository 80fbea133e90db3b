#include "export/animationexport.h"

#include "animation/valuesource.h"
#include "export/frameencoder.h"
#include "export/imageexport.h"
#include "render/gaugepainter.h"
#include "render/needledial.h"
#include "render/needlepainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

bool refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

QString cancelledText()
{
    return QCoreApplication::translate("Export", "Cancelled.");
}

QString outOfMemoryText()
{
    return QCoreApplication::translate("Export", "Out of memory.");
}

QString quotedList(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(AnimationExport::tr("\u201c%1\u201d").arg(name));
    return quoted.join(QStringLiteral(", "));
}

// How a needle's value becomes its angle: as its layer draws a tick of it.
NeedleScale needleScale(const gaugeData &layer, const gaugeNeedle &needle)
{
    const NeedleDial dial(layer);
    NeedleScale scale;
    scale.angleOfValue = [dial, free = needle.free](double value) {
        return dial.angle(value, free);
    };
    scale.startValue = dial.startValue();
    scale.endValue = dial.endValue();
    scale.free = needle.free;
    return scale;
}

// The source of the drive, or false with the reason.
bool driveSource(const NeedleDrive &drive, const NeedleScale &scale, const DriveData &data,
                 Interpolation interpolation, ValueSource *source, QString *error)
{
    if (drive.column.isEmpty()) {
        Sweep sweep;
        sweep.from = scale.startValue;
        sweep.to = scale.endValue;
        sweep.duration = drive.sweepSeconds;
        QString reason;
        if (!checkSweep(sweep, &reason))
            return refuse(error, AnimationExport::tr("The sweep of %1: %2")
                                     .arg(quotedList({drive.needle}), reason));
        *source = ValueSource::sweep(sweep);
        return true;
    }
    if (data.columns.isEmpty())
        return refuse(error, AnimationExport::tr("%1 is to follow the column %2, but no data "
                                                 "file is given.")
                                 .arg(quotedList({drive.needle}), quotedList({drive.column})));
    const qsizetype column = data.columnIndex(drive.column);
    if (column < 0)
        return refuse(error, AnimationExport::tr("The data has no column %1; its columns are %2.")
                                 .arg(quotedList({drive.column}), quotedList(data.columnNames())));
    *source = ValueSource::series(data.series(column, interpolation));
    return true;
}

// The pixels of needle pictures a drawing of the whole gauge would still
// decode after its face: the face's layers are run through the painter once
// more on a single pixel, which counts every element against the allowance
// as the full drawing does.
qint64 needlePictureAllowance(const QList<gaugeData> &layers, int size)
{
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&probe);
    beginGaugePainting(&painter, size);
    const GaugePaintLimits limits;
    GaugePaintBudget budget = GaugePaintBudget::from(limits);
    GaugePaintControl control;
    control.needles = needleDrawing::none;
    control.keptPixels = QRect(0, 0, 1, 1);
    for (const gaugeData &layer : layers)
        (void)paintGaugeLayer(&painter, layer, budget, limits, control);
    return budget.face.picturePixels;
}

} // namespace

int animationQueueLimit(int size)
{
    const qint64 frameBytes = qint64(size) * size * 4;
    return int(std::clamp<qint64>(animationQueueBytes / std::max<qint64>(frameBytes, 1), 1,
                                  FrameEncoder::defaultQueueLimit));
}

QList<gaugeData> posedLayers(const QList<gaugeData> &layers, const AnimationPlan &plan,
                             const QList<NeedleState> &states)
{
    QList<gaugeData> posed = layers;
    for (qsizetype l = 0; l < posed.size() && l < plan.motionOf.size(); ++l) {
        const QList<qsizetype> &motions = plan.motionOf.at(l);
        for (qsizetype i = 0; i < motions.size() && i < posed[l].needles.size(); ++i)
            if (motions.at(i) >= 0 && motions.at(i) < states.size())
                posed[l].needles[i].value = states.at(motions.at(i)).value;
    }
    return posed;
}

bool planAnimation(const QList<gaugeData> &layers, const AnimationSettings &settings,
                   const DriveData &data, AnimationPlan *plan, QString *error)
{
    QStringList names;
    for (const gaugeData &layer : layers)
        for (const gaugeNeedle &needle : layer.needles)
            if (!names.contains(needle.name))
                names.append(needle.name);
    if (names.isEmpty())
        return refuse(error, AnimationExport::tr("The gauge has no needles to animate."));
    for (const NeedleDrive &drive : settings.drives) {
        if (!names.contains(drive.needle))
            return refuse(error, AnimationExport::tr("The gauge has no needle named %1; its "
                                                     "needles are %2.")
                                     .arg(quotedList({drive.needle}), quotedList(names)));
    }

    AnimationPlan planned;
    for (const gaugeData &layer : layers) {
        QList<qsizetype> motions;
        const qsizetype count = std::min(layer.needles.size(), layerNeedleLimit);
        for (qsizetype i = 0; i < count; ++i) {
            const gaugeNeedle &needle = layer.needles.at(i);
            if (!needleProblem(layer, needle).isEmpty()) {
                motions.append(-1);
                continue;
            }
            NeedleMotion motion;
            motion.scale = needleScale(layer, needle);
            motion.ballistics = needle.movement;
            QString reason;
            if (!checkBallistics(motion.ballistics, &reason))
                return refuse(error, AnimationExport::tr("The movement of the needle %1: %2")
                                         .arg(quotedList({needle.name}), reason));
            motion.source = ValueSource::constant(needle.value);
            QString label;
            // A later drive of the same needle wins, as a later --value does.
            for (const NeedleDrive &drive : settings.drives) {
                if (drive.needle != needle.name)
                    continue;
                if (!driveSource(drive, motion.scale, data, settings.interpolation,
                                 &motion.source, error))
                    return false;
                label = drive.column.isEmpty()
                    ? AnimationExport::tr("%1: sweep").arg(needle.name)
                    : QStringLiteral("%1: %2").arg(needle.name, drive.column);
            }
            motions.append(planned.motions.size());
            planned.motions.append(motion);
            planned.labels.append(label);
        }
        planned.motionOf.append(motions);
    }
    if (planned.motions.isEmpty())
        return refuse(error, AnimationExport::tr("None of the gauge's needles can be drawn."));

    FrameRange &range = planned.range;
    range.fps = settings.video.framesPerSecond;
    range.from = settings.from;
    range.to = settings.to;
    double first = 0.0;
    double last = 0.0;
    const bool spanned = sourcesTimeSpan(planned.motions, &first, &last);
    if (std::isnan(range.from) || std::isnan(range.to)) {
        if (!spanned)
            return refuse(error, AnimationExport::tr("Nothing drives the needles: give a data "
                                                     "column or a sweep, or the times to show."));
        if (std::isnan(range.from))
            range.from = first;
        if (std::isnan(range.to))
            range.to = last > range.from ? last : range.from + 1.0 / std::max(range.fps, 1);
    }
    QString reason;
    if (!Timeline::check(planned.motions, range, &reason))
        return refuse(error, reason);
    *plan = planned;
    return true;
}

bool renderAnimation(const QList<gaugeData> &layers, const AnimationPlan &plan,
                     const VideoSettings &video, const AnimationControl &control, QString *error)
{
    VideoSettings settings = video;
    settings.framesPerSecond = plan.range.fps;
    QString reason;
    if (!checkVideoSettings(settings, &reason) || !Timeline::check(plan.motions, plan.range, &reason))
        return refuse(error, reason);
    if (plan.motionOf.size() != layers.size())
        return refuse(error, AnimationExport::tr("The animation was planned for another gauge."));
    const auto cancelled = [&control] { return control.cancel && control.cancel->load(); };

    // The output is opened first, so that a target that cannot be written
    // is found before anything is drawn.
    auto writer = std::make_unique<VideoWriter>();
    if (!writer->open(settings, &reason))
        return refuse(error, reason);
    FrameEncoder encoder(std::move(writer), animationQueueLimit(settings.size));
    const auto stop = [&encoder, error](const QString &why) {
        encoder.cancel();
        return refuse(error, why);
    };

    GaugePaintControl faceControl;
    faceControl.needles = needleDrawing::none;
    faceControl.cancelled = cancelled;
    const QImage face = gaugeImagePremultiplied(layers, settings.size, faceControl);
    if (face.isNull())
        return stop(cancelled() ? cancelledText() : outOfMemoryText());

    const qint64 pictureAllowance = needlePictureAllowance(layers, settings.size);
    Timeline timeline(plan.motions, plan.range);
    QList<NeedleState> states;
    const NeedleAngleOf angleOf = [&](qsizetype layer, qsizetype needle) {
        const QList<qsizetype> &motions = plan.motionOf.at(layer);
        const qsizetype motion = needle < motions.size() ? motions.at(needle) : -1;
        return motion >= 0 && motion < states.size()
            ? states.at(motion).angle
            : needleAngle(layers.at(layer), layers.at(layer).needles.at(needle));
    };
    const qint64 count = timeline.frameCount();
    for (qint64 n = 0; n < count; ++n) {
        if (cancelled())
            return stop(cancelledText());
        timeline.frame(n, &states);
        QImage frame = face.copy();
        if (frame.isNull())
            return stop(outOfMemoryText());
        QPainter painter(&frame);
        beginGaugePainting(&painter, settings.size);
        paintGaugeNeedles(&painter, layers, {}, pictureAllowance, angleOf);
        painter.end();
        if (!encoder.push(std::move(frame), &reason))
            return stop(reason);
        if (control.progress)
            control.progress(n + 1, count);
    }
    if (!encoder.finish(&reason))
        return refuse(error, cancelled() ? cancelledText() : reason);
    return true;
}

bool exportAnimation(const QList<gaugeData> &layers, const AnimationSettings &settings,
                     const DriveData &data, const AnimationControl &control, QString *error)
{
    AnimationPlan plan;
    return planAnimation(layers, settings, data, &plan, error)
        && renderAnimation(layers, plan, settings.video, control, error);
}
