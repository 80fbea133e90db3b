#include "render/bandpainter.h"

#include "render/gaugepainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <atomic>

Q_DECLARE_METATYPE(QList<gaugeData>)

namespace {

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    return image;
}

QImage inBands(const QList<gaugeData> &layers, int size, int bands)
{
    QImage image = blank(size);
    const bool finished = paintInBands(&image, bands, [&](QPainter *painter, const QRect &kept) {
        GaugePaintControl control;
        control.keptPixels = kept;
        return paintGaugeLayers(painter, size, layers, GaugePaintLimits(), control);
    });
    return finished ? image : QImage();
}

gaugeData dense(double width, bool round)
{
    gaugeData g;
    g.startAngle = -150;
    g.angleLength = 300;
    g.divisionCount = {40, 10, 5};
    g.divisionWidth = {width, width, width};
    g.roundedTickCaps = round;
    g.arcAngleLength = {300, 40, 0, 0};
    g.arcStartAngle = {-150, 100, 0, 0};
    g.arcWidth = {0, 7, 0, 0};
    g.tickCountRotate = true;
    return g;
}

} // namespace

class TestBandPainter : public QObject
{
    Q_OBJECT

private slots:
    void sameAsOneDrawing_data();
    void sameAsOneDrawing();
    void abandonedByAnyBand();
};

void TestBandPainter::sameAsOneDrawing_data()
{
    QTest::addColumn<QList<gaugeData>>("layers");
    QTest::addColumn<int>("size");

    // Hairlines (the cosmetic stroker), flat wide lines (the line
    // rasteriser), round caps (filled here), arcs of both kinds, labels
    // upright and rotated, and lines that cross the image's edge.
    gaugeData labels;
    labels.divisionCount = {12, 2, 1};
    labels.angleLength = 360;
    labels.tickCountFont = QFont(QStringLiteral("Sans Serif"), 17);
    labels.arcAngleLength = {360, 0, 0, 0};
    gaugeData beyond = dense(2, false);
    beyond.divisionOuterRadius = {1.4, 1.2, 1.1};
    QTest::newRow("hairlines, 512") << QList<gaugeData>{dense(0, false)} << 512;
    QTest::newRow("flat width 3, 1000") << QList<gaugeData>{dense(3, false)} << 1000;
    QTest::newRow("round width 3, 1000") << QList<gaugeData>{dense(3, true)} << 1000;
    QTest::newRow("stacked with labels, 777")
        << QList<gaugeData>{dense(0, false), labels, dense(1.5, true)} << 777;
    QTest::newRow("reaching out of the image, 640") << QList<gaugeData>{beyond} << 640;
}

void TestBandPainter::sameAsOneDrawing()
{
    QFETCH(QList<gaugeData>, layers);
    QFETCH(int, size);
    const QImage one = inBands(layers, size, 1);
    QVERIFY(!one.isNull());
    for (int bands : {2, 3, 7}) {
        const QImage split = inBands(layers, size, bands);
        QVERIFY2(split == one, qPrintable(QStringLiteral("%1 bands differ").arg(bands)));
    }
}

void TestBandPainter::abandonedByAnyBand()
{
    // A cancellation seen by the band of the bottom rows abandons the
    // picture, and every band stops early.
    const QList<gaugeData> layers{dense(0, false), dense(0, false)};
    std::atomic<qint64> ticks{0};
    QImage image = blank(1024);
    const bool finished = paintInBands(&image, 3, [&](QPainter *painter, const QRect &kept) {
        GaugePaintControl control;
        control.keptPixels = kept;
        control.ticksDone = &ticks;
        const bool bottom = kept.bottom() == 1023;
        control.cancelled = [bottom] {
            return bottom;
        };
        return paintGaugeLayers(painter, 1024, layers, GaugePaintLimits(), control);
    });
    QVERIFY(!finished);
    // Each band counts its ticks; the cancelling one stops after its first
    // check, the others run to the end.
    const qint64 total = 2 * gaugeLayerTickLines(layers.first());
    QVERIFY2(ticks < 3 * total, qPrintable(QString::number(ticks)));
}

QTEST_MAIN(TestBandPainter)
#include "test_bandpainter.moc"
