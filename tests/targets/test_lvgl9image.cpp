#include "targets/lvgl9image.h"

#include "samplepicture.h"

#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(LvglColorFormat)

class TestLvgl9Image : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void refusedSizes_data();
    void refusedSizes();
};

// The expected bytes follow LVGL 9's converter, scripts/LVGLImage.py: the
// formats without alpha lay channels on the background as
// (c * a + (255 - a) * bg) >> 8, RGB565 is (r >> 3) << 11 | (g >> 2) << 5 |
// b >> 3, bytes B, G, R, rows padded with zeros to the alignment.
void TestLvgl9Image::formats_data()
{
    QTest::addColumn<LvglColorFormat>("format");
    QTest::addColumn<int>("strideAlign");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<int>("code"); // in lv_color_format_t
    QTest::addColumn<int>("stride");
    QTest::addColumn<QByteArray>("data");

    const QRgb black = qRgb(0, 0, 0);
    QTest::newRow("ARGB8888: straight") << LvglColorFormat::Argb8888 << 1 << black << 0x10 << 12
                                        << hexBytes("0000ffff 040204ff 808080ff"
                                                    "3264c880 00000000 ffffffff");
    // Opaque white and grey lose a step: 255 * 255 >> 8 is 254.
    QTest::newRow("XRGB8888") << LvglColorFormat::Xrgb8888 << 1 << black << 0x11 << 12
                              << hexBytes("0000feff 030103ff 7f7f7fff"
                                          "193264ff 000000ff fefefeff");
    QTest::newRow("RGB888 on white")
        << LvglColorFormat::Rgb888 << 1 << qRgb(255, 255, 255) << 0x0f << 9
        << hexBytes("0000fe 030103 7f7f7f"
                    "97b0e2 fefefe fefefe");
    // Grey 127 truncates to 0x7bef, (3, 1, 3) to black.
    QTest::newRow("RGB565, low byte first") << LvglColorFormat::Rgb565 << 1 << black << 0x12 << 6
                                            << hexBytes("00f8 0000 ef7b"
                                                        "8361 0000 ffff");
    QTest::newRow("RGB565 swapped") << LvglColorFormat::Rgb565Swapped << 1 << black << 0x1b << 6
                                    << hexBytes("f800 0000 7bef"
                                                "6183 0000 ffff");
    // Straight colours: grey 128 gives 0x8410; then the alpha rows.
    QTest::newRow("RGB565A8") << LvglColorFormat::Rgb565A8 << 1 << black << 0x14 << 6
                              << hexBytes("00f8 0000 1084"
                                          "26cb 0000 ffff"
                                          "ffffff 8000ff");
    QTest::newRow("RGB888 aligned to 8") << LvglColorFormat::Rgb888 << 8 << black << 0x0f << 16
                                         << hexBytes("0000fe 030103 7f7f7f 00000000000000"
                                                     "193264 000000 fefefe 00000000000000");
    QTest::newRow("RGB565A8 aligned to 8: both planes padded")
        << LvglColorFormat::Rgb565A8 << 8 << black << 0x14 << 8
        << hexBytes("00f8 0000 1084 0000"
                    "26cb 0000 ffff 0000"
                    "ffffff00 8000ff00");
}

