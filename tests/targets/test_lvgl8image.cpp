#include "targets/lvgl8image.h"

#include "samplepicture.h"

#include <QTest>

Q_DECLARE_METATYPE(Lvgl8Depth)

class TestLvgl8Image : public QObject
{
    Q_OBJECT

private slots:
    void depths_data();
    void depths();
    void sizes_data();
    void sizes();
};

// The expected bytes follow LVGL 8's converter, lv_img_conv's
// classify_pixel: each channel rounded to the nearest step of its bits,
// halves up, clamped to the largest step; alpha straight. Each .bin file
// starts with cf 5 | w << 10 | h << 21, little-endian.
void TestLvgl8Image::depths_data()
{
    QTest::addColumn<Lvgl8Depth>("depth");
    QTest::addColumn<QByteArray>("bin");

    // (4, 2, 4) rounds to RGB565 (1, 1, 1), 0x0821; red 255 rounds to
    // 0x100 and is clamped to 0xf8; (200, 100, 50) gives (25, 25, 6).
    QTest::newRow("16 bit") << Lvgl8Depth::Depth16
                            << hexBytes("050c4000 00f8ff 2108ff 1084ff"
                                        "26cb80 000000 ffffff");
    QTest::newRow("16 bit, swapped") << Lvgl8Depth::Depth16Swapped
                                     << hexBytes("050c4000 f800ff 0821ff 8410ff"
                                                 "cb2680 000000 ffffff");
    QTest::newRow("32 bit") << Lvgl8Depth::Depth32
                            << hexBytes("050c4000 0000ffff 040204ff 808080ff"
                                        "3264c880 00000000 ffffffff");
    // RGB332: grey 128 gives 0x80 | 0x10 | 0x02, (200, 100, 50) 0xc0 | 0x0c | 0x01.
    QTest::newRow("8 bit") << Lvgl8Depth::Depth8
                           << hexBytes("050c4000 e0ff 00ff 92ff"
                                       "cd80 0000 ffff");
}

void TestLvgl8Image::depths()
{
    QFETCH(Lvgl8Depth, depth);
    QFETCH(QByteArray, bin);

    QByteArray file, pixels;
    QString error;
    QVERIFY2(lvgl8BinFile(samplePicture(), depth, &file, &error), qPrintable(error));
    QCOMPARE(file.toHex(' '), bin.toHex(' '));
    QVERIFY(toLvgl8Pixels(samplePicture(), depth, &pixels));
    QCOMPARE(pixels, bin.mid(4));
}

void TestLvgl8Image::sizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("header"); // empty: refused

    QTest::newRow("no pixels") << QSize(0, 0) << QByteArray();
    QTest::newRow("2047 wide") << QSize(2047, 1) << hexBytes("05fc3f00");
    QTest::newRow("2047 high") << QSize(1, 2047) << hexBytes("0504e0ff");
    // 2048 would be stored as 0 in the 11-bit fields.
    QTest::newRow("2048 wide") << QSize(2048, 1) << QByteArray();
    QTest::newRow("2048 high") << QSize(1, 2048) << QByteArray();
}

void TestLvgl8Image::sizes()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, header);

    QImage picture;
    if (!size.isEmpty()) {
        picture = QImage(size, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
    }
    QByteArray bin("unchanged"), source("unchanged");
    QString binError, sourceError;
    QCOMPARE(lvgl8BinFile(picture, Lvgl8Depth::Depth16, &bin, &binError), !header.isEmpty());
    QCOMPARE(lvgl8CSource(picture, "face", &source, &sourceError), !header.isEmpty());
    if (header.isEmpty()) {
        QCOMPARE(bin + source, QByteArray("unchangedunchanged"));
        QVERIFY(!binError.isEmpty());
        QCOMPARE(sourceError, binError);
    } else {
        QCOMPARE(bin.left(4).toHex(), header.toHex());
        QVERIFY(!lvgl8CSource(picture, "face", &source, &sourceError, 1000)); // over the limit
        QVERIFY(!lvgl8CSource(picture, "my face", &source, &sourceError));
    }
}

QTEST_GUILESS_MAIN(TestLvgl8Image)
#include "test_lvgl8image.moc"
