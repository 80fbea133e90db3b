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

#include <cmath>

namespace {

// One layer that draws nothing but a full circle at `radius` of `width`
// drawing units, black, so that it shows on paper.
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

QByteArray utf16Text(const char *text)
{
    QByteArray bytes("\xfe\xff");
    for (const QChar c : QString::fromLatin1(text))
        bytes += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xff));
    return bytes;
}

constexpr int rasterDpi = 600;
constexpr double mmPerPixel = 25.4 / rasterDpi;

} // namespace

Q_DECLARE_METATYPE(PhysicalPage)

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void pageSizes_data();
    void pageSizes();
    void dialDiameter_data();
    void dialDiameter();
    void lineWidths_data();
    void lineWidths();
    void vectorWithTextLabels();
    void agreesWithImage();
    void refusedOptions_data();
    void refusedOptions();
    void failedWriteKeepsPreviousFile();

private:
    QTemporaryDir dir;
};

void TestPdfExport::lengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("millimetres");
    QTest::newRow("millimetres") << "62mm" << true << 62.0;
    QTest::newRow("centimetres with a blank") << "6.2 cm" << true << 62.0;
    QTest::newRow("inches in capitals, blanks around") << " 2.5IN " << true << 63.5;
    QTest::newRow("no leading digit") << ".5mm" << true << 0.5;
    QTest::newRow("no unit") << "62" << false << 0.0;
    QTest::newRow("unknown unit") << "62 pt" << false << 0.0;
    QTest::newRow("unit alone") << "mm" << false << 0.0;
    QTest::newRow("exponent") << "1e2mm" << false << 0.0;
    QTest::newRow("trailing text") << "62mm wide" << false << 0.0;
    QTest::newRow("comma") << "6,2cm" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
}

void TestPdfExport::lengths()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, millimetres);
    double read = -1.0;
    QString error;
    QCOMPARE(PhysicalSize::parseLength(text, &read, &error), valid);
    if (valid)
        QVERIFY(qFuzzyCompare(read, millimetres));
    else
        QVERIFY2(error.contains(QLatin1String("mm, cm or in")), qPrintable(error));
}

