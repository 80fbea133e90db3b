#include "export/assetset.h"
#include "export/imageexport.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "targets/needletable.h"
#include "targets/targetset.h"

#include "renderprocess.h"
#include "testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdio>

Q_DECLARE_METATYPE(TargetOptions)

// The targets' files as their users' tools read them: a C compiler against a
// stand-in for LVGL's headers, an XML reader, a real browser.
class TestTargetSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cCompiles_data();
    void cCompiles();
    void flightGearTable();
    void webPage();
    void tables();
    void refused();
    void toolOptions_data();
    void toolOptions();
    void inputKept();

private:
    QList<namedLayer> m_layers;
    AssetSet m_set;
};

namespace {

// The types and functions the generated sources use, of LVGL 9 and of
// LVGL 8 (LV_COLOR_DEPTH set), written for the test.
constexpr char lvglStub[] = R"(#include <stdint.h>
#define LV_ATTRIBUTE_LARGE_CONST
typedef struct lv_obj_t lv_obj_t;
void lv_obj_set_pos(lv_obj_t *obj, int32_t x, int32_t y);
#ifdef LV_COLOR_DEPTH
enum { LV_IMG_CF_TRUE_COLOR_ALPHA = 5 };
#define LV_IMG_PX_SIZE_ALPHA_BYTE 4
typedef struct { uint32_t cf : 5; uint32_t always_zero : 3; uint32_t reserved : 2;
    uint32_t w : 11; uint32_t h : 11; } lv_img_header_t;
typedef struct { lv_img_header_t header; uint32_t data_size; const uint8_t * data; } lv_img_dsc_t;
lv_obj_t *lv_img_create(lv_obj_t *parent);
void lv_img_set_src(lv_obj_t *obj, const void *src);
void lv_img_set_pivot(lv_obj_t *obj, int16_t x, int16_t y);
void lv_img_set_angle(lv_obj_t *obj, int16_t angle);
#else
#define LV_IMAGE_HEADER_MAGIC (0x19)
typedef enum { LV_COLOR_FORMAT_RGB888 = 0x0F, LV_COLOR_FORMAT_ARGB8888 = 0x10,
    LV_COLOR_FORMAT_XRGB8888 = 0x11, LV_COLOR_FORMAT_RGB565 = 0x12,
    LV_COLOR_FORMAT_RGB565A8 = 0x14, LV_COLOR_FORMAT_RGB565_SWAPPED = 0x1B } lv_color_format_t;
typedef struct { uint32_t magic: 8; uint32_t cf : 8; uint32_t flags: 16; uint32_t w: 16;
    uint32_t h: 16; uint32_t stride: 16; uint32_t reserved_2: 16; } lv_image_header_t;
typedef struct { lv_image_header_t header; uint32_t data_size; const uint8_t * data;
    const void * reserved; } lv_image_dsc_t;
lv_obj_t *lv_image_create(lv_obj_t *parent);
void lv_image_set_src(lv_obj_t *obj, const void *src);
void lv_image_set_pivot(lv_obj_t *obj, int32_t x, int32_t y);
void lv_image_set_rotation(lv_obj_t *obj, int32_t angle);
#endif
)";

QHash<QString, QByteArray> filesOf(const AssetSet &set, const TargetOptions &options)
{
    QList<AssetFile> files;
    QString error;
    if (!targetFiles(set, options, &files, &error))
        qWarning("%s", qPrintable(error));
    QHash<QString, QByteArray> byName;
    for (const AssetFile &file : files)
        byName.insert(file.name, file.bytes);
    return byName;
}

TargetOptions target(TargetKind kind, LvglColorFormat format = LvglColorFormat::Argb8888,
                     bool swap = false)
{
    TargetOptions options;
    options.kind = kind;
    options.colorFormat = format;
    options.swapBytes = swap;
    options.baseName = QStringLiteral("Max_Hold");
    return options;
}

} // namespace

void TestTargetSet::initTestCase()
{
    const QString path = QStringLiteral(DIALWRIGHT_PRESETS "/Max Hold.gauge");
    QCOMPARE(readGaugeFile(path, m_layers), gaugeFileStatus::Loaded);
    nameLayersAsFreshGauge(m_layers, QFileInfo(path).completeBaseName());
    QVERIFY(makeAssetSet(m_layers, 200, &m_set));
    QCOMPARE(m_set.needles.size(), 2);
}

