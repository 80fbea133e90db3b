#include "render/softshadow.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>

class TestSoftShadow : public QObject
{
    Q_OBJECT

private slots:
    void blur_data();
    void blur();
};

namespace {

QImage alphaImage(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_Alpha8);
    image.fill(0);
    QRandomGenerator random(seed);
    // A filled block in the middle and a scatter of dots.
    for (int y = h / 3; y < 2 * h / 3; ++y)
        for (int x = w / 4; x < 3 * w / 4; ++x)
            image.scanLine(y)[x] = 255;
    for (int i = 0; i < w * h / 20; ++i)
        image.scanLine(random.bounded(h))[random.bounded(w)] = uchar(random.bounded(256));
    return image;
}

QImage transposed(const QImage &image)
{
    QImage out(image.height(), image.width(), QImage::Format_Alpha8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.scanLine(x)[y] = image.constScanLine(y)[x];
    return out;
}

qint64 mass(const QImage &image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += image.constScanLine(y)[x];
    return sum;
}

} // namespace

void TestSoftShadow::blur_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("sigma");
    QTest::newRow("small blur") << 61 << 47 << 0.8;
    QTest::newRow("medium blur") << 130 << 90 << 6.5;
    QTest::newRow("blur wider than the picture") << 40 << 33 << 60.0;
    QTest::newRow("largest blur") << 300 << 20 << 5000.0;
    QTest::newRow("one row") << 50 << 1 << 3.0;
}

// The blur treats rows and columns alike, keeps an opaque inside opaque and
// the empty outside empty, and spreads coverage without losing much of it.
void TestSoftShadow::blur()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, sigma);
    const QImage original = alphaImage(width, height, quint32(width * 31 + height));

    QImage blurred = original;
    blurAlpha(&blurred, sigma);
    QImage across = transposed(original);
    blurAlpha(&across, sigma);
    // Each pass rounds, so the order of rows and columns may move a pixel
    // by a step or two, no more.
    const QImage back = transposed(across);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            QVERIFY2(std::abs(back.constScanLine(y)[x] - blurred.constScanLine(y)[x]) <= 2,
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));

    QImage opaque(width, height, QImage::Format_Alpha8);
    opaque.fill(255);
    QImage empty(width, height, QImage::Format_Alpha8);
    empty.fill(0);
    const QImage emptyBefore = empty;
    blurAlpha(&empty, sigma);
    QCOMPARE(empty, emptyBefore);
    const double reach = 3.0 * sigma + 1.0;
    if (2.0 * reach < std::min(width, height)) {
        blurAlpha(&opaque, sigma);
        QCOMPARE(int(opaque.constScanLine(height / 2)[width / 2]), 255);
    }
    if (4.0 * reach < std::min(width, height)) {
        // Away from the edges little coverage leaves the picture.
        const double kept = double(mass(blurred)) / double(mass(original));
        QVERIFY2(kept > 0.85 && kept < 1.02, qPrintable(QString::number(kept)));
    }
}

QTEST_GUILESS_MAIN(TestSoftShadow)
#include "test_softshadow.moc"
