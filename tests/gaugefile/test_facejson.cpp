#include "gaugefile/facejson.h"
#include "gaugefile/gaugedocument.h"
#include "render/facepainter.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

// The face of a layer in a gauge file: label texts, texts and pictures are
// written only when there are any, pictures round-trip byte for byte, an
// element a file damaged is kept as the file had it (and not drawn), and a
// file beyond the element and picture limits is refused with a reason.
class TestFaceJson : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void damagedElementsSaveAsLoaded_data();
    void damagedElementsSaveAsLoaded();
    void limits_data();
    void limits();
};

namespace {

QByteArray pngBytes()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray document(const QByteArray &layer)
{
    return "{\"layers\": [" + layer + "]}";
}

} // namespace

void TestFaceJson::roundTrip()
{
    namedLayer layer{QStringLiteral("Face"), gaugeData()};
    layer.data.tickCountTexts = {QStringLiteral("E"), QString(), QStringLiteral("F \"full\"")};
    faceText text;
    text.text = QStringLiteral("x1000\nr/min");
    text.x = -0.25;
    text.size = 13.5;
    text.italic = true;
    text.align = textAlign::right;
    text.color = QColor(Qt::yellow);
    layer.data.texts = {text, faceText()};
    facePicture picture;
    picture.data = pngBytes();
    picture.rotation = 30;
    picture.opacity = 0.5;
    layer.data.pictures = {picture};

    const QByteArray bytes = writeGaugeDocument({layer, namedLayer{QStringLiteral("Plain"), {}}});
    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(bytes, read));
    QCOMPARE(read.size(), 2);
    QVERIFY(read.first().data == layer.data);
    QCOMPARE(read.first().data.pictures.first().data, picture.data);
    QCOMPARE(writeGaugeDocument(read), bytes);

    // A layer without a face has none of the keys, so it is written exactly
    // as before faces existed.
    const QJsonObject plain = layerToJson(gaugeData());
    for (const char *key : {"texts", "pictures"})
        QVERIFY(!plain.contains(QLatin1String(key)));
    QVERIFY(!plain.value(QLatin1String("ticks")).toObject().contains(QLatin1String("texts")));
    QVERIFY(!isDefaultLayer(layer.data));
}

void TestFaceJson::damagedElementsSaveAsLoaded_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QString>("problem"); // why it is not drawn; empty when it is

    QTest::newRow("as written") << QByteArray(R"("texts": [{"align": "left", "color": "#ff0000",
        "font": {"bold": true, "family": "Serif", "italic": false, "size": 30}, "rotation": 15,
        "text": "km/h", "x": 0.1, "y": 0.35}])") << QString();
    QTest::newRow("key of a newer version")
        << QByteArray(R"("texts": [{"text": "A", "shadow": true}])") << QString();
    QTest::newRow("position as text") << QByteArray(R"("texts": [{"text": "A", "x": "0.5"}])")
                                      << "Its position, size or rotation is not a number.";
    QTest::newRow("no text") << QByteArray(R"("texts": [{"x": 0}])") << "The text is empty.";
    QTest::newRow("size 0") << QByteArray(R"("texts": [{"text": "A", "font": {"size": 0}}])")
                            << "Its size must be above 0 and at most 5000.";
    QTest::newRow("unknown colour")
        << QByteArray(R"("texts": [{"text": "A", "color": "teal-ish"}])") << QString();
    QTest::newRow("picture not base64")
        << QByteArray(R"("pictures": [{"data": "%%%", "format": "png"}])")
        << "Its data in the gauge file is damaged: it is not base64.";
    QTest::newRow("picture of another format")
        << QByteArray(R"("pictures": [{"data": "R0lGODlh", "format": "gif"}])")
        << "The picture is not PNG, JPEG or SVG.";
    QTest::newRow("picture that does not decode")
        << QByteArray(R"("pictures": [{"data": "iVBORw0KGgo=", "format": "png"}])")
        << "The picture cannot be read as PNG";
    QTest::newRow("picture width as text")
        << QByteArray(R"("pictures": [{"data": "PHN2Zy8+", "format": "svg", "width": "big"}])")
        << "Its position, width, rotation or opacity is not a number.";
}

