#include "animation/ballistics.h"

#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(Ballistics)
Q_DECLARE_METATYPE(Pegs)

class TestBallistics : public QObject
{
    Q_OBJECT

private slots:
    void closedForm_data();
    void closedForm();
    void vuMovement();
    void pegsStopDead_data();
    void pegsStopDead();
    void checks_data();
    void checks();
};

namespace {

// Responses of a'' + 2 z w a' + w^2 a = w^2 u from rest at 0, for a unit
// step u = 1 and a unit ramp u = t, written the textbook way for each kind
// of damping.
double stepResponse(double w, double z, double t)
{
    if (z < 1) {
        const double wd = w * std::sqrt(1 - z * z);
        return 1 - std::exp(-z * w * t) * (std::cos(wd * t) + z * w / wd * std::sin(wd * t));
    }
    if (z == 1)
        return 1 - std::exp(-w * t) * (1 + w * t);
    const double r = std::sqrt(z * z - 1);
    const double l1 = -w * (z - r);
    const double l2 = -w * (z + r);
    return 1 + (l2 * std::exp(l1 * t) - l1 * std::exp(l2 * t)) / (l1 - l2);
}

double rampResponse(double w, double z, double t)
{
    if (z < 1) {
        const double wd = w * std::sqrt(1 - z * z);
        return t - 2 * z / w
            + std::exp(-z * w * t)
            * (2 * z / w * std::cos(wd * t) + (2 * z * z - 1) / wd * std::sin(wd * t));
    }
    if (z == 1)
        return t - 2 / w + std::exp(-w * t) * (2 / w + t);
    const double r = std::sqrt(z * z - 1);
    const double l1 = -w * (z - r);
    const double l2 = -w * (z + r);
    return t + (l2 * std::expm1(l1 * t) / l1 - l1 * std::expm1(l2 * t) / l2) / (l1 - l2);
}

NeedleMovement constantDrive(const Ballistics &ballistics, const Pegs &pegs, double drive,
                             double start)
{
    return NeedleMovement(
        ballistics, pegs, [drive](double) { return drive; }, 0.0, start);
}

} // namespace

void TestBallistics::closedForm_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("damping");
    QTest::addColumn<bool>("ramp");
    const struct
    {
        const char *name;
        double frequency;
        double damping;
    } movements[] = {
        {"underdamped", 2.0, 0.3},     {"lightly damped", 5.0, 0.05},
        {"undamped", 1.0, 0.0},        {"just under critical", 1.5, 0.999999},
        {"critically damped", 1.5, 1}, {"just over critical", 1.5, 1.000001},
        {"overdamped", 1.0, 2.5},      {"heavily overdamped", 50.0, 40.0},
    };
    for (const auto &m : movements) {
        QTest::addRow("%s, step", m.name) << m.frequency << m.damping << false;
        QTest::addRow("%s, ramp", m.name) << m.frequency << m.damping << true;
    }
}

void TestBallistics::closedForm()
{
    QFETCH(double, frequency);
    QFETCH(double, damping);
    QFETCH(bool, ramp);
    // 100 degrees, or 40 degrees a second.
    const double scale = ramp ? 40.0 : 100.0;
    NeedleMovement needle(
        Ballistics::damped(frequency, damping), Pegs::none(),
        [ramp, scale](double t) { return ramp ? scale * t : scale; }, 0.0, 0.0);
    const double w = 2 * M_PI * frequency;
    // Off the grid as well as on it, over several seconds of steps.
    for (double t = 0; t < 4.0; t += 0.01237) {
        const double expected =
            scale * (ramp ? rampResponse(w, damping, t) : stepResponse(w, damping, t));
        const double angle = needle.angleAt(t);
        QVERIFY2(std::abs(angle - expected) < 1e-7,
                 qPrintable(QStringLiteral("at %1 s: %2, not %3").arg(t).arg(angle).arg(expected)));
    }
}

