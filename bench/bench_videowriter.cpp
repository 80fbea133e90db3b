// Prints how fast each video format is written: frames a second of the
// encoder alone, on frames drawn beforehand, and of the pipeline, where one
// thread draws each frame (the dial and a turning needle) while the encoder
// works on the ones before. The frames are 10 s at 60 fps of the
// tachometer preset, 512 and 1024 pixels on a side.
//
//   build/bench/bench_videowriter [--quick] [--format NAME] [--size N]
//
// --quick writes 2 s instead of 10. Besides frames a second it prints the
// processor time a frame takes the encoder, all its threads together.

#include "export/frameencoder.h"
#include "export/imageexport.h"
#include "gaugefile/gaugefilereader.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

constexpr int framesPerSecond = 60;
// The needle turns once a second, so a second of frames repeats.
constexpr int distinctFrames = framesPerSecond;

QImage frameOf(const QImage &face, int number)
{
    QImage frame = face.copy();
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = face.width();
    painter.translate(size / 2, size / 2);
    painter.rotate(360.0 * number / distinctFrames);
    painter.setPen(QPen(QColor(230, 40, 20), size / 80, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, size * 0.05), QPointF(0, -size * 0.42));
    return frame;
}

struct Result
{
    double fps = 0;
    double cpuMs = 0; // processor time of all threads, a frame
    qint64 bytes = 0;
    QString error;
};

qint64 outputBytes(const VideoSettings &settings, int frames)
{
    if (settings.format != videoFormat::pngSequence)
        return QFileInfo(settings.path).size();
    qint64 total = 0;
    for (int n = 1; n <= frames; ++n)
        total += QFileInfo(sequenceFramePath(settings.path, n)).size();
    return total;
}

Result encoderAlone(const VideoSettings &settings, const std::vector<QImage> &drawn, int frames)
{
    Result result;
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    VideoWriter writer;
    bool ok = writer.open(settings, &result.error);
    for (int n = 0; ok && n < frames; ++n)
        ok = writer.writeFrame(drawn[size_t(n % distinctFrames)], &result.error);
    ok = ok && writer.finish(&result.error);
    if (ok) {
        result.fps = frames / (timer.nsecsElapsed() / 1e9);
        result.cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / frames;
        result.bytes = outputBytes(settings, frames);
    }
    return result;
}

Result pipeline(const VideoSettings &settings, const QImage &face, int frames)
{
    Result result;
    QElapsedTimer timer;
    timer.start();
    auto writer = std::make_unique<VideoWriter>();
    if (!writer->open(settings, &result.error))
        return result;
    FrameEncoder encoder(std::move(writer));
    bool ok = true;
    std::thread drawer([&] {
        for (int n = 0; ok && n < frames; ++n)
            ok = encoder.push(frameOf(face, n), &result.error);
    });
    drawer.join();
    ok = ok && encoder.finish(&result.error);
    if (ok) {
        result.fps = frames / (timer.nsecsElapsed() / 1e9);
        result.bytes = outputBytes(settings, frames);
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("quick"), QStringLiteral("Write 2 s instead of 10.")});
    parser.addOption(
        {QStringLiteral("format"), QStringLiteral("Only this format."), QStringLiteral("name")});
    parser.addOption(
        {QStringLiteral("size"), QStringLiteral("Only this size."), QStringLiteral("pixels")});
    parser.process(app);
    const int frames = framesPerSecond * (parser.isSet(QStringLiteral("quick")) ? 2 : 10);

    QList<namedLayer> layers;
    const QString preset = QStringLiteral(DIALWRIGHT_PRESETS_DIR "/Tachometer.gauge");
    QString error;
    if (readGaugeFile(preset, layers, &error) != gaugeFileStatus::Loaded) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(preset), qPrintable(error));
        return 1;
    }
    const QList<gaugeData> gauge = withUnhintedLabels(layerData(layers));

    QList<videoFormat> formats = videoFormats();
    if (parser.isSet(QStringLiteral("format"))) {
        const auto only = videoFormatFromName(parser.value(QStringLiteral("format")));
        if (!only) {
            std::fprintf(stderr, "unknown format\n");
            return 1;
        }
        formats = {*only};
    }
    QList<int> sizes = {512, 1024};
    if (parser.isSet(QStringLiteral("size")))
        sizes = {parser.value(QStringLiteral("size")).toInt()};

    QTemporaryDir folder;
    std::printf("%d frames at %d fps\n", frames, framesPerSecond);
    // On a machine shared with other work the processor time a frame
    // varies less than the frames a second.
    std::printf("%-8s %6s %12s %14s %14s %10s\n", "format", "size", "encoder fps", "encoder cpu ms",
                "pipeline fps", "MB");
    for (int size : sizes) {
        const QImage face = gaugeImagePremultiplied(gauge, size);
        std::vector<QImage> drawn;
        for (int n = 0; n < distinctFrames; ++n)
            drawn.push_back(frameOf(face, n));
        for (videoFormat format : formats) {
            const QString path =
                folder.filePath(QStringLiteral("bench.") + videoFormatSuffix(format));
            const VideoSettings settings{format, path, size, framesPerSecond, QColor()};
            const Result alone = encoderAlone(settings, drawn, frames);
            const Result piped = pipeline(settings, face, frames);
            if (!alone.error.isEmpty() || !piped.error.isEmpty()) {
                std::printf("%-8s %6d failed: %s\n", qPrintable(videoFormatName(format)), size,
                            qPrintable(alone.error.isEmpty() ? piped.error : alone.error));
                continue;
            }
            std::printf("%-8s %6d %12.1f %14.1f %14.1f %10.1f\n",
                        qPrintable(videoFormatName(format)), size, alone.fps, alone.cpuMs,
                        piped.fps, piped.bytes / 1e6);
            std::fflush(stdout);
        }
    }
    return 0;
}
