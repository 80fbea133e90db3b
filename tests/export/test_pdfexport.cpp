#include "export/pdfexport.h"

#include "pdfraster.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "gaugefile/gaugefilereader.h"
#include "version.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One layer that draws only a black full circle at `radius` of `width`
// drawing units: it shows on paper.
QList<gaugeData> ring(double radius, double width)
{
    gaugeData layer;
    layer.divisionCount = {0, 1, 1};
    layer.tickCountEnabled = false;
    layer.arcAngleLength = {360.0, 0.0, 0.0, 0.0};
    layer.arcRadius[0] = radius;
    layer.arcWidth[0] = width;
    layer.arcColor[0] = Qt::black;
    return {layer};
}

PhysicalOutputOptions at(double diameterMm, PhysicalPage page = PhysicalPage::A4)
{
    PhysicalOutputOptions options;
    options.diameterMm = diameterMm;
    options.page = page;
    return options;
}

// The PDF at `path`, and where its drawing square lies on its page.
QRectF drawingOnPage(const QString &path, const PhysicalOutputOptions &options)
{
    return placeOnPage(options, pdfMediaBox(readBytes(path)) / pointsPerMm).drawingMm;
}

QByteArray utf16(const char *text)
{
    QByteArray bytes("\xfe\xff");
    for (const char *c = text; *c; ++c)
        bytes += QByteArray(1, '\0') + *c;
    return bytes;
}

constexpr double dpi = 600;

} // namespace

Q_DECLARE_METATYPE(PhysicalPage)

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void pageSizes_data();
    void pageSizes();
    void dialDiameter_data();
    void dialDiameter();
    void lineWidths_data();
    void lineWidths();
    void vectorWithTextLabels();
    void agreesWithImage();
    void fillCoversTheDial();
    void failedWriteKeepsPreviousFile();

private:
    QTemporaryDir dir;
};

void TestPdfExport::pageSizes_data()
{
    QTest::addColumn<PhysicalPage>("page");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<bool>("scaleBar");
    QTest::addColumn<QSizeF>("mediaBox"); // points
    QTest::newRow("A4") << PhysicalPage::A4 << 62.0 << true << QSizeF(595, 842);
    QTest::newRow("Letter") << PhysicalPage::Letter << 62.0 << false << QSizeF(612, 792);
    // The drawing, 62 x 512 / 500 = 63.488 mm, and 10 mm on each side, in
    // whole points rounded up: 83.488 mm = 236.66 pt.
    QTest::newRow("Fit") << PhysicalPage::Fit << 62.0 << false << QSizeF(237, 237);
    // With the bar 16 mm more on each side, the gauge still centred.
    QTest::newRow("Fit with scale bar") << PhysicalPage::Fit << 62.0 << true << QSizeF(328, 328);
    // As wide as the bar and its numbers (62 mm) with the margins: 82 mm.
    QTest::newRow("Fit, tiny dial, scale bar")
        << PhysicalPage::Fit << 5.0 << true << QSizeF(233, 233);
}

void TestPdfExport::pageSizes()
{
    QFETCH(PhysicalPage, page);
    QFETCH(double, diameter);
    QFETCH(bool, scaleBar);
    QFETCH(QSizeF, mediaBox);
    PhysicalOutputOptions options = at(diameter, page);
    options.scaleBar = scaleBar;
    QByteArray pdf;
    QBuffer buffer(&pdf);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QString error;
    QVERIFY2(writeGaugePdf(ring(1.0, 0.0), options, &buffer, &error), qPrintable(error));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfMediaBox(pdf), mediaBox);
    QVERIFY(fitsOnPage(options));
}

void TestPdfExport::dialDiameter_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<PhysicalPage>("page");
    QTest::newRow("62 mm on A4") << 62.0 << PhysicalPage::A4;
    QTest::newRow("62 mm on a page of its own") << 62.0 << PhysicalPage::Fit;
    QTest::newRow("2.5 in on Letter") << 63.5 << PhysicalPage::Letter;
    QTest::newRow("150 mm on A4") << 150.0 << PhysicalPage::A4;
}

