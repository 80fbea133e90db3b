#include "animation/timeline.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>

class TestTimeline : public QObject
{
    Q_OBJECT

private slots:
    void frameRatesAgree_data();
    void frameRatesAgree();
    void sameBitsInAnyOrder();
    void partShowsTheWhole();
    void shownValue_data();
    void shownValue();
    void check();
};

namespace {

// -135 to +135 degrees, logarithmic from 1 to 1000 or linear from 0 to
// 100; a free needle goes round once from 0 to 100.
NeedleScale scale(bool log, bool free = false)
{
    NeedleScale scale;
    scale.angleOfValue = [log, free](double v) {
        if (log)
            return -135 + 90 * std::log10(std::max(v, 1e-300));
        return free ? 3.6 * v : -135 + 2.7 * v;
    };
    scale.startValue = log ? 1 : 0;
    scale.endValue = log ? 1000 : 100;
    scale.free = free;
    return scale;
}

// Ten seconds of uneven samples with jumps, the same every run.
Series recording(double high, Interpolation kind)
{
    QRandomGenerator random(42);
    QList<TimedValue> samples;
    for (double t = 0; t <= 10; t += 0.005 + random.bounded(0.2))
        samples.append({t, random.bounded(high)});
    return Series(samples, kind);
}

QList<NeedleMotion> needles()
{
    return {
        {ValueSource::series(recording(1500, Interpolation::MonotoneCubic)), Ballistics::vu(),
         scale(true)},
        {ValueSource::series(recording(110, Interpolation::Linear)), Ballistics::damped(5, 0.4),
         scale(false)},
        {ValueSource::series(recording(100, Interpolation::Linear)), Ballistics::damped(1.5, 0.15),
         scale(false, true)},
        {ValueSource::sweep({0, 100, 4, 0.5}), Ballistics::none(), scale(false)},
    };
}

bool sameBits(const NeedleState &a, const NeedleState &b)
{
    return std::memcmp(&a.angle, &b.angle, sizeof(double)) == 0
        && std::memcmp(&a.value, &b.value, sizeof(double)) == 0
        && std::memcmp(&a.drive, &b.drive, sizeof(double)) == 0;
}

} // namespace

void TestTimeline::frameRatesAgree_data()
{
    QTest::addColumn<int>("slow");
    QTest::addColumn<int>("fast");
    QTest::newRow("30 and 60") << 30 << 60;
    QTest::newRow("25 and 50") << 25 << 50;
    QTest::newRow("24 and 240") << 24 << 240;
}

void TestTimeline::frameRatesAgree()
{
    QFETCH(int, slow);
    QFETCH(int, fast);
    const qint64 ratio = fast / slow;
    Timeline a(needles(), {0.37, 8.0, slow});
    Timeline b(needles(), {0.37, 8.0, fast});
    QList<NeedleState> sa;
    QList<NeedleState> sb;
    for (qint64 k = 0; k * ratio < b.frameCount(); ++k) {
        // Every frame of the quicker animation is worked out, as its export
        // would; the common ones are compared.
        for (qint64 j = ratio - 1; j >= 0; --j)
            b.frame(k * ratio + j, &sb);
        a.frame(k, &sa);
        for (qsizetype i = 0; i < sa.size(); ++i) {
            QVERIFY2(std::abs(sa[i].angle - sb[i].angle) <= 1e-6,
                     qPrintable(QStringLiteral("needle %1 at frame %2: %3 and %4")
                                    .arg(i)
                                    .arg(k)
                                    .arg(sa[i].angle, 0, 'g', 17)
                                    .arg(sb[i].angle, 0, 'g', 17)));
        }
    }
}