void TestTargetSet::cCompiles_data()
{
    QTest::addColumn<TargetOptions>("options");
    QTest::addColumn<QString>("define");
    QTest::newRow("lvgl9 ARGB8888") << target(TargetKind::Lvgl9) << QString();
    QTest::newRow("lvgl9 RGB565 swapped")
        << target(TargetKind::Lvgl9, LvglColorFormat::Rgb565, true) << QString();
    QTest::newRow("lvgl8") << target(TargetKind::Lvgl8) << "-DLV_COLOR_DEPTH=32";
    QTest::newRow("tft") << target(TargetKind::Tft) << QString();
}

void TestTargetSet::cCompiles()
{
    QFETCH(TargetOptions, options);
    QFETCH(QString, define);
    const QHash<QString, QByteArray> files = filesOf(m_set, options);
    QVERIFY(!files.isEmpty());
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("lvgl"));
    QVERIFY(writeBytes(dir.filePath("lvgl/lvgl.h"), lvglStub));
    QStringList sources;
    for (auto it = files.begin(); it != files.end(); ++it) {
        QVERIFY(writeBytes(dir.filePath(it.key()), it.value()));
        if (it.key().endsWith(".c"))
            sources << dir.filePath(it.key());
        if (options.kind == TargetKind::Tft) {
            // A header on its own, as a sketch includes it.
            const QString main = dir.filePath(it.key() + ".c");
            QVERIFY(writeBytes(main, "#include \"" + it.key().toUtf8() + "\"\n"));
            sources << main;
        }
    }
    if (options.kind == TargetKind::Lvgl9) {
        // The .bin header: magic, colour format, width and height.
        const QByteArray bin = files.value("Max_Hold_face.bin");
        QCOMPARE(quint8(bin.at(0)), quint8(0x19));
        QCOMPARE(quint8(bin.at(1)), quint8(options.swapBytes ? 0x1B : 0x10));
        QCOMPARE(quint8(bin.at(4)) | quint8(bin.at(5)) << 8, 200);
    }
    QStringList arguments{"-fsyntax-only", "-std=c99", "-Wall", "-Werror", "-I", dir.path()};
    if (!define.isEmpty())
        arguments << define;
    for (const QString &source : sources) {
        const ToolRun run = runTool(DIALWRIGHT_C_COMPILER, arguments + QStringList{source});
        QVERIFY2(run.exitCode == 0, run.err.constData());
    }
}

void TestTargetSet::flightGearTable()
{
    const QHash<QString, QByteArray> files = filesOf(m_set, target(TargetKind::FlightGear));
    QXmlStreamReader xml(files.value("Max_Hold.xml"));
    QList<QList<NeedleAngle>> tables;
    QStringList textures;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("interpolation"))
            tables.append(QList<NeedleAngle>());
        else if (xml.name() == QLatin1String("path"))
            textures << xml.readElementText();
        else if (xml.name() == QLatin1String("ind"))
            tables.last().append({xml.readElementText().toDouble(), 0.0});
        else if (xml.name() == QLatin1String("dep"))
            tables.last().last().angle = xml.readElementText().toDouble();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    for (const QString &texture : textures)
        QVERIFY2(files.contains(texture), qPrintable(texture));
    // Max, then Speed's shadow and body: each turned through its table.
    QCOMPARE(tables.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const NeedleAsset &needle = m_set.needles.at(i == 0 ? 0 : 1);
        QCOMPARE(tables.at(i).size(), needle.table.size());
        for (qsizetype r = 0; r < needle.table.size(); ++r) {
            QCOMPARE(tables.at(i).at(r).value, needle.table.at(r).value);
            QCOMPARE(tables.at(i).at(r).angle, needle.table.at(r).angle);
        }
    }
}

