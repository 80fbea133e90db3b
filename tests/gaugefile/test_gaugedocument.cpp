#include "gaugefile/gaugedocument.h"

#include "unusuallayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(namedLayer)

namespace {

// One document holding a single layer object given as JSON text.
QByteArray documentWithLayer(const QByteArray &layerObject)
{
    return "{\"layers\": [" + layerObject + "]}";
}

gaugeData readSingleLayer(const QByteArray &layerObject)
{
    QList<namedLayer> layers;
    QString error;
    if (!readGaugeDocument(documentWithLayer(layerObject), layers, &error) || layers.size() != 1) {
        qWarning() << "document rejected:" << error;
        return gaugeData();
    }
    return layers.first().data;
}

} // namespace

class TestGaugeDocument : public QObject
{
    Q_OBJECT

private slots:
    void writesDefaultGauge();
    void roundTrips();
    void writesIntegersAndColours();
    void rejectsWithReason_data();
    void rejectsWithReason();
    void keepsDefaultsForWrongTypes_data();
    void keepsDefaultsForWrongTypes();
    void readsIntegerRules();
    void readsColours_data();
    void readsColours();
    void readsPartialArrays();
    void rebuildsFont();
    void writesBoldAndItalicByThreshold();
    void testsDefaultLayer();
    void survivesHostileDocuments_data();
    void survivesHostileDocuments();
    void loadsLayersUpToTheLimit();
};

void TestGaugeDocument::writesDefaultGauge()
{
    const QByteArray bytes = writeGaugeDocument({namedLayer{QStringLiteral("Layer 1"), gaugeData()}});
    const QJsonObject top = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(top.keys(), (QStringList{"format", "layers", "version"}));
    QCOMPARE(top.value("format").toString(), QStringLiteral("dialwright.gauge"));
    QVERIFY(bytes.contains("\"version\": 2\n") || bytes.contains("\"version\": 2,"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));

    QList<namedLayer> layers;
    QVERIFY(readGaugeDocument(bytes, layers));
    QCOMPARE(layers.size(), 1);
    QCOMPARE(layers.first().name, QStringLiteral("Layer 1"));
    QVERIFY(isDefaultLayer(layers.first().data));
}

void TestGaugeDocument::roundTrips()
{
    gaugeData extreme;
    extreme.bias = 5; // nothing read is clamped
    extreme.divisionCount = {std::numeric_limits<int>::max(), 0, -3};
    extreme.tickCountDecimalPlaces = std::numeric_limits<int>::min();
    extreme.tickCountRadius = 1e300;
    extreme.startAngle = 0.1 + 0.2; // needs all 17 digits to come back exactly
    extreme.arcWidth[3] = 1e-7;
    const QList<namedLayer> written{
        {QString(), unusualLayer()},
        {QStringLiteral("  spaced \"quoted\" \u00d8l\u00e9 \U0001F600 "), extreme},
        {QStringLiteral("Layer 3"), gaugeData()}};

    const QByteArray bytes = writeGaugeDocument(written);
    QList<namedLayer> read;
    QString error = QStringLiteral("untouched");
    QVERIFY(readGaugeDocument(bytes, read, &error));
    QCOMPARE(error, QStringLiteral("untouched"));
    QCOMPARE(read.size(), written.size());
    for (int i = 0; i < written.size(); ++i) {
        QCOMPARE(read.at(i).name, written.at(i).name);
        QCOMPARE(layerToJson(read.at(i).data), layerToJson(written.at(i).data));
    }
    // Saving what was loaded gives the same file back.
    QCOMPARE(writeGaugeDocument(read), bytes);
}

