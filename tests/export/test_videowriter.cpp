#include "export/videowriter.h"

#include "testfiles.h"
#include "toolrun.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A dial's kinds of pixels: transparent, opaque and translucent flat
// colours, antialiased edges, and a needle that turns from frame to frame.
QImage testFrame(int size, int number)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 40));
    painter.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.5, size * 0.5));
    painter.fillRect(QRectF(size * 0.55, size * 0.5, size * 0.4, size * 0.4),
                     QColor(30, 160, 60, 128));
    painter.fillRect(QRectF(size * 0.05, size * 0.7, size * 0.4, size * 0.25),
                     QColor(240, 240, 250));
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(number * 15.0);
    painter.setPen(QPen(QColor(20, 40, 230), size / 40.0));
    painter.drawLine(QPointF(0, 0), QPointF(0, -size * 0.45));
    return image;
}

// What the frame should look like once decoded: straight alpha, over the
// background when there is one.
QImage expectedFrame(const QImage &frame, const QColor &background)
{
    if (!background.isValid())
        return frame.convertToFormat(QImage::Format_ARGB32);
    QImage over(frame.size(), QImage::Format_ARGB32_Premultiplied);
    over.fill(background);
    QPainter(&over).drawImage(0, 0, frame);
    return over.convertToFormat(QImage::Format_ARGB32);
}

// How far a decoded frame is from the expected one on the premultiplied
// channels: on average, and at worst in flat patches of each colour (red,
// white, translucent green, nothing), where a wrong matrix, range or alpha
// shows at once while the edges blur in any lossy codec.
struct Difference
{
    double mean = 0;
    int patches = 0;
};

Difference difference(const QImage &a, const QImage &b)
{
    const int size = a.width();
    const QList<QPoint> patches = {{size / 4, size * 3 / 10},
                                   {size / 5, size * 17 / 20},
                                   {size * 4 / 5, size * 4 / 5},
                                   {size * 19 / 20, size / 20}};
    Difference d;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb p = qPremultiply(a.pixel(x, y));
            const QRgb q = qPremultiply(b.pixel(x, y));
            int worst = 0;
            for (int shift : {0, 8, 16, 24})
                worst =
                    std::max(worst, std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
            d.mean += worst;
            for (const QPoint &at : patches) {
                if (std::abs(x - at.x()) <= 1 && std::abs(y - at.y()) <= 1)
                    d.patches = std::max(d.patches, worst);
            }
        }
    }
    d.mean /= double(size) * size;
    return d;
}

bool haveTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

