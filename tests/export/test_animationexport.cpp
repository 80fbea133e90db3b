#include "export/animationexport.h"

#include "export/imageexport.h"

#include "samplegauges.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The typical gauge (0 to 200) with a shadowed needle "Speed" on its first
// layer and a still one, "Limit", on its second.
QList<gaugeData> gaugeWithNeedles(const Ballistics &movement = Ballistics::none())
{
    QList<gaugeData> layers = typicalGauge();
    gaugeNeedle speed;
    speed.name = QStringLiteral("Speed");
    speed.shadow.shown = true;
    speed.movement = movement;
    layers[0].needles = {speed};
    gaugeNeedle limit;
    limit.name = QStringLiteral("Limit");
    limit.value = 150;
    limit.color = Qt::yellow;
    layers[1].needles = {limit};
    return layers;
}

DriveData driveData(const QByteArray &csv)
{
    DriveData data;
    if (!parseDriveData(csv, &data))
        qWarning("unreadable test data");
    return data;
}

AnimationSettings settingsFor(const QString &path, videoFormat format, int size, int fps)
{
    AnimationSettings settings;
    settings.video.path = path;
    settings.video.format = format;
    settings.video.size = size;
    settings.video.framesPerSecond = fps;
    return settings;
}

bool haveFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

// The frames as ffmpeg decodes them, straight ARGB32 (libvpx's own decoder
// for VP9, as only it reads the alpha).
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
    for (qsizetype at = 0; at + bytes <= run.out.size(); at += bytes)
        frames.append(QImage(reinterpret_cast<const uchar *>(run.out.constData() + at), size, size,
                             QImage::Format_RGBA8888)
                          .convertToFormat(QImage::Format_ARGB32));
    return frames;
}

QImage sequenceFrame(const QString &path, int number)
{
    return QImage(sequenceFramePath(path, number)).convertToFormat(QImage::Format_ARGB32);
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestAnimationExport : public QObject
{
    Q_OBJECT

private slots:
    void framesAreThePngExport_data();
    void framesAreThePngExport();
    void frameRateDoesNotMoveTheNeedles();
    void refusals_data();
    void refusals();
    void nothingLeftBehind_data();
    void nothingLeftBehind();
    void videosReadBack_data();
    void videosReadBack();

private:
    QTemporaryDir dir;
};

// At 1 fps each frame falls on a sample, so a needle without a movement
// shows exactly the sample's value: the frame is the PNG export's pixels.
void TestAnimationExport::framesAreThePngExport_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("png sequence") << int(videoFormat::pngSequence);
    QTest::newRow("quicktime animation") << int(videoFormat::quickTimeAnimation);
}

void TestAnimationExport::framesAreThePngExport()
{
    QFETCH(int, format);
    const auto videoFormat = ::videoFormat(format);
    if (videoFormat != videoFormat::pngSequence && !haveFfmpeg())
        QSKIP("ffmpeg is needed to read the video back");
    const QList<double> values = {10, 95, 230}; // the last beyond the end, at the peg
    const QList<gaugeData> layers = gaugeWithNeedles();
    const int size = 160;
    const QString path =
        dir.filePath(videoFormat == videoFormat::pngSequence ? "exact/f_%d.png" : "exact.mov");
    QDir().mkpath(dir.filePath("exact"));
    AnimationSettings settings = settingsFor(path, videoFormat, size, 1);
    settings.drives = {{QStringLiteral("Speed"), QStringLiteral("speed"), 0.0}};
    QString error;
    QVERIFY2(exportAnimation(layers, settings,
                             driveData("time;speed\n0;10\n1;95\n2;230\n3;180\n"), {}, &error),
             qPrintable(error));

    const QList<QImage> frames = videoFormat == videoFormat::pngSequence
        ? QList<QImage>{sequenceFrame(path, 1), sequenceFrame(path, 2), sequenceFrame(path, 3)}
        : decodedFrames(path, videoFormat, size);
    QCOMPARE(frames.size(), 3); // 0 s to 3 s at 1 fps: the frames at 0, 1 and 2 s
    for (int n = 0; n < frames.size(); ++n) {
        QList<gaugeData> still = layers;
        still[0].needles[0].value = values.at(n);
        QCOMPARE(frames.at(n), gaugeImage(still, size));
    }
}

