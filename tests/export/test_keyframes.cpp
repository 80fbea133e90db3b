#include "export/keyframes.h"
#include "gaugefile/gaugedocument.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <limits>

class TestKeyframes : public QObject
{
    Q_OBJECT

private slots:
    void formatNumber_data();
    void formatNumber();
    void defaultLayer();
    void tickCounts_data();
    void tickCounts();
    void angles_data();
    void angles();
    void accumulatedIncrements();
    void nameQuoting_data();
    void nameQuoting();
    void csvLayout();
    void hugeCountsRefused();
};

void TestKeyframes::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 30.0 << "30";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333";
    QTest::newRow("below tenth decimal") << 0.00000000004 << "0";
    QTest::newRow("negative") << -7.25 << "-7.25";
    QTest::newRow("rounding carries") << 0.99999999999 << "1";
    QTest::newRow("sum error hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("no group separator") << 1234567.5 << "1234567.5";
    QTest::newRow("tiny, no exponent") << 1e-7 << "0.0000001";
}

void TestKeyframes::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatKeyframeNumber(value), text);
}

void TestKeyframes::defaultLayer()
{
    const QList<QPair<double, double>> keys = keyframeAngles(gaugeData());
    QCOMPARE(keys.size(), 5);
    const double angles[] = {0, 30, 60, 90, 120};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(keys[i].first, double(i));
        QCOMPARE(keys[i].second, angles[i]);
    }
    // The written evaluation order makes the first angle a negative zero.
    QVERIFY(std::signbit(keys[0].second));

    QByteArray csv;
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("Layer 1"), gaugeData()}}, &csv));
    const QByteArray expected = "Layer,Tick,Angle\rLayer 1,0,"
        + formatKeyframeNumber(-0.0).toLatin1()
        + "\rLayer 1,1,30\rLayer 1,2,60\rLayer 1,3,90\rLayer 1,4,120\r";
    QCOMPARE(csv, expected);
}

void TestKeyframes::tickCounts_data()
{
    QTest::addColumn<int>("divisions");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("count");
    QTest::newRow("full circle") << 12 << 360.0 << 12;
    QTest::newRow("full circle anticlockwise") << 12 << -360.0 << 12;
    QTest::newRow("more than a circle") << 12 << 720.0 << 12;
    QTest::newRow("just short of a circle") << 12 << 359.5 << 13;
    QTest::newRow("negative, short") << 12 << -359.5 << 13;
    QTest::newRow("zero length") << 3 << 0.0 << 4;
    QTest::newRow("zero divisions") << 0 << 120.0 << 0;
    QTest::newRow("negative divisions") << -5 << 120.0 << 0;
    QTest::newRow("one division") << 1 << 90.0 << 2;
}

void TestKeyframes::tickCounts()
{
    QFETCH(int, divisions);
    QFETCH(double, length);
    QFETCH(int, count);
    gaugeData layer;
    layer.divisionCount[0] = divisions;
    layer.angleLength = length;
    QCOMPARE(keyframeCount(layer), qint64(count));
    QCOMPARE(keyframeAngles(layer).size(), count);
}

void TestKeyframes::angles_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("bias");
    QTest::addColumn<bool>("midpoint");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("anticlockwise") << 10.0 << -120.0 << 0.5 << false
                                   << QList<double>{10, -20, -50, -80, -110};
    QTest::newRow("full circle") << -90.0 << 360.0 << 0.5 << false
                                 << QList<double>{-90, 0, 90, 180};
    QTest::newRow("midpoint bias") << 0.0 << 100.0 << 0.25 << true
                                   << QList<double>{0, 6.25, 25, 56.25, 100};
    QTest::newRow("exponential 1: all at start") << 45.0 << 120.0 << 1.0 << false
                                                 << QList<double>{45, 45, 45, 45, 45};
    QTest::newRow("exponential 0: all at end") << 45.0 << 120.0 << 0.0 << false
                                               << QList<double>{165, 165, 165, 165, 165};
}

