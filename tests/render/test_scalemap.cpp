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

// Eight calibration points of a thermistor-style movement, rising ever more
// slowly.
const QList<QPointF> thermistor{{-40, 0},    {-20, 0.08}, {0, 0.2},   {20, 0.36},
                                {40, 0.55}, {60, 0.72},  {80, 0.87}, {120, 1}};

gaugeData scaledLayer(const valueScale &scale, std::array<int, 3> counts, double length = 270)
{
    gaugeData g;
    g.startAngle = -135;
    g.angleLength = length;
    g.divisionCount = counts;
    // Bias and label counting that must not show on a scaled layer.
    g.bias = 0.8;
    g.tickCountStart = 7;
    g.tickCountIncrement = 3;
    g.scale = scale;
    return g;
}

bool near(double a, double b, double tolerance = 1e-12)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

// Value scales: where a value is drawn, where the ticks of a scaled layer
// stand and what they are labelled, and how a scale that cannot be drawn
// falls back to the even layout.
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
    void pickingATypeGivesADrawableScale_data();
    void pickingATypeGivesADrawableScale();
    void pastedPoints_data();
    void pastedPoints();
};

void TestScaleMap::fraction_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    const valueScale log = makeScale(scaleType::log, 1, 1000);
    QTest::newRow("log: 10 at a third") << log << 10.0 << 1.0 / 3.0;
    QTest::newRow("log: 2 at ln 2 / ln 1000") << log << 2.0 << std::log(2.0) / std::log(1000.0);
    QTest::newRow("log: from") << log << 1.0 << 0.0;
    QTest::newRow("log: to") << log << 1000.0 << 1.0;
    QTest::newRow("log: below, even 0") << log << 0.0 << 0.0;
    QTest::newRow("log: descending") << makeScale(scaleType::log, 1000, 1) << 10.0 << 2.0 / 3.0;

    // Reference values from the voltage formula, worked out separately.
    const valueScale vu = makeScale(scaleType::decibel, -20, 3);
    QTest::newRow("decibel: 0 dB") << vu << 0.0 << 0.6856946711255223;
    QTest::newRow("decibel: -10 dB") << vu << -10.0 << 0.16474025211902452;
    QTest::newRow("decibel: -20 dB") << vu << -20.0 << 0.0;
    QTest::newRow("decibel: +3 dB") << vu << 3.0 << 1.0;

    const valueScale square = makeScale(scaleType::power, 0, 100, 2);
    QTest::newRow("power: square law") << square << 50.0 << 0.25;
    QTest::newRow("power: inverse") << makeScale(scaleType::power, 0, 100, 0.5) << 25.0 << 0.5;
    QTest::newRow("power: below, no NaN") << makeScale(scaleType::power, 0, 100, 0.5) << -10.0
                                          << 0.0;
    QTest::newRow("power: above") << square << 150.0 << 1.0;
    QTest::newRow("power: descending") << makeScale(scaleType::power, 100, 0, 2) << 75.0
                                       << 0.0625;

    const valueScale table = makeScale(scaleType::table, -40, 120, 2, thermistor);
    QTest::newRow("table: at a point") << table << 20.0 << 0.36;
    QTest::newRow("table: below the points") << table << -60.0 << 0.0;
    QTest::newRow("table: above the points") << table << 200.0 << 1.0;
    QTest::newRow("table: two points are a line")
        << makeScale(scaleType::table, 0, 10, 2, {{0, 0}, {10, 1}}) << 2.5 << 0.25;
}