// What ffprobe reads: each key's values, the frames' times in order.
QHash<QString, QStringList> probe(const QString &path)
{
    QStringList arguments =
        QStringLiteral("-v error -count_frames -of default=nw=1 -show_entries "
                       "stream=r_frame_rate,nb_read_frames,width,color_range,color_space,"
                       "color_primaries,color_transfer:format=duration:"
                       "frame=best_effort_timestamp_time")
            .split(QLatin1Char(' '));
    QHash<QString, QStringList> values;
    const ToolRun run = runTool(QStringLiteral("ffprobe"), arguments << path);
    for (const QString &line : run.output().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        values[line.section(QLatin1Char('='), 0, 0)].append(line.section(QLatin1Char('='), 1));
    return values;
}

// The frames as the reference decoder shows them, straight ARGB32. VP9's
// alpha is a second picture that only libvpx's own decoder reads.
QList<QImage> decodedFrames(const QString &path, videoFormat format, int size)
{
    QStringList arguments = {QStringLiteral("-v"), QStringLiteral("error")};
    if (format == videoFormat::vp9)
        arguments << QStringLiteral("-c:v") << QStringLiteral("libvpx-vp9");
    arguments << QStringLiteral("-i") << path
              << QStringLiteral("-f rawvideo -pix_fmt rgba -").split(QLatin1Char(' '));
    const ToolRun run = runTool(QStringLiteral("ffmpeg"), arguments);
    QList<QImage> frames;
    const qsizetype bytes = qsizetype(size) * size * 4;
    for (qsizetype at = 0; at + bytes <= run.out.size(); at += bytes) {
        const QImage rgba(reinterpret_cast<const uchar *>(run.out.constData() + at), size, size,
                          QImage::Format_RGBA8888);
        frames.append(rgba.convertToFormat(QImage::Format_ARGB32));
    }
    return frames;
}

bool writeVideo(const VideoSettings &settings, int frames, QString *error)
{
    VideoWriter writer;
    if (!writer.open(settings, error))
        return false;
    for (int n = 0; n < frames; ++n) {
        if (!writer.writeFrame(testFrame(settings.size, n), error))
            return false;
    }
    return writer.finish(error);
}

// Every name in the folder, hidden ones too.
QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestVideoWriter : public QObject
{
    Q_OBJECT

private slots:
    void framePaths_data();
    void framePaths();
    void refusedSettings_data();
    void refusedSettings();
    void timing_data();
    void timing();
    void sequenceFiles();
    void pixels_data();
    void pixels();
    void sameFramesSameBytes_data();
    void sameFramesSameBytes();
    void oldFileStaysIntact_data();
    void oldFileStaysIntact();
    void pipeGetsWholeVideo();

private:
    QTemporaryDir dir;
};

void TestVideoWriter::framePaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("framePath");

    QTest::newRow("plain name") << "out/dial.png" << 1 << "out/dial_000001.png";
    QTest::newRow("upper-case suffix") << "DIAL.PNG" << 12 << "DIAL_000012.png";
    QTest::newRow("no suffix") << "dial" << 3 << "dial_000003.png";
    QTest::newRow("printf") << "f_%04d.png" << 12 << "f_0012.png";
    QTest::newRow("printf without width") << "%d.png" << 7 << "7.png";
    QTest::newRow("more frames than digits") << "f_%02d.png" << 123 << "f_123.png";
    QTest::newRow("signs") << "f###.png" << 5 << "f005.png";
    QTest::newRow("last run of signs") << "#1_####.png" << 5 << "#1_0005.png";
    QTest::newRow("placeholder in a folder is a name") << "a%d/x.png" << 2 << "a%d/x_000002.png";
    QTest::newRow("other percent signs") << "100%.png" << 1 << "100%_000001.png";
    QTest::newRow("two numbers") << "a%d_%03d.png" << 1 << "";
    QTest::newRow("no name") << "out/" << 1 << "";
}

void TestVideoWriter::framePaths()
{
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, framePath);
    QCOMPARE(sequenceFramePath(path, number), framePath);
}

void TestVideoWriter::refusedSettings_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fps");

    QTest::newRow("too small") << int(videoFormat::quickTimeAnimation) << "a.mov" << 63 << 30;
    QTest::newRow("too large") << int(videoFormat::pngSequence) << "a.png" << 4097 << 30;
    QTest::newRow("no frame rate") << int(videoFormat::vp9) << "a.webm" << 64 << 0;
    QTest::newRow("too fast") << int(videoFormat::h264) << "a.mp4" << 64 << 241;
    QTest::newRow("odd H.264") << int(videoFormat::h264) << "a.mp4" << 333 << 30;
    QTest::newRow("no name") << int(videoFormat::proRes4444) << "" << 64 << 30;
    QTest::newRow("two frame numbers") << int(videoFormat::pngSequence) << "%d%d.png" << 64 << 30;
    QTest::newRow("folder") << int(videoFormat::quickTimeAnimation) << "." << 64 << 30;
    QTest::newRow("missing folder") << int(videoFormat::proRes4444) << "no/a.mov" << 64 << 30;
    QTest::newRow("missing sequence folder")
        << int(videoFormat::pngSequence) << "no/a.png" << 64 << 30;
}

void TestVideoWriter::refusedSettings()
{
    QFETCH(int, format);
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, fps);
    QTemporaryDir folder;
    const QString path = name.isEmpty() ? QString() : folder.filePath(name);
    VideoWriter writer;
    QString error;
    QVERIFY(!writer.open({videoFormat(format), path, size, fps, QColor()}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!writer.writeFrame(testFrame(64, 0)));
    QCOMPARE(listing(folder.path()), QStringList());
}

