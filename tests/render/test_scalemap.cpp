#include "export/keyframes.h"
#include "render/gaugepainter.h"
#include "render/scalemap.h"
#include "render/ticklayout.h"
#include "recordingdevice.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(valueScale)

namespace {

valueScale makeScale(scaleType type, double from, double to, double exponent = 2.0,
                     const QList<QPointF> &points = {})
{
    valueScale s;
    s.type = type;
    s.from = from;
    s.to = to;
    s.exponent = exponent;
    s.points = points;
    return s;
}

const QList<QPointF> thermistor{{-40, 0},   {-20, 0.08}, {0, 0.2},   {20, 0.36},
                                {40, 0.55}, {60, 0.72},  {80, 0.87}, {120, 1}};

// A layer whose bias and label counting would show if the scale were not used.
gaugeData scaledLayer(const valueScale &scale, std::array<int, 3> counts, double length = 270)
{
    gaugeData g;
    g.startAngle = -135;
    g.angleLength = length;
    g.divisionCount = counts;
    g.bias = 0.8;
    g.tickCountStart = 7;
    g.tickCountIncrement = 3;
    g.scale = scale;
    return g;
}

} // namespace

// Value scales: where a value is drawn, where the ticks of a scaled layer
// stand and what they read, and the even layout a scale that cannot be drawn
// falls back to.
class TestScaleMap : public QObject
{
    Q_OBJECT

private slots:
    void fraction_data();
    void fraction();
    void tableIsMonotoneAndExact_data();
    void tableIsMonotoneAndExact();
    void logTicksAtAllLevels_data();
    void logTicksAtAllLevels();
    void labelsAndKeyframes_data();
    void labelsAndKeyframes();
    void badScalesFallBack_data();
    void badScalesFallBack();
    void pastedPoints_data();
    void pastedPoints();
};

void TestScaleMap::fraction_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const valueScale log = makeScale(scaleType::log, 1, 1000);
    const valueScale vu = makeScale(scaleType::decibel, -20, 3);
    const valueScale root = makeScale(scaleType::power, 0, 100, 0.5);
    const valueScale table = makeScale(scaleType::table, -40, 120, 2, thermistor);
    QTest::newRow("log 10") << log << 10.0 << 1.0 / 3.0;
    QTest::newRow("log 2") << log << 2.0 << std::log(2.0) / std::log(1000.0);
    QTest::newRow("log below, even 0") << log << 0.0 << 0.0;
    QTest::newRow("log falling") << makeScale(scaleType::log, 1000, 1) << 10.0 << 2.0 / 3.0;
    // Reference values from the voltage formula, worked out separately.
    QTest::newRow("dB 0") << vu << 0.0 << 0.6856946711255223;
    QTest::newRow("dB -10") << vu << -10.0 << 0.16474025211902452;
    QTest::newRow("square law") << makeScale(scaleType::power, 0, 100, 2) << 50.0 << 0.25;
    QTest::newRow("root") << root << 25.0 << 0.5;
    QTest::newRow("root below, no NaN") << root << -10.0 << 0.0;
    QTest::newRow("power falling") << makeScale(scaleType::power, 100, 0, 2) << 75.0 << 0.0625;
    QTest::newRow("table point") << table << 20.0 << 0.36;
    QTest::newRow("two points are a line")
        << makeScale(scaleType::table, 0, 10, 2, {{0, 0}, {10, 1}}) << 2.5 << 0.25;
}

void TestScaleMap::fraction()
{
    QFETCH(valueScale, scale);
    QFETCH(double, value);
    QFETCH(double, expected);
    const ScaleMap map(scale);
    QVERIFY2(map.isScaled(), qPrintable(map.problem()));
    QVERIFY2(std::fabs(map.fraction(value) - expected) <= 1e-12,
             qPrintable(QString::number(map.fraction(value), 'g', 17)));
}

void TestScaleMap::tableIsMonotoneAndExact_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<int>("direction");
    QTest::newRow("thermistor") << thermistor << 1;
    QTest::newRow("falling") << QList<QPointF>{{0, 1}, {10, 0.7}, {20, 0.65}, {50, 0}} << -1;
    QTest::newRow("level part") << QList<QPointF>{{0, 0}, {1, 0.5}, {2, 0.5}, {3, 1}} << 1;
    // A plain cubic through these overshoots 1 after the steep start.
    QTest::newRow("steep, then flat") << QList<QPointF>{{0, 0}, {1, 0.9}, {10, 1}} << 1;
}

