#include "animation/frames.h"

#include <QTest>

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void refused_data();
    void refused();
};

void TestFrames::counts_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("fps");
    QTest::addColumn<qint64>("count");
    QTest::newRow("10 s at 60") << 0.0 << 10.0 << 60 << qint64(600);
    QTest::newRow("0.1 to 0.3 at 30") << 0.1 << 0.3 << 30 << qint64(6);
    QTest::newRow("shorter than a frame") << 0.0 << 0.01 << 24 << qint64(1);
    QTest::newRow("before zero") << -2.0 << 2.0 << 25 << qint64(100);
    QTest::newRow("a day at the highest rate") << 0.0 << 86400.0 << 240 << qint64(20'736'000);
    QTest::newRow("time stamps") << 1.7e9 << 1.7e9 + 10 << 60 << qint64(600);
    QTest::newRow("odd rate") << 0.0 << 1.0 << 7 << qint64(7);
}

void TestFrames::counts()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, fps);
    QFETCH(qint64, count);
    const FrameRange range{from, to, fps};
    QVERIFY(checkFrameRange(range));
    QCOMPARE(frameCount(range), count);
    QCOMPARE(frameTime(range, 0), from);
    // The last frame falls before the end, the next would not (within the
    // billionth the count forgives).
    QVERIFY(frameTime(range, count - 1) < to);
    QVERIFY(frameTime(range, count) >= to - 1e-9 * (to - from));
}

void TestFrames::refused_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("fps");
    QTest::newRow("no frame rate") << 0.0 << 1.0 << 0;
    QTest::newRow("above the highest rate") << 0.0 << 1.0 << 241;
    QTest::newRow("no length") << 5.0 << 5.0 << 30;
    QTest::newRow("longer than a day") << 0.0 << 86400.5 << 1;
    QTest::newRow("beyond the time limit") << 2e10 << 2e10 + 1 << 30;
}

void TestFrames::refused()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, fps);
    const FrameRange range{from, to, fps};
    QString error;
    QVERIFY(!checkFrameRange(range, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(frameCount(range), qint64(0));
}

QTEST_GUILESS_MAIN(TestFrames)
#include "test_frames.moc"