void TestPdfExport::pageSizes_data()
{
    QTest::addColumn<PhysicalPage>("page");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<bool>("scaleBar");
    QTest::addColumn<QSizeF>("mediaBox"); // points
    QTest::newRow("A4") << PhysicalPage::A4 << 62.0 << true << QSizeF(595, 842);
    QTest::newRow("Letter") << PhysicalPage::Letter << 62.0 << false << QSizeF(612, 792);
    // The 512-unit drawing (62 x 512 / 500 = 63.488 mm) and 10 mm on each
    // side, in whole points rounded up: 83.488 mm = 236.66 pt.
    QTest::newRow("Fit") << PhysicalPage::Fit << 62.0 << false << QSizeF(237, 237);
    // With the scale bar, 16 mm more on each side so the gauge stays
    // centred: 115.488 mm = 327.37 pt.
    QTest::newRow("Fit with scale bar") << PhysicalPage::Fit << 62.0 << true << QSizeF(328, 328);
    // A tiny dial: the page is as wide as the 62 mm of bar and numbers need
    // with their margins, 82 mm = 232.44 pt.
    QTest::newRow("Fit, tiny dial with scale bar")
        << PhysicalPage::Fit << 5.0 << true << QSizeF(233, 233);
    QTest::newRow("Fit, largest dial") << PhysicalPage::Fit << 1000.0 << false
                                       << QSizeF(2960, 2960);
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
    if (page == PhysicalPage::Fit)
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

// The dial's edge, radius 1.0, drawn as a hairline circle, is found on the
// rasterised page and measured.
void TestPdfExport::dialDiameter()
{
    QFETCH(double, diameter);
    QFETCH(PhysicalPage, page);
    PhysicalOutputOptions options = at(diameter, page);
    options.scaleBar = true;
    const QString path = dir.filePath(QStringLiteral("dial.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf(ring(1.0, 0.0), options, path, &error), qPrintable(error));

    const QSizeF pageMm = pdfMediaBox(readBytes(path)) / pointsPerMm;
    const QRectF drawing = placeOnPage(options, pageMm).drawingMm;
    const QImage page600 = rasterisePdf(path, rasterDpi, &error, drawing);
    QVERIFY2(!page600.isNull(), qPrintable(error));
    const CircleFit circle = fitInkCircle(page600);
    QVERIFY(circle.valid);

    const double measured = 2.0 * circle.radius * mmPerPixel;
    qInfo("%s: measured diameter %.3f mm", QTest::currentDataTag(), measured);
    QVERIFY2(std::abs(measured - diameter) <= 0.1, qPrintable(QString::number(measured)));
    // Centred on the page.
    const double cropLeft = std::floor(drawing.left() / mmPerPixel) * mmPerPixel;
    const double cropTop = std::floor(drawing.top() / mmPerPixel) * mmPerPixel;
    QVERIFY(std::abs(cropLeft + circle.centre.x() * mmPerPixel - pageMm.width() / 2) <= 0.1);
    QVERIFY(std::abs(cropTop + circle.centre.y() * mmPerPixel - pageMm.height() / 2) <= 0.1);
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

// A ring at radius 0.5 crosses the row through the centre square to it, so
// the ink on that row left of the centre is the width of its line.
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

    const QSizeF pageMm = pdfMediaBox(readBytes(path)) / pointsPerMm;
    const QRectF drawing = placeOnPage(options, pageMm).drawingMm;
    // A band across the middle of the drawing, left half.
    const QRectF band(drawing.left(), drawing.center().y() - 0.5, drawing.width() / 2 - 2.0, 1.0);
    const QImage image = rasterisePdf(path, rasterDpi, &error, band);
    QVERIFY2(!image.isNull(), qPrintable(error));
    double ink = 0.0;
    for (int y = 0; y < image.height(); ++y)
        ink += inkAcross(image, y, 0, image.width());
    const double measured = ink / image.height() * mmPerPixel;
    QVERIFY2(std::abs(measured - expected) <= 0.02,
             qPrintable(QStringLiteral("%1 mm").arg(measured)));
}

void TestPdfExport::vectorWithTextLabels()
{
    // The default layer: labels 0 to 4, ticks and an arc, on a dark dial.
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
    QVERIFY(pdf.contains(utf16Text("Dialwright 2 Gauge")));
    QVERIFY(pdf.contains(utf16Text("Dialwright " DIALWRIGHT_VERSION_TEXT)));

    // The labels and the scale bar's numbers read back as text.
    const QString pdftotext = popplerTool("pdftotext", &error);
    QVERIFY2(!pdftotext.isEmpty(), qPrintable(error));
    QProcess process;
    process.start(pdftotext, {path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QStringList words =
        QString::fromUtf8(process.readAllStandardOutput()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const char *word : {"0", "1", "2", "3", "4", "10", "50", "mm"})
        QVERIFY2(words.contains(QLatin1String(word)), word);
}

// The page shows what the PNG shows: the same drawing, labels of the same
// size in the same places, only sharper.
void TestPdfExport::agreesWithImage()
{
    QList<namedLayer> named;
    QCOMPARE(readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS "/Speedometer.gauge"), named),
             gaugeFileStatus::Loaded);
    QList<gaugeData> layers;
    for (const namedLayer &layer : named)
        layers.append(layer.data);

    // At this resolution the 512-unit drawing is 512 pixels wide.
    const double diameter = 62.0;
    const double dpi = 512.0 / (PhysicalSize::drawingEdgeMm(diameter) / 25.4);
    PhysicalOutputOptions options = at(diameter, PhysicalPage::Fit);
    options.background = Qt::black;
    // The images' hairline: one pixel.
    options.hairlineMm = 25.4 / dpi;
    const QString path = dir.filePath(QStringLiteral("speedometer.pdf"));
    QString error;
    QVERIFY2(writeGaugePdf(layers, options, path, &error), qPrintable(error));

    // pdftoppm takes a whole dpi; the page is cut where the drawing lies.
    const QString pdftoppm = popplerTool("pdftoppm", &error);
    QVERIFY2(!pdftoppm.isEmpty(), qPrintable(error));
    const QSizeF pageMm = pdfMediaBox(readBytes(path)) / pointsPerMm;
    const QRectF drawing = placeOnPage(options, pageMm).drawingMm;
    const QString prefix = dir.filePath(QStringLiteral("speedometer"));
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-r"), QString::number(dpi, 'f', 4),
                             QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                             QStringLiteral("-x"), QString::number(qRound(drawing.left() / 25.4 * dpi)),
                             QStringLiteral("-y"), QString::number(qRound(drawing.top() / 25.4 * dpi)),
                             QStringLiteral("-W"), QStringLiteral("512"), QStringLiteral("-H"),
                             QStringLiteral("512"), path, prefix});
    QVERIFY(process.waitForFinished());
    const QImage page = QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
    QCOMPARE(page.size(), QSize(512, 512));

    QImage image(512, 512, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(0, 0, gaugeImage(layers, 512));
    painter.end();
    const QImage expected = image.convertToFormat(QImage::Format_Grayscale8);

    // Inside the filled dial only. Antialiasing and glyph rendering differ
    // at edges; a label in another place or of another size would differ
    // over hundreds of pixels.
    int differing = 0;
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            if (std::hypot(x + 0.5 - 256.0, y + 0.5 - 256.0) > 254.0)
                continue;
            differing += std::abs(page.constScanLine(y)[x] - expected.constScanLine(y)[x]) > 128;
        }
    }
    qInfo("Pixels differing by more than half: %d of 262144", differing);
    QVERIFY2(differing < 600, qPrintable(QString::number(differing)));
}

