#include "gaugefile/gaugedocument.h"
#include "render/scalemap.h"

#include "unusuallayer.h"

#include <QJsonDocument>
#include <QTest>

// The "scale" object of a layer: written only for a scale other than even,
// with only the keys its type uses, read leniently, and saved back exactly
// as it was read, however it is damaged.
class TestScaleJson : public QObject
{
    Q_OBJECT

private slots:
    void savesAsLoaded_data();
    void savesAsLoaded();
    void evenWritesNothing();
};

void TestScaleJson::savesAsLoaded_data()
{
    QTest::addColumn<QByteArray>("scale");
    QTest::addColumn<bool>("drawn");
    // Written by the program itself: only the keys the type uses.
    QTest::newRow("log") << QByteArray(R"({"from": 20, "to": 2000000, "type": "log"})") << true;
    QTest::newRow("decibel") << QByteArray(R"({"from": -20, "to": 3, "type": "decibel"})") << true;
    QTest::newRow("power")
        << QByteArray(R"({"exponent": 0.5, "from": 0, "to": 10, "type": "power"})") << true;
    QTest::newRow("table")
        << QByteArray(R"({"from": -40, "points": [[-40, 0], [0, 0.25], [120, 1]], "to": 120, "type": "table"})")
        << true;
    // Scales that cannot be drawn, and objects the fields cannot carry.
    QTest::newRow("log from 0") << QByteArray(R"({"from": 0, "to": 1000, "type": "log"})") << false;
    QTest::newRow("values falling")
        << QByteArray(R"({"from": 0, "points": [[1, 0], [0, 1]], "to": 1, "type": "table"})")
        << false;
    QTest::newRow("point not two numbers")
        << QByteArray(R"({"from": 0, "points": [[0, 0], [1], "x"], "to": 1, "type": "table"})")
        << false;
    QTest::newRow("points not a list")
        << QByteArray(R"({"from": 0, "points": 7, "to": 1, "type": "table"})") << false;
    QTest::newRow("unknown type") << QByteArray(R"({"from": 1, "to": 9, "type": "sqrt"})") << false;
    QTest::newRow("type not text") << QByteArray(R"({"from": 1, "to": 9, "type": 3})") << false;
    QTest::newRow("from as text") << QByteArray(R"({"from": "1", "to": 1000, "type": "log"})")
                                  << false;
    QTest::newRow("key of another type")
        << QByteArray(R"({"exponent": 2, "from": 1, "to": 1000, "type": "log"})") << true;
    QTest::newRow("key left out") << QByteArray(R"({"to": 5, "type": "power"})") << true;
    QTest::newRow("even, said outright") << QByteArray(R"({"type": "even"})") << false;
}

void TestScaleJson::savesAsLoaded()
{
    QFETCH(QByteArray, scale);
    QList<namedLayer> layers;
    QVERIFY(readGaugeDocument("{\"layers\": [{\"name\": \"S\", \"scale\": " + scale + "}]}", layers));
    const gaugeData layer = layers.first().data;
    QTEST(ScaleMap(layer.scale).isScaled(), "drawn");
    QCOMPARE(ScaleMap(layer.scale).problem().isEmpty(),
             ScaleMap(layer.scale).isScaled() || layer.scale.isEven());

    QCOMPARE(layerToJson(layer).value(QLatin1String("scale")).toObject(),
             QJsonDocument::fromJson(scale).object());
    QVERIFY(!isDefaultLayer(layer));

    // Beside a layer without a scale, in a whole document, byte for byte.
    layers.append(namedLayer{QStringLiteral("plain"), unusualLayer()});
    const QByteArray bytes = writeGaugeDocument(layers);
    QList<namedLayer> again;
    QVERIFY(readGaugeDocument(bytes, again));
    QVERIFY(again.first().data == layer);
    QCOMPARE(writeGaugeDocument(again), bytes);
}

void TestScaleJson::evenWritesNothing()
{
    // An even scale keeps its values for the form, but the file is as it
    // was before scales existed; a scale that is not an object is ignored.
    gaugeData layer;
    layer.scale.from = 3;
    layer.scale.exponent = 5;
    QVERIFY(!layerToJson(layer).contains(QLatin1String("scale")));
    QVERIFY(isDefaultLayer(layer));
    QList<namedLayer> layers;
    QVERIFY(readGaugeDocument(R"({"layers": [{"scale": 5}]})", layers));
    QVERIFY(layers.first().data == gaugeData());
}

QTEST_GUILESS_MAIN(TestScaleJson)
#include "test_scalejson.moc"