void TestVideoWriter::timing_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("frames");

    QTest::newRow("QuickTime Animation, 30 fps")
        << int(videoFormat::quickTimeAnimation) << 64 << 30 << 7;
    QTest::newRow("ProRes, 24 fps") << int(videoFormat::proRes4444) << 64 << 24 << 5;
    QTest::newRow("ProRes, 1 fps") << int(videoFormat::proRes4444) << 64 << 1 << 3;
    QTest::newRow("VP9, 60 fps, odd size") << int(videoFormat::vp9) << 65 << 60 << 9;
    QTest::newRow("VP9, 240 fps") << int(videoFormat::vp9) << 64 << 240 << 12;
    QTest::newRow("H.264, 25 fps") << int(videoFormat::h264) << 64 << 25 << 30;
    QTest::newRow("H.264, 240 fps") << int(videoFormat::h264) << 66 << 240 << 10;
}

void TestVideoWriter::timing()
{
    if (!haveTools())
        QSKIP("ffprobe and ffmpeg are needed to read the videos back");
    QFETCH(int, format);
    QFETCH(int, size);
    QFETCH(int, fps);
    QFETCH(int, frames);
    const videoFormat f = videoFormat(format);
    const QString path = dir.filePath(QStringLiteral("timing.") + videoFormatSuffix(f));
    QString error;
    QVERIFY2(writeVideo({f, path, size, fps, QColor()}, frames, &error), qPrintable(error));

    const QHash<QString, QStringList> info = probe(path);
    QCOMPARE(info[QStringLiteral("width")], QStringList{QString::number(size)});
    QCOMPARE(info[QStringLiteral("r_frame_rate")], QStringList{QStringLiteral("%1/1").arg(fps)});
    QCOMPARE(info[QStringLiteral("nb_read_frames")], QStringList{QString::number(frames)});
    // Frame n shows at n / fps, and the last one lasts a frame as well.
    QStringList times = info[QStringLiteral("best_effort_timestamp_time")];
    QCOMPARE(times.size(), frames);
    times << info[QStringLiteral("duration")];
    for (int n = 0; n <= frames; ++n)
        QVERIFY2(std::abs(times[n].toDouble() - double(n) / fps) < 0.0015, qPrintable(times[n]));

    // The YUV formats say how their colours are to be read back.
    if (f != videoFormat::quickTimeAnimation) {
        QCOMPARE(info[QStringLiteral("color_range")], QStringList{QStringLiteral("tv")});
        for (const char *key : {"color_space", "color_primaries", "color_transfer"})
            QCOMPARE(info[QLatin1String(key)], QStringList{QStringLiteral("bt709")});
    }
    // An MP4 plays while it loads: its index comes before the pictures.
    if (f == videoFormat::h264) {
        const QByteArray bytes = readBytes(path);
        QVERIFY(bytes.indexOf("moov") < bytes.indexOf("mdat"));
    }
    QCOMPARE(listing(dir.path()), QStringList{QFileInfo(path).fileName()});
    QFile::remove(path);
}

// The frames replace those of the same names and leave the others; when
// one cannot be put in place, none are.
void TestVideoWriter::sequenceFiles()
{
    QTemporaryDir folder;
    const QString pattern = folder.filePath(QStringLiteral("dial_####.png"));
    auto frameName = [](int n) {
        return QStringLiteral("dial_%1.png").arg(n, 4, 10, QLatin1Char('0'));
    };
    QVERIFY(writeBytes(folder.filePath(frameName(2)), "old frame 2"));
    QVERIFY(writeBytes(folder.filePath(frameName(12)), "old frame 12"));

    VideoWriter writer;
    QString error;
    QVERIFY2(writer.open({videoFormat::pngSequence, pattern, 64, 30, QColor()}, &error),
             qPrintable(error));
    for (int n = 0; n < 3; ++n)
        QVERIFY2(writer.writeFrame(testFrame(64, n), &error), qPrintable(error));
    // A folder takes the place of a frame after it was written.
    QVERIFY(QDir(folder.path()).mkdir(frameName(3)));
    QVERIFY(!writer.finish(&error));
    QVERIFY2(error.startsWith(frameName(3)), qPrintable(error));
    QCOMPARE(listing(folder.path()), (QStringList{frameName(2), frameName(3), frameName(12)}));
    QCOMPARE(readBytes(folder.filePath(frameName(2))), QByteArray("old frame 2"));

    QVERIFY(QDir(folder.path()).rmdir(frameName(3)));
    QVERIFY2(writeVideo({videoFormat::pngSequence, pattern, 64, 30, QColor()}, 11, &error),
             qPrintable(error));
    QStringList names;
    for (int n = 1; n <= 12; ++n)
        names << frameName(n);
    QCOMPARE(listing(folder.path()), names);
    QCOMPARE(QImage(folder.filePath(frameName(2))).size(), QSize(64, 64));
    QCOMPARE(readBytes(folder.filePath(frameName(12))), QByteArray("old frame 12"));
}