void TestScaleMap::tableIsMonotoneAndExact()
{
    QFETCH(QList<QPointF>, points);
    QFETCH(int, direction);
    const double first = points.first().x();
    const double last = points.last().x();
    const ScaleMap map(makeScale(scaleType::table, first, last, 2, points));
    QVERIFY2(map.isScaled(), qPrintable(map.problem()));
    for (const QPointF &p : points)
        QCOMPARE(map.fraction(p.x()), p.y());
    QCOMPARE(map.fraction(first - 1e6), points.first().y());
    QCOMPARE(map.fraction(last + 1e6), points.last().y());

    double previous = map.fraction(first - 1.0);
    for (int i = 0; i <= 4000; ++i) {
        const double v = first - 1.0 + (last - first + 2.0) * i / 4000;
        const double f = map.fraction(v);
        QVERIFY(f >= 0.0 && f <= 1.0);
        QVERIFY2((f - previous) * direction >= 0.0, qPrintable(QString::number(v)));
        previous = f;
    }
}

void TestScaleMap::logTicksAtAllLevels_data()
{
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("m");
    QTest::addColumn<double>("value");
    const struct
    {
        int j, k, m;
        double value;
    } rows[] = {{1, 0, 0, 10}, {3, 0, 0, 1000}, {0, 1, 0, 2},
                {2, 8, 0, 900}, {0, 0, 1, 1.5},  {1, 4, 1, 55}};
    for (const auto &r : rows)
        QTest::addRow("%d %d %d", r.j, r.k, r.m) << r.j << r.k << r.m << r.value;
}

void TestScaleMap::logTicksAtAllLevels()
{
    QFETCH(int, j);
    QFETCH(int, k);
    QFETCH(int, m);
    QFETCH(double, value);
    const TickLayout layout(scaledLayer(makeScale(scaleType::log, 1, 1000), {3, 9, 2}));
    QCOMPARE(layout.primaryCount(), 4);
    QVERIFY(std::fabs(layout.tickValue(j, k, m) - value) <= 1e-12 * value);
    const double angle = TickLayout::gaugeAngle(layout.screenAngle(j, k, m));
    QVERIFY(std::fabs(angle - (-135.0 + 270.0 * std::log(value) / std::log(1000.0))) <= 1e-9);
}

void TestScaleMap::labelsAndKeyframes_data()
{
    QTest::addColumn<gaugeData>("layer");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QByteArray>("records");

    QTest::newRow("log") << scaledLayer(makeScale(scaleType::log, 1, 1000), {3, 9, 1})
                         << QStringList{"1", "10", "100", "1000"}
                         << QByteArray("L,1,-135\rL,10,-45\rL,100,45\rL,1000,135\r");
    // A full circle does not repeat `from` at `to`.
    QTest::newRow("full circle")
        << scaledLayer(makeScale(scaleType::log, 1, 10000), {4, 1, 1}, 360)
        << QStringList{"1", "10", "100", "1000"}
        << QByteArray("L,1,-135\rL,10,-45\rL,100,45\rL,1000,135\r");
    gaugeData power = scaledLayer(makeScale(scaleType::power, 0, 1, 2), {4, 1, 1});
    power.tickCountDecimalPlaces = 2;
    power.tickCountSkipFirst = true;
    QTest::newRow("power, skip first")
        << power << QStringList{"0.25", "0.50", "0.75", "1.00"}
        << QByteArray("L,0,-135\rL,0.25,-118.125\rL,0.5,-67.5\rL,0.75,16.875\rL,1,135\r");
    // -0.7 + 1.4 * 3 / 6 leaves a rounding error, which must not read -0.0.
    gaugeData nearZero = scaledLayer(makeScale(scaleType::decibel, -0.7, 0.7), {6, 1, 1});
    nearZero.tickCountDecimalPlaces = 1;
    QTest::newRow("rounding error at 0")
        << nearZero << QStringList{"-0.7", "-0.5", "-0.2", "0.0", "0.2", "0.5", "0.7"}
        << QByteArray();
}