void TestTimeline::sameBitsInAnyOrder()
{
    const FrameRange range{0.0, 10.0, 60};
    Timeline inOrder(needles(), range);
    QList<QList<NeedleState>> expected;
    QList<qint64> shuffled;
    for (qint64 n = 0; n < inOrder.frameCount(); ++n) {
        expected.append(inOrder.frame(n));
        shuffled.append(n);
    }
    std::shuffle(shuffled.begin(), shuffled.end(), *QRandomGenerator::global());
    Timeline timeline(needles(), range);
    for (const qint64 n : shuffled) {
        const QList<NeedleState> states = timeline.frame(n);
        for (qsizetype i = 0; i < states.size(); ++i)
            QVERIFY2(sameBits(states[i], expected[n][i]),
                     qPrintable(QStringLiteral("needle %1, frame %2").arg(i).arg(n)));
    }
}

void TestTimeline::partShowsTheWhole()
{
    // Each needle of a part starts early enough to have forgotten its
    // start, so it stands where the needle of the whole does.
    Timeline whole(needles(), {0.0, 10.0, 30});
    Timeline part(needles(), {4.0, 6.0, 30});
    for (qint64 n = 0; n < part.frameCount(); ++n) {
        const QList<NeedleState> a = part.frame(n);
        const QList<NeedleState> b = whole.frame(120 + n);
        for (qsizetype i = 0; i < a.size(); ++i) {
            QVERIFY2(std::abs(a[i].angle - b[i].angle) <= 1e-6,
                     qPrintable(QStringLiteral("needle %1 at %2 s: %3 and %4")
                                    .arg(i)
                                    .arg(part.frameTime(n))
                                    .arg(a[i].angle)
                                    .arg(b[i].angle)));
        }
    }
}

void TestTimeline::shownValue_data()
{
    QTest::addColumn<double>("drive");
    QTest::addColumn<bool>("moving");
    QTest::addColumn<bool>("log");
    QTest::addColumn<bool>("free");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("value");
    QTest::newRow("follows") << 25.0 << false << false << false << -67.5 << 25.0;
    QTest::newRow("follows to the peg") << 150.0 << false << false << false << 135.0 << 100.0;
    QTest::newRow("follows, free") << 150.0 << false << false << true << 540.0 << 150.0;
    QTest::newRow("moves, log scale")
        << 200.0 << true << true << false << -135 + 90 * std::log10(200.0) << 200.0;
    QTest::newRow("moves to the peg") << 0.1 << true << true << false << -135.0 << 1.0;
}

void TestTimeline::shownValue()
{
    QFETCH(double, drive);
    QFETCH(bool, moving);
    QFETCH(bool, log);
    QFETCH(bool, free);
    QFETCH(double, angle);
    QFETCH(double, value);
    // A moving needle has long settled by the last frame.
    const NeedleMotion motion{ValueSource::series(Series({{0, 1}, {0.5, drive}})),
                              moving ? Ballistics::vu() : Ballistics::none(), scale(log, free)};
    Timeline timeline({motion}, {0, 10, 25});
    const NeedleState state = timeline.frame(timeline.frameCount() - 1).constFirst();
    QCOMPARE(state.drive, drive);
    QVERIFY2(std::abs(state.angle - angle) < 1e-9, qPrintable(QString::number(state.angle)));
    QVERIFY2(std::abs(state.value - value) < 1e-9 * value,
             qPrintable(QString::number(state.value)));
}

void TestTimeline::check()
{
    QList<NeedleMotion> motions = needles();
    QString error;
    QVERIFY(Timeline::check(motions, {0, 10, 30}, &error));
    QVERIFY(!Timeline::check(motions, {0, 10, 0}, &error));
    motions[1].ballistics = Ballistics::damped(500, 1);
    QVERIFY(!Timeline::check(motions, {0, 10, 30}, &error));
    QVERIFY2(error.contains(QLatin1String("Needle 2")), qPrintable(error));
    motions = needles();
    motions[0].scale.endValue = qQNaN();
    QVERIFY(!Timeline::check(motions, {0, 10, 30}, &error));
    QVERIFY2(error.contains(QLatin1String("Needle 1")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestTimeline)
#include "test_timeline.moc"
