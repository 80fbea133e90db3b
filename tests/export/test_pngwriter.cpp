#include "export/pngwriter.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <atomic>

namespace {

QImage premultiplied(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TestPngWriter : public QObject
{
    Q_OBJECT

private slots:
    void pixelsRoundTrip_data();
    void pixelsRoundTrip();
    void refusesOtherFormats();
    void cancelled();
};

void TestPngWriter::pixelsRoundTrip_data()
{
    QTest::addColumn<QImage>("image");

    QTest::newRow("all transparent") << premultiplied(64, 64);
    QTest::newRow("one pixel") << [] {
        QImage image = premultiplied(1, 1);
        image.setPixel(0, 0, qPremultiply(qRgba(200, 100, 50, 99)));
        return image;
    }();

    // Every filter wins somewhere in noise of all alphas, and rows far
    // apart are deflated by different threads into one stream.
    QTest::newRow("noise, odd size, several bands") << [] {
        QImage image = premultiplied(333, 1201);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (y % 5 == 0 || x % 7 == 0)
                    continue; // some plain runs between the noise
                row[x] = qPremultiply(random.generate());
            }
        }
        return image;
    }();

    QTest::newRow("a drawing with translucent colours, 96 dpi") << [] {
        QImage image = premultiplied(700, 600);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255, 180), 7));
        painter.drawEllipse(50, 60, 500, 420);
        painter.fillRect(300, 0, 200, 600, QColor(20, 200, 40, 77));
        painter.setFont(QFont(QStringLiteral("Sans Serif"), 30));
        painter.drawText(100, 300, QStringLiteral("0123"));
        return image;
    }();
}

void TestPngWriter::pixelsRoundTrip()
{
    QFETCH(QImage, image);
    QByteArray png;
    QString error;
    QVERIFY2(encodePng(image, &png, &error), qPrintable(error));
    QImage decoded;
    QVERIFY(decoded.loadFromData(png, "png"));
    QCOMPARE(decoded.convertToFormat(QImage::Format_ARGB32),
             image.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(decoded.dotsPerMeterX(), image.dotsPerMeterX());
    QCOMPARE(decoded.dotsPerMeterY(), image.dotsPerMeterY());
}

void TestPngWriter::refusesOtherFormats()
{
    QByteArray png("unchanged");
    QString error;
    QVERIFY(!encodePng(QImage(8, 8, QImage::Format_ARGB32), &png, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!encodePng(QImage(), &png));
    QCOMPARE(png, QByteArray("unchanged"));
}

void TestPngWriter::cancelled()
{
    QByteArray png("unchanged");
    std::atomic<int> asked{0};
    QVERIFY(!encodePng(premultiplied(300, 2000), &png, nullptr, [&asked] {
        ++asked;
        return true;
    }));
    QVERIFY(asked > 0);
    QCOMPARE(png, QByteArray("unchanged"));
}

QTEST_MAIN(TestPngWriter)
#include "test_pngwriter.moc"
