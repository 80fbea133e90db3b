#include "targets/tftheader.h"

#include "samplepicture.h"

#include <QTest>

Q_DECLARE_METATYPE(TftSpriteOptions)

class TestTftHeader : public QObject
{
    Q_OBJECT

private slots:
    void pixels_data();
    void pixels();
    void refused();
};

// Channels laid on the background rounding to the nearest, then truncated
// to RGB565 as the libraries' color565() does.
void TestTftHeader::pixels_data()
{
    QTest::addColumn<TftSpriteOptions>("options");
    QTest::addColumn<QList<quint16>>("values");

    TftSpriteOptions options;
    // Opaque grey 128 keeps its colour; (200, 100, 50) at half alpha on
    // black is (100, 50, 25).
    QTest::newRow("on black") << options
                              << QList<quint16>{0xf800, 0x0000, 0x8410, 0x6183, 0x0000, 0xffff};
    options.background = qRgb(255, 255, 255);
    QTest::newRow("on white") << options
                              << QList<quint16>{0xf800, 0x0000, 0x8410, 0xe593, 0xffff, 0xffff};
    // The transparent pixel gets the key, and the opaque near-black pixel
    // is moved off it so that it still shows.
    options = TftSpriteOptions();
    options.transparentColor = 0x0000;
    QTest::newRow("black as the key")
        << options << QList<quint16>{0xf800, 0x0001, 0x8410, 0x6183, 0x0000, 0xffff};
    options.transparentColor = 0xf81f;
    options.swapBytes = true;
    QTest::newRow("magenta as the key, bytes swapped")
        << options << QList<quint16>{0x00f8, 0x0000, 0x1084, 0x8361, 0x1ff8, 0xffff};
}

void TestTftHeader::pixels()
{
    QFETCH(TftSpriteOptions, options);
    QFETCH(QList<quint16>, values);

    QList<quint16> converted;
    QString error;
    QVERIFY2(tftPixels(samplePicture(), options, &converted, &error), qPrintable(error));
    QCOMPARE(converted, values);
}

void TestTftHeader::refused()
{
    QImage tooWide(32768, 1, QImage::Format_ARGB32);
    tooWide.fill(Qt::white);
    TftSpriteOptions badTable;
    badTable.angles = {{0.0, qQNaN()}};
    QByteArray header("unchanged");
    QString error;
    QVERIFY(!tftHeader(tooWide, "needle", &header, &error));
    QVERIFY(error.contains("32767"));
    QVERIFY(!tftHeader(QImage(), "needle", &header));
    QVERIFY(!tftHeader(samplePicture(), "2needles", &header));
    QVERIFY(!tftHeader(samplePicture(), "needle", &header, &error, TftSpriteOptions(), 100));
    QVERIFY(!tftHeader(samplePicture(), "needle", &header, &error, badTable));
    QCOMPARE(header, QByteArray("unchanged"));
    QVERIFY(tftHeader(tooWide.copy(0, 0, 32767, 1), "needle", &header));
}

QTEST_GUILESS_MAIN(TestTftHeader)
#include "test_tftheader.moc"
