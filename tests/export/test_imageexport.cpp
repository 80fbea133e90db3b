#include "export/imageexport.h"

#include "recordingdevice.h"
#include "referencepainter.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>
#include <QTransform>

#include <cmath>

namespace {

// Where the ticks must be, in device coordinates and drawing order: the
// step-by-step reference drawing, recorded.
QList<QLineF> expectedTicks(const gaugeData &g, int size)
{
    RecordingDevice device(size);
    QPainter painter(&device);
    referencePaint(&painter, size, {g});
    painter.end();
    QList<QLineF> lines;
    for (const RecordedLine &line : std::as_const(device.engine().lines))
        lines.append(line.line);
    return lines;
}

QTransform svgTransform(const QString &text)
{
    static const QRegularExpression matrix(
        QStringLiteral("matrix\\(([^,]+),([^,]+),([^,]+),([^,]+),([^,]+),([^,]+)\\)"));
    const QRegularExpressionMatch m = matrix.match(text);
    if (!m.hasMatch())
        return QTransform();
    return QTransform(m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble(),
                      m.captured(5).toDouble(), m.captured(6).toDouble());
}

// Every straight line of the SVG in device coordinates, in document order.
// Tick lines are written as two-point polylines (hairlines, drawn in
// batches) or as two-point paths (wider pens).
void collectLines(const QDomElement &element, const QTransform &outer, QList<QLineF> &lines)
{
    const QTransform transform = svgTransform(element.attribute(QStringLiteral("transform")))
        * outer;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("polyline")) {
            const QStringList points =
                child.attribute(QStringLiteral("points")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QList<QPointF> p;
            for (const QString &point : points) {
                const QStringList xy = point.split(QLatin1Char(','));
                p.append(transform.map(QPointF(xy.value(0).toDouble(), xy.value(1).toDouble())));
            }
            if (p.size() == 2)
                lines.append(QLineF(p[0], p[1]));
        } else if (child.tagName() == QLatin1String("path")) {
            static const QRegularExpression line(
                QStringLiteral("^M([-0-9.e]+),([-0-9.e]+) L([-0-9.e]+),([-0-9.e]+) ?$"));
            const QRegularExpressionMatch m = line.match(child.attribute(QStringLiteral("d")));
            if (m.hasMatch()) {
                lines.append(QLineF(
                    transform.map(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())),
                    transform.map(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))));
            }
        } else {
            collectLines(child, transform, lines);
        }
    }
}

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return std::fabs(a.x() - b.x()) <= tolerance && std::fabs(a.y() - b.y()) <= tolerance;
}

} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT

private slots:
    void svgHeader_data();
    void svgHeader();
    void svgTickPositions_data();
    void svgTickPositions();
    void png_data();
    void png();
    void pngSizeOutOfRange();
};

void TestImageExport::svgHeader_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("64") << 64;
    QTest::newRow("4096") << 4096;
}

void TestImageExport::svgHeader()
{
    QFETCH(int, size);
    const QByteArray svg = gaugeSvg({gaugeData()}, size);
    QDomDocument document;
    QVERIFY(document.setContent(svg));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("svg"));
    QCOMPARE(root.attribute(QStringLiteral("viewBox")), QStringLiteral("0 0 %1 %1").arg(size));
    // The size is given in millimetres at 96 dots per inch.
    const double mm = size * 25.4 / 96.0;
    QVERIFY(root.attribute(QStringLiteral("width")).endsWith(QLatin1String("mm")));
    QCOMPARE(qRound(root.attribute(QStringLiteral("width")).chopped(2).toDouble() * 100),
             qRound(mm * 100));
    QCOMPARE(root.attribute(QStringLiteral("height")), root.attribute(QStringLiteral("width")));
    QCOMPARE(root.firstChildElement(QStringLiteral("title")).text(),
             QStringLiteral("Dialwright 2 Gauge"));
    QCOMPARE(root.firstChildElement(QStringLiteral("desc")).text(),
             QStringLiteral("A gauge generated in Dialwright 2Saved to SVG."));
}

