#include "recordingdevice.h"
#include "referencepainter.h"
#include "render/gaugepainter.h"

#include "imagedifference.h"
#include "imageink.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(QList<gaugeData>)

namespace {

QImage paintImage(int size, const QList<gaugeData> &layers, bool reference)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (reference)
        referencePaint(&painter, size, layers);
    else
        paintGaugeLayers(&painter, size, layers);
    painter.end();
    return image;
}

struct Recording
{
    QList<RecordedLine> lines;
    QList<RecordedPath> paths;
    QList<RecordedText> texts;
};

Recording record(const QList<gaugeData> &layers, int size = 512,
                 const GaugePaintLimits &limits = GaugePaintLimits(), bool reference = false)
{
    RecordingDevice device(size);
    QPainter painter(&device);
    if (reference)
        referencePaint(&painter, size, layers);
    else
        paintGaugeLayers(&painter, size, layers, limits);
    painter.end();
    return {device.engine().lines, device.engine().paths, device.engine().texts};
}

bool near(const QPointF &a, const QPointF &b, double eps = 1e-9)
{
    return std::fabs(a.x() - b.x()) < eps && std::fabs(a.y() - b.y()) < eps;
}

// Gauge angle of a line drawn from the outside in.
double gaugeAngleOf(const QLineF &line)
{
    const QPointF d = line.p1() - line.p2();
    double a = std::atan2(d.x(), -d.y()) * 180.0 / M_PI;
    return a < -1e-9 ? a + 360.0 : a;
}

// Distinct colours per level let the tests tell the levels apart.
gaugeData levelsGauge(double length, int n1, int n2, int n3)
{
    gaugeData g;
    g.angleLength = length;
    g.divisionCount = {n1, n2, n3};
    g.divisionColor = {QColor(Qt::white), QColor(Qt::cyan), QColor(Qt::magenta)};
    return g;
}

int countPen(const QList<RecordedLine> &lines, const QColor &color)
{
    int n = 0;
    for (const RecordedLine &l : lines)
        n += l.pen.color() == color;
    return n;
}

} // namespace

class TestGaugePainter : public QObject
{
    Q_OBJECT

private slots:
    void matchesStepByStepDrawing_data();
    void matchesStepByStepDrawing();
    void defaultLayerGeometry();
    void tickCounts_data();
    void tickCounts();
    void labels();
    void arcAngles();
    void scalesWithSize();
    void formLargestLayerDrawnInFull();
    void limitsCutInDrawingOrder();
    void partsMakeUpTheWhole_data();
    void partsMakeUpTheWhole();
    void hostileValuesStayBounded();
};

void TestGaugePainter::matchesStepByStepDrawing_data()
{
    QTest::addColumn<QList<gaugeData>>("layers");
    // Round-capped ticks wider than a pixel are filled by the painter's own
    // scan conversion rather than the toolkit's stroker; they differ from
    // the reference at antialiased edges only (test_capsulefill).
    QTest::addColumn<bool>("roundCaps");

    QTest::newRow("empty") << QList<gaugeData>{} << false;
    QTest::newRow("default") << QList<gaugeData>{gaugeData()} << false;

    gaugeData dense = levelsGauge(270, 10, 5, 4);
    dense.startAngle = -135;
    dense.divisionColor = {QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)};
    QTest::newRow("dense hairline") << QList<gaugeData>{dense} << false;

    gaugeData wide = dense;
    wide.divisionWidth = {3, 2, 1};
    wide.roundedTickCaps = true;
    wide.bias = 0.3;
    wide.midpointBias = true;
    QTest::newRow("wide round caps, midpoint bias") << QList<gaugeData>{wide} << true;

    gaugeData full = levelsGauge(360, 12, 2, 2);
    full.tickCountRotate = true;
    full.tickCountStart = 10;
    full.tickCountIncrement = 2.5;
    full.tickCountDecimalPlaces = 1;
    full.tickCountSkipFirst = true;
    full.arcAngleLength = {-90, 45, 360, 10};
    full.arcStartAngle = {10, 200, 0, 123.45};
    full.arcWidth = {4, 0, 2, 8};
    full.arcRadius = {0.5, 0.6, 1.0, 0.8};
    full.roundedArcCaps = true;
    full.bias = 0.8;
    QTest::newRow("full circle, rotated labels, arcs") << QList<gaugeData>{full} << false;

    gaugeData ccw = levelsGauge(-200, 8, 3, 1);
    ccw.startAngle = 45;
    ccw.tickCountFont = QFont(QStringLiteral("Sans Serif"), 14, QFont::Bold, true);
    ccw.tickCountColor = QColor(200, 10, 30);
    ccw.divisionWidth = {0, 2, 0};
    QTest::newRow("anticlockwise, mixed widths") << QList<gaugeData>{ccw} << false;

    QTest::newRow("stacked layers") << QList<gaugeData>{dense, wide, full, ccw} << true;
}