// The dial's edge, radius 1.0, as a hairline circle: found on the page
// rasterised at 600 dpi, measured, and centred.
void TestPdfExport::dialDiameter()
{
    QFETCH(double, diameter);
    QFETCH(PhysicalPage, page);
    PhysicalOutputOptions options = at(diameter, page);
    options.scaleBar = true;
    const QString path = dir.filePath(QStringLiteral("dial.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf(ring(1.0, 0.0), options, path, &error), qPrintable(error));

    const QRectF drawing = drawingOnPage(path, options);
    const QImage image = rasterisePdf(path, dpi, drawing, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QPointF centre;
    const double measured = 2.0 * fitInkCircle(image, &centre) * 25.4 / dpi;
    qInfo("%s: measured diameter %.3f mm", QTest::currentDataTag(), measured);
    QVERIFY2(std::abs(measured - diameter) <= 0.1, qPrintable(QString::number(measured)));
    const QPointF offCentre = centre * 25.4 / dpi - QPointF(drawing.width(), drawing.height()) / 2;
    QVERIFY2(offCentre.manhattanLength() <= 0.1, qPrintable(QString::number(offCentre.x())));
}

void TestPdfExport::lineWidths_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("width"); // drawing units
    QTest::addColumn<double>("hairline");
    QTest::addColumn<double>("expected"); // millimetres
    QTest::newRow("width 10 at 62 mm") << 62.0 << 10.0 << 0.1 << 1.24;
    QTest::newRow("width 10 at 124 mm") << 124.0 << 10.0 << 0.1 << 2.48;
    QTest::newRow("width 2.5 at 250 mm") << 250.0 << 2.5 << 0.1 << 1.25;
    QTest::newRow("hairline at 62 mm") << 62.0 << 0.0 << 0.1 << 0.1;
    QTest::newRow("hairline at 250 mm") << 250.0 << 0.0 << 0.1 << 0.1;
    QTest::newRow("hairline of 0.5 mm") << 62.0 << 0.0 << 0.5 << 0.5;
    QTest::newRow("thinnest hairline") << 62.0 << 0.0 << 0.02 << 0.02;
}

// A ring at radius 0.5 crosses the rows through the centre square to them:
// the ink on such a row, left of the centre, is the width of its line.
void TestPdfExport::lineWidths()
{
    QFETCH(double, diameter);
    QFETCH(double, width);
    QFETCH(double, hairline);
    QFETCH(double, expected);
    PhysicalOutputOptions options = at(diameter, PhysicalPage::Fit);
    options.hairlineMm = hairline;
    const QString path = dir.filePath(QStringLiteral("widths.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf(ring(0.5, width), options, path, &error), qPrintable(error));

    const QRectF drawing = drawingOnPage(path, options);
    const QRectF band(drawing.left(), drawing.center().y() - 0.5, drawing.width() / 2 - 2.0, 1.0);
    const QImage image = rasterisePdf(path, dpi, band, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    double ink = 0.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += inkAt(image, x, y);
    const double measured = ink / image.height() * 25.4 / dpi;
    QVERIFY2(std::abs(measured - expected) <= 0.02, qPrintable(QString::number(measured)));
}

void TestPdfExport::vectorWithTextLabels()
{
    // The default layer (labels 0 to 4) on a dark dial, with both marks.
    PhysicalOutputOptions options = at(62.0, PhysicalPage::Fit);
    options.background = Qt::black;
    options.scaleBar = true;
    options.centreCross = true;
    const QString path = dir.filePath(QStringLiteral("labels.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf({gaugeData()}, options, path, &error), qPrintable(error));
    const QByteArray pdf = readBytes(path);
    QVERIFY(!pdf.contains("/Subtype /Image"));
    QVERIFY(pdf.contains("/FontFile2"));
    QVERIFY(pdf.contains(utf16("Dialwright 2 Gauge")));
    QVERIFY(pdf.contains(utf16("Dialwright " DIALWRIGHT_VERSION_TEXT)));

    // The labels and the scale bar's numbers read back as text.
    QByteArray text;
    QVERIFY2(runPoppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}, &text, &error),
             qPrintable(error));
    const QList<QByteArray> words = text.simplified().split(' ');
    for (const char *word : {"0", "1", "2", "3", "4", "10", "50", "mm"})
        QVERIFY2(words.contains(word), word);
}

// "Fill the dial with" fills the dial, the circle at radius 1.0, and no
// more: its area is that of a disc of the dial's diameter.
void TestPdfExport::fillCoversTheDial()
{
    PhysicalOutputOptions options = at(62.0, PhysicalPage::Fit);
    options.background = Qt::black;
    gaugeData nothing;
    nothing.divisionCount = {0, 1, 1};
    nothing.arcAngleLength = {0, 0, 0, 0};
    const QString path = dir.filePath(QStringLiteral("fill.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf({nothing}, options, path, &error), qPrintable(error));
    const double dpi = 300.0;
    const QImage page = rasterisePdf(path, dpi, drawingOnPage(path, options), &error);
    QVERIFY2(!page.isNull(), qPrintable(error));
    double ink = 0.0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ink += inkAt(page, x, y);
    const double diameter = 2.0 * std::sqrt(ink / M_PI) * 25.4 / dpi;
    QVERIFY2(std::abs(diameter - 62.0) <= 0.15, qPrintable(QString::number(diameter)));
}

// The page shows what the PNG shows: the same drawing, labels of the same
// size in the same places, only sharper.
void TestPdfExport::agreesWithImage()
{
    QList<namedLayer> named;
    QCOMPARE(readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS "/Speedometer.gauge"), named),
             gaugeFileStatus::Loaded);
    const QList<gaugeData> layers = layerData(named);

    // At this resolution the drawing is 512 pixels wide, and a hairline is
    // one pixel wide, as in the image.
    const double resolution = 512.0 / (PhysicalSize::drawingEdgeMm(62.0) / 25.4);
    PhysicalOutputOptions options = at(62.0, PhysicalPage::Fit);
    options.background = Qt::black;
    options.hairlineMm = 25.4 / resolution;
    const QString path = dir.filePath(QStringLiteral("speedometer.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf(layers, options, path, &error), qPrintable(error));
    const QImage page = rasterisePdf(path, resolution, drawingOnPage(path, options), &error);
    QCOMPARE(page.size(), QSize(512, 512));

    QImage image(512, 512, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(0, 0, gaugeImage(layers, 512));
    painter.end();
    const QImage expected = image.convertToFormat(QImage::Format_Grayscale8);

    // Inside the filled dial. Edges are antialiased differently; labels a
    // tenth larger differ over thousands of pixels.
    int differing = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            differing += std::hypot(x + 0.5 - 256.0, y + 0.5 - 256.0) < 249.0
                && std::abs(page.constScanLine(y)[x] - expected.constScanLine(y)[x]) > 128;
    qInfo("Pixels differing by more than half: %d of 262144", differing);
    QVERIFY2(differing < 600, qPrintable(QString::number(differing)));
}

void TestPdfExport::failedWriteKeepsPreviousFile()
{
    const QString path = dir.filePath(QStringLiteral("previous.pdf"));
    QVERIFY(writeBytes(path, "previous PDF"));
    QString error;
    {
        // As on a full disk: a few kilobytes are all that can be written.
        FileSizeLimit limit(4096);
        QVERIFY(limit.active);
        QVERIFY(!writeGaugePdf({gaugeData()}, at(62.0), path, &error));
    }
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("previous PDF"));

    // Refused before anything is made.
    QVERIFY(!writeGaugePdf({gaugeData()}, at(4.9), path, &error));
    QCOMPARE(error, QStringLiteral("The diameter must be from 5 mm to 1000 mm, not 4.9 mm."));
    // Over the byte limit, stopped while written.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(!writeGaugePdf({gaugeData()}, at(62.0), &buffer, &error, nullptr, 1000));
    QVERIFY2(error.startsWith(QLatin1String("The PDF would be larger than")), qPrintable(error));
    QCOMPARE(readBytes(path), QByteArray("previous PDF"));
}

QTEST_MAIN(TestPdfExport)
#include "test_pdfexport.moc"
