#include "gaugefile/gaugedocument.h"
#include "render/scalemap.h"

#include "unusuallayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

Q_DECLARE_METATYPE(valueScale)

namespace {

QJsonObject objectOf(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// The one layer of a document whose layer object holds `scale` as its
// "scale" value.
bool readScaledLayer(const QByteArray &scale, gaugeData *layer)
{
    QList<namedLayer> layers;
    const QByteArray document = "{\"layers\": [{\"name\": \"S\", \"scale\": " + scale + "}]}";
    if (!readGaugeDocument(document, layers) || layers.size() != 1)
        return false;
    *layer = layers.first().data;
    return true;
}

} // namespace

// The "scale" object of a layer: written only for a scale other than even,
// with only the keys its type uses, read leniently, and saved back exactly
// as it was read, however it is damaged.
class TestScaleJson : public QObject
{
    Q_OBJECT

private slots:
    void savesAsLoaded_data();
    void savesAsLoaded();
    void writesKeysTheTypeUses_data();
    void writesKeysTheTypeUses();
    void documentRoundTripsByteForByte();
};

void TestScaleJson::savesAsLoaded_data()
{
    QTest::addColumn<QByteArray>("scale");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("log") << QByteArray(R"({"type": "log", "from": 20, "to": 2000000})") << true;
    QTest::newRow("decibel") << QByteArray(R"({"type": "decibel", "from": -20, "to": 3})")
                             << true;
    QTest::newRow("power") << QByteArray(R"({"type": "power", "from": 0, "to": 10, "exponent": 0.5})")
                           << true;
    QTest::newRow("table")
        << QByteArray(R"({"type": "table", "from": -40, "to": 120, "points": [[-40, 0], [0, 0.25], [120, 1]]})")
        << true;
    // Scales that cannot be drawn, and objects the fields cannot carry.
    QTest::newRow("log from 0") << QByteArray(R"({"type": "log", "from": 0, "to": 1000})") << false;
    QTest::newRow("from = to") << QByteArray(R"({"type": "decibel", "from": 3, "to": 3})") << false;
    QTest::newRow("exponent -1")
        << QByteArray(R"({"type": "power", "from": 0, "to": 1, "exponent": -1})") << false;
    QTest::newRow("one point")
        << QByteArray(R"({"type": "table", "from": 0, "to": 1, "points": [[0, 0]]})") << false;
    QTest::newRow("values falling")
        << QByteArray(R"({"type": "table", "from": 0, "to": 1, "points": [[1, 0], [0, 1]]})")
        << false;
    QTest::newRow("point not two numbers")
        << QByteArray(R"({"type": "table", "from": 0, "to": 1, "points": [[0, 0], [1], "x"]})")
        << false;
    QTest::newRow("points not a list")
        << QByteArray(R"({"type": "table", "from": 0, "to": 1, "points": 7})") << false;
    QTest::newRow("unknown type") << QByteArray(R"({"type": "sqrt", "from": 1, "to": 9})") << false;
    QTest::newRow("type not text") << QByteArray(R"({"type": 3, "from": 1, "to": 9})") << false;
    QTest::newRow("from as text") << QByteArray(R"({"type": "log", "from": "1", "to": 1000})")
                                  << false;
    QTest::newRow("key of another type")
        << QByteArray(R"({"type": "log", "from": 1, "to": 1000, "exponent": 2})") << true;
    QTest::newRow("key left out") << QByteArray(R"({"type": "power", "to": 5})") << true;
    QTest::newRow("even, said outright") << QByteArray(R"({"type": "even"})") << false;
}

void TestScaleJson::savesAsLoaded()
{
    QFETCH(QByteArray, scale);
    QFETCH(bool, drawn);
    gaugeData layer;
    QVERIFY(readScaledLayer(scale, &layer));
    QCOMPARE(ScaleMap(layer.scale).isScaled(), drawn);
    if (!drawn && !layer.scale.isEven())
        QVERIFY(!ScaleMap(layer.scale).problem().isEmpty());

    const QJsonObject written = layerToJson(layer);
    QCOMPARE(written.value(QLatin1String("scale")).toObject(), objectOf(scale));
    QVERIFY(!isDefaultLayer(layer));

    // What is read back is the same layer, and writes the same bytes.
    const QByteArray bytes = writeGaugeDocument({namedLayer{QStringLiteral("S"), layer}});
    QList<namedLayer> again;
    QVERIFY(readGaugeDocument(bytes, again));
    QVERIFY(again.first().data == layer);
    QCOMPARE(writeGaugeDocument(again), bytes);
}

void TestScaleJson::writesKeysTheTypeUses_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<QByteArray>("json");

    valueScale s;
    s.from = 3;
    s.to = 30;
    s.exponent = 1.5;
    s.points = {{3, 0}, {30, 1}};
    QTest::newRow("even") << s << QByteArray();
    s.type = scaleType::log;
    QTest::newRow("log") << s << QByteArray(R"({"from": 3, "to": 30, "type": "log"})");
    s.type = scaleType::decibel;
    QTest::newRow("decibel") << s << QByteArray(R"({"from": 3, "to": 30, "type": "decibel"})");
    s.type = scaleType::power;
    QTest::newRow("power") << s
                           << QByteArray(R"({"exponent": 1.5, "from": 3, "to": 30, "type": "power"})");
    s.type = scaleType::table;
    QTest::newRow("table")
        << s << QByteArray(R"({"from": 3, "points": [[3, 0], [30, 1]], "to": 30, "type": "table"})");
}

void TestScaleJson::writesKeysTheTypeUses()
{
    QFETCH(valueScale, scale);
    QFETCH(QByteArray, json);
    gaugeData layer;
    layer.scale = scale;
    const QJsonObject object = layerToJson(layer);
    QCOMPARE(object.contains(QLatin1String("scale")), !json.isEmpty());
    QCOMPARE(isDefaultLayer(layer), json.isEmpty());
    if (!json.isEmpty())
        QCOMPARE(object.value(QLatin1String("scale")).toObject(), objectOf(json));

    // A scale that is not an object is ignored, like any ill-typed key.
    gaugeData read;
    QVERIFY(readScaledLayer("5", &read));
    QVERIFY(read.scale == valueScale());
}

void TestScaleJson::documentRoundTripsByteForByte()
{
    QList<namedLayer> layers;
    const QByteArray scales[] = {
        R"({"type": "log", "from": 1, "to": 10000})",
        R"({"type": "decibel", "from": -20, "to": 3})",
        R"({"type": "table", "from": -40, "to": 120, "points": [[-40, 0], [20, 0.36], [120, 1]]})",
        R"({"type": "power", "from": 5, "to": 5, "exponent": 2})",
    };
    for (const QByteArray &scale : scales) {
        gaugeData scaled;
        QVERIFY(readScaledLayer(scale, &scaled));
        gaugeData layer = unusualLayer();
        layer.scale = scaled.scale;
        layers.append(namedLayer{QString::fromLatin1(scale.left(20)), layer});
    }
    layers.append(namedLayer{QStringLiteral("plain"), unusualLayer()});

    const QByteArray bytes = writeGaugeDocument(layers);
    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(bytes, read));
    QCOMPARE(read.size(), layers.size());
    for (int i = 0; i < read.size(); ++i)
        QVERIFY(read.at(i).data == layers.at(i).data);
    QCOMPARE(writeGaugeDocument(read), bytes);
    // The layer without a scale is written as it always was.
    QVERIFY(!layerToJson(unusualLayer()).contains(QLatin1String("scale")));
}

QTEST_GUILESS_MAIN(TestScaleJson)
#include "test_scalejson.moc"