void TestGaugePainter::matchesStepByStepDrawing()
{
    QFETCH(QList<gaugeData>, layers);
    QFETCH(bool, roundCaps);
    for (int size : {512, 1024, 300}) {
        const QImage got = paintImage(size, layers, false);
        const QImage want = paintImage(size, layers, true);
        if (!roundCaps) {
            QVERIFY2(got == want, qPrintable(QStringLiteral("differs at size %1").arg(size)));
            continue;
        }
        const ImageDifference d = imageDifference(got, want);
        QVERIFY2(d.largest <= 32 && d.share < 0.03,
                 qPrintable(QStringLiteral("at size %1: %2 levels on %3 of the pixels")
                                .arg(size)
                                .arg(d.largest)
                                .arg(d.share)));
    }
}

void TestGaugePainter::defaultLayerGeometry()
{
    const Recording r = record({gaugeData()});

    // The centre dot comes first: a white disc of 6 units, outlined by a hairline.
    QCOMPARE(r.paths.size(), 2);
    QCOMPARE(r.paths.first().path.boundingRect(), QRectF(253, 253, 6, 6));
    QCOMPARE(r.paths.first().brush.color(), QColor(Qt::white));

    QCOMPARE(r.lines.size(), 5);
    QVERIFY(near(r.lines[0].line.p1(), QPointF(256, 6)));
    QVERIFY(near(r.lines[0].line.p2(), QPointF(256, 56)));
    for (int j = 0; j < 5; ++j) {
        QVERIFY(std::fabs(gaugeAngleOf(r.lines[j].line) - 30.0 * j) < 1e-9);
        QCOMPARE(r.lines[j].line.length(), 50.0);
        const QPen &pen = r.lines[j].pen;
        QCOMPARE(pen.color(), QColor(Qt::white));
        QCOMPARE(pen.widthF(), 0.0);
        QCOMPARE(pen.capStyle(), Qt::FlatCap);
        QCOMPARE(pen.joinStyle(), Qt::RoundJoin);
        QCOMPARE(pen.style(), Qt::SolidLine);
    }

    QCOMPARE(r.texts.size(), 5);
    for (int j = 0; j < 5; ++j) {
        const RecordedText &t = r.texts[j];
        QCOMPARE(t.text, QString::number(j));
        QCOMPARE(t.font.family(), QStringLiteral("Sans Serif"));
        QCOMPARE(t.font.pointSize(), 10);
        // Centred horizontally on the point 185 units from the centre.
        const double rad = M_PI * (90.0 - 30.0 * j) / 180.0;
        const QPointF c(256 + 185 * std::cos(rad), 256 - 185 * std::sin(rad));
        const double advance = QFontMetricsF(t.font).horizontalAdvance(t.text);
        QVERIFY2(std::fabs(t.position.x() + advance / 2 - c.x()) < 0.5,
                 qPrintable(QStringLiteral("label %1 at %2").arg(j).arg(t.position.x())));
    }

    // One green arc along radius 250, from 12 o'clock clockwise to 120 degrees.
    const RecordedPath &arc = r.paths[1];
    QCOMPARE(arc.pen.color(), QColor(Qt::green));
    QCOMPARE(arc.brush.style(), Qt::NoBrush);
    QVERIFY(near(arc.path.pointAtPercent(0), QPointF(256, 6), 1e-6));
    const QPointF end(256 + 250 * std::sin(M_PI * 120 / 180), 256 - 250 * std::cos(M_PI * 120 / 180));
    // The toolkit builds arcs from Bezier segments, exact to a few hundredths.
    QVERIFY(near(arc.path.pointAtPercent(1), end, 0.05));
    QVERIFY(arc.path.pointAtPercent(0.5).x() > 256 + 200); // clockwise: through 3 o'clock
}

