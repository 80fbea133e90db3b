// Frames a second of an animation's whole render (the face once, needles per
// frame, encoding on its own thread) beside the encoder alone on frames drawn
// beforehand and beside ffmpeg's filter graph turning a needle picture over
// a face picture, for every format at 512 and 1024 pixels; and the peak memory
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

#include "render/needledial.h"

#include <QElapsedTimer>
#include <QProcess>
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
    for (qint64 n = 0; n < cycleFrames && n < timeline.frameCount(); ++n)
        frames.append(gaugeImagePremultiplied(posedLayers(layers, plan, timeline.frame(n)), size));
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

// The route without the program: ffmpeg turns a picture of the needle over
// a picture of the face in its filter graph and encodes the same number of
// frames in the same format. The needle follows the formula the log is made
// from, laid evenly along the span. 0 when ffmpeg is missing or fails.
double filterGraphRoute(const QList<gaugeData> &layers, const VideoSettings &video,
                        double seconds, const QString &folder)
{
    QList<gaugeData> atStart = layers;
    const NeedleDial dial(layers.value(0));
    for (gaugeData &layer : atStart)
        for (gaugeNeedle &needle : layer.needles)
            needle.value = NeedleDial(layer).startValue();
    GaugePaintControl faceOnly;
    faceOnly.needles = needleDrawing::none;
    GaugePaintControl needlesOnly;
    needlesOnly.needles = needleDrawing::only;
    const QString face = folder + QStringLiteral("/route-face.png");
    const QString needle = folder + QStringLiteral("/route-needle.png");
    if (!gaugeImagePremultiplied(layers, video.size, faceOnly).save(face)
        || !gaugeImagePremultiplied(atStart, video.size, needlesOnly).save(needle))
        return 0.0;
    const double degrees = dial.endAngle() - dial.startAngle();
    const QString rpm = QStringLiteral("(1+6.5*mod(t/3\\,1)+0.3*sin(7*t))");
    const QString turn = QStringLiteral("(%1-%2)/(%3)*%4*PI/180")
                             .arg(rpm)
                             .arg(dial.startValue())
                             .arg(dial.endValue() - dial.startValue())
                             .arg(degrees);
    QString graph =
        QStringLiteral("[1:v]format=rgba,rotate=a='%1':c=none[n];[0:v][n]overlay=format=auto")
            .arg(turn);
    QStringList codec;
    switch (video.format) {
    case videoFormat::pngSequence: codec = {"-c:v", "png", "-pix_fmt", "rgba"}; break;
    case videoFormat::quickTimeAnimation: codec = {"-c:v", "qtrle", "-pix_fmt", "argb"}; break;
    case videoFormat::proRes4444:
        codec = {"-c:v", "prores_ks", "-profile:v", "4444", "-pix_fmt", "yuva444p10le"};
        break;
    case videoFormat::vp9: codec = {"-c:v", "libvpx-vp9", "-pix_fmt", "yuva420p"}; break;
    case videoFormat::h264:
        graph += QStringLiteral(",format=yuv420p");
        codec = {"-c:v", "libx264", "-pix_fmt", "yuv420p"};
        break;
    }
    const QString out = folder + QStringLiteral("/route")
        + (video.format == videoFormat::pngSequence ? QStringLiteral("_%d.png")
                                                    : QLatin1Char('.') + videoFormatSuffix(video.format));
    const QString rate = QString::number(framesPerSecond);
    QStringList arguments = {"-v",   "error", "-y",         "-framerate", rate, "-loop", "1",
                             "-i",   face,    "-framerate", rate,         "-loop", "1", "-i",
                             needle, "-filter_complex", graph, "-t", QString::number(seconds),
                             "-r",   rate};
    arguments += codec;
    arguments.append(out);
    QProcess ffmpeg;
    QElapsedTimer timer;
    timer.start();
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit
        || ffmpeg.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg: %s\n", ffmpeg.readAllStandardError().constData());
        return 0.0;
    }
    return std::ceil(seconds * framesPerSecond) / (timer.nsecsElapsed() / 1e9);
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
    std::printf("%-22s %6s %12s %12s %8s %12s %8s %8s\n", "format", "size", "render fps",
                "encoder fps", "ratio", "ffmpeg fps", "x ffmpeg", "x real");
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
            const double route = filterGraphRoute(layers, settings.video, seconds, folder.path());
            std::printf("%-22s %6d %12.1f %12.1f %8.2f %12.1f %8.2f %8.2f\n",
                        qPrintable(videoFormatName(format)), size, render, alone, render / alone,
                        route, route > 0.0 ? render / route : 0.0, render / framesPerSecond);
            std::fflush(stdout);
        }
    }
    std::printf("peak memory of the run: %ld MB\n", peakMegabytes());
    return 0;
}
