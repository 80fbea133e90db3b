#include "model/gaugedata.h"

#include <QMetaType>
#include <QTest>

#include <functional>

using Change = std::function<void(gaugeData &)>;
Q_DECLARE_METATYPE(Change)

class TestGaugeData : public QObject
{
    Q_OBJECT

private slots:
    void comparesEveryField_data();
    void comparesEveryField();
    void registeredByName();
};

void TestGaugeData::comparesEveryField_data()
{
    QTest::addColumn<Change>("change");
    // The comparison is written out field by field, and the document, the
    // preview's cache and the tests rely on it to see any change.
    QTest::newRow("colour") << Change(
        [](gaugeData &g) { g.arcColor[3] = QColor(Qt::white).darker(101); });
    QTest::newRow("font") << Change([](gaugeData &g) { g.tickCountFont.setBold(true); });
    QTest::newRow("scale") << Change([](gaugeData &g) { g.scale.exponent = 3.0; });
    QTest::newRow("label texts") << Change([](gaugeData &g) { g.tickCountTexts = {"E"}; });
    QTest::newRow("text") << Change([](gaugeData &g) { g.texts.append(faceText()); });
    QTest::newRow("picture") << Change([](gaugeData &g) { g.pictures.append(facePicture()); });
    QTest::newRow("needles") << Change([](gaugeData &g) { g.needles.append(gaugeNeedle()); });
    QTest::newRow("needle value") << Change([](gaugeData &g) { g.needles[0].value = 1e-300; });
    QTest::newRow("needle shadow")
        << Change([](gaugeData &g) { g.needles[0].shadow.color.setAlpha(1); });
    QTest::newRow("needle pivot") << Change([](gaugeData &g) { g.needles[0].pivot.ry() = 2.0; });
}

void TestGaugeData::comparesEveryField()
{
    QFETCH(Change, change);
    gaugeData a;
    a.needles = {gaugeNeedle()};
    gaugeData b = a;
    QVERIFY(a == b);
    change(b);
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