void TestScaleMap::labelsAndKeyframes()
{
    QFETCH(gaugeData, layer);
    QFETCH(QByteArray, records);
    RecordingDevice device;
    QPainter painter(&device);
    paintGaugeLayers(&painter, 512, {layer});
    painter.end();
    QStringList drawn;
    for (const RecordedText &text : device.engine().texts)
        drawn << text.text;
    QTEST(drawn, "labels");

    QByteArray csv;
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("L"), layer}}, &csv));
    QVERIFY(!csv.contains(",-0,"));
    if (!records.isEmpty())
        QCOMPARE(csv, "Layer,Tick,Angle\r" + records);
}

void TestScaleMap::badScalesFallBack_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<QString>("reason");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto table = [](const QList<QPointF> &points) {
        return makeScale(scaleType::table, 0, 1, 2, points);
    };
    QTest::newRow("from = to") << makeScale(scaleType::power, 5, 5) << "must differ";
    QTest::newRow("log from 0") << makeScale(scaleType::log, 0, 1000) << "above 0";
    QTest::newRow("log to negative") << makeScale(scaleType::log, 1, -10) << "above 0";
    QTest::newRow("exponent 0") << makeScale(scaleType::power, 0, 1, 0) << "exponent";
    QTest::newRow("one point") << table({{0, 0}}) << "two points";
    QTest::newRow("values not increasing") << table({{0, 0}, {2, 0.5}, {2, 1}}) << "point 3";
    QTest::newRow("fraction above 1") << table({{0, 0}, {1, 1.5}}) << "point 2";
    QTest::newRow("point not numbers") << table({{0, 0}, {nan, nan}}) << "Point 2";
    QTest::newRow("from not finite") << makeScale(scaleType::decibel, nan, 3) << "numbers";
    QTest::newRow("beyond any level") << makeScale(scaleType::decibel, 0, 7000) << "7000 dB";
    QTest::newRow("too far apart") << makeScale(scaleType::power, -1.7e308, 1.7e308) << "apart";
    valueScale unknown = makeScale(scaleType::unknown, 0, 1);
    unknown.fileObject.insert(QStringLiteral("type"), QStringLiteral("sqrt"));
    QTest::newRow("unknown type") << unknown << "\u201csqrt\u201d";
}

void TestScaleMap::badScalesFallBack()
{
    QFETCH(valueScale, scale);
    QFETCH(QString, reason);
    const ScaleMap map(scale);
    QVERIFY(!map.isScaled());
    QVERIFY2(map.problem().contains(reason), qPrintable(map.problem()));

    // The layer is drawn, labelled and keyed exactly as without a scale.
    const gaugeData bad = scaledLayer(scale, {5, 3, 2});
    gaugeData even = bad;
    even.scale = valueScale();
    for (qint64 j = 0; j < 5; ++j)
        QCOMPARE(TickLayout(bad).screenAngle(j, 1, 1), TickLayout(even).screenAngle(j, 1, 1));
    QCOMPARE(keyframeAngles(bad), keyframeAngles(even));
    QCOMPARE(PrimaryTicks(bad).labelText(100), QStringLiteral("7"));
}

void TestScaleMap::pastedPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error"); // empty: reads as -40 at 0 and 120.5 at 1
    QTest::newRow("tabs, heading") << "Temp\tFraction\n-40\t0\n120,5\t1\n" << QString();
    QTest::newRow("commas, CRLF, quotes") << "\"-40\", 0\r\n\r\n 120.5 ,1" << QString();
    QTest::newRow("semicolons") << "-40;0\n120,5;1" << QString();
    QTest::newRow("bad line") << "1\t0\n2\tx\n" << "Line 2";
    QTest::newRow("nothing") << " \n" << "no points";
}

void TestScaleMap::pastedPoints()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QList<QPointF> read{{9, 9}};
    QString reason;
    QCOMPARE(readScalePointsText(text, &read, &reason), error.isEmpty());
    const QList<QPointF> expected = error.isEmpty() ? QList<QPointF>{{-40, 0}, {120.5, 1}}
                                                    : QList<QPointF>{{9, 9}};
    QCOMPARE(read, expected);
    QVERIFY2(reason.contains(error), qPrintable(reason));
}

QTEST_MAIN(TestScaleMap)
#include "test_scalemap.moc"
