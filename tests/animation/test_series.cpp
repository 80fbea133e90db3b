#include "animation/series.h"
#include "animation/valuesource.h"

#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(Interpolation)
Q_DECLARE_METATYPE(Sweep)

class TestSeries : public QObject
{
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void noOvershoot_data();
    void noOvershoot();
    void sweep_data();
    void sweep();
};

namespace {

const QList<TimedValue> zigzag{{0, 0}, {1, 10}, {3, 30}, {4, 0}};

} // namespace

void TestSeries::values_data()
{
    QTest::addColumn<Interpolation>("kind");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("value");
    for (const Interpolation kind : {Interpolation::Linear, Interpolation::MonotoneCubic}) {
        const char *name = kind == Interpolation::Linear ? "linear" : "cubic";
        QTest::addRow("%s: before the first sample", name) << kind << -5.0 << 0.0;
        QTest::addRow("%s: NaN holds the first", name) << kind << qQNaN() << 0.0;
        for (const TimedValue &s : zigzag)
            QTest::addRow("%s: at sample %g", name, s.time) << kind << s.time << s.value;
        QTest::addRow("%s: after the last sample", name) << kind << 100.0 << 0.0;
    }
    QTest::newRow("linear: halfway") << Interpolation::Linear << 0.5 << 5.0;
    QTest::newRow("linear: uneven interval") << Interpolation::Linear << 2.5 << 25.0;
    // Hermite pieces worked by hand. Where the data goes on straight the
    // tangent is the secant; at the peak it is flat, so the curve bulges
    // above the straight line towards it.
    QTest::newRow("cubic: between straight neighbours")
        << Interpolation::MonotoneCubic << 0.5 << 5.0;
    QTest::newRow("cubic: towards the peak") << Interpolation::MonotoneCubic << 2.0 << 22.5;
    QTest::newRow("cubic: away from the peak") << Interpolation::MonotoneCubic << 3.5 << 18.75;
}

void TestSeries::values()
{
    QFETCH(Interpolation, kind);
    QFETCH(double, time);
    QFETCH(double, value);
    QCOMPARE(Series(zigzag, kind).valueAt(time), value);
}

void TestSeries::noOvershoot_data()
{
    QTest::addColumn<QList<TimedValue>>("samples");
    QTest::newRow("step") << QList<TimedValue>{{0, 0}, {1, 0}, {2, 1}, {3, 1}};
    QTest::newRow("spike") << QList<TimedValue>{{0, 0}, {1, 10}, {2, 0}};
    QTest::newRow("steep after flat, uneven")
        << QList<TimedValue>{{0, 0}, {0.01, 5}, {3, 5.5}, {3.1, 0}, {10, 0.1}};
}

void TestSeries::noOvershoot()
{
    QFETCH(QList<TimedValue>, samples);
    const Series series(samples, Interpolation::MonotoneCubic);
    for (qsizetype i = 0; i + 1 < samples.size(); ++i) {
        const TimedValue a = samples.at(i);
        const TimedValue b = samples.at(i + 1);
        const double low = std::min(a.value, b.value);
        const double high = std::max(a.value, b.value);
        double previous = a.value;
        for (int k = 0; k <= 200; ++k) {
            const double v = series.valueAt(a.time + (b.time - a.time) * k / 200.0);
            QVERIFY2(v >= low && v <= high,
                     qPrintable(QStringLiteral("%1 leaves [%2, %3]").arg(v).arg(low).arg(high)));
            QVERIFY((b.value >= a.value) ? v >= previous : v <= previous);
            previous = v;
        }
    }
}

void TestSeries::sweep_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("value");
    QTest::newRow("before") << 0.0 << 10.0;
    QTest::newRow("start") << 1.0 << 10.0;
    QTest::newRow("quarter: halfway up") << 2.0 << 50.0;
    QTest::newRow("middle: the end value") << 3.0 << 90.0;
    QTest::newRow("three quarters: halfway back") << 4.0 << 50.0;
    QTest::newRow("end") << 5.0 << 10.0;
    QTest::newRow("after") << 9.0 << 10.0;
}

void TestSeries::sweep()
{
    QFETCH(double, time);
    QFETCH(double, value);
    const Sweep sweep{10, 90, 4, 1};
    QVERIFY(checkSweep(sweep));
    QVERIFY(std::abs(sweep.valueAt(time) - value) < 1e-12);
    // Eases in and out: no jump in speed at the start, the turn or the end.
    for (const double t : {1.0, 3.0, 5.0}) {
        const double d = 1e-4;
        const double before = (sweep.valueAt(t) - sweep.valueAt(t - d)) / d;
        const double after = (sweep.valueAt(t + d) - sweep.valueAt(t)) / d;
        QVERIFY2(std::abs(before) < 0.01 && std::abs(after) < 0.01,
                 qPrintable(QStringLiteral("%1 / %2 at %3").arg(before).arg(after).arg(t)));
    }
}

QTEST_GUILESS_MAIN(TestSeries)
#include "test_series.moc"
