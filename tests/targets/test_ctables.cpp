#include "targets/ctables.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(AngleUnit)

class TestCTables : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void refused_data();
    void refused();
};

void TestCTables::rows_data()
{
    QTest::addColumn<AngleUnit>("unit");
    QTest::addColumn<QByteArray>("table");

    // Halves away from zero: -0.5 tenths is -1, 0.5 is 1.
    QTest::newRow("tenths of a degree")
        << AngleUnit::TenthsOfDegree
        << QByteArray("    int32_t angle;\n} speed_angles[SPEED_ANGLE_COUNT] = {\n"
                      "    {0.0f, -1350},\n    {0.1f, -1},\n    {50.0f, 0},\n"
                      "    {-2.5f, 1},\n    {1e+20f, 1350},\n    {1.0f, 327674},\n};\n");
    QTest::newRow("degrees") << AngleUnit::Degrees
                             << QByteArray("    int16_t angle;\n} speed_angles[SPEED_ANGLE_COUNT] "
                                           "= {\n    {0.0f, -135},\n    {0.1f, 0},\n"
                                           "    {50.0f, 0},\n    {-2.5f, 0},\n"
                                           "    {1e+20f, 135},\n    {1.0f, 32767},\n};\n");
}

void TestCTables::rows()
{
    QFETCH(AngleUnit, unit);
    QFETCH(QByteArray, table);

    const QList<NeedleAngle> rows = {{0.0, -135.0}, {0.1, -0.05},   {50.0, 0.0},
                                     {-2.5, 0.05},  {1e20, 135.04}, {1.0, 32767.4}};
    QByteArray code;
    QString error;
    QVERIFY2(cAngleTable(rows, "speed", unit, &code, &error), qPrintable(error));
    QVERIFY(code.contains("\n#define SPEED_ANGLE_COUNT 6\n"));
    QVERIFY2(code.endsWith(table), code.constData());

    QVERIFY(cPivotDefines("needle", QPoint(12, -3), &code));
    QCOMPARE(code, QByteArray("#define NEEDLE_PIVOT_X 12\n#define NEEDLE_PIVOT_Y -3\n"));
    QVERIFY(!cPivotDefines("needle\n#define X", QPoint(), &code));
}

void TestCTables::refused_data()
{
    QTest::addColumn<QList<NeedleAngle>>("rows");
    QTest::addColumn<AngleUnit>("unit");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("no rows") << QList<NeedleAngle>() << AngleUnit::Degrees;
    QTest::newRow("no value") << QList<NeedleAngle>{{0, 0}, {nan, 10}} << AngleUnit::Degrees;
    QTest::newRow("endless angle") << QList<NeedleAngle>{{0, inf}} << AngleUnit::TenthsOfDegree;
    QTest::newRow("beyond a float") << QList<NeedleAngle>{{1e39, 0}} << AngleUnit::Degrees;
    QTest::newRow("beyond int16_t") << QList<NeedleAngle>{{0, 32767.5}} << AngleUnit::Degrees;
    QTest::newRow("beyond int32_t")
        << QList<NeedleAngle>{{0, -214748364.8}} << AngleUnit::TenthsOfDegree;
}

void TestCTables::refused()
{
    QFETCH(QList<NeedleAngle>, rows);
    QFETCH(AngleUnit, unit);

    QByteArray code("unchanged");
    QString error;
    QVERIFY(!cAngleTable(rows, "speed", unit, &code, &error));
    QCOMPARE(code, QByteArray("unchanged"));
    QVERIFY(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
    QVERIFY(!cAngleTable({{0, 0}}, "speed table", unit, &code));
}

QTEST_GUILESS_MAIN(TestCTables)
#include "test_ctables.moc"
