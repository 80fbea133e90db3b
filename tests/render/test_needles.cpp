#include "export/imageexport.h"
#include "gaugefile/gaugedocument.h"
#include "render/needledial.h"
#include "render/needlepainter.h"
#include "render/ticklayout.h"

#include "imageink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

gaugeData withNeedle(gaugeData layer, double value, bool free = false)
{
    gaugeNeedle needle;
    needle.value = value;
    needle.free = free;
    layer.needles = {needle};
    return layer;
}

gaugeData scaled(scaleType type, double from, double to, int primaries, double exponent = 2.0)
{
    gaugeData layer;
    layer.startAngle = -135;
    layer.angleLength = 270;
    layer.divisionCount = {primaries, 4, 2};
    layer.scale.type = type;
    layer.scale.from = from;
    layer.scale.to = to;
    layer.scale.exponent = exponent;
    return layer;
}

} // namespace

// A needle points where its layer draws a tick of its value, stops at the
// pegs unless it turns freely, and reaches every output as a needle.
class TestNeedles : public QObject
{
    Q_OBJECT

private slots:
    void pointsAtEveryTick_data();
    void pointsAtEveryTick();
    void stopsAtThePegs_data();
    void stopsAtThePegs();
    void svgKeepsRotationAndPivot();
    void withFaceOrAlone();
    void badNeedlesAreKeptNotDrawn_data();
    void badNeedlesAreKeptNotDrawn();
};

void TestNeedles::pointsAtEveryTick_data()
{
    QTest::addColumn<gaugeData>("layer");
    gaugeData even;
    even.divisionCount = {10, 5, 2};
    even.tickCountStart = -1.0;
    even.tickCountIncrement = 0.1;
    QTest::newRow("even") << even;
    gaugeData exponential = even;
    exponential.bias = 0.85;
    exponential.angleLength = -250;
    QTest::newRow("exponential bias, anticlockwise") << exponential;
    gaugeData weak = even;
    weak.bias = 0.15;
    QTest::newRow("exponential bias below half") << weak;
    gaugeData midpoint = even;
    midpoint.midpointBias = true;
    midpoint.bias = 0.8;
    QTest::newRow("midpoint bias") << midpoint;
    gaugeData circle = even;
    circle.angleLength = 360;
    circle.divisionCount = {12, 3, 1};
    circle.tickCountIncrement = 30;
    QTest::newRow("full circle") << circle;
    QTest::newRow("logarithmic") << scaled(scaleType::log, 1, 10000, 4);
    QTest::newRow("decibel") << scaled(scaleType::decibel, -20, 3, 23);
    QTest::newRow("power") << scaled(scaleType::power, 0, 100, 10, 0.5);
    gaugeData table = scaled(scaleType::table, 0, 1, 5);
    table.scale.points = {{0, 0}, {10, 0.1}, {40, 0.5}, {100, 1}};
    table.scale.from = 0;
    table.scale.to = 100;
    QTest::newRow("table") << table;
}

void TestNeedles::pointsAtEveryTick()
{
    QFETCH(gaugeData, layer);
    const NeedleDial dial(layer);
    QVERIFY(dial.isValid());
    const TickLayout ticks(layer);
    // Every primary tick, at the value the keyframe CSV gives it.
    double largest = 0.0;
    for (PrimaryTicks tick(layer); !tick.atEnd(); tick.next()) {
        const double keyframe = TickLayout::gaugeAngle(tick.screenAngle());
        largest = std::max(largest, std::fabs(dial.angle(tick.value()) - keyframe));
    }
    // And every lower tick of a value scale, which stands at its value too.
    if (ticks.isScaled()) {
        for (qint64 j = 0; j + 1 < ticks.primaryCount(); ++j)
            for (qint64 k = 0; k < ticks.secondaryDivisions(); ++k)
                largest = std::max(largest,
                                   std::fabs(dial.angle(ticks.tickValue(j, k))
                                             - TickLayout::gaugeAngle(ticks.screenAngle(j, k))));
    }
    qInfo("largest needle-to-tick difference %.3g degrees", largest);
    QVERIFY2(largest <= 1e-9, qPrintable(QString::number(largest)));
}

void TestNeedles::stopsAtThePegs_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("free");
    QTest::addColumn<double>("angle");
    // 0 to 120 by 4 primary divisions of 30 over 120 degrees from -60.
    QTest::newRow("below the start") << -50.0 << false << -60.0;
    QTest::newRow("beyond the end") << 500.0 << false << 60.0;
    QTest::newRow("not a number") << qQNaN() << false << -60.0;
    QTest::newRow("free, once round and a quarter") << 150.0 << true << 90.0;
    QTest::newRow("free, backwards") << -30.0 << true << -90.0;
}