void TestLvgl9Image::formats()
{
    QFETCH(LvglColorFormat, format);
    QFETCH(int, strideAlign);
    QFETCH(QRgb, background);
    QFETCH(int, code);
    QFETCH(int, stride);
    QFETCH(QByteArray, data);

    LvglImageOptions options;
    options.strideAlign = strideAlign;
    options.background = background;
    // Drawn premultiplied, as the exports draw; the PNG holds the straight
    // pixels, which are the sample's.
    const QImage drawn = samplePicture().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    LvglImage image, fromDrawn, fromStraight;
    QString error;
    QVERIFY2(toLvglImage(samplePicture(), format, &image, &error, options), qPrintable(error));
    QCOMPARE(image.stride, stride);
    QCOMPARE(image.data.toHex(' '), data.toHex(' '));
    QVERIFY(toLvglImage(drawn, format, &fromDrawn, &error, options));
    QVERIFY(toLvglImage(drawn.convertToFormat(QImage::Format_ARGB32), format, &fromStraight, &error,
                        options));
    QCOMPARE(fromDrawn.data, fromStraight.data);

    QByteArray bin;
    QVERIFY2(lvgl9BinFile(image, &bin, &error), qPrintable(error));
    const auto *header = reinterpret_cast<const uchar *>(bin.constData());
    QCOMPARE(int(header[0]), 0x19); // LV_IMAGE_HEADER_MAGIC
    QCOMPARE(int(header[1]), code);
    QCOMPARE(qFromLittleEndian<quint16>(header + 2), quint16(0)); // flags
    QCOMPARE(qFromLittleEndian<quint16>(header + 4), quint16(3));
    QCOMPARE(qFromLittleEndian<quint16>(header + 6), quint16(2));
    QCOMPARE(qFromLittleEndian<quint16>(header + 8), quint16(stride));
    QCOMPARE(qFromLittleEndian<quint16>(header + 10), quint16(0)); // reserved
    QCOMPARE(bin.mid(12), data);

    // Fields that disagree with the data are refused, not written.
    image.data.chop(1);
    QVERIFY(!lvgl9BinFile(image, &bin, &error));
    QVERIFY(!lvgl9CSource(image, "face", &bin, &error));
    QCOMPARE(bin.mid(12), data);
}

void TestLvgl9Image::refusedSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<LvglColorFormat>("format");
    QTest::addColumn<int>("strideAlign");
    QTest::addColumn<bool>("accepted");

    const auto argb = LvglColorFormat::Argb8888;
    const auto rgb565 = LvglColorFormat::Rgb565;
    QTest::newRow("no pixels") << QSize(0, 0) << rgb565 << 1 << false;
    QTest::newRow("65536 wide") << QSize(65536, 1) << rgb565 << 1 << false;
    QTest::newRow("65535 high") << QSize(1, 65535) << rgb565 << 1 << true;
    QTest::newRow("65536 high") << QSize(1, 65536) << rgb565 << 1 << false;
    // The 16-bit stride: 4 x 16383 = 65532 fits, 4 x 16384 does not.
    QTest::newRow("ARGB8888 16383 wide") << QSize(16383, 1) << argb << 1 << true;
    QTest::newRow("ARGB8888 16384 wide") << QSize(16384, 1) << argb << 1 << false;
    QTest::newRow("RGB888 21845 wide") << QSize(21845, 1) << LvglColorFormat::Rgb888 << 1 << true;
    QTest::newRow("RGB888 21846 wide") << QSize(21846, 1) << LvglColorFormat::Rgb888 << 1 << false;
    QTest::newRow("RGB565 32768 wide") << QSize(32768, 1) << rgb565 << 1 << false;
    QTest::newRow("aligned over") << QSize(16383, 1) << argb << 64 << false;
    QTest::newRow("alignment 0") << QSize(4, 4) << rgb565 << 0 << false;
    QTest::newRow("alignment 3") << QSize(4, 4) << rgb565 << 3 << false;
    QTest::newRow("alignment 1024") << QSize(4, 4) << rgb565 << 1024 << true;
    QTest::newRow("alignment 2048") << QSize(4, 4) << rgb565 << 2048 << false;
}

void TestLvgl9Image::refusedSizes()
{
    QFETCH(QSize, size);
    QFETCH(LvglColorFormat, format);
    QFETCH(int, strideAlign);
    QFETCH(bool, accepted);

    QImage picture;
    if (!size.isEmpty()) {
        picture = QImage(size, QImage::Format_ARGB32);
        picture.fill(Qt::red);
    }
    LvglImageOptions options;
    options.strideAlign = strideAlign;
    LvglImage image;
    image.width = 99;
    QString error;
    QCOMPARE(toLvglImage(picture, format, &image, &error, options), accepted);
    QCOMPARE(error.isEmpty(), accepted);
    QVERIFY(!error.contains(QLatin1Char('\n')));
    if (!accepted)
        QCOMPARE(image.width, 99); // left as it was
}

QTEST_GUILESS_MAIN(TestLvgl9Image)
#include "test_lvgl9image.moc"