void TestGaugeDocument::writesIntegersAndColours()
{
    const QByteArray bytes = writeGaugeDocument({namedLayer{QStringLiteral("x"), unusualLayer()}});
    QVERIFY2(bytes.contains("\"count\": 9,"), bytes.constData());
    QVERIFY(bytes.contains("\"decimalPlaces\": 3,"));
    QVERIFY(bytes.contains("\"pointSize\": 14"));
    QVERIFY(bytes.contains("\"angleLength\": 270,"));
    QVERIFY(bytes.contains("\"radius\": 0.6,"));
    QVERIFY(bytes.contains("\"color\": \"#102030\""));
    QVERIFY(bytes.contains("\"color\": \"#abcdef\""));
    QVERIFY(!bytes.contains("270.0"));
    // Indented, keys in ascending order.
    QVERIFY(bytes.contains("\n    \"layers\": ["));
    QVERIFY(bytes.indexOf("\"format\"") < bytes.indexOf("\"layers\""));
    QVERIFY(bytes.indexOf("\"arcs\"") < bytes.indexOf("\"divisions\""));
}

void TestGaugeDocument::rejectsWithReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QString legacy = QStringLiteral(
        "It is not valid JSON, and does not look like a gauge file from an earlier version either.");
    QTest::newRow("no bytes") << QByteArray() << QStringLiteral("The file is empty.");
    QTest::newRow("white space") << QByteArray(" \t\r\n\v\f ") << QStringLiteral("The file is empty.");
    QTest::newRow("empty object") << QByteArray("{}") << QStringLiteral("The file contains no layers.");
    QTest::newRow("empty array") << QByteArray("{\"layers\": []}")
                                 << QStringLiteral("The file contains no layers.");
    QTest::newRow("string") << QByteArray("{\"layers\": \"Layer 1\"}")
                            << QStringLiteral("The file contains no layers.");
    QTest::newRow("text") << QByteArray("hello") << legacy;
    QTest::newRow("array at top") << QByteArray("[{\"layers\": [{}]}]") << legacy;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF{\"layers\": [{}]}") << legacy;
    QTest::newRow("syntax error, second line")
        << QByteArray("\n\n{\"layers\": [\n  {\"name\": }\n]}")
        << QStringLiteral("object is missing after a comma at line 4, column 13");
    QTest::newRow("unterminated") << QByteArray("{\"layers\": [") << QString();
}

void TestGaugeDocument::rejectsWithReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    QList<namedLayer> layers{namedLayer{QStringLiteral("stale"), gaugeData()}};
    QString error;
    QVERIFY(!readGaugeDocument(bytes, layers, &error));
    QVERIFY(layers.isEmpty());
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(u'\n'));
    if (!reason.isEmpty())
        QCOMPARE(error, reason);
    QVERIFY(!readGaugeDocument(bytes, layers)); // no place for the reason
}

void TestGaugeDocument::keepsDefaultsForWrongTypes_data()
{
    QTest::addColumn<QByteArray>("layerObject");

    QTest::newRow("not an object") << QByteArray("1");
    QTest::newRow("sections of the wrong type")
        << QByteArray(R"({"gauge": [], "divisions": {}, "arcs": "x", "ticks": 3})");
    QTest::newRow("values of the wrong type")
        << QByteArray(R"({"gauge": {"startAngle": "10", "angleLength": null, "bias": true,
                                    "midpointBias": 1, "roundedTickCaps": "true",
                                    "roundedArcCaps": {}},
                          "divisions": [{"count": "4", "innerRadius": "0.1", "color": 16777215}],
                          "arcs": [{"startAngle": [], "color": "not a colour"}],
                          "ticks": {"enabled": 0, "start": false, "decimalPlaces": 2.5,
                                    "font": {"family": 7, "pointSize": "12", "bold": 1,
                                             "italic": "yes"},
                                    "color": ""}})");
    QTest::newRow("unknown keys, any version and format")
        << QByteArray(R"({"version": 99, "format": "other", "extra": {"a": [1, 2]}})");
}

void TestGaugeDocument::keepsDefaultsForWrongTypes()
{
    QFETCH(QByteArray, layerObject);

    QList<namedLayer> layers;
    QVERIFY(readGaugeDocument(documentWithLayer(layerObject), layers));
    QCOMPARE(layers.size(), 1);
    QCOMPARE(layers.first().name, QString());
    QCOMPARE(layerToJson(layers.first().data), layerToJson(gaugeData()));
}