void TestTargetSet::webPage()
{
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty())
        QSKIP("chromium is not installed");
    // An opaque shadow, so that one left behind would show.
    QList<namedLayer> shadowed = m_layers;
    for (namedLayer &layer : shadowed) {
        for (gaugeNeedle &needle : layer.data.needles)
            needle.shadow.color = Qt::black;
    }
    AssetSet set;
    QVERIFY(makeAssetSet(shadowed, 200, &set));
    const QHash<QString, QByteArray> files = filesOf(set, target(TargetKind::Web));
    QVERIFY(files.value("gauge.js").contains("export function mount"));
    QByteArray html = files.value("gauge.html");
    // Nothing fetched: the only addresses are the SVG's name spaces.
    for (const char *fetching : {"href=\"http", "src=", "fetch(", "import ", "url(http"})
        QVERIFY2(!html.contains(fetching), fetching);
    // On white, where the white face hides the browser's own text rendering
    // and a shadow left behind shows; set as a page would, at once.
    html.replace("background: #202020", "background: #ffffff");
    html.replace("</body>", "<script>gauge.setValue('Speed', 150, {duration: 0});"
                            "gauge.setValue('Max', 20, {duration: 0});</script>\n</body>");
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("page.html"), html));
    const QString shot = dir.filePath("shot.png");
    const ToolRun run = runTool(
        chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                   "--force-device-scale-factor=1", "--user-data-dir=" + dir.filePath("profile"),
                   "--window-size=200,200", "--screenshot=" + shot,
                   QUrl::fromLocalFile(dir.filePath("page.html")).toString()});
    QVERIFY2(QFileInfo::exists(shot), run.err.constData());
    const QImage page = QImage(shot).convertToFormat(QImage::Format_ARGB32);

    QList<gaugeData> layers = layerData(shadowed);
    QVERIFY(setNeedleValues(layers, {{"Speed", 150.0}, {"Max", 20.0}}));
    QByteArray png;
    QVERIFY(gaugePng(layers, 200, &png));
    QImage expected(200, 200, QImage::Format_ARGB32);
    expected.fill(Qt::white);
    QPainter(&expected).drawImage(0, 0, QImage::fromData(png, "PNG"));
    QCOMPARE(page.size(), expected.size());
    // Antialiasing tolerance.
    double sum = 0.0;
    int far = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb a = page.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            sum += d;
            far += d > 128 ? 1 : 0;
        }
    }
    std::printf("web page: mean difference %.3f, %d pixels more than 128 apart\n",
                sum / 40000.0, far);
    QVERIFY(sum / 40000.0 < 0.75);
    QVERIFY(far < 20);
}

void TestTargetSet::tables()
{
    const QHash<QString, QByteArray> files = filesOf(m_set, target(TargetKind::Table));
    const QList<QByteArray> lines = files.value("Max_Hold_Speed.csv").trimmed().split('\n');
    QCOMPARE(lines.constFirst(), QByteArray("value,angle"));
    const QList<NeedleAngle> &rows = m_set.needles.at(1).table;
    QCOMPARE(lines.size() - 1, rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(lines.at(i + 1).split(',').at(0).toDouble(), rows.at(i).value);
        QCOMPARE(lines.at(i + 1).split(',').at(1).toDouble(), rows.at(i).angle);
    }
    QVERIFY(files.contains("Max_Hold_angles.json"));
}

void TestTargetSet::refused()
{
    // LVGL 8 holds 2047 pixels a side.
    AssetSet large;
    QString error;
    QVERIFY(makeAssetSet(m_layers, 2100, &large, &error));
    QList<AssetFile> files;
    QVERIFY(!targetFiles(large, target(TargetKind::Lvgl8), &files, &error));
    QVERIFY2(error.contains("2047"), qPrintable(error));
    QVERIFY(files.isEmpty());
    TargetOptions options = target(TargetKind::Lvgl9);
    options.baseName = QStringLiteral("no name");
    QVERIFY(!targetFiles(m_set, options, &files, &error));
}

void TestTargetSet::toolOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no --out") << QStringList{"--target", "web"} << 2 << "go together";
    QTest::newRow("unknown target") << QStringList{"--target", "vga", "--out", "x"} << 2
                                    << "lvgl9, lvgl8";
    QTest::newRow("format for tft")
        << QStringList{"--target", "tft", "--out", "x", "--color-format", "RGB565"} << 2
        << "--color-format";
    QTest::newRow("swap ARGB8888") << QStringList{"--target", "lvgl9", "--out", "x",
                                                  "--swap-bytes"}
                                   << 2 << "--swap-bytes";
    QTest::newRow("written") << QStringList{"--target", "lvgl9", "--color-format", "rgb565",
                                            "--swap-bytes", "--size", "128", "--out"}
                             << 0 << QString();
}

void TestTargetSet::toolOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    if (status == 0)
        arguments << dir.filePath("out");
    const ToolRun run =
        render(arguments << QStringLiteral(DIALWRIGHT_PRESETS "/Max Hold.gauge"));
    QCOMPARE(run.exitCode, status);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    if (status == 0)
        QVERIFY(QFileInfo::exists(dir.filePath("out/Max_Hold_example.c")));
}

// A set written beside its gauge, which one of its files would replace.
void TestTargetSet::inputKept()
{
    QTemporaryDir dir;
    const QByteArray gauge = readBytes(QStringLiteral(DIALWRIGHT_PRESETS "/Tachometer.gauge"));
    QVERIFY(writeBytes(dir.filePath("gauge.json"), gauge));
    const ToolRun run = render({"--assets", dir.path(), dir.filePath("gauge.json")});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(readBytes(dir.filePath("gauge.json")), gauge);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"gauge.json"});
}

QTEST_MAIN(TestTargetSet)
#include "test_targetset.moc"