void TestPdfExport::refusedOptions_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("hairline");
    QTest::addColumn<QString>("reason");
    QTest::newRow("diameter too small") << 4.9 << 0.1 << "from 5 mm to 1000 mm, not 4.9 mm";
    QTest::newRow("diameter too large") << 1000.5 << 0.1 << "from 5 mm to 1000 mm";
    QTest::newRow("diameter not a number") << std::nan("") << 0.1 << "from 5 mm to 1000 mm";
    QTest::newRow("hairline too thin") << 62.0 << 0.01 << "from 0.02 mm to 1 mm";
    QTest::newRow("hairline too wide") << 62.0 << 1.5 << "from 0.02 mm to 1 mm";
}

void TestPdfExport::refusedOptions()
{
    QFETCH(double, diameter);
    QFETCH(double, hairline);
    QFETCH(QString, reason);
    PhysicalOutputOptions options = at(diameter);
    options.hairlineMm = hairline;
    QByteArray pdf;
    QBuffer buffer(&pdf);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(!writeGaugePdf(ring(1.0, 0.0), options, &buffer, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(pdf.isEmpty());
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

    // Over the byte limit, stopped while written.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(!writeGaugePdf({gaugeData()}, at(62.0), &buffer, &error, nullptr, 1000));
    QVERIFY2(error.startsWith(QLatin1String("The PDF would be larger than")), qPrintable(error));
    QVERIFY(pdf.size() <= 1000);

    // Cancelled: nothing replaces the file.
    const std::atomic_bool cancel{true};
    QVERIFY(!writeGaugePdf({gaugeData()}, at(62.0), path, &error, &cancel));
    QCOMPARE(readBytes(path), QByteArray("previous PDF"));
}

QTEST_MAIN(TestPdfExport)
#include "test_pdfexport.moc"
