#include "render/needledial.h"
#include "targets/needletable.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>

class TestNeedleTable : public QObject
{
    Q_OBJECT

private slots:
    void bound_data();
    void bound();
    void freeNeedle();
    void refused();
    void cleanupTestCase();

private:
    double m_largest = 0.0;
};

namespace {

gaugeData layer(double bias, bool midpoint, scaleType type = scaleType::even, double from = 0.0,
                double to = 100.0, double exponent = 2.0)
{
    gaugeData l;
    l.startAngle = -135.0;
    l.angleLength = 270.0;
    l.divisionCount = {10, 5, 2};
    l.tickCountStart = 0.0;
    l.tickCountIncrement = 20.0;
    l.bias = bias;
    l.midpointBias = midpoint;
    l.scale.type = type;
    l.scale.from = from;
    l.scale.to = to;
    l.scale.exponent = exponent;
    return l;
}

} // namespace

void TestNeedleTable::bound_data()
{
    QTest::addColumn<gaugeData>("layer");

    QTest::newRow("even") << layer(0.5, false);
    QTest::newRow("biased") << layer(0.85, false);
    QTest::newRow("biased low") << layer(0.1, false);
    // So steep at the start that the dial's snapping of a value within a
    // billionth of a tick onto the tick jumps by degrees.
    QTest::newRow("biased steeply") << layer(0.97, false);
    QTest::newRow("midpoint biased") << layer(0.8, true);
    QTest::newRow("reversed") << [] {
        gaugeData l = layer(0.7, false);
        l.tickCountStart = 200.0;
        l.tickCountIncrement = -20.0;
        return l;
    }();
    QTest::newRow("log") << layer(0.5, false, scaleType::log, 1.0, 10000.0);
    QTest::newRow("decibel") << layer(0.5, false, scaleType::decibel, -20.0, 3.0);
    QTest::newRow("power 3") << layer(0.5, false, scaleType::power, 0.0, 8000.0, 3.0);
    QTest::newRow("power 0.3") << layer(0.5, false, scaleType::power, 0.0, 100.0, 0.3);
    QTest::newRow("table") << [] {
        gaugeData l = layer(0.5, false, scaleType::table, 0.0, 240.0);
        l.scale.points = {{0.0, 0.0}, {20.0, 0.05}, {60.0, 0.4}, {120.0, 0.7}, {240.0, 1.0}};
        return l;
    }();
}

// The table's promise measured: the largest miss of interpolation against
// the layer's own angle on a dense, irregular sampling of the span.
void TestNeedleTable::bound()
{
    QFETCH(gaugeData, layer);

    QList<NeedleAngle> rows;
    QString error;
    QVERIFY2(needleAngleTable(layer, &rows, &error), qPrintable(error));
    const NeedleDial dial(layer);
    QCOMPARE(rows.constFirst().value, std::min(dial.startValue(), dial.endValue()));
    QCOMPARE(rows.constLast().value, std::max(dial.startValue(), dial.endValue()));
    for (qsizetype i = 1; i < rows.size(); ++i)
        QVERIFY(rows.at(i).value > rows.at(i - 1).value);
    // Every primary tick of an even scale is a row.
    if (layer.scale.isEven()) {
        for (int j = 0; j <= layer.divisionCount[0]; ++j) {
            const double tick = layer.tickCountStart + j * layer.tickCountIncrement;
            QVERIFY(std::any_of(rows.begin(), rows.end(),
                                [tick](const NeedleAngle &row) { return row.value == tick; }));
        }
    }

    const double low = rows.constFirst().value;
    const double span = rows.constLast().value - low;
    double worst = 0.0;
    constexpr int samples = 200'000;
    for (int i = 0; i <= samples; ++i) {
        // An irrational step, so that samples do not sit on rows.
        const double q = std::fmod(i * 0.6180339887498949, 1.0);
        const double v = low + q * span;
        worst = std::max(worst, std::fabs(interpolatedAngle(rows, v) - dial.angle(v)));
    }
    // Near a power 0.3 scale's start the curve is steepest: sample it on
    // its own scale too.
    for (int k = 1; k < 80; ++k) {
        const double v = low + span * std::pow(2.0, -k);
        worst = std::max(worst, std::fabs(interpolatedAngle(rows, v) - dial.angle(v)));
    }
    std::printf("%s: %lld rows, largest miss %.6f degrees\n", QTest::currentDataTag(),
                static_cast<long long>(rows.size()), worst);
    m_largest = std::max(m_largest, worst);
    QVERIFY2(worst < needleTableTolerance, qPrintable(QString::number(worst)));
}

void TestNeedleTable::freeNeedle()
{
    gaugeData compass = layer(0.5, false);
    compass.startAngle = 0.0;
    compass.angleLength = 360.0;
    compass.tickCountIncrement = 36.0;
    QList<NeedleAngle> rows;
    QVERIFY(needleAngleTable(compass, &rows));
    const NeedleDial dial(compass);
    for (double v : {-500.0, -1.0, 359.0, 361.5, 1000.0})
        QVERIFY(std::fabs(interpolatedAngle(rows, v, true) - dial.angle(v, true)) < 1e-9);
    // Without `free` the ends hold.
    QCOMPARE(interpolatedAngle(rows, 1000.0), dial.endAngle());
}

void TestNeedleTable::refused()
{
    QList<NeedleAngle> rows{{1.0, 2.0}};
    QString error;
    gaugeData none = layer(0.5, false);
    none.tickCountIncrement = 0.0;
    QVERIFY(!needleAngleTable(none, &rows, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(rows.size(), 1);
    // A tolerance no table of sensible size can meet runs into the row
    // cap, not on for ever.
    error.clear();
    QVERIFY(!needleAngleTable(layer(0.9, false), &rows, &error, 1e-12));
    QVERIFY(!error.isEmpty());
    QCOMPARE(rows.size(), 1);
    QVERIFY(!needleAngleTable(layer(0.5, false), &rows, &error, std::nan("")));
}

void TestNeedleTable::cleanupTestCase()
{
    std::printf("largest interpolation miss over all scales: %.6f degrees (tolerance %.2f)\n",
                m_largest, needleTableTolerance);
}

QTEST_GUILESS_MAIN(TestNeedleTable)
#include "test_needletable.moc"