void TestGaugePainter::tickCounts_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("expected"); // primary, secondary, tertiary lines

    QTest::newRow("full circle") << 360.0 << QList<int>{4, 1, 1} << QList<int>{4, 0, 0};
    QTest::newRow("just short") << 359.0 << QList<int>{4, 1, 1} << QList<int>{5, 0, 0};
    QTest::newRow("beyond full") << -720.0 << QList<int>{4, 1, 1} << QList<int>{4, 0, 0};
    QTest::newRow("no level 2, so no level 3") << 120.0 << QList<int>{4, 1, 5}
                                               << QList<int>{5, 0, 0};
    QTest::newRow("halves and quarters") << 120.0 << QList<int>{4, 2, 2}
                                         << QList<int>{5, 4, 8};
    QTest::newRow("full circle subdivides last interval") << 360.0 << QList<int>{4, 2, 2}
                                                          << QList<int>{4, 4, 8};
    QTest::newRow("zero divisions") << 120.0 << QList<int>{0, 5, 5} << QList<int>{0, 0, 0};
    QTest::newRow("negative divisions") << 120.0 << QList<int>{-3, 5, 5}
                                        << QList<int>{0, 0, 0};
    QTest::newRow("negative level 2") << 120.0 << QList<int>{3, -2, 5} << QList<int>{4, 0, 0};
    // The form's largest counts: formLargestLayerDrawnInFull.
}

void TestGaugePainter::tickCounts()
{
    QFETCH(double, length);
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, expected);
    const Recording r = record({levelsGauge(length, counts[0], counts[1], counts[2])});
    QCOMPARE(countPen(r.lines, Qt::white), expected[0]);
    QCOMPARE(countPen(r.lines, Qt::cyan), expected[1]);
    QCOMPARE(countPen(r.lines, Qt::magenta), expected[2]);
    // Labels follow the primary ticks, arcs are drawn whatever the counts.
    QCOMPARE(r.texts.size(), expected[0]);
    QCOMPARE(r.paths.size(), 2);

    if (counts == QList<int>{4, 2, 2} && length == 120.0) {
        // Secondary at the halves, tertiary at the quarters of each interval.
        QList<double> angles;
        for (const RecordedLine &l : r.lines)
            angles.append(gaugeAngleOf(l.line));
        const QList<double> want{0, 7.5, 15, 22.5, 30, 37.5, 45, 52.5, 60, 67.5, 75, 82.5,
                                 90, 97.5, 105, 112.5, 120};
        QCOMPARE(angles.size(), want.size());
        for (int i = 0; i < want.size(); ++i)
            QVERIFY2(std::fabs(angles[i] - want[i]) < 1e-9, qPrintable(QString::number(i)));
    }
}

