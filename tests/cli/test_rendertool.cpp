#include "cli/rendertool.h"

#include "renderprocess.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "version.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString data(const QString &name)
{
    return QStringLiteral(DIALWRIGHT_TEST_DATA "/") + name;
}

QList<namedLayer> loadAs(const QString &path, const QStringList &names)
{
    QList<namedLayer> layers;
    if (readGaugeFile(path, layers) != gaugeFileStatus::Loaded || layers.size() != names.size())
        return {};
    for (int i = 0; i < names.size(); ++i)
        layers[i].name = names[i];
    return layers;
}

} // namespace

// Most cases run the tool in process through its streams; a few run the real
// program for what only a process shows: its exit status, its standard
// output as a pipe or a full device, and its own platform set-up.
class TestRenderTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void help();
    void usageErrors_data();
    void usageErrors();
    void unreadableInput_data();
    void unreadableInput();
    void layerNames_data();
    void layerNames();
    void legacyConversion();
    void images();
    void failedWrites();
    void hugeCounts();

    void processExitStatus_data();
    void processExitStatus();
    void processStandardOutputIndependentOfScreen();
    void processFullStandardOutput();
};

void TestRenderTool::initTestCase()
{
    // What the tool's entry function sets; processExitStatus shows it does.
    QCoreApplication::setApplicationName(QStringLiteral("dialwright-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DIALWRIGHT_VERSION_TEXT));
}

void TestRenderTool::help()
{
    const ToolRun run = render({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const char *option : {"--size <N>", "--png <FILE>", "--svg <FILE>",
                               "--keyframes <FILE>", "--gauge <FILE>", "GAUGEFILE"})
        QVERIFY2(run.out.contains(option), option);
}

void TestRenderTool::usageErrors_data()
{
    const QString gauge = data(QStringLiteral("Speedometer.gauge"));
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("nothing") << QStringList{} << "No gauge file given.";
    QTest::newRow("no output") << QStringList{gauge} << "Nothing to write";
    QTest::newRow("unknown option") << QStringList{"--jpeg", "x", gauge} << "Unknown option";
    QTest::newRow("missing value") << QStringList{gauge, "--png"} << "Missing value";
    QTest::newRow("size too small") << QStringList{"--size", "63", "--png", "x", gauge}
                                    << "from 64 to 4096";
    QTest::newRow("size too large") << QStringList{"--size", "4097", "--png", "x", gauge}
                                    << "from 64 to 4096";
    QTest::newRow("size not a number") << QStringList{"--size", "big", "--png", "x", gauge}
                                       << "not \"big\"";
    QTest::newRow("two gauge files") << QStringList{"--png", "x", gauge, gauge}
                                     << "Only one gauge file";
    QTest::newRow("two outputs on stdout") << QStringList{"--png", "-", "--svg", "-", gauge}
                                           << "standard output";
    // A true size: PDFs, and SVGs in millimetres.
    const QStringList pdf{"--pdf", "out.pdf", gauge};
    QTest::newRow("PDF without diameter") << pdf << "--pdf needs --diameter";
    QTest::newRow("diameter without value") << pdf + QStringList{"--diameter"} << "Missing value";
    QTest::newRow("diameter without unit")
        << pdf + QStringList{"--diameter", "62"}
        << "--diameter: \"62\" is not a length: give a number and a unit, mm, cm or in";
    QTest::newRow("diameter too small")
        << pdf + QStringList{"--diameter", "4.9mm"}
        << "--diameter: The diameter must be from 5 mm to 1000 mm, not 4.9 mm.";
    QTest::newRow("diameter too large in inches")
        << pdf + QStringList{"--diameter", "40in"} << "not 1016 mm";
    QTest::newRow("negative diameter") << pdf + QStringList{"--diameter", "-6.2cm"} << "not -62 mm";
    QTest::newRow("hairline too wide")
        << pdf + QStringList{"--diameter", "62mm", "--hairline", "2mm"}
        << "--hairline: The hairline width must be from 0.02 mm to 1 mm";
    QTest::newRow("hairline without diameter")
        << QStringList{"--svg", "out.svg", "--hairline", "0.1mm", gauge}
        << "--hairline applies to a true size only";
    QTest::newRow("unknown page") << pdf + QStringList{"--diameter", "62mm", "--page", "a5"}
                                  << "The page must be a4, letter or fit, not \"a5\"";
    QTest::newRow("page without PDF")
        << QStringList{"--svg", "out.svg", "--diameter", "62mm", "--page", "fit", gauge}
        << "--page applies to the PDF only";
    QTest::newRow("unknown colour")
        << pdf + QStringList{"--diameter", "62mm", "--background", "darkish"}
        << "The background must be a colour name or #rrggbb, not \"darkish\"";
}

void TestRenderTool::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    const ToolRun run = render(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith(QLatin1String("dialwright-render: ")), qPrintable(err));
    QVERIFY2(err.contains(reason), qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("Usage: ")), qPrintable(err));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestRenderTool::unreadableInput_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << data(QStringLiteral("no such file.gauge"));
    QTest::newRow("empty") << data(QStringLiteral("empty.gauge"));
    QTest::newRow("not a gauge") << data(QStringLiteral("notes.gauge"));
    QTest::newRow("a folder") << data(QString());
}

void TestRenderTool::unreadableInput()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("out.png"));
    const ToolRun run = render({QStringLiteral("--png"), png, path});
    QCOMPARE(run.exitCode, 1);
    // The very text the window shows for the file, after the tool's and
    // the file's name.
    QList<namedLayer> layers;
    QString reason;
    QVERIFY(readGaugeFile(path, layers, &reason) != gaugeFileStatus::Loaded);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("dialwright-render: %1: %2\n").arg(path, reason));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(png));
}