void TestScaleMap::fraction()
{
    QFETCH(valueScale, scale);
    QFETCH(double, value);
    QFETCH(double, expected);
    const ScaleMap map(scale);
    QVERIFY2(map.isScaled(), qPrintable(map.problem()));
    const double f = map.fraction(value);
    QVERIFY2(near(f, expected), qPrintable(QString::number(f, 'g', 17)));
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
    QTest::newRow("uneven spacing")
        << QList<QPointF>{{1, 0}, {1.001, 0.3}, {500, 0.31}, {501, 1}} << 1;
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

    const int samples = 4000;
    double previous = map.fraction(first - 1.0);
    for (int i = 0; i <= samples; ++i) {
        const double v = first - 1.0 + (last - first + 2.0) * i / samples;
        const double f = map.fraction(v);
        QVERIFY(f >= 0.0 && f <= 1.0);
        QVERIFY2((f - previous) * direction >= 0.0,
                 qPrintable(QStringLiteral("turns back at %1").arg(v)));
        previous = f;
    }
    // A level part stays level.
    if (QTest::currentDataTag() == QByteArray("level part"))
        QCOMPARE(map.fraction(1.5), 0.5);
}

void TestScaleMap::logTicksAtAllLevels_data()
{
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("m");
    QTest::addColumn<double>("value");
    QTest::newRow("primary 1") << 0 << 0 << 0 << 1.0;
    QTest::newRow("primary 10") << 1 << 0 << 0 << 10.0;
    QTest::newRow("primary 100") << 2 << 0 << 0 << 100.0;
    QTest::newRow("primary 1000") << 3 << 0 << 0 << 1000.0;
    QTest::newRow("secondary 2") << 0 << 1 << 0 << 2.0;
    QTest::newRow("secondary 9") << 0 << 8 << 0 << 9.0;
    QTest::newRow("secondary 50") << 1 << 4 << 0 << 50.0;
    QTest::newRow("secondary 900") << 2 << 8 << 0 << 900.0;
    QTest::newRow("tertiary 1.5") << 0 << 0 << 1 << 1.5;
    QTest::newRow("tertiary 55") << 1 << 4 << 1 << 55.0;
    QTest::newRow("tertiary 950") << 2 << 8 << 1 << 950.0;
}

void TestScaleMap::logTicksAtAllLevels()
{
    QFETCH(int, j);
    QFETCH(int, k);
    QFETCH(int, m);
    QFETCH(double, value);
    const TickLayout layout(scaledLayer(makeScale(scaleType::log, 1, 1000), {3, 9, 2}));
    QVERIFY(layout.isScaled());
    QCOMPARE(layout.primaryCount(), 4);
    QVERIFY(near(layout.tickValue(j, k, m), value, 1e-12 * value));
    // Gauge angle: the start plus the span times ln(v) / ln(1000).
    const double expected = -135.0 + 270.0 * std::log(value) / std::log(1000.0);
    const double angle = TickLayout::gaugeAngle(layout.screenAngle(j, k, m));
    QVERIFY2(near(angle, expected, 1e-9), qPrintable(QString::number(angle, 'g', 17)));
}

void TestScaleMap::labelsAndKeyframes_data()
{
    QTest::addColumn<gaugeData>("layer");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QByteArray>("records");

    gaugeData log = scaledLayer(makeScale(scaleType::log, 1, 1000), {3, 9, 1});
    QTest::newRow("log") << log << QStringList{"1", "10", "100", "1000"}
                         << QByteArray("L,1,-135\rL,10,-45\rL,100,45\rL,1000,135\r");
    // The mark between -1 dB and +1 dB reads 0, not -0.
    gaugeData vu = scaledLayer(makeScale(scaleType::decibel, -20, 3), {23, 1, 1});
    QStringList vuLabels;
    for (int dB = -20; dB <= 3; ++dB)
        vuLabels << QString::number(dB);
    QTest::newRow("decibel") << vu << vuLabels << QByteArray();
    // -0.7 + 1.4 * 3 / 6 leaves a rounding error, which must not read -0.0.
    gaugeData nearZero = scaledLayer(makeScale(scaleType::decibel, -0.7, 0.7), {6, 1, 1});
    nearZero.tickCountDecimalPlaces = 1;
    QTest::newRow("rounding error at 0")
        << nearZero << QStringList{"-0.7", "-0.5", "-0.2", "0.0", "0.2", "0.5", "0.7"}
        << QByteArray();
    gaugeData power = scaledLayer(makeScale(scaleType::power, 0, 1, 2), {4, 1, 1});
    power.tickCountDecimalPlaces = 2;
    power.tickCountSkipFirst = true;
    QTest::newRow("power, skip first, decimals")
        << power << QStringList{"0.25", "0.50", "0.75", "1.00"}
        << QByteArray("L,0,-135\rL,0.25,-118.125\rL,0.5,-67.5\rL,0.75,16.875\rL,1,135\r");
    // A full circle does not repeat `from` at `to`.
    gaugeData circle = scaledLayer(makeScale(scaleType::log, 1, 10000), {4, 1, 1}, 360);
    QTest::newRow("full circle") << circle << QStringList{"1", "10", "100", "1000"}
                                 << QByteArray("L,1,-135\rL,10,-45\rL,100,45\rL,1000,135\r");
}