void TestGaugePainter::labels()
{
    gaugeData g;
    g.tickCountSkipFirst = true;
    g.tickCountIncrement = 10;
    Recording r = record({g});
    QStringList texts;
    for (const RecordedText &t : r.texts)
        texts << t.text;
    QCOMPARE(texts, (QStringList{"10", "20", "30", "40"}));

    // Values are accumulated one increment at a time, not multiplied.
    g = gaugeData();
    g.divisionCount[0] = 10;
    g.tickCountDecimalPlaces = 2;
    g.tickCountIncrement = 0.1;
    r = record({g});
    texts.clear();
    for (const RecordedText &t : r.texts)
        texts << t.text;
    QCOMPARE(texts.first(), QStringLiteral("0.00"));
    QCOMPARE(texts.at(3), QStringLiteral("0.30"));
    QCOMPARE(texts.last(), QStringLiteral("1.00"));

    // Rotated labels turn with their tick's gauge angle, on a 0.74 circle.
    g = gaugeData();
    g.startAngle = -90;
    g.angleLength = 180;
    g.divisionCount[0] = 2;
    g.tickCountRotate = true;
    g.tickCountColor = Qt::yellow;
    g.roundedTickCaps = true;
    r = record({g}, 1024);
    QCOMPARE(r.texts.size(), 3);
    const double expectAngles[] = {-90, 0, 90};
    for (int j = 0; j < 3; ++j) {
        const QTransform &t = r.texts[j].transform;
        QVERIFY(std::fabs(std::atan2(t.m12(), t.m11()) * 180 / M_PI - expectAngles[j]) < 1e-9);
        const double rad = M_PI * (90 - expectAngles[j]) / 180;
        QVERIFY(near(t.map(QPointF(0, 0)),
                     QPointF(512 + 2 * 185 * std::cos(rad), 512 - 2 * 185 * std::sin(rad)), 1e-6));
        QCOMPARE(r.texts[j].pen.color(), QColor(Qt::yellow));
        QCOMPARE(r.texts[j].pen.capStyle(), Qt::RoundCap);
        QCOMPARE(r.texts[j].pen.widthF(), 0.0);
    }

    // Labels switched off: none, but the ticks stay.
    g.tickCountEnabled = false;
    r = record({g});
    QCOMPARE(r.texts.size(), 0);
    QCOMPARE(r.lines.size(), 3);
}

void TestGaugePainter::arcAngles()
{
    // Arc angles are whole sixteenths of a degree, halves rounded away from zero.
    auto arcPath = [](double start, double length) {
        gaugeData g;
        g.divisionCount[0] = 0;
        g.arcStartAngle[0] = start;
        g.arcAngleLength[0] = length;
        return record({g}).paths.at(1).path;
    };
    auto explicitArc = [](int start16, int span16) {
        RecordingDevice device;
        QPainter painter(&device);
        painter.drawArc(QRectF(6, 6, 500, 500), start16, span16);
        painter.end();
        return device.engine().paths.at(0).path;
    };
    QCOMPARE(arcPath(90 - 0.03125, 0.03125), explicitArc(1, -1));
    QCOMPARE(arcPath(90 + 0.03125, -0.03125), explicitArc(-1, 1));
    QCOMPARE(arcPath(90 - 0.0312, 0.0937), explicitArc(0, -1));
    QCOMPARE(arcPath(-45.5, 270.25), explicitArc(2168, -4324));

    // Angles far beyond the range of the toolkit's integers keep their meaning.
    QCOMPARE(arcPath(90 - 720.0 * 1e9, 360), explicitArc(0, -5760));
    QCOMPARE(arcPath(0, 1e300).elementCount(), explicitArc(1440, -5760).elementCount());

    // An arc of length exactly 0 is not drawn at all.
    gaugeData g;
    g.arcAngleLength = {0, 0, 0, 0};
    g.divisionCount[0] = 0;
    QCOMPARE(record({g}).paths.size(), 1);
}

void TestGaugePainter::scalesWithSize()
{
    gaugeData g;
    g.divisionWidth[0] = 2;
    const Recording small = record({g}, 512);
    const Recording large = record({g}, 1024);
    QCOMPARE(large.lines.size(), small.lines.size());
    for (int i = 0; i < small.lines.size(); ++i) {
        QVERIFY(near(large.lines[i].line.p1(), small.lines[i].line.p1() * 2));
        QVERIFY(near(large.lines[i].line.p2(), small.lines[i].line.p2() * 2));
    }

    // Hairlines stay one device pixel wide: the picture at 2048 has ticks as
    // thin as at 512.
    gaugeData one;
    one.divisionCount[0] = 1;
    one.angleLength = 90;
    one.tickCountEnabled = false;
    one.arcAngleLength[0] = 0;
    const QImage a = paintImage(512, {one}, false);
    const QImage b = paintImage(2048, {one}, false);
    QVERIFY(inkedPixels(a, QRect(0, 30, a.width(), 1)) <= 2);
    QVERIFY(inkedPixels(b, QRect(0, 120, b.width(), 1)) <= 2);
}