void TestVideoWriter::pixels_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("meanTolerance");
    QTest::addColumn<int>("patchTolerance");

    const QColor none;
    const QColor grey(90, 100, 110);
    QTest::newRow("PNG sequence") << int(videoFormat::pngSequence) << none << 0.0 << 0;
    QTest::newRow("PNG sequence over grey") << int(videoFormat::pngSequence) << grey << 0.0 << 0;
    QTest::newRow("QuickTime Animation")
        << int(videoFormat::quickTimeAnimation) << none << 0.0 << 0;
    QTest::newRow("QuickTime Animation over a translucent colour")
        << int(videoFormat::quickTimeAnimation) << QColor(0, 0, 255, 100) << 0.0 << 0;
    QTest::newRow("ProRes") << int(videoFormat::proRes4444) << none << 0.5 << 2;
    QTest::newRow("ProRes over grey") << int(videoFormat::proRes4444) << grey << 0.5 << 2;
    // 4:2:0 blurs the colours of the thin needle over the disc.
    QTest::newRow("VP9") << int(videoFormat::vp9) << none << 4.0 << 4;
    QTest::newRow("H.264 over black") << int(videoFormat::h264) << none << 8.0 << 4;
    QTest::newRow("H.264 over grey") << int(videoFormat::h264) << grey << 8.0 << 4;
}

void TestVideoWriter::pixels()
{
    QFETCH(int, format);
    QFETCH(QColor, background);
    QFETCH(double, meanTolerance);
    QFETCH(int, patchTolerance);
    const videoFormat f = videoFormat(format);
    if (f != videoFormat::pngSequence && !haveTools())
        QSKIP("ffmpeg is needed to read the videos back");
    constexpr int size = 96;
    constexpr int frames = 3;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pixels.") + videoFormatSuffix(f));
    QString error;
    QVERIFY2(writeVideo({f, path, size, 30, background}, frames, &error), qPrintable(error));

    QList<QImage> decoded;
    if (f == videoFormat::pngSequence) {
        for (int n = 1; n <= frames; ++n)
            decoded.append(
                QImage(sequenceFramePath(path, n)).convertToFormat(QImage::Format_ARGB32));
    } else {
        decoded = decodedFrames(path, f, size);
    }
    QCOMPARE(decoded.size(), frames);
    const QColor under =
        f == videoFormat::h264 && !background.isValid() ? QColor(Qt::black) : background;
    for (int n = 0; n < frames; ++n) {
        const QImage expected = expectedFrame(testFrame(size, n), under);
        if (meanTolerance == 0.0) {
            QCOMPARE(decoded[n], expected);
            continue;
        }
        const Difference d = difference(decoded[n], expected);
        QVERIFY2(
            d.mean <= meanTolerance && d.patches <= patchTolerance,
            qPrintable(
                QStringLiteral("frame %1: mean %2, patches %3").arg(n).arg(d.mean).arg(d.patches)));
        // Nothing drawn stays fully transparent, and opaque stays opaque.
        QCOMPARE(qAlpha(decoded[n].pixel(size - 1, 0)), qAlpha(expected.pixel(size - 1, 0)));
        QCOMPARE(qAlpha(decoded[n].pixel(size / 4, size / 3)), 255);
    }
}

void TestVideoWriter::sameFramesSameBytes_data()
{
    QTest::addColumn<int>("format");
    for (videoFormat f : videoFormats())
        QTest::newRow(qPrintable(videoFormatName(f))) << int(f);
}