void TestScaleMap::labelsAndKeyframes()
{
    QFETCH(gaugeData, layer);
    QFETCH(QStringList, labels);
    QFETCH(QByteArray, records);

    // The painter's labels are the ticks' values, at the ticks' angles.
    RecordingDevice device;
    QPainter painter(&device);
    paintGaugeLayers(&painter, 512, {layer});
    painter.end();
    QStringList drawn;
    for (const RecordedText &text : device.engine().texts)
        drawn << text.text;
    QCOMPARE(drawn, labels);

    QByteArray csv;
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("L"), layer}}, &csv));
    QVERIFY(!csv.contains(",-0,"));
    if (!records.isEmpty())
        QCOMPARE(csv, "Layer,Tick,Angle\r" + records);
    const auto keys = keyframeAngles(layer);
    PrimaryTicks ticks(layer);
    for (const auto &key : keys) {
        QCOMPARE(key.first, ticks.value());
        QCOMPARE(key.second, TickLayout::gaugeAngle(ticks.screenAngle()));
        ticks.next();
    }
}

void TestScaleMap::badScalesFallBack_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<QString>("reason");
    const double nan = std::numeric_limits<double>::quiet_NaN();

    QTest::newRow("from = to") << makeScale(scaleType::power, 5, 5) << "must differ";
    QTest::newRow("log from 0") << makeScale(scaleType::log, 0, 1000) << "above 0";
    QTest::newRow("log to negative") << makeScale(scaleType::log, 1, -10) << "above 0";
    QTest::newRow("exponent 0") << makeScale(scaleType::power, 0, 1, 0) << "exponent";
    QTest::newRow("exponent negative") << makeScale(scaleType::power, 0, 1, -2) << "exponent";
    QTest::newRow("one point") << makeScale(scaleType::table, 0, 1, 2, {{0, 0}}) << "two points";
    QTest::newRow("values not increasing")
        << makeScale(scaleType::table, 0, 1, 2, {{0, 0}, {2, 0.5}, {2, 1}}) << "point 3";
    QTest::newRow("fraction above 1")
        << makeScale(scaleType::table, 0, 1, 2, {{0, 0}, {1, 1.5}}) << "point 2";
    QTest::newRow("point not numbers")
        << makeScale(scaleType::table, 0, 1, 2, {{0, 0}, {nan, nan}}) << "Point 2";
    QTest::newRow("from not finite") << makeScale(scaleType::decibel, nan, 3) << "numbers";
    QTest::newRow("beyond any level") << makeScale(scaleType::decibel, 0, 7000) << "7000 dB";
    QTest::newRow("too far apart")
        << makeScale(scaleType::power, -1.7e308, 1.7e308) << "too far apart";
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

    // The layer is drawn and keyed exactly as without a scale.
    const gaugeData bad = scaledLayer(scale, {5, 3, 2});
    gaugeData even = bad;
    even.scale = valueScale();
    const TickLayout badLayout(bad);
    const TickLayout evenLayout(even);
    QVERIFY(!badLayout.isScaled());
    for (qint64 j = 0; j < 5; ++j)
        QCOMPARE(badLayout.screenAngle(j, 1, 1), evenLayout.screenAngle(j, 1, 1));
    QCOMPARE(keyframeAngles(bad), keyframeAngles(even));
    QCOMPARE(PrimaryTicks(bad).labelText(100), QStringLiteral("7"));
}