// The same data at 30 and at 60 frames a second puts a damped needle at the
// same place at the instants both have: frame k and frame 2k are the same
// pixels.
void TestAnimationExport::frameRateDoesNotMoveTheNeedles()
{
    const QList<gaugeData> layers = gaugeWithNeedles(Ballistics::damped(3.0, 0.3));
    const QByteArray csv = "t,speed\n0,0\n0.2,190\n0.35,40\n0.6,120\n";
    QString error;
    QList<QString> paths;
    for (int fps : {30, 60}) {
        const QString folder = dir.filePath(QStringLiteral("rate%1").arg(fps));
        QDir().mkpath(folder);
        AnimationSettings settings =
            settingsFor(folder + "/frame.png", videoFormat::pngSequence, 96, fps);
        settings.interpolation = Interpolation::MonotoneCubic;
        settings.drives = {{QStringLiteral("Speed"), QStringLiteral("speed"), 0.0}};
        settings.to = 0.8;
        QVERIFY2(exportAnimation(layers, settings, driveData(csv), {}, &error), qPrintable(error));
        paths.append(settings.video.path);
    }
    QCOMPARE(listing(dir.filePath("rate30")).size(), 24);
    QCOMPARE(listing(dir.filePath("rate60")).size(), 48);
    int moved = 0;
    for (int k = 0; k < 24; ++k) {
        const QImage at30 = sequenceFrame(paths[0], k + 1);
        QCOMPARE(at30, sequenceFrame(paths[1], 2 * k + 1));
        moved += k > 0 && at30 != sequenceFrame(paths[0], k) ? 1 : 0;
    }
    QVERIFY(moved > 20);
}

void TestAnimationExport::refusals_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("column");
    QTest::addColumn<double>("sweep");
    QTest::addColumn<bool>("withData");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown needle") << "Rpm" << "speed" << 0.0 << true << 0.0
                                    << "no needle named \u201cRpm\u201d";
    QTest::newRow("unknown column") << "Speed" << "rpm" << 0.0 << true << 0.0
                                    << "no column \u201crpm\u201d";
    QTest::newRow("no data") << "Speed" << "speed" << 0.0 << false << 0.0 << "no data file";
    QTest::newRow("no sweep time") << "Speed" << "" << 0.0 << false << 0.0 << "sweep";
    QTest::newRow("movement too quick") << "Speed" << "speed" << 0.0 << true << 1000.0
                                        << "movement of the needle \u201cSpeed\u201d";
}

