// The generated sources built by a real C (and C++) compiler against a small
// stand-in for LVGL's headers written here (not LVGL's own), run, and the
// descriptors and bytes they print compared with what was meant.

#include "targets/lvgl8image.h"
#include "targets/lvgl9image.h"
#include "targets/tftheader.h"

#include "testfiles.h"
#include "toolrun.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(LvglColorFormat)
Q_DECLARE_METATYPE(Lvgl8Depth)

namespace {

// LVGL 9's image types (src/draw/lv_image_dsc.h, src/misc/lv_color.h) and
// LVGL 8's (src/draw/lv_img_buf.h), with a real alignment attribute, which
// the generated guards must leave in place.
constexpr char lvglStub[] = R"(#include <stdint.h>
#define LV_IMAGE_HEADER_MAGIC (0x19)
#define LV_ATTRIBUTE_MEM_ALIGN __attribute__((aligned(4)))
#define LV_ATTRIBUTE_LARGE_CONST
typedef enum { LV_COLOR_FORMAT_RGB888 = 0x0F, LV_COLOR_FORMAT_ARGB8888 = 0x10,
    LV_COLOR_FORMAT_XRGB8888 = 0x11, LV_COLOR_FORMAT_RGB565 = 0x12,
    LV_COLOR_FORMAT_RGB565A8 = 0x14, LV_COLOR_FORMAT_RGB565_SWAPPED = 0x1B } lv_color_format_t;
typedef struct { uint32_t magic: 8; uint32_t cf : 8; uint32_t flags: 16; uint32_t w: 16;
    uint32_t h: 16; uint32_t stride: 16; uint32_t reserved_2: 16; } lv_image_header_t;
typedef struct { lv_image_header_t header; uint32_t data_size; const uint8_t * data;
    const void * reserved; } lv_image_dsc_t;
#define LV_IMG_PX_SIZE_ALPHA_BYTE (LV_COLOR_DEPTH == 32 ? 4 : LV_COLOR_DEPTH == 16 ? 3 : 2)
enum { LV_IMG_CF_TRUE_COLOR_ALPHA = 5 };
typedef struct { uint32_t cf : 5; uint32_t always_zero : 3; uint32_t reserved : 2;
    uint32_t w : 11; uint32_t h : 11; } lv_img_header_t;
typedef struct { lv_img_header_t header; uint32_t data_size; const uint8_t * data; } lv_img_dsc_t;
)";

// Prints the header fields and the bytes: LVGL 9's descriptor, or LVGL 8's
// with the header's four bytes first.
constexpr char lvglMain[] = R"(#include <stdio.h>
#include <string.h>
#include "lvgl/lvgl.h"
#ifdef LV_COLOR_DEPTH
extern const lv_img_dsc_t face;
#else
extern const lv_image_dsc_t face;
#endif
int main(void)
{
    uint32_t i;
#ifdef LV_COLOR_DEPTH
    unsigned char header[4];
    memcpy(header, &face.header, 4);
    printf("%u %u %u %u\n", face.header.cf, face.header.w, face.header.h, face.data_size);
    for (i = 0; i < 4; ++i)
        printf("%02x", header[i]);
#else
    printf("%u %u %u %u %u %u %u\n", face.header.magic, face.header.cf, face.header.flags,
           face.header.w, face.header.h, face.header.stride, face.data_size);
#endif
    for (i = 0; i < face.data_size; ++i)
        printf("%02x", face.data[i]);
    printf("\n");
    return 0;
}
)";

// Includes the header twice, as headers are.
constexpr char spriteMain[] = R"(#include <stdio.h>
#include "needle.h"
#include "needle.h"
int main(void)
{
    int i;
    printf("%d %d %d %d %04x\n", NEEDLE_WIDTH, NEEDLE_HEIGHT, NEEDLE_PIVOT_X, NEEDLE_PIVOT_Y,
           (unsigned)NEEDLE_TRANSPARENT);
    for (i = 0; i < NEEDLE_WIDTH * NEEDLE_HEIGHT; ++i)
        printf("%04x", (unsigned)needle[i]);
    for (i = 0; i < NEEDLE_ANGLE_COUNT; ++i)
        printf("\n%.9g %d", (double)needle_angles[i].value, (int)needle_angles[i].angle);
    printf("\n");
    return 0;
}
)";

const QStringList cFlags = {"-std=c99", "-pedantic", "-Wall", "-Wextra", "-Werror"};

// Writes `files` (name, text) into a fresh folder, builds the .c files
// among them with `compiler` and `flags`, runs the program and returns what
// it printed; on failure the compiler's or program's messages.
QByteArray buildAndRun(const QString &compiler, const QStringList &flags,
                       const QList<QPair<QString, QByteArray>> &files, bool *ok)
{
    QTemporaryDir dir;
    QStringList arguments = flags;
    arguments << "-I" << dir.path() << "-o" << dir.filePath("program");
    for (const auto &[name, text] : files) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        *ok = writeBytes(dir.filePath(name), text);
        if (name.endsWith(".c"))
            arguments << dir.filePath(name);
    }
    const ToolRun build = runTool(compiler, arguments);
    *ok = *ok && build.exitCode == 0;
    if (!*ok)
        return build.out + build.err;
    const ToolRun run = runTool(dir.filePath("program"), {});
    *ok = run.exitCode == 0;
    return *ok ? run.out : run.out + run.err;
}

QImage noisePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate());
    }
    return image;
}

} // namespace

class TestGeneratedC : public QObject
{
    Q_OBJECT

private slots:
    void lvgl9_data();
    void lvgl9();
    void lvgl8_data();
    void lvgl8();
    void sprite_data();
    void sprite();
};