void TestNeedles::stopsAtThePegs()
{
    QFETCH(double, value);
    QFETCH(bool, free);
    gaugeData layer;
    layer.startAngle = -60;
    layer.angleLength = 120;
    layer.tickCountIncrement = 30;
    QTEST(NeedleDial(layer).angle(value, free), "angle");
}

void TestNeedles::svgKeepsRotationAndPivot()
{
    // A needle at 3 o'clock on a 1000-pixel SVG: a group turning it about
    // the middle of the picture, with its name; its shadow a filter.
    gaugeData layer = withNeedle(gaugeData(), 3.0);
    layer.needles[0].name = QStringLiteral("Speed <km/h>");
    layer.needles[0].shadow.shown = true;
    const QString svg = QString::fromUtf8(gaugeSvg({layer}, 1000));
    const QRegularExpression group(QStringLiteral(
        "<g class=\"needle\" id=\"needle-0\" data-name=\"([^\"]*)\" "
        "data-angle=\"([^\"]*)\" transform=\"rotate\\(([^ ]+) ([^ ]+) ([^ ]+)\\)\">"));
    const QRegularExpressionMatch m = group.match(svg);
    QVERIFY2(m.hasMatch(), qPrintable(svg.right(2000)));
    QCOMPARE(m.captured(1), QStringLiteral("Speed &lt;km/h&gt;"));
    QCOMPARE(m.captured(3).toDouble(), needleAngle(layer, layer.needles[0]));
    QCOMPARE(m.captured(3).toDouble(), 90.0);
    QCOMPARE(m.captured(4).toDouble(), 500.0);
    QCOMPARE(m.captured(5).toDouble(), 500.0);
    QVERIFY(svg.contains(QLatin1String("<feGaussianBlur")));
    QVERIFY(svg.contains(QLatin1String("filter=\"url(#shadow1)\"")));
}

void TestNeedles::withFaceOrAlone()
{
    const gaugeData layer = withNeedle(gaugeData(), 2.0);
    gaugeData bare = layer;
    bare.needles.clear();
    GaugePaintControl none;
    none.needles = needleDrawing::none;
    GaugePaintControl only;
    only.needles = needleDrawing::only;
    QByteArray without, face, with, alone;
    QVERIFY(gaugePng({layer}, 512, &face, nullptr, none));
    QVERIFY(gaugePng({bare}, 512, &without));
    QVERIFY(gaugePng({layer}, 512, &with));
    QVERIFY(gaugePng({layer}, 512, &alone, nullptr, only));
    QCOMPARE(face, without);
    QVERIFY(with != without);
    const QImage needles = QImage::fromData(alone);
    // Value 2 of 0 to 4 over 0 to 120 degrees: the needle points along 60
    // degrees.
    const QPointF along(256 + 150 * std::sin(M_PI / 3), 256 - 150 * std::cos(M_PI / 3));
    QVERIFY(qAlpha(needles.pixel(along.toPoint())) > 200);
    // No tick, label or arc: the first tick's outer end is transparent.
    QCOMPARE(qAlpha(needles.pixel(256, 8)), 0);
    QVERIFY(inkedPixels(needles) < inkedPixels(QImage::fromData(with)));
}

void TestNeedles::badNeedlesAreKeptNotDrawn_data()
{
    QTest::addColumn<QString>("needle"); // JSON
    QTest::newRow("unknown shape") << R"({"shape": "feather"})";
    QTest::newRow("value not a number") << R"({"value": "fast"})";
    QTest::newRow("no length") << R"({"length": 0})";
    QTest::newRow("endless tail") << R"({"tail": 1e300})";
    QTest::newRow("negative width") << R"({"width": -3})";
    QTest::newRow("hub of no size") << R"({"hub": {"radius": 0}})";
    QTest::newRow("picture without data")
        << R"({"shape": "picture", "picture": {"format": "png"}})";
    QTest::newRow("picture not base64")
        << R"({"shape": "picture", "picture": {"data": "@@", "pivotY": 5}})";
}

void TestNeedles::badNeedlesAreKeptNotDrawn()
{
    QFETCH(QString, needle);
    const QByteArray file = R"({"layers": [{"needles": [)" + needle.toUtf8() + "]}]}";
    QList<namedLayer> read;
    QVERIFY(readGaugeDocument(file, read));
    QCOMPARE(read.size(), 1);
    const gaugeData &layer = read.first().data;
    QCOMPARE(layer.needles.size(), 1);
    QVERIFY(!needleProblem(layer, layer.needles.first()).isEmpty());
    // Drawn as the layer alone is...
    gaugeData bare = layer;
    bare.needles.clear();
    QCOMPARE(gaugeImage({layer}, 256), gaugeImage({bare}, 256));
    // ...and saved back as it was read.
    const QJsonObject written =
        layerToJson(layer).value(QLatin1String("needles")).toArray().first().toObject();
    QCOMPARE(written, QJsonDocument::fromJson(needle.toUtf8()).object());
}

QTEST_MAIN(TestNeedles)
#include "test_needles.moc"
