#include "model/gaugedata.h"

#include <QMetaType>
#include <QTest>

class TestGaugeData : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void comparesColoursAndFont();
    void registeredByName();
};

void TestGaugeData::defaults()
{
    const gaugeData g;
    QCOMPARE(g.startAngle, 0.0);
    QCOMPARE(g.angleLength, 120.0);
    QCOMPARE(g.bias, 0.5);
    QVERIFY(!g.midpointBias && !g.roundedTickCaps && !g.roundedArcCaps);
    QCOMPARE(g.divisionCount, (std::array<int, 3>{4, 1, 1}));
    QCOMPARE(g.divisionInnerRadius, (std::array<double, 3>{0.8, 0.9, 0.95}));
    QCOMPARE(g.divisionOuterRadius, (std::array<double, 3>{1, 1, 1}));
    QCOMPARE(g.divisionWidth, (std::array<double, 3>{0, 0, 0}));
    for (const QColor &c : g.divisionColor)
        QCOMPARE(c, QColor(0xff, 0xff, 0xff));
    QCOMPARE(g.arcAngleLength, (std::array<double, 4>{120, 0, 0, 0}));
    QCOMPARE(g.arcStartAngle, (std::array<double, 4>{0, 0, 0, 0}));
    QCOMPARE(g.arcRadius, (std::array<double, 4>{1, 1, 1, 1}));
    QCOMPARE(g.arcColor[0].name(), QStringLiteral("#00ff00"));
    QCOMPARE(g.arcColor[1].name(), QStringLiteral("#ffff00"));
    QCOMPARE(g.arcColor[2].name(), QStringLiteral("#ff0000"));
    QCOMPARE(g.arcColor[3].name(), QStringLiteral("#ffffff"));
    QVERIFY(g.tickCountEnabled && !g.tickCountRotate && !g.tickCountSkipFirst);
    QCOMPARE(g.tickCountStart, 0.0);
    QCOMPARE(g.tickCountIncrement, 1.0);
    QCOMPARE(g.tickCountDecimalPlaces, 0);
    QCOMPARE(g.tickCountRadius, 0.74);
    QCOMPARE(g.tickCountFont, QFont(QStringLiteral("Sans Serif"), 10, -1, false));
    QCOMPARE(g.tickCountColor.name(), QStringLiteral("#ffffff"));
}

void TestGaugeData::comparesColoursAndFont()
{
    // The comparison is written out field by field, and the other tests rely
    // on it to see any change; the form tests show it for every number and
    // flag, this for the colours and the font.
    const gaugeData a;
    gaugeData b = a;
    QVERIFY(a == b);
    b.arcColor[3] = QColor(Qt::white).darker(101);
    QVERIFY(a != b);
    b = a;
    b.tickCountFont.setBold(true);
    QVERIFY(a != b);
}

void TestGaugeData::registeredByName()
{
    registerGaugeDataMetaType();
    const QMetaType type = QMetaType::fromName("gaugeData");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<gaugeData>());
}

QTEST_GUILESS_MAIN(TestGaugeData)
#include "test_gaugedata.moc"