void TestGeneratedC::lvgl9_data()
{
    QTest::addColumn<LvglColorFormat>("format");
    QTest::addColumn<int>("strideAlign");

    for (auto format :
         {LvglColorFormat::Argb8888, LvglColorFormat::Xrgb8888, LvglColorFormat::Rgb565,
          LvglColorFormat::Rgb565Swapped, LvglColorFormat::Rgb565A8, LvglColorFormat::Rgb888}) {
        QTest::newRow(lvglFormatName(format).constData()) << format << 1;
        QTest::newRow((lvglFormatName(format) + ", aligned to 16").constData()) << format << 16;
    }
}

void TestGeneratedC::lvgl9()
{
    QFETCH(LvglColorFormat, format);
    QFETCH(int, strideAlign);

    LvglImageOptions options;
    options.strideAlign = strideAlign;
    LvglImage image;
    QByteArray source;
    QString error;
    QVERIFY(toLvglImage(noisePicture(13, 7), format, &image, &error, options));
    QVERIFY2(lvgl9CSource(image, "face", &source, &error), qPrintable(error));
    bool ok = false;
    const QByteArray printed =
        buildAndRun(DIALWRIGHT_C_COMPILER, cFlags,
                    {{"face.c", source}, {"main.c", lvglMain}, {"lvgl/lvgl.h", lvglStub}}, &ok);
    QVERIFY2(ok, printed.constData());
    QCOMPARE(printed,
             "25 " + QByteArray::number(lvglFormatCode(format)) + " 0 13 7 "
                 + QByteArray::number(image.stride) + ' ' + QByteArray::number(image.data.size())
                 + '\n' + image.data.toHex() + '\n');
}

void TestGeneratedC::lvgl8_data()
{
    QTest::addColumn<QStringList>("defines");
    QTest::addColumn<Lvgl8Depth>("depth");

    QTest::newRow("32 bit") << QStringList{"-DLV_COLOR_DEPTH=32"} << Lvgl8Depth::Depth32;
    QTest::newRow("16 bit") << QStringList{"-DLV_COLOR_DEPTH=16"} << Lvgl8Depth::Depth16;
    QTest::newRow("16 bit, swapped")
        << QStringList{"-DLV_COLOR_DEPTH=16", "-DLV_COLOR_16_SWAP=1"} << Lvgl8Depth::Depth16Swapped;
    QTest::newRow("8 bit") << QStringList{"-DLV_COLOR_DEPTH=8"} << Lvgl8Depth::Depth8;
    QTest::newRow("1 bit") << QStringList{"-DLV_COLOR_DEPTH=1"} << Lvgl8Depth::Depth8;
}

// The compiled-in block holds the pixels of the .bin file, and the
// descriptor's header the bits of the file's header.
void TestGeneratedC::lvgl8()
{
    QFETCH(QStringList, defines);
    QFETCH(Lvgl8Depth, depth);

    const QImage picture = noisePicture(11, 6);
    QByteArray source, bin;
    QString error;
    QVERIFY2(lvgl8CSource(picture, "face", &source, &error), qPrintable(error));
    QVERIFY(lvgl8BinFile(picture, depth, &bin));
    bool ok = false;
    const QByteArray printed =
        buildAndRun(DIALWRIGHT_C_COMPILER, cFlags + defines,
                    {{"face.c", source}, {"main.c", lvglMain}, {"lvgl/lvgl.h", lvglStub}}, &ok);
    QVERIFY2(ok, printed.constData());
    QCOMPARE(printed, "5 11 6 " + QByteArray::number(bin.size() - 4) + '\n' + bin.toHex() + '\n');
}

void TestGeneratedC::sprite_data()
{
    QTest::addColumn<QString>("compiler");
    QTest::addColumn<QStringList>("flags");

    QTest::newRow("C") << DIALWRIGHT_C_COMPILER << cFlags;
    QTest::newRow("C++") << DIALWRIGHT_CXX_COMPILER
                         << QStringList{"-x",    "c++",     "-std=c++11", "-pedantic",
                                        "-Wall", "-Wextra", "-Werror"};
}

// The float values read back are the floats nearest those given.
void TestGeneratedC::sprite()
{
    QFETCH(QString, compiler);
    QFETCH(QStringList, flags);

    const QImage picture = noisePicture(19, 5);
    TftSpriteOptions options;
    options.swapBytes = true;
    options.transparentColor = 0xf81f;
    options.pivot = QPoint(9, 4);
    options.angles = {{0.000123456789, -135}, {123456.7, -100}, {-3.4e38, 1}, {16777217, 359.6}};
    QByteArray header;
    QString error;
    QVERIFY2(tftHeader(picture, "needle", &header, &error, options), qPrintable(error));
    QList<quint16> pixels;
    QVERIFY(tftPixels(picture, options, &pixels));
    bool ok = false;
    const QByteArray printed =
        buildAndRun(compiler, flags, {{"needle.h", header}, {"main.c", spriteMain}}, &ok);
    QVERIFY2(ok, printed.constData());

    const QList<QByteArray> lines = printed.trimmed().split('\n');
    QCOMPARE(lines.value(0), QByteArray("19 5 9 4 f81f"));
    QByteArray values;
    for (quint16 value : pixels)
        values += QByteArray::number(value, 16).rightJustified(4, '0');
    QCOMPARE(lines.value(1), values);
    const QList<int> angles = {-135, -100, 1, 360};
    QCOMPARE(lines.size(), 2 + options.angles.size());
    for (int i = 0; i < angles.size(); ++i) {
        const QList<QByteArray> row = lines.at(2 + i).split(' ');
        QCOMPARE(row.value(0).toFloat(), float(options.angles.at(i).value));
        QCOMPARE(row.value(1).toInt(), angles.at(i));
    }
}

QTEST_GUILESS_MAIN(TestGeneratedC)
#include "test_generatedc.moc"
