// Frames a second of an animation's whole render (the face once, needles per
// frame, encoding on its own thread) beside the encoder alone on frames drawn
// beforehand, for every format at 512 and 1024 pixels; and the peak memory
// of a long render at 4096 pixels.
//
//   bench_animation [--seconds S]        the table, S seconds at 60 fps (10)
//   bench_animation --peak-memory S      S seconds at 4096 pixels only

#include "animation/drivedata.h"
#include "export/animationexport.h"
#include "export/frameencoder.h"
#include "export/imageexport.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "render/gaugepainter.h"
#include "render/needlepainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

#include <sys/resource.h>

namespace {

constexpr int framesPerSecond = 60;
constexpr int cycleFrames = 30; // distinct frames the encoder alone is fed, over and over

// A 10 Hz log of engine speed in thousands: a run up through the gears.
DriveData revsLog(double seconds)
{
    QByteArray csv = "time,rpm\n";
    for (int i = 0; i <= int(seconds * 10); ++i) {
        const double t = i / 10.0;
        const double rpm = 1.0 + 6.5 * std::fmod(t / 3.0, 1.0) + 0.3 * std::sin(7.0 * t);
        csv += QByteArray::number(t) + ',' + QByteArray::number(rpm, 'f', 3) + '\n';
    }
    DriveData data;
    if (!parseDriveData(csv, &data))
        std::fprintf(stderr, "the generated log could not be read\n");
    return data;
}

QList<gaugeData> tachometer()
{
    QList<namedLayer> layers;
    if (readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS_DIR "/Tachometer.gauge"), layers)
        != gaugeFileStatus::Loaded)
        std::fprintf(stderr, "the tachometer preset could not be read\n");
    return layerData(layers);
}

AnimationSettings settingsFor(videoFormat format, int size, const QString &folder, double seconds)
{
    AnimationSettings settings;
    settings.video.format = format;
    settings.video.size = size;
    settings.video.framesPerSecond = framesPerSecond;
    settings.video.path = folder + QStringLiteral("/out")
        + (format == videoFormat::pngSequence ? QStringLiteral("_%d.png")
                                              : QLatin1Char('.') + videoFormatSuffix(format));
    settings.from = 0.0;
    settings.to = seconds;
    settings.drives = {{QStringLiteral("Revs"), QStringLiteral("rpm"), 0.0}};
    return settings;
}

// The frames the render would draw first, drawn here the slow way.
QList<QImage> drawnFrames(const QList<gaugeData> &layers, const AnimationPlan &plan, int size)
{
    QList<QImage> frames;
    Timeline timeline(plan.motions, plan.range);
    QList<gaugeData> still = layers;
    for (qint64 n = 0; n < cycleFrames && n < timeline.frameCount(); ++n) {
        const QList<NeedleState> states = timeline.frame(n);
        for (qsizetype l = 0; l < still.size(); ++l)
            for (qsizetype i = 0; i < plan.motionOf.at(l).size(); ++i)
                if (plan.motionOf.at(l).at(i) >= 0)
                    still[l].needles[i].value = states.at(plan.motionOf.at(l).at(i)).value;
        frames.append(gaugeImagePremultiplied(still, size));
    }
    return frames;
}

double encoderAlone(const QList<QImage> &frames, const VideoSettings &video, qint64 count)
{
    QString error;
    auto writer = std::make_unique<VideoWriter>();
    if (!writer->open(video, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 0.0;
    }
    QElapsedTimer timer;
    timer.start();
    FrameEncoder encoder(std::move(writer), animationQueueLimit(video.size));
    for (qint64 n = 0; n < count; ++n)
        if (!encoder.push(frames.at(n % frames.size()), &error))
            break;
    if (!encoder.finish(&error))
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return count / (timer.nsecsElapsed() / 1e9);
}

double wholeRender(const QList<gaugeData> &layers, const AnimationPlan &plan,
                   const VideoSettings &video)
{
    QString error;
    QElapsedTimer timer;
    timer.start();
    if (!renderAnimation(layers, plan, video, {}, &error))
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return frameCount(plan.range) / (timer.nsecsElapsed() / 1e9);
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype peak = arguments.indexOf(QStringLiteral("--peak-memory"));
    const qsizetype secondsAt = arguments.indexOf(QStringLiteral("--seconds"));
    const double seconds = secondsAt > 0 ? arguments.value(secondsAt + 1).toDouble() : 10.0;
    const QList<gaugeData> layers = tachometer();
    QTemporaryDir folder;

    if (peak > 0) {
        const double long_ = arguments.value(peak + 1).toDouble();
        const AnimationSettings settings =
            settingsFor(videoFormat::quickTimeAnimation, 4096, folder.path(), long_);
        AnimationPlan plan;
        QString error;
        if (!planAnimation(layers, settings, revsLog(long_), &plan, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const double fps = wholeRender(layers, plan, settings.video);
        std::printf("4096 px, %.0f s at 60 fps, QuickTime Animation: %.2f frames/s, peak memory "
                    "%ld MB\n",
                    long_, fps, peakMegabytes());
        return 0;
    }

    const DriveData data = revsLog(seconds);
    std::printf("%.0f s of the tachometer at 60 fps (%lld frames)\n", seconds,
                qint64(std::ceil(seconds * framesPerSecond)));
    std::printf("%-22s %6s %12s %12s %8s %8s\n", "format", "size", "render fps", "encoder fps",
                "ratio", "x real");
    for (int size : {512, 1024}) {
        for (videoFormat format : videoFormats()) {
            const AnimationSettings settings = settingsFor(format, size, folder.path(), seconds);
            AnimationPlan plan;
            QString error;
            if (!planAnimation(layers, settings, data, &plan, &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
            const double render = wholeRender(layers, plan, settings.video);
            const double alone = encoderAlone(drawnFrames(layers, plan, size), settings.video,
                                              frameCount(plan.range));
            std::printf("%-22s %6d %12.1f %12.1f %8.2f %8.2f\n",
                        qPrintable(videoFormatName(format)), size, render, alone, render / alone,
                        render / framesPerSecond);
            std::fflush(stdout);
        }
    }
    std::printf("peak memory of the run: %ld MB\n", peakMegabytes());
    return 0;
}