void TestGaugePainter::formLargestLayerDrawnInFull()
{
    // 100 divisions on every level, the most the form allows, is drawn without
    // any cut, also with a couple of ordinary layers on top.
    gaugeData big = levelsGauge(300, 100, 100, 100);
    const Recording r = record({big, gaugeData(), gaugeData()});
    QCOMPARE(countPen(r.lines, Qt::cyan), 9900);
    QCOMPARE(countPen(r.lines, Qt::magenta), 990000);
    QCOMPARE(r.lines.size(), 101 + 9900 + 990000 + 10);
    QCOMPARE(r.texts.size(), 111);
}

void TestGaugePainter::limitsCutInDrawingOrder()
{
    gaugeData g = levelsGauge(120, 6, 3, 3);
    const Recording full = record({g, g});

    GaugePaintLimits limits;
    limits.tickLines = 20;
    const Recording cut = record({g, g}, 512, limits);
    QCOMPARE(cut.lines.size(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(cut.lines[i].line, full.lines[i].line);
    // Labels are not lines: every label is still drawn.
    QCOMPARE(cut.texts.size(), full.texts.size());

    limits = GaugePaintLimits();
    limits.labels = 3;
    limits.arcs = 1;
    const Recording fewLabels = record({g, g}, 512, limits);
    QCOMPARE(fewLabels.texts.size(), 3);
    QCOMPARE(fewLabels.lines.size(), full.lines.size());
    QCOMPARE(fewLabels.paths.size(), 2); // the centre dot and one arc

    limits = GaugePaintLimits();
    limits.labelCharacters = 5;
    g.tickCountStart = 1000; // four characters a label
    QCOMPARE(record({g}, 512, limits).texts.size(), 2);
}

void TestGaugePainter::partsMakeUpTheWhole_data()
{
    QTest::addColumn<gaugeData>("layer");
    QTest::addColumn<qint64>("tickLines"); // the allowance
    QTest::addColumn<qint64>("labelCharacters");

    gaugeData g = levelsGauge(300, 9, 4, 3);
    g.arcAngleLength = {100, -30, 0, 5};
    g.tickCountStart = 95;
    QTest::newRow("whole layer") << g << qint64(1000) << qint64(1000);
    QTest::newRow("cut among the tertiary ticks") << g << qint64(57) << qint64(1000);
    QTest::newRow("cut in the labels") << g << qint64(1000) << qint64(11);
    g.angleLength = 360;
    QTest::newRow("full circle, cut at once") << g << qint64(0) << qint64(3);
}

void TestGaugePainter::partsMakeUpTheWhole()
{
    // A layer drawn as parts of its primary ticks (the preview draws dense
    // layers so, on several threads) gives, part after part, exactly the
    // elements of one drawing, and leaves the same allowance.
    QFETCH(gaugeData, layer);
    QFETCH(qint64, tickLines);
    QFETCH(qint64, labelCharacters);
    GaugePaintLimits limits;
    limits.tickLines = tickLines;
    limits.labelCharacters = labelCharacters;

    auto draw = [&](qint64 first, qint64 end, GaugePaintBudget *budget) {
        RecordingDevice device;
        QPainter painter(&device);
        GaugePaintControl control;
        control.firstPrimary = first;
        control.endPrimary = end;
        beginGaugePainting(&painter, 512);
        paintGaugeLayer(&painter, layer, *budget, limits, control);
        painter.end();
        return Recording{device.engine().lines, device.engine().paths, device.engine().texts};
    };
    GaugePaintBudget wholeBudget = GaugePaintBudget::from(limits);
    const Recording whole = draw(0, std::numeric_limits<qint64>::max(), &wholeBudget);

    Recording joined;
    for (const auto &[first, end] : {std::pair<qint64, qint64>{0, 3}, {3, 4}, {4, 4}, {4, 99}}) {
        GaugePaintBudget budget = GaugePaintBudget::from(limits);
        const Recording part = draw(first, end, &budget);
        QCOMPARE(budget, wholeBudget);
        QCOMPARE(budget.cut, wholeBudget.cut);
        joined.lines += part.lines;
        joined.paths += part.paths;
        joined.texts += part.texts;
    }
    QCOMPARE(joined.lines.size(), whole.lines.size());
    for (qsizetype i = 0; i < whole.lines.size(); ++i)
        QCOMPARE(joined.lines[i].line, whole.lines[i].line);
    QCOMPARE(joined.paths.size(), whole.paths.size());
    QCOMPARE(joined.texts.size(), whole.texts.size());
    for (qsizetype i = 0; i < whole.texts.size(); ++i)
        QCOMPARE(joined.texts[i].text, whole.texts[i].text);
}

void TestGaugePainter::hostileValuesStayBounded()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const int maxInt = std::numeric_limits<int>::max();
    QList<gaugeData> hostile;
    auto add = [&hostile](auto change) {
        gaugeData g;
        change(g);
        hostile.append(g);
    };
    add([&](gaugeData &g) { g.startAngle = nan; });
    add([&](gaugeData &g) { g.angleLength = inf; });
    add([&](gaugeData &g) { g.bias = nan; g.midpointBias = true; });
    add([&](gaugeData &g) { g.divisionOuterRadius[0] = 1e300; g.divisionWidth[0] = 3; });
    add([&](gaugeData &g) { g.divisionWidth[0] = 1e300; });
    add([&](gaugeData &g) { g.divisionWidth[0] = nan; });
    add([&](gaugeData &g) { g.divisionWidth[0] = -4; });
    add([&](gaugeData &g) { g.arcRadius[0] = 1e300; g.arcWidth[0] = inf; });
    add([&](gaugeData &g) { g.arcRadius[0] = nan; });
    add([&](gaugeData &g) { g.arcStartAngle[0] = -1e300; g.arcAngleLength[0] = inf; });
    add([&](gaugeData &g) { g.tickCountDecimalPlaces = maxInt; });
    add([&](gaugeData &g) { g.tickCountDecimalPlaces = -7; });
    add([&](gaugeData &g) { g.tickCountStart = 1e300; g.tickCountIncrement = nan; });
    add([&](gaugeData &g) { g.tickCountFont.setPointSize(maxInt); g.tickCountRotate = true; });
    add([&](gaugeData &g) { g.tickCountRadius = inf; g.tickCountRotate = true; });
    add([&](gaugeData &g) { g.divisionCount = {maxInt, maxInt, maxInt}; });
    add([&](gaugeData &g) { g.divisionCount = {1, maxInt, maxInt}; g.angleLength = 360; });
    add([&](gaugeData &g) { g.divisionCount = {maxInt, 1, 1}; g.tickCountEnabled = false; });

    // Each alone, drawn onto a real image; the test's time-out catches a hang.
    for (const gaugeData &g : hostile)
        paintImage(256, {g}, false);

    // All together: nothing exceeds the documented bounds.
    const GaugePaintLimits limits;
    const Recording r = record(hostile, 512, limits);
    QVERIFY(r.lines.size() <= limits.tickLines);
    QVERIFY(r.texts.size() <= limits.labels);
    for (const RecordedLine &l : r.lines)
        QVERIFY(std::isfinite(l.line.x1()) && std::isfinite(l.line.y1())
                && std::isfinite(l.line.x2()) && std::isfinite(l.line.y2()));
    for (const RecordedText &t : r.texts)
        QVERIFY(t.text.size() <= 400);
}

QTEST_MAIN(TestGaugePainter)
#include "test_gaugepainter.moc"