void TestGaugeDocument::readsIntegerRules()
{
    gaugeData layer = readSingleLayer(R"({"gauge": {"bias": 1, "angleLength": 5},
        "divisions": [{"count": 2.5}, {"count": 3000000000}, {"count": -2147483648}],
        "ticks": {"decimalPlaces": 2147483647, "font": {"pointSize": 1e300}}})");
    QCOMPARE(layer.bias, 1.0);
    QCOMPARE(layer.angleLength, 5.0);
    QCOMPARE(layer.divisionCount[0], 4);
    QCOMPARE(layer.divisionCount[1], 1);
    QCOMPARE(layer.divisionCount[2], std::numeric_limits<int>::min());
    QCOMPARE(layer.tickCountDecimalPlaces, std::numeric_limits<int>::max());
    QCOMPARE(layer.tickCountFont.pointSize(), 10);

    layer = readSingleLayer(R"({"divisions": [{"count": 7.0}],
                                "ticks": {"decimalPlaces": 2147483648, "radius": 5}})");
    QCOMPARE(layer.divisionCount[0], 7);
    QCOMPARE(layer.tickCountDecimalPlaces, 0);
    QCOMPARE(layer.tickCountRadius, 5.0);

    QJsonObject object{{"big", 1e10}, {"negativeZero", -0.0}, {"bool", true}};
    QCOMPARE(jsonInt(object, "big", -1), -1);
    QCOMPARE(jsonInt(object, "negativeZero", -1), 0);
    QCOMPARE(jsonInt(object, "bool", -1), -1);
    QCOMPARE(jsonInt(object, "absent", -1), -1);
    QCOMPARE(jsonBool(object, "big", false), false);
    QCOMPARE(jsonDouble(object, "bool", 2.5), 2.5);
}

void TestGaugeDocument::readsColours_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expectedArgb");

    const QString unchanged = QColor(Qt::white).name(QColor::HexArgb);
    QTest::newRow("six digits") << QByteArray("\"#12ab9F\"") << QStringLiteral("#ff12ab9f");
    QTest::newRow("three digits") << QByteArray("\"#f00\"") << QStringLiteral("#ffff0000");
    QTest::newRow("with alpha") << QByteArray("\"#80ff0000\"") << QStringLiteral("#80ff0000");
    QTest::newRow("twelve digits") << QByteArray("\"#ffff00000000\"") << QStringLiteral("#ffff0000");
    QTest::newRow("name") << QByteArray("\"darkblue\"") << QStringLiteral("#ff00008b");
    QTest::newRow("not a colour") << QByteArray("\"#12\"") << unchanged;
    QTest::newRow("number") << QByteArray("255") << unchanged;
    QTest::newRow("null") << QByteArray("null") << unchanged;
}

void TestGaugeDocument::readsColours()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, expectedArgb);

    const gaugeData layer = readSingleLayer("{\"divisions\": [{\"color\": " + value
                                            + "}], \"ticks\": {\"color\": " + value + "}}");
    QCOMPARE(layer.divisionColor[0].name(QColor::HexArgb), expectedArgb);
    QCOMPARE(layer.tickCountColor.name(QColor::HexArgb), expectedArgb);
    QCOMPARE(layer.arcColor[0], QColor(Qt::green));

    // Written back opaque.
    const QJsonObject written = layerToJson(layer);
    QCOMPARE(written["ticks"].toObject()["color"].toString(), "#" + expectedArgb.mid(3));
}

