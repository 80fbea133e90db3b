#include "renderprocess.h"
#include "testfiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString preset(const QString &name)
{
    return QStringLiteral(DIALWRIGHT_PRESETS "/") + name + QStringLiteral(".gauge");
}

} // namespace

// The tool's --animate: what it refuses before reading anything, what it
// refuses about the gauge and the data, and what it writes.
class TestRenderAnimation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refused_data();
    void refused();
    void writesFrames();
    void realProgram();

private:
    QTemporaryDir dir;
    QString csv;
};

void TestRenderAnimation::initTestCase()
{
    csv = dir.filePath("log.csv");
    QVERIFY(writeBytes(csv, "time,rpm,boost\n0,0.8,0\n00:00:00.5,4,\n1,7.5,1.2\n"));
}

void TestRenderAnimation::refused_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("fps without animate") << "--png %d/a.png --fps 30" << 2 << "--fps applies";
    QTest::newRow("unknown suffix") << "--animate %d/a.avi --sweep 1" << 2 << "follows from";
    QTest::newRow("codec for webm") << "--animate %d/a.webm --codec prores --sweep 1" << 2
                                    << "--codec prores";
    QTest::newRow("drive without data") << "--animate %d/a.mov --drive Revs=rpm" << 2
                                        << "--drive needs --data";
    QTest::newRow("nothing drives") << "--animate %d/a.mov" << 2 << "needs --drive";
    QTest::newRow("with a png") << "--animate %d/a.mov --sweep 1 --png %d/b.png" << 2 << "alone";
    QTest::newRow("fps too high") << "--animate %d/a.mov --sweep 1 --fps 241" << 2 << "--fps";
    QTest::newRow("odd h264") << "--animate %d/a.mp4 --sweep 1 --size 65" << 2 << "--animate:";
    QTest::newRow("unknown needle") << "--animate %d/a.mov --data %c --drive Speed=rpm" << 1
                                    << "no needle named";
    QTest::newRow("unknown column") << "--animate %d/a.mov --data %c --drive Revs=speed" << 1
                                    << "no column";
}

void TestRenderAnimation::refused()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    arguments.replace("%d", dir.path()).replace("%c", csv);
    const ToolRun run = render(arguments.split(' ') << preset("Tachometer"));
    QCOMPARE(run.exitCode, status);
    QVERIFY2(run.output().contains(message), qPrintable(run.output()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"log.csv"});
}

// A folder gets frame_000001.png and on, one a frame, over the background.
void TestRenderAnimation::writesFrames()
{
    const QString folder = dir.filePath("frames");
    QVERIFY(QDir().mkpath(folder));
    const ToolRun run = render({"--animate", folder, "--data", csv, "--drive", "Revs=rpm",
                                "--fps", "4", "--size", "96", "--interpolation", "cubic",
                                "--background", "#102030", preset("Tachometer")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output()));
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList{"frame_000001.png", "frame_000002.png", "frame_000003.png",
                          "frame_000004.png"}));
    const QImage first(folder + "/frame_000001.png");
    QCOMPARE(first.size(), QSize(96, 96));
    QCOMPARE(first.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
    QVERIFY(first != QImage(folder + "/frame_000003.png"));
}

void TestRenderAnimation::realProgram()
{
    const QString path = dir.filePath("sweep_%03d.png");
    const ToolRun run = runRender({"--animate", path, "--sweep", "Revs=0.5", "--fps", "10",
                                   "--size", "64", preset("Tachometer")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output()));
    QVERIFY(QFile::exists(dir.filePath("sweep_005.png")));
    QVERIFY(!QFile::exists(dir.filePath("sweep_006.png")));
}

QTEST_MAIN(TestRenderAnimation)
#include "test_renderanimation.moc"