void TestFaceJson::damagedElementsSaveAsLoaded()
{
    QFETCH(QByteArray, element);
    QFETCH(QString, problem);
    const QByteArray layerObject = "{" + element + "}";
    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(document(layerObject), read));
    const gaugeData &layer = read.first().data;
    const bool isText = element.startsWith("\"texts\"");
    const FaceElement first{isText ? faceElementKind::text : faceElementKind::picture, 0};
    QVERIFY(elementExists(layer, first));
    QVERIFY2(faceElementProblem(layer, first).startsWith(problem),
             qPrintable(faceElementProblem(layer, first)));
    QCOMPARE(faceElementProblem(layer, first).isEmpty(), problem.isEmpty());

    // Whatever the file said of the element, it says again when saved.
    const QJsonObject original = QJsonDocument::fromJson(layerObject).object();
    const QString key = isText ? QStringLiteral("texts") : QStringLiteral("pictures");
    const QJsonValue written = layerToJson(layer).value(key).toArray().first();
    QCOMPARE(written, original.value(key).toArray().first());
    QList<namedLayer> again;
    QVERIFY(readGaugeDocument(writeGaugeDocument(read), again));
    QVERIFY(again.first().data == layer);
}

void TestFaceJson::limits_data()
{
    QTest::addColumn<QByteArray>("layer");
    QTest::addColumn<QString>("error");

    QByteArray texts = "\"texts\": [";
    for (int i = 0; i <= layerElementLimit; ++i)
        texts += i ? ",{}" : "{}";
    QTest::newRow("201 elements") << "{" + texts + "]}"
                                  << "Layer 1 has 201 texts and pictures; a layer may hold at most 200.";
    QByteArray labels = "\"ticks\": {\"texts\": [";
    for (int i = 0; i <= labelTextLimit; ++i)
        labels += i ? ",\"\"" : "\"\"";
    QTest::newRow("5001 label texts")
        << "{" + labels + "]}}" << "Layer 1 has 5001 label texts; a layer may hold at most 5000.";
    const QByteArray big(pictureByteLimit + 3, 'x');
    QTest::newRow("picture of 4 MB and 3 bytes")
        << "{\"pictures\": [{\"data\": \"" + big.toBase64() + "\"}]}"
        << "Layer 1 has a picture of 4.0 MB; a picture may be at most 4 MB.";
    const QByteArray picture = "{\"data\": \"" + QByteArray(pictureByteLimit, 'y').toBase64() + "\"}";
    QTest::newRow("five pictures of 4 MB")
        << "{\"pictures\": [" + picture + "," + picture + "," + picture + "," + picture + ","
            + picture + "]}"
        << "The gauge holds 20.0 MB of pictures; a gauge file may hold at most 16 MB.";
}

void TestFaceJson::limits()
{
    QFETCH(QByteArray, layer);
    QFETCH(QString, error);
    QList<namedLayer> read;
    QString reason;
    QVERIFY(!readGaugeDocument(document(layer), read, &reason));
    QCOMPARE(reason, error);
    QVERIFY(read.isEmpty());

    // What cannot be read is not written either.
    gaugeData data;
    faceFromJson(data, QJsonDocument::fromJson(layer).object());
    QVERIFY(!checkFaceLimits({data}, &reason));
    QCOMPARE(reason, error);
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!writeGaugeDocument({namedLayer{QString(), data}}, &buffer));
    QVERIFY(written.isEmpty());

    // One less of each is fine.
    const qint64 exactly = pictureByteLimit;
    facePicture largest;
    largest.data = QByteArray(exactly, 'z');
    gaugeData fits;
    fits.pictures = {largest};
    fits.tickCountTexts = QStringList(int(labelTextLimit), QString());
    QVERIFY(readGaugeDocument(writeGaugeDocument({namedLayer{QString(), fits}}), read));
}

QTEST_GUILESS_MAIN(TestFaceJson)
#include "test_facejson.moc"