void TestGaugeDocument::readsPartialArrays()
{
    gaugeData layer = readSingleLayer(R"({"divisions": [{"count": 9, "width": 2}]})");
    QCOMPARE(layer.divisionCount, (std::array<int, 3>{9, 1, 1}));
    QCOMPARE(layer.divisionWidth, (std::array<double, 3>{2, 0, 0}));

    layer = readSingleLayer(R"({"divisions": [{"count": 11}, {"count": 12}, {"count": 13},
                                              {"count": 14}, {"count": 15}],
                                "arcs": [{"radius": 0.1}, {"radius": 0.2}, "skip",
                                         {"radius": 0.4}, {"radius": 0.5}, {"radius": 0.6}]})");
    QCOMPARE(layer.divisionCount, (std::array<int, 3>{11, 12, 13}));
    QCOMPARE(layer.arcRadius, (std::array<double, 4>{0.1, 0.2, 1.0, 0.4}));

    // A section with some keys overlays only those.
    layer = readSingleLayer(R"({"arcs": [{}, {"angleLength": 45, "color": "#0000ff"}]})");
    QCOMPARE(layer.arcAngleLength, (std::array<double, 4>{120, 45, 0, 0}));
    QCOMPARE(layer.arcColor[1], QColor(Qt::blue));
    QCOMPARE(layer.arcColor[0], QColor(Qt::green));
}

void TestGaugeDocument::rebuildsFont()
{
    gaugeData layer = readSingleLayer(R"({"ticks": {"font": {"family": "DejaVu Sans Mono"}}})");
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(layer.tickCountFont.pointSize(), 10);
    QCOMPARE(layer.tickCountFont.weight(), QFont::Normal);
    QCOMPARE(layer.tickCountFont.style(), QFont::StyleNormal);

    layer = readSingleLayer(R"({"ticks": {"font": {"pointSize": 24, "bold": true, "italic": true}}})");
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("Sans Serif"));
    QCOMPARE(layer.tickCountFont.pointSize(), 24);
    QCOMPARE(layer.tickCountFont.weight(), QFont::Bold);
    QCOMPARE(layer.tickCountFont.style(), QFont::StyleItalic);

    // Overlaying keeps family and size where keys are missing but drops every
    // other attribute; bold and italic fall back to off, not to the old font.
    gaugeData previous;
    previous.tickCountFont = QFont(QStringLiteral("DejaVu Serif"), 31, QFont::Black, true);
    previous.tickCountFont.setUnderline(true);
    layerFromJson(previous, QJsonObject{{"ticks", QJsonObject{{"font", QJsonObject{}}}}});
    QCOMPARE(previous.tickCountFont.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(previous.tickCountFont.pointSize(), 31);
    QCOMPARE(previous.tickCountFont.weight(), QFont::Normal);
    QCOMPARE(previous.tickCountFont.italic(), false);
    QCOMPARE(previous.tickCountFont.underline(), false);
}

void TestGaugeDocument::writesBoldAndItalicByThreshold()
{
    auto fontObject = [](const QFont &font) {
        gaugeData layer;
        layer.tickCountFont = font;
        return layerToJson(layer)["ticks"].toObject()["font"].toObject();
    };
    QFont font(QStringLiteral("Sans Serif"), 10);
    font.setWeight(QFont::Medium);
    QCOMPARE(fontObject(font)["bold"].toBool(), false);
    font.setWeight(QFont::DemiBold);
    QCOMPARE(fontObject(font)["bold"].toBool(), true);
    font.setStyle(QFont::StyleOblique);
    QCOMPARE(fontObject(font)["italic"].toBool(), true);

    gaugeData layer;
    layer.tickCountFont = font;
    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(writeGaugeDocument({namedLayer{QString(), layer}}), read));
    QCOMPARE(read.first().data.tickCountFont.weight(), QFont::Bold);
    QCOMPARE(read.first().data.tickCountFont.style(), QFont::StyleItalic);

    // Underline and strikeout, which the labels show, are kept, and written
    // only when they are on.
    QVERIFY(!fontObject(font).contains(QLatin1String("underline")));
    QVERIFY(!fontObject(font).contains(QLatin1String("strikeOut")));
    for (const bool underline : {true, false}) {
        layer.tickCountFont.setUnderline(underline);
        layer.tickCountFont.setStrikeOut(!underline);
        QVERIFY(readGaugeDocument(writeGaugeDocument({namedLayer{QString(), layer}}), read));
        QCOMPARE(read.first().data.tickCountFont.underline(), underline);
        QCOMPARE(read.first().data.tickCountFont.strikeOut(), !underline);
        QVERIFY(!isDefaultLayer(read.first().data));
    }
}