void TestKeyframes::angles()
{
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(double, bias);
    QFETCH(bool, midpoint);
    QFETCH(QList<double>, expected);
    gaugeData layer;
    layer.startAngle = start;
    layer.angleLength = length;
    layer.bias = bias;
    layer.midpointBias = midpoint;
    const auto keys = keyframeAngles(layer);
    QCOMPARE(keys.size(), expected.size());
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(formatKeyframeNumber(keys[i].second), formatKeyframeNumber(expected[i]));
}

void TestKeyframes::accumulatedIncrements()
{
    gaugeData layer;
    layer.divisionCount[0] = 10;
    layer.tickCountStart = 0.0;
    layer.tickCountIncrement = 0.1;
    const auto keys = keyframeAngles(layer);
    QCOMPARE(keys.size(), 11);
    double sum = 0.0;
    for (int i = 0; i < keys.size(); ++i) {
        // Bit for bit the running sum, not start + i * increment.
        QCOMPARE(keys[i].first, sum);
        sum += 0.1;
    }
    QCOMPARE(formatKeyframeNumber(keys[3].first), QStringLiteral("0.3"));
    QCOMPARE(formatKeyframeNumber(keys[10].first), QStringLiteral("1"));
}

void TestKeyframes::nameQuoting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Speed" << "Speed";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks and semicolon kept") << " a; b " << " a; b ";
    QTest::newRow("comma") << "Speed, km/h" << "\"Speed, km/h\"";
    QTest::newRow("quote") << "12\" dial" << "\"12\"\" dial\"";
    QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
    QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
}

void TestKeyframes::nameQuoting()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    QCOMPARE(keyframeNameField(name), field);
}

void TestKeyframes::csvLayout()
{
    gaugeData none;
    none.divisionCount[0] = 0;
    gaugeData two;
    two.divisionCount[0] = 2;
    two.startAngle = -60;
    two.tickCountStart = 100;
    two.tickCountIncrement = -12.5;
    QByteArray csv;
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("Empty"), none},
                         namedLayer{QStringLiteral("Tacho, rpm"), two},
                         namedLayer{QStringLiteral("Größe"), two}},
                        &csv));
    QCOMPARE(csv,
             QByteArray("Layer,Tick,Angle\r"
                        "\"Tacho, rpm\",100,-60\r\"Tacho, rpm\",87.5,0\r\"Tacho, rpm\",75,60\r")
                 + QStringLiteral("Größe").toUtf8() + ",100,-60\r"
                 + QStringLiteral("Größe").toUtf8() + ",87.5,0\r"
                 + QStringLiteral("Größe").toUtf8() + ",75,60\r");

    // A gauge without ticks still has its header.
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("Empty"), none}}, &csv));
    QCOMPARE(csv, QByteArray("Layer,Tick,Angle\r"));
}

void TestKeyframes::hugeCountsRefused()
{
    gaugeData huge;
    huge.divisionCount[0] = std::numeric_limits<int>::max();
    QCOMPARE(keyframeCount(huge), qint64(std::numeric_limits<int>::max()) + 1);

    QElapsedTimer timer;
    timer.start();
    QByteArray csv("untouched");
    QString error;
    QVERIFY(!keyframeCsv({namedLayer{QStringLiteral("Huge"), huge}}, &csv, &error));
    QCOMPARE(csv, QByteArray("untouched"));
    QVERIFY(error.contains(QString::number(keyframeRecordLimit)));

    // The bound is on the whole gauge, not per layer.
    gaugeData half;
    half.divisionCount[0] = int(keyframeRecordLimit / 2);
    QVERIFY(!keyframeCsv({namedLayer{QString(), half}, namedLayer{QString(), half}}, &csv));

    // The list itself stays bounded for a caller that does not check first.
    QCOMPARE(keyframeAngles(huge).size(), keyframeRecordLimit);
    qInfo("Refusing and capping a 2^31-1 layer took %lld ms", timer.elapsed());

    // Exactly at the limit is still written.
    gaugeData full;
    full.angleLength = 360;
    full.divisionCount[0] = int(keyframeRecordLimit);
    QVERIFY(keyframeCsv({namedLayer{QStringLiteral("x"), full}}, &csv));
    QCOMPARE(csv.count('\r'), int(keyframeRecordLimit) + 1);
}

QTEST_GUILESS_MAIN(TestKeyframes)
#include "test_keyframes.moc"