void TestAnimationExport::refusals()
{
    QFETCH(QString, needle);
    QFETCH(QString, column);
    QFETCH(double, sweep);
    QFETCH(bool, withData);
    QFETCH(double, frequency);
    QFETCH(QString, reason);
    const QList<gaugeData> layers = gaugeWithNeedles(
        frequency > 0 ? Ballistics::damped(frequency, 0.5) : Ballistics::none());
    const QString path = dir.filePath("refused.mov");
    AnimationSettings settings = settingsFor(path, videoFormat::quickTimeAnimation, 64, 30);
    settings.drives = {{needle, column, sweep}};
    const DriveData data = withData ? driveData("time,speed\n0,1\n1,2\n") : DriveData();
    QString error;
    QVERIFY(!exportAnimation(layers, settings, data, {}, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

// A cancelled render and one that fails as the disk fills leave no part of
// the new file and the old one as it was.
void TestAnimationExport::nothingLeftBehind_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("mov cancelled") << int(videoFormat::quickTimeAnimation) << false;
    QTest::newRow("mov disk full") << int(videoFormat::quickTimeAnimation) << true;
    QTest::newRow("frames cancelled") << int(videoFormat::pngSequence) << false;
    QTest::newRow("frames disk full") << int(videoFormat::pngSequence) << true;
}

void TestAnimationExport::nothingLeftBehind()
{
    QFETCH(int, format);
    QFETCH(bool, diskFull);
    const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QDir().mkpath(folder);
    const QString path = folder + (format == int(videoFormat::pngSequence) ? "/f.png" : "/v.mov");
    const QString old = format == int(videoFormat::pngSequence) ? sequenceFramePath(path, 1) : path;
    QVERIFY(writeBytes(old, "the old file"));

    AnimationSettings settings = settingsFor(path, videoFormat(format), 256, 30);
    settings.drives = {{QStringLiteral("Speed"), QString(), 2.0}};
    std::atomic_bool cancel{false};
    AnimationControl control;
    control.cancel = &cancel;
    control.progress = [&cancel, diskFull](qint64 done, qint64) {
        if (!diskFull && done == 5)
            cancel = true;
    };
    QString error;
    bool written;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(20'000);
        written = exportAnimation(gaugeWithNeedles(), settings, DriveData(), control, &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(error == QStringLiteral("Cancelled."), !diskFull);
    QCOMPARE(readBytes(old), QByteArray("the old file"));
    QCOMPARE(listing(folder), QStringList{QFileInfo(old).fileName()});
}

// Frame count, rate and pixel format as ffprobe reads them; the formats
// with alpha keep a transparent corner and an opaque needle.
void TestAnimationExport::videosReadBack_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pixels");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("qtrle") << int(videoFormat::quickTimeAnimation) << "a.mov" << "argb" << true;
    QTest::newRow("prores") << int(videoFormat::proRes4444) << "p.mov" << "yuva444p" << true;
    QTest::newRow("vp9") << int(videoFormat::vp9) << "v.webm" << "yuv" << true;
    QTest::newRow("h264") << int(videoFormat::h264) << "h.mp4" << "yuv420p" << false;
}

void TestAnimationExport::videosReadBack()
{
    if (!haveFfmpeg())
        QSKIP("ffprobe and ffmpeg are needed to read the videos back");
    QFETCH(int, format);
    QFETCH(QString, name);
    QFETCH(QString, pixels);
    QFETCH(bool, alpha);
    const int size = 128;
    const QString path = dir.filePath(name);
    AnimationSettings settings = settingsFor(path, videoFormat(format), size, 25);
    settings.drives = {{QStringLiteral("Speed"), QString(), 0.4}};
    QString error;
    QVERIFY2(exportAnimation(gaugeWithNeedles(), settings, DriveData(), {}, &error),
             qPrintable(error));

    const ToolRun probe = runTool(
        QStringLiteral("ffprobe"),
        QStringLiteral("-v error -count_frames -select_streams v:0 -of default=nw=1 "
                       "-show_entries stream=r_frame_rate,nb_read_frames,pix_fmt")
                .split(QLatin1Char(' '))
            << path);
    QVERIFY2(probe.output().contains("r_frame_rate=25/1"), qPrintable(probe.output()));
    QVERIFY2(probe.output().contains("nb_read_frames=10"), qPrintable(probe.output()));
    QVERIFY2(probe.output().contains("pix_fmt=" + pixels), qPrintable(probe.output()));

    const QList<QImage> frames = decodedFrames(path, videoFormat(format), size);
    QCOMPARE(frames.size(), 10);
    const QImage &first = frames.constFirst();
    // Lossy alpha may stray by a step or two.
    if (alpha)
        QVERIFY(qAlpha(first.pixel(0, 0)) <= 2);
    else
        QCOMPARE(qAlpha(first.pixel(0, 0)), 255);
    // The needle's hub is opaque in every format.
    QVERIFY(qAlpha(first.pixel(size / 2, size / 2)) >= 253);
}

QTEST_MAIN(TestAnimationExport)
#include "test_animationexport.moc"