void TestGaugeDocument::testsDefaultLayer()
{
    QVERIFY(isDefaultLayer(gaugeData()));

    gaugeData layer;
    layer.arcColor[2].setAlpha(10);
    layer.tickCountFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    layer.tickCountFont.setWeight(QFont::Medium); // same side of 500 as Normal
    QVERIFY(isDefaultLayer(layer));

    layer.tickCountFont.setWeight(QFont::DemiBold);
    QVERIFY(!isDefaultLayer(layer));

    gaugeData moved;
    moved.arcRadius[3] = 0.999;
    QVERIFY(!isDefaultLayer(moved));
    gaugeData relabelled;
    relabelled.tickCountFont.setFamily(QStringLiteral("Serif"));
    QVERIFY(!isDefaultLayer(relabelled));
}

void TestGaugeDocument::survivesHostileDocuments_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expectedLayers"); // 0: must fail with a reason

    const int depth = 200000;
    QTest::newRow("deeply nested arrays")
        << "{\"layers\": " + QByteArray(depth, '[') + QByteArray(depth, ']') + "}" << 0;
    QByteArray objects;
    for (int i = 0; i < depth; ++i)
        objects += "{\"a\":";
    QTest::newRow("deeply nested objects") << "{\"layers\": [" + objects + "1" + QByteArray(depth, '}') + "]}" << 0;
    QByteArray nestedLayer = "{\"ticks\": " + objects.left(500 * 5) + "{}" + QByteArray(500, '}') + "}";
    QTest::newRow("moderately nested layer") << "{\"layers\": [" + nestedLayer + "]}" << 1;

    QByteArray manyDivisions = "{\"layers\": [{\"divisions\": [";
    for (int i = 0; i < 1000000; ++i)
        manyDivisions += "{\"count\": 3},";
    manyDivisions.chop(1);
    manyDivisions += "]}]}";
    QTest::newRow("huge divisions array") << manyDivisions << 1;

    QByteArray hugeNumbers = "{\"layers\": [{\"gauge\": {\"bias\": 1e999999, \"startAngle\": -1e400}, "
                             "\"divisions\": [{\"count\": 1e999}]}]}";
    QTest::newRow("numbers out of range") << hugeNumbers << -1; // either outcome, no crash
    QTest::newRow("long name") << "{\"layers\": [{\"name\": \"" + QByteArray(5000000, 'n') + "\"}]}" << 1;
}

void TestGaugeDocument::survivesHostileDocuments()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expectedLayers);

    QList<namedLayer> layers;
    QString error;
    const bool ok = readGaugeDocument(bytes, layers, &error);
    if (expectedLayers < 0) {
        QVERIFY(ok || !error.isEmpty());
        return;
    }
    QCOMPARE(ok, expectedLayers > 0);
    QCOMPARE(layers.size(), expectedLayers);
    if (!ok)
        QVERIFY(!error.isEmpty());
}

void TestGaugeDocument::loadsLayersUpToTheLimit()
{
    // Small layer objects, so the document stays well inside the size a
    // gauge file may have.
    const int count = int(gaugeLayerLimit);
    QByteArray bytes = "{\"layers\": [";
    for (int i = 0; i < count; ++i) {
        if (i % 2)
            bytes += "{\"gauge\": {\"startAngle\": " + QByteArray::number(i) + "}},";
        else
            bytes += "{\"name\": \"" + QByteArray::number(i) + "\", \"arcs\": [{\"width\": 2}]},";
    }
    bytes.chop(1);
    bytes += "]}";

    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(bytes, read));
    QCOMPARE(read.size(), count);
    QCOMPARE(read.at(count - 2).name, QString::number(count - 2));
    QCOMPARE(read.at(count - 2).data.arcWidth[0], 2.0);
    QCOMPARE(read.at(count - 1).name, QString());
    QCOMPARE(read.at(count - 1).data.startAngle, double(count - 1));
}

QTEST_GUILESS_MAIN(TestGaugeDocument)
#include "test_gaugedocument.moc"