void TestScaleMap::pickingATypeGivesADrawableScale_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<int>("type");
    QTest::addColumn<valueScale>("expected");

    const valueScale fresh;
    const valueScale range = makeScale(scaleType::power, 10, 50, 3);
    QTest::newRow("log from a fresh layer")
        << fresh << int(scaleType::log) << makeScale(scaleType::log, 1, 1000);
    QTest::newRow("decibel from a fresh layer")
        << fresh << int(scaleType::decibel) << makeScale(scaleType::decibel, 0, 100);
    QTest::newRow("log keeps a positive range")
        << range << int(scaleType::log) << makeScale(scaleType::log, 10, 50, 3);
    QTest::newRow("table from the range")
        << range << int(scaleType::table)
        << makeScale(scaleType::table, 10, 50, 3, {{10, 0}, {50, 1}});
    QTest::newRow("table of a falling range")
        << makeScale(scaleType::even, 50, 10) << int(scaleType::table)
        << makeScale(scaleType::table, 50, 10, 2, {{10, 1}, {50, 0}});
    QTest::newRow("power needs an exponent")
        << makeScale(scaleType::log, 1, 2, -1) << int(scaleType::power)
        << makeScale(scaleType::power, 1, 2, 2);
    QTest::newRow("from = to")
        << makeScale(scaleType::even, 4, 4) << int(scaleType::table)
        << makeScale(scaleType::table, 0, 100, 2, {{0, 0}, {100, 1}});
    QTest::newRow("back to even keeps the values")
        << range << int(scaleType::even) << makeScale(scaleType::even, 10, 50, 3);
}

void TestScaleMap::pickingATypeGivesADrawableScale()
{
    QFETCH(valueScale, scale);
    QFETCH(int, type);
    QFETCH(valueScale, expected);
    scale.fileObject.insert(QStringLiteral("type"), QStringLiteral("from a file"));
    const valueScale next = scaleOfType(scale, scaleType(type));
    QVERIFY(next == expected);
    QVERIFY(next.isEven() || ScaleMap(next).isScaled());
}

void TestScaleMap::pastedPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<QString>("error");

    const QList<QPointF> two{{-40, 0}, {120.5, 1}};
    QTest::newRow("tabs") << "-40\t0\n120.5\t1\n" << two << QString();
    QTest::newRow("commas, CRLF, blanks") << "-40, 0\r\n\r\n 120.5 ,1" << two << QString();
    QTest::newRow("heading skipped") << "Temp\tFraction\n-40\t0\n120.5\t1" << two << QString();
    QTest::newRow("decimal commas") << "-40;0\n120,5;1" << two << QString();
    QTest::newRow("decimal commas between tabs") << "-40\t0\n120,5\t1" << two << QString();
    QTest::newRow("quoted") << "\"-40\",\"0\"\n\"120.5\",\"1\"" << two << QString();
    QTest::newRow("bad line") << "1\t0\n2\tx\n" << QList<QPointF>() << "Line 2";
    QTest::newRow("three columns") << "1\t0\t5\n2\t1\t6" << QList<QPointF>() << "Line 2";
    QTest::newRow("nothing") << " \n" << QList<QPointF>() << "no points";
}

void TestScaleMap::pastedPoints()
{
    QFETCH(QString, text);
    QFETCH(QList<QPointF>, points);
    QFETCH(QString, error);
    QList<QPointF> read{{9, 9}};
    QString reason;
    QCOMPARE(readScalePointsText(text, &read, &reason), error.isEmpty());
    if (error.isEmpty()) {
        QCOMPARE(read, points);
    } else {
        QCOMPARE(read, (QList<QPointF>{{9, 9}}));
        QVERIFY2(reason.contains(error), qPrintable(reason));
    }
}

QTEST_MAIN(TestScaleMap)
#include "test_scalemap.moc"
