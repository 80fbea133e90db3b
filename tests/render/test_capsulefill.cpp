#include "render/capsulefill.h"

#include "imagedifference.h"
#include "recordingdevice.h"

#include "render/gaugepainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

constexpr int kSide = 160;

QImage blank(QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage image(kSide, kSide, format);
    image.fill(Qt::transparent);
    return image;
}

// A fan of lines of one width through the middle of the image, at angles
// and sub-pixel offsets that exercise every edge case of the coverage.
QList<QLineF> fan(double length)
{
    QList<QLineF> lines;
    for (int i = 0; i < 9; ++i) {
        const double angle = 0.37 + i * 0.71;
        const QPointF from(40.3 + 9.1 * (i % 3), 41.7 + 8.3 * (i / 3));
        lines.append(QLineF(from, from + length * QPointF(std::cos(angle), std::sin(angle))));
    }
    return lines;
}

QImage stroked(const QList<QLineF> &lines, double width, const QColor &color)
{
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QLineF &line : lines)
        painter.drawLine(line);
    return image;
}

QImage filled(const QList<QLineF> &lines, double width, const QColor &color,
              const QRect &kept = QRect())
{
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    CapsuleFill capsules(&painter, kept);
    if (!capsules.setPen(color, width))
        return QImage();
    for (const QLineF &line : lines)
        capsules.fill(line);
    return image;
}

double inkOf(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    return sum / 255.0;
}

} // namespace

class TestCapsuleFill : public QObject
{
    Q_OBJECT

private slots:
    void closeToStroker_data();
    void closeToStroker();
    void rowsComeOutAlikeWhateverIsKept();
    void strokerWhereItCannotFill_data();
    void strokerWhereItCannotFill();
    void vectorOutputKeepsLines();
};

void TestCapsuleFill::closeToStroker_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::addColumn<QColor>("color");

    QTest::newRow("just over a pixel") << 1.2 << 20.0 << QColor(Qt::white);
    QTest::newRow("3 pixels") << 3.0 << 15.5 << QColor(Qt::white);
    QTest::newRow("8 pixels, long") << 8.0 << 70.0 << QColor(255, 200, 0);
    QTest::newRow("24 pixels (width 3 at 4096)") << 24.0 << 60.0 << QColor(Qt::white);
    QTest::newRow("no length: nothing, as the stroker") << 9.0 << 0.0 << QColor(Qt::white);
    QTest::newRow("half transparent") << 5.0 << 30.0 << QColor(10, 120, 250, 128);
    // Reaching out of the image on three sides.
    QTest::newRow("beyond the edges") << 12.0 << 400.0 << QColor(Qt::white);
}

void TestCapsuleFill::closeToStroker()
{
    QFETCH(double, width);
    QFETCH(double, length);
    QFETCH(QColor, color);
    const QList<QLineF> lines = fan(length);
    const QImage want = stroked(lines, width, color);
    const QImage got = filled(lines, width, color);
    QVERIFY(!got.isNull());
    // The stroker's own outline is a few levels off the true one at the
    // caps; these lines overlap each other, which adds up their errors.
    const ImageDifference d = imageDifference(got, want);
    QVERIFY2(d.largest <= 32, qPrintable(QString::number(d.largest)));
    QVERIFY2(std::fabs(inkOf(got) - inkOf(want)) <= 0.01 * inkOf(want) + 2.0,
             qPrintable(QStringLiteral("%1 against %2").arg(inkOf(got)).arg(inkOf(want))));
}

void TestCapsuleFill::rowsComeOutAlikeWhateverIsKept()
{
    // A picture drawn in bands keeps only each band's rows; those rows must
    // be exactly what one drawing of the whole picture gives them.
    const QList<QLineF> lines = fan(90.0);
    const QImage whole = filled(lines, 7.0, Qt::white);
    for (const QRect &kept : {QRect(0, 0, kSide, 50), QRect(0, 50, kSide, 23),
                              QRect(0, 73, kSide, kSide - 73), QRect(30, 20, 50, 50)}) {
        const QImage part = filled(lines, 7.0, Qt::white, kept);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const QRgb expected = kept.contains(x, y) ? whole.pixel(x, y) : 0u;
                QCOMPARE(part.pixel(x, y), expected);
            }
        }
    }
}

void TestCapsuleFill::strokerWhereItCannotFill_data()
{
    QTest::addColumn<std::function<bool()>>("fills");

    QTest::newRow("opaque image format") << std::function<bool()>([] {
        QImage image = blank(QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
    QTest::newRow("rotated painter") << std::function<bool()>([] {
        QImage image = blank();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.rotate(30);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
    QTest::newRow("a pixel wide at this scale") << std::function<bool()>([] {
        QImage image = blank();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(0.25, 0.25);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
    QTest::newRow("clipped, kept area not given") << std::function<bool()>([] {
        QImage image = blank();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(10, 10, 50, 50);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
    QTest::newRow("not source-over") << std::function<bool()>([] {
        QImage image = blank();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
    QTest::newRow("not an image") << std::function<bool()>([] {
        RecordingDevice device;
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing);
        return CapsuleFill(&painter, QRect()).setPen(Qt::white, 4);
    });
}

void TestCapsuleFill::strokerWhereItCannotFill()
{
    QFETCH(std::function<bool()>, fills);
    QVERIFY(!fills());
}

void TestCapsuleFill::vectorOutputKeepsLines()
{
    // The SVG and any other device that is not an image get real
    // round-capped lines from the painter.
    gaugeData g;
    g.divisionCount = {6, 2, 1};
    g.divisionWidth = {4, 3, 0};
    g.roundedTickCaps = true;
    RecordingDevice device(1024);
    QPainter painter(&device);
    paintGaugeLayers(&painter, 1024, {g});
    painter.end();
    const QList<RecordedLine> &lines = device.engine().lines;
    QCOMPARE(lines.size(), 7 + 6);
    for (const RecordedLine &line : lines)
        QCOMPARE(line.pen.capStyle(), Qt::RoundCap);
}

QTEST_MAIN(TestCapsuleFill)
#include "test_capsulefill.moc"
