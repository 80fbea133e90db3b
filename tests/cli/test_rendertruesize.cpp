#include "cli/rendertool.h"

#include "pdfraster.h"
#include "renderprocess.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "export/pdfexport.h"
#include "gaugefile/gaugefilereader.h"
#include "version.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString gaugeFile()
{
    return QStringLiteral(DIALWRIGHT_TEST_DATA "/Speedometer.gauge");
}

QList<gaugeData> drawingOf(const QString &path)
{
    QList<namedLayer> layers;
    if (readGaugeFile(path, layers) != gaugeFileStatus::Loaded)
        return {};
    return layerData(layers);
}

} // namespace

// dialwright-render's PDF and the SVG at a true size: the options, their
// usage errors, and what they write.
class TestRenderTrueSize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfPages_data();
    void pdfPages();
    void trueSizeSvg_data();
    void trueSizeSvg();
    void offPageWarning();
    void processPdf();

private:
    QTemporaryDir dir;
};

void TestRenderTrueSize::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("dialwright-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DIALWRIGHT_VERSION_TEXT));
}

void TestRenderTrueSize::pdfPages_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSizeF>("mediaBox");
    QTest::newRow("A4 by default") << QStringList{"--diameter", "62mm"} << QSizeF(595, 842);
    QTest::newRow("Letter, inches")
        << QStringList{"--diameter", "2.5in", "--page", "letter"} << QSizeF(612, 792);
    // 62 x 512 / 500 mm of drawing, 10 mm of margin and 16 mm for the bar
    // on each side: 115.488 mm, in whole points.
    QTest::newRow("Fit with marks, centimetres")
        << QStringList{"--diameter", "6.2cm", "--page", "FIT", "--scale-bar", "--centre-cross",
                       "--background", "#202020", "--hairline", "0.2mm"}
        << QSizeF(328, 328);
}

void TestRenderTrueSize::pdfPages()
{
    QFETCH(QStringList, options);
    QFETCH(QSizeF, mediaBox);
    // To standard output as well as to a file.
    const ToolRun run = render(options + QStringList{"--pdf", "-", gaugeFile()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QVERIFY(run.out.startsWith("%PDF-"));
    QCOMPARE(pdfMediaBox(run.out), mediaBox);
}

void TestRenderTrueSize::trueSizeSvg_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<QByteArray>("hairline");
    // 62 x 512 / 500 = 63.488 mm for the whole drawing; 0.1 mm is
    // 0.1 / 0.124 drawing units.
    QTest::newRow("62 mm") << QStringList{"--diameter", "62mm"}
                           << QByteArray("width=\"63.488mm\" height=\"63.488mm\"")
                           << QByteArray("stroke-width=\"0.806452\"");
    QTest::newRow("4 in, hairline 0.5 mm")
        << QStringList{"--diameter", "4in", "--hairline", "0.5mm"}
        << QByteArray("width=\"104.038mm\" height=\"104.038mm\"")
        << QByteArray("stroke-width=\"2.46063\"");
}

void TestRenderTrueSize::trueSizeSvg()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, size);
    QFETCH(QByteArray, hairline);
    const QString path = dir.filePath(QStringLiteral("true.svg"));
    const ToolRun run = render(options + QStringList{"--size", "256", "--svg", path, gaugeFile()});
    QCOMPARE(run.exitCode, 0);
    const QByteArray svg = readBytes(path);
    QVERIFY2(svg.contains(size), svg.left(300).constData());
    QVERIFY(svg.contains("viewBox=\"0 0 256 256\""));
    // Every hairline has the width asked for; only the outline of the hub,
    // which the painter draws itself, stays a hairline of the viewer.
    QVERIFY(svg.contains(hairline));
    QCOMPARE(svg.count("non-scaling-stroke"), 1);

    // Apart from the size and the hairlines, the drawing of the same size
    // in pixels.
    const QByteArray pixels = gaugeSvg(drawingOf(gaugeFile()), 256);
    QCOMPARE(svg.count("<text"), pixels.count("<text"));
    QCOMPARE(svg.count("<polyline"), pixels.count("<polyline"));
}

void TestRenderTrueSize::offPageWarning()
{
    // 250 mm of dial is wider than A4: drawn at its size, cut off, and said.
    const QString path = dir.filePath(QStringLiteral("large.pdf"));
    const ToolRun run = render({QStringLiteral("--pdf"), path, QStringLiteral("--diameter"),
                                QStringLiteral("25cm"), gaugeFile()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("dialwright-render: warning: the gauge at 250 mm does not fit on the "
                            "A4 page and is cut off at its edges; --page fit makes a page that "
                            "holds it.\n"));
    QCOMPARE(pdfMediaBox(readBytes(path)), QSizeF(595, 842));

    const ToolRun fit =
        render({QStringLiteral("--pdf"), path, QStringLiteral("--diameter"), QStringLiteral("25cm"),
                QStringLiteral("--page"), QStringLiteral("fit"), gaugeFile()});
    QCOMPARE(fit.exitCode, 0);
    QVERIFY(fit.err.isEmpty());
}

void TestRenderTrueSize::processPdf()
{
    // The real program on its own platform, without a display: the labels'
    // fonts are found and embedded, and the dial has its size.
    const QString path = dir.filePath(QStringLiteral("process.pdf"));
    const ToolRun run = runRender({QStringLiteral("--pdf"), path, QStringLiteral("--diameter"),
                                   QStringLiteral("62mm"), QStringLiteral("--page"),
                                   QStringLiteral("fit"), gaugeFile()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QByteArray pdf = readBytes(path);
    QCOMPARE(pdfMediaBox(pdf), QSizeF(237, 237));
    QVERIFY(pdf.contains("/FontFile2"));
}

QTEST_MAIN(TestRenderTrueSize)
#include "test_rendertruesize.moc"