// A second export of the same frames over the first: the same bytes, and
// the permissions the first file was given. The first one is made as any
// new file is, not as a temporary file only its owner may read.
void TestVideoWriter::sameFramesSameBytes()
{
    QFETCH(int, format);
    const videoFormat f = videoFormat(format);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("same.") + videoFormatSuffix(f));
    const QString file = f == videoFormat::pngSequence ? sequenceFramePath(path, 4) : path;
    const QString reference = folder.filePath(QStringLiteral("reference"));
    QVERIFY(writeBytes(reference, "any new file"));
    QString error;
    QVERIFY2(writeVideo({f, path, 64, 30, QColor()}, 4, &error), qPrintable(error));
    QCOMPARE(QFile::permissions(file), QFile::permissions(reference));
    const QByteArray first = readBytes(file);
    QVERIFY(QFile::setPermissions(file,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ReadOther));
    const QFileDevice::Permissions chosen = QFile::permissions(file);

    QVERIFY2(writeVideo({f, path, 64, 30, QColor()}, 4, &error), qPrintable(error));
    QVERIFY(!first.isEmpty() && readBytes(file) == first);
    QCOMPARE(QFile::permissions(file), chosen);
}

void TestVideoWriter::oldFileStaysIntact_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("diskFull");
    for (videoFormat f : videoFormats()) {
        QTest::addRow("%s abandoned", qPrintable(videoFormatName(f))) << int(f) << false;
        QTest::addRow("%s on a full disk", qPrintable(videoFormatName(f))) << int(f) << true;
    }
}

// Abandoned, or failed on a full disk (a limit on the size of the files
// this process writes; the noise makes frames far larger than it): nothing
// of the new video is left, the earlier file is as it was.
void TestVideoWriter::oldFileStaysIntact()
{
    QFETCH(int, format);
    QFETCH(bool, diskFull);
    const videoFormat f = videoFormat(format);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.") + videoFormatSuffix(f));
    const QString old = f == videoFormat::pngSequence ? sequenceFramePath(path, 2) : path;
    QVERIFY(writeBytes(old, "the earlier file"));
    const QStringList before = listing(folder.path());

    QRandomGenerator random(3);
    QImage noise(256, 256, QImage::Format_ARGB32_Premultiplied);
    QString error;
    {
        VideoWriter writer;
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(100'000);
        bool ok = writer.open({f, path, 256, 30, QColor()}, &error);
        for (int n = 0; ok && n < 8; ++n) {
            for (int y = 0; y < noise.height(); ++y) {
                auto *row = reinterpret_cast<QRgb *>(noise.scanLine(y));
                for (int x = 0; x < noise.width(); ++x)
                    row[x] = qPremultiply(random.generate());
            }
            ok = writer.writeFrame(noise, &error);
        }
        if (diskFull) {
            QVERIFY(!(ok && writer.finish(&error)));
            QCOMPARE(error, QStringLiteral("File too large"));
        } else {
            QVERIFY2(ok, qPrintable(error));
            if (f == videoFormat::vp9)
                writer.abandon(); // the others by the destructor
        }
    }
    QCOMPARE(listing(folder.path()), before);
    QCOMPARE(readBytes(old), QByteArray("the earlier file"));
}

// A pipe or a device gets the finished file; nobody reading is said at once.
void TestVideoWriter::pipeGetsWholeVideo()
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    VideoWriter writer;
    QString error;
    QVERIFY(!writer.open({videoFormat::h264, fifo, 64, 30, QColor()}, &error));
    QCOMPARE(error, QStringLiteral("No program is reading from the pipe."));

    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    const auto closeReader = qScopeGuard([reader] { ::close(reader); });
    QVERIFY2(writer.open({videoFormat::h264, fifo, 64, 30, QColor()}, &error), qPrintable(error));
    for (int n = 0; n < 5; ++n)
        QVERIFY2(writer.writeFrame(testFrame(64, n), &error), qPrintable(error));
    QVERIFY2(writer.finish(&error), qPrintable(error));
    // Small enough to wait in the pipe's buffer.
    QByteArray piped(65536, 0);
    piped.resize(::read(reader, piped.data(), piped.size()));
    const QString copy = folder.filePath(QStringLiteral("copy.mp4"));
    QVERIFY(writeBytes(copy, piped));
    const QString regular = folder.filePath(QStringLiteral("file.mp4"));
    QVERIFY2(writeVideo({videoFormat::h264, regular, 64, 30, QColor()}, 5, &error),
             qPrintable(error));
    QCOMPARE(readBytes(copy), readBytes(regular));

    QVERIFY(
        !writeVideo({videoFormat::vp9, QStringLiteral("/dev/full"), 64, 30, QColor()}, 2, &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
}

QTEST_GUILESS_MAIN(TestVideoWriter)
#include "test_videowriter.moc"