void TestRenderTool::layerNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("unnamed first and third")
        << "Speedometer.gauge" << QStringList{"Speedometer", "Needle, \"red\"", "Layer 3"};
    QTest::newRow("one unnamed layer takes the complete base name")
        << "single.unnamed.gauge" << QStringList{"single.unnamed"};
}

void TestRenderTool::layerNames()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    const QList<namedLayer> expected = loadAs(data(file), names);
    QVERIFY(!expected.isEmpty());

    ToolRun run = render({QStringLiteral("--keyframes"), QStringLiteral("-"), data(file)});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QByteArray csv;
    QVERIFY(keyframeCsv(expected, &csv));
    QCOMPARE(run.out, csv);

    run = render({data(file), QStringLiteral("--gauge=-")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, writeGaugeDocument(expected));
}

void TestRenderTool::legacyConversion()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("converted.gauge"));
    const QString legacy = data(QStringLiteral("old.tacho.gauge"));
    const ToolRun run = render({QStringLiteral("--gauge"), path, legacy});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());

    const QByteArray converted = readBytes(path);
    QVERIFY(converted.startsWith('{'));
    QList<namedLayer> fromLegacy;
    QCOMPARE(readGaugeFile(legacy, fromLegacy), gaugeFileStatus::Loaded);
    QList<namedLayer> reread;
    QVERIFY(readGaugeDocument(converted, reread));
    QCOMPARE(reread.size(), 1);
    QCOMPARE(reread[0].name, QStringLiteral("old.tacho"));
    QCOMPARE(layerToJson(reread[0].data), layerToJson(fromLegacy[0].data));

    // Converting the converted file again changes nothing.
    const QString again = dir.filePath(QStringLiteral("again.gauge"));
    QCOMPARE(render({QStringLiteral("--gauge"), again, path}).exitCode, 0);
    QCOMPARE(readBytes(again).replace("\"again\"", "\"old.tacho\""), converted);
}

void TestRenderTool::images()
{
    QTemporaryDir dir;
    const QString gauge = data(QStringLiteral("Speedometer.gauge"));
    const QString png = dir.filePath(QStringLiteral("speedo.png"));
    const QString svg = dir.filePath(QStringLiteral("speedo.svg"));
    const QString csv = dir.filePath(QStringLiteral("speedo.csv"));
    // An existing output is replaced.
    QVERIFY(writeBytes(svg, "old"));
    const ToolRun run = render({QStringLiteral("--size"), QStringLiteral("320"),
                                QStringLiteral("--png"), png, QStringLiteral("--svg"), svg,
                                QStringLiteral("--keyframes"), csv, gauge});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());

    const QList<gaugeData> layers =
        layerData(loadAs(gauge, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QByteArray expectedPng;
    QVERIFY(gaugePng(layers, 320, &expectedPng));
    QCOMPARE(readBytes(png), expectedPng);
    QCOMPARE(readBytes(svg), gaugeSvg(layers, 320));
    QVERIFY(readBytes(csv).startsWith("Layer,Tick,Angle\rSpeedometer,0,-120\r"));

    // Without --size both images are 512 pixels on a side.
    QCOMPARE(render({QStringLiteral("--svg"), svg, gauge}).exitCode, 0);
    QCOMPARE(readBytes(svg), gaugeSvg(layers, 512));
}

void TestRenderTool::failedWrites()
{
    QTemporaryDir dir;
    const QString gauge = data(QStringLiteral("Speedometer.gauge"));
    const QString unwritable = dir.filePath(QStringLiteral("missing/folder/out.png"));
    const QString svg = dir.filePath(QStringLiteral("fine.svg"));
    const ToolRun run = render({QStringLiteral("--png"), unwritable, QStringLiteral("--svg"), svg,
                                gauge});
    QCOMPARE(run.exitCode, 1);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith(QStringLiteral("dialwright-render: %1: ").arg(unwritable)),
             qPrintable(err));
    QVERIFY(!QFile::exists(unwritable));
    // Every output is opened before any is made: the other one is not written.
    QVERIFY(!QFile::exists(svg));
}

