#include "render/biasmap.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestBiasMap : public QObject
{
    Q_OBJECT

private slots:
    void referenceValues_data();
    void referenceValues();
    void evenSpacingAtHalf();
    void staysInRange();
    void nanPassesThrough();
};

void TestBiasMap::referenceValues_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("midpoint");
    QTest::addColumn<QList<double>>("expected"); // at t = 0, 0.25, 0.5, 0.75, 1

    QTest::newRow("exp 0") << 0.0 << false << QList<double>{1, 1, 1, 1, 1};
    QTest::newRow("exp 0.25") << 0.25 << false
                              << QList<double>{0, 0.133975, 0.292893, 0.5, 1};
    QTest::newRow("exp 0.5") << 0.5 << false << QList<double>{0, 0.25, 0.5, 0.75, 1};
    QTest::newRow("exp 0.75") << 0.75 << false
                              << QList<double>{0, 0.5, 0.707107, 0.866025, 1};
    QTest::newRow("exp 1") << 1.0 << false << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("mid 0") << 0.0 << true << QList<double>{0, 0, 0, 0.375, 1};
    QTest::newRow("mid 0.25") << 0.25 << true << QList<double>{0, 0.0625, 0.25, 0.5625, 1};
    QTest::newRow("mid 0.5") << 0.5 << true << QList<double>{0, 0.25, 0.5, 0.75, 1};
    QTest::newRow("mid 0.75") << 0.75 << true << QList<double>{0, 0.4375, 0.75, 0.9375, 1};
    QTest::newRow("mid 1") << 1.0 << true << QList<double>{0, 0.625, 1, 1, 1};
}

void TestBiasMap::referenceValues()
{
    QFETCH(double, amount);
    QFETCH(bool, midpoint);
    QFETCH(QList<double>, expected);
    const double ts[] = {0.0, 0.25, 0.5, 0.75, 1.0};
    for (int i = 0; i < 5; ++i) {
        const double got = biasMap(ts[i], amount, midpoint);
        QVERIFY2(std::fabs(got - expected[i]) < 5e-7,
                 qPrintable(QStringLiteral("t=%1 got %2 expected %3")
                                .arg(ts[i]).arg(got, 0, 'g', 12).arg(expected[i])));
    }
}

void TestBiasMap::evenSpacingAtHalf()
{
    // Exactly t, not merely close: the painter and the keyframes rely on it.
    for (int i = 0; i <= 1000; ++i) {
        const double t = i / 1000.0;
        QCOMPARE(biasMap(t, 0.5, false), t);
        QCOMPARE(biasMap(t, 0.5, true), t);
    }
}

void TestBiasMap::staysInRange()
{
    // The form's own steps (0.05), plus values just inside the exact-zero cases.
    for (int a = 0; a <= 20; ++a) {
        for (double amount : {a * 0.05, 1e-12, 1.0 - 1e-12}) {
            for (bool midpoint : {false, true}) {
                for (int i = 0; i <= 200; ++i) {
                    const double f = biasMap(i / 200.0, amount, midpoint);
                    QVERIFY(f >= 0.0 && f <= 1.0);
                }
                if (amount > 0.0 && amount < 1.0) {
                    QCOMPARE(biasMap(0.0, amount, midpoint), 0.0);
                    QCOMPARE(biasMap(1.0, amount, midpoint), 1.0);
                }
            }
        }
    }
    // Amounts one form step away from the ends still spread the ticks.
    QVERIFY(biasMap(0.5, 0.05, false) > 0.0 && biasMap(0.5, 0.05, false) < 1.0);
    QVERIFY(biasMap(0.5, 0.95, false) > 0.0 && biasMap(0.5, 0.95, false) < 1.0);
    // Out-of-range fractions are clamped.
    QCOMPARE(biasMap(2.0, 0.5, false), 1.0);
    QCOMPARE(biasMap(-1.0, 0.5, true), 0.0);
}

void TestBiasMap::nanPassesThrough()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(std::isnan(biasMap(nan, 0.5, false)));
    QVERIFY(std::isnan(biasMap(nan, 0.5, true)));
    QVERIFY(std::isnan(biasMap(0.5, nan, true)));
    // The exact-zero cases answer before the NaN could matter.
    QCOMPARE(biasMap(nan, 1.0, false), 0.0);
    QCOMPARE(biasMap(nan, 0.0, false), 1.0);
}

QTEST_GUILESS_MAIN(TestBiasMap)
#include "test_biasmap.moc"