void TestBallistics::vuMovement()
{
    NeedleMovement needle = constantDrive(Ballistics::vu(), Pegs::none(), 100.0, 0.0);
    // The first instant at 99 %: the response rises steadily until its peak.
    double low = 0.0;
    double high = 0.35;
    QVERIFY(needle.angleAt(high) > 99.0);
    while (high - low > 1e-9) {
        const double middle = (low + high) / 2;
        (needle.angleAt(middle) < 99.0 ? low : high) = middle;
    }
    QVERIFY2(high <= 0.300 + 1e-6 && high > 0.29, qPrintable(QString::number(high)));

    double peak = 0;
    for (double t = 0; t < 2.0; t += 1e-4)
        peak = std::max(peak, needle.angleAt(t));
    const double overshoot = (peak - 100.0) / 100.0;
    QVERIFY2(overshoot >= 0.01 && overshoot <= 0.015, qPrintable(QString::number(overshoot)));
}

void TestBallistics::pegsStopDead_data()
{
    QTest::addColumn<Ballistics>("ballistics");
    QTest::addColumn<Pegs>("pegs");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("peg");
    QTest::newRow("swinging into the upper peg")
        << Ballistics::damped(2, 0.2) << Pegs::between(0, 100) << 50.0 << 150.0 << 100.0;
    QTest::newRow("swinging onto the lower peg")
        << Ballistics::damped(2, 0.2) << Pegs::between(0, 100) << 50.0 << -80.0 << 0.0;
    QTest::newRow("overshoot of a drive to the peg itself")
        << Ballistics::damped(3, 0.1) << Pegs::between(0, 100) << 20.0 << 100.0 << 100.0;
    QTest::newRow("VU far past the end")
        << Ballistics::vu() << Pegs::between(-20, 3) << -20.0 << 1000.0 << 3.0;
    QTest::newRow("anticlockwise span")
        << Ballistics::damped(1, 0.5) << Pegs::between(-30, -150) << -90.0 << -400.0 << -150.0;
    QTest::newRow("quick needle") << Ballistics::damped(100, 0.01) << Pegs::between(0, 100) << 50.0
                                  << 101.0 << 100.0;
}

void TestBallistics::pegsStopDead()
{
    QFETCH(Ballistics, ballistics);
    QFETCH(Pegs, pegs);
    QFETCH(double, start);
    QFETCH(double, target);
    QFETCH(double, peg);
    // Pushed against a peg for 3 s, then let go back to the start.
    NeedleMovement needle(
        ballistics, pegs, [=](double t) { return t < 3.0 ? target : start; }, 0.0, start);
    double hit = -1;
    for (double t = 0; t < 2.999; t += 1e-4) {
        const double angle = needle.angleAt(t);
        QVERIFY(angle >= pegs.low && angle <= pegs.high);
        if (hit < 0 && angle == peg)
            hit = t;
        if (hit >= 0)
            QVERIFY2(
                angle == peg,
                qPrintable(
                    QStringLiteral("%1 s after reaching the peg, at %2").arg(t - hit).arg(angle)));
    }
    QVERIFY(hit >= 0);
    // Let go, it leaves the peg and settles where it started.
    QVERIFY(needle.angleAt(3.2) != peg);
    QVERIFY(std::abs(needle.angleAt(40.0) - start) < 1e-3);
}

void TestBallistics::checks_data()
{
    QTest::addColumn<Ballistics>("ballistics");
    QTest::addColumn<bool>("valid");
    QTest::newRow("none, whatever its numbers") << Ballistics{BallisticsKind::None, -1, -1} << true;
    QTest::newRow("quickest, most damped") << Ballistics::damped(100, 100) << true;
    QTest::newRow("no frequency") << Ballistics::damped(0, 1) << false;
    QTest::newRow("NaN damping") << Ballistics::damped(1, qQNaN()) << false;
}

void TestBallistics::checks()
{
    QFETCH(Ballistics, ballistics);
    QFETCH(bool, valid);
    QString error;
    QCOMPARE(checkBallistics(ballistics, &error), valid);
    QCOMPARE(error.isEmpty(), valid);
}

QTEST_GUILESS_MAIN(TestBallistics)
#include "test_ballistics.moc"