void TestRenderTool::hugeCounts()
{
    QTemporaryDir dir;
    const QString gauge = data(QStringLiteral("huge.gauge"));
    const QString csv = dir.filePath(QStringLiteral("keys.csv"));
    const QString png = dir.filePath(QStringLiteral("huge.png"));
    QVERIFY(writeBytes(csv, "previous keyframes"));

    QElapsedTimer timer;
    timer.start();
    ToolRun run = render({QStringLiteral("--keyframes"), csv, QStringLiteral("--png"), png, gauge});
    QCOMPARE(run.exitCode, 1);
    const QString err = QString::fromLocal8Bit(run.err);
    QVERIFY2(err.startsWith(QStringLiteral("dialwright-render: %1: ").arg(csv)), qPrintable(err));
    QVERIFY(err.contains(QString::number(keyframeRecordLimit)));
    // Refused before anything was written.
    QCOMPARE(readBytes(csv), QByteArray("previous keyframes"));
    QVERIFY(!QFile::exists(png));

    // The image alone is drawn within the painter's bounds.
    run = render({QStringLiteral("--size"), QStringLiteral("64"), QStringLiteral("--png"), png, gauge});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QImage(png).size(), QSize(64, 64));
    qInfo("A layer of 2^31-1 divisions: refused and drawn in %lld ms", timer.elapsed());
}

void TestRenderTool::processExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("errStart");
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QByteArray("dialwright-render " DIALWRIGHT_VERSION_TEXT "\n")
                             << QByteArray();
    QTest::newRow("usage error") << QStringList{} << 2 << QByteArray()
                                 << QByteArray("dialwright-render: No gauge file given.\n");
    QTest::newRow("unreadable file")
        << QStringList{"--png=-", data(QStringLiteral("notes.gauge"))} << 1 << QByteArray()
        << ("dialwright-render: " + QFile::encodeName(data(QStringLiteral("notes.gauge"))) + ": ");
}

void TestRenderTool::processExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, errStart);
    const ToolRun run = runRender(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QVERIFY2(run.err.startsWith(errStart), run.err.constData());
    QCOMPARE(run.err.isEmpty(), errStart.isEmpty());
}

void TestRenderTool::processStandardOutputIndependentOfScreen()
{
    // Through a real pipe, binary data intact. Scaled screens and a changed
    // font resolution must not reach the pictures: the labels are sized at
    // 96 dpi and drawn unhinted.
    const QString gauge = data(QStringLiteral("Speedometer.gauge"));
    QByteArray expected;
    QVERIFY(gaugePng(layerData(loadAs(gauge, {QString(), QString(), QString()})), 512, &expected));
    for (const QString &setting :
         {QString(), QStringLiteral("QT_SCALE_FACTOR=2"), QStringLiteral("QT_FONT_DPI=144")}) {
        const ToolRun run = runRender({QStringLiteral("--png=-"), gauge},
                                      setting.isEmpty() ? QStringList() : QStringList{setting});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out == expected, qPrintable(setting));
    }
}

void TestRenderTool::processFullStandardOutput()
{
    // A write that fails behind a redirection is reported, not lost in a
    // buffer.
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    QProcess process;
    process.setProcessEnvironment(renderEnvironment());
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(DIALWRIGHT_RENDER),
                  {QStringLiteral("--keyframes=-"), data(QStringLiteral("Speedometer.gauge"))});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("dialwright-render: standard output: "), err.constData());
}

QTEST_MAIN(TestRenderTool)
#include "test_rendertool.moc"