void TestImageExport::svgTickPositions_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<gaugeData>("layer");

    QTest::newRow("default at 512") << 512 << gaugeData();

    gaugeData nested;
    nested.divisionCount = {4, 2, 2};
    nested.startAngle = -135;
    nested.angleLength = 270;
    nested.bias = 0.75;
    nested.midpointBias = true;
    nested.divisionInnerRadius = {0.7, 0.8, 0.9};
    nested.divisionOuterRadius = {1.0, 0.95, 0.92};
    nested.divisionColor = {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)};
    QTest::newRow("three levels, biased, at 1024") << 1024 << nested;

    gaugeData many;
    many.divisionCount = {100, 10, 1};
    many.angleLength = -360;
    many.bias = 0.3;
    many.tickCountEnabled = false;
    QTest::newRow("full circle, more than one batch") << 64 << many;

    gaugeData wide;
    wide.divisionWidth = {3.0, 0.0, 0.0};
    wide.divisionCount = {6, 3, 1};
    wide.roundedTickCaps = true;
    QTest::newRow("wide primaries between hairlines") << 2048 << wide;
}

void TestImageExport::svgTickPositions()
{
    QFETCH(int, size);
    QFETCH(gaugeData, layer);
    QDomDocument document;
    QVERIFY(document.setContent(gaugeSvg({layer}, size)));
    QList<QLineF> lines;
    collectLines(document.documentElement(), QTransform(), lines);

    const QList<QLineF> expected = expectedTicks(layer, size);
    QCOMPARE(lines.size(), expected.size());
    // The SVG writer keeps six significant digits.
    const double tolerance = 0.01 * size / 512.0;
    for (int i = 0; i < expected.size(); ++i) {
        const QPointF p1 = expected[i].p1();
        const QPointF p2 = expected[i].p2();
        if (!near(lines[i].p1(), p1, tolerance) || !near(lines[i].p2(), p2, tolerance)) {
            QFAIL(qPrintable(QStringLiteral("line %1 is (%2,%3)-(%4,%5), expected (%6,%7)-(%8,%9)")
                                 .arg(i)
                                 .arg(lines[i].x1())
                                 .arg(lines[i].y1())
                                 .arg(lines[i].x2())
                                 .arg(lines[i].y2())
                                 .arg(p1.x())
                                 .arg(p1.y())
                                 .arg(p2.x())
                                 .arg(p2.y())));
        }
    }
}

void TestImageExport::png_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("64") << 64;
    QTest::newRow("4096") << 4096;
}

void TestImageExport::png()
{
    QFETCH(int, size);
    gaugeData layer;
    layer.divisionWidth[0] = 4.0;
    QByteArray bytes;
    QString error;
    QVERIFY2(gaugePng({layer}, size, &bytes, &error), qPrintable(error));

    const QImage image = QImage::fromData(bytes, "png");
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Untouched pixels stay fully transparent: the corners, and the middle
    // of the dial between the centre dot and the labels.
    const int last = size - 1;
    for (const QPoint &p : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last),
                            QPoint(size / 2 - size / 8, size / 2 + size / 8)}) {
        QCOMPARE(qAlpha(image.pixel(p)), 0);
    }
    // The centre dot and the wide primary tick at 12 o'clock (radius 0.8 to
    // 1.0) are white; at large sizes they cover whole pixels, at small ones
    // the edge pixels are partly transparent and keep their colour (straight
    // alpha).
    const int tickY = qRound((256.0 - 225.0) * size / 512.0);
    for (const QPoint &p : {QPoint(size / 2, size / 2), QPoint(size / 2, tickY)}) {
        const QRgb pixel = image.pixel(p);
        QCOMPARE(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), qRgb(255, 255, 255));
        QVERIFY(qAlpha(pixel) > 0);
        if (size >= 512)
            QCOMPARE(qAlpha(pixel), 255);
    }

    // The file holds exactly the painted image, straight alpha kept.
    QImage painted = gaugeImage({layer}, size);
    QCOMPARE(painted.format(), QImage::Format_ARGB32);
    QCOMPARE(painted.logicalDpiX(), 96);
    QCOMPARE(painted.logicalDpiY(), 96);
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), painted);
}

void TestImageExport::pngSizeOutOfRange()
{
    QByteArray bytes("untouched");
    QString error;
    QVERIFY(!gaugePng({gaugeData()}, 63, &bytes, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!gaugePng({gaugeData()}, 4097, &bytes, &error));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(gaugeImage({gaugeData()}, 0).isNull());
}

QTEST_MAIN(TestImageExport)
#include "test_imageexport.moc"
