#include "render/previewrenderer.h"

#include "imagedifference.h"
#include "samplegauges.h"

#include "gaugefile/gaugefilereader.h"
#include "render/gaugepainter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(QList<gaugeData>)

namespace {

// Waits for the picture of the newest request.
bool waitForPicture(PreviewRenderer &renderer)
{
    return QTest::qWaitFor([&renderer] { return !renderer.isBusy(); }, 60000);
}

// The same layers drawn in one pass on the GUI thread, onto an image like
// the preview's.
QImage onePass(const QList<gaugeData> &layers, const PreviewRenderer::Target &target)
{
    const int pixels = qRound(target.size * target.devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(target.devicePixelRatio);
    image.setDotsPerMeterX(qRound(target.dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(target.dpiY / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintGaugeLayers(&painter, target.size, layers);
    return image;
}

QList<gaugeData> preset(const QString &name)
{
    QList<namedLayer> named;
    if (readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS_DIR "/") + name, named)
        != gaugeFileStatus::Loaded)
        return {};
    return layerData(named);
}

} // namespace

class TestPreviewRenderer : public QObject
{
    Q_OBJECT

private slots:
    void newestRequestWins();
    void editRedrawsOnlyTheChangedLayer();
    void sameElementsAsOnePass_data();
    void sameElementsAsOnePass();
    void labelsAsOnTheGuiThread();
    void sharpAtPixelRatio();
    void goesWhileDrawing();
};

void TestPreviewRenderer::newestRequestWins()
{
    // A burst of edits, as a held spin-box arrow makes them: the dense ones
    // are abandoned, and no older picture is ever shown after a newer one.
    PreviewRenderer renderer;
    QSignalSpy ready(&renderer, &PreviewRenderer::pictureReady);
    QList<QList<gaugeData>> shown;
    connect(&renderer, &PreviewRenderer::pictureReady, this,
            [&] { shown.append(renderer.pictureLayers()); });
    QList<gaugeData> layers{densestFormLayer(0, false), gaugeData()};
    for (int step = 0; step < 20; ++step) {
        layers[1].divisionCount[0] = 2 + step;
        layers[0].divisionColor[2] = QColor(step * 10, 255, 255);
        renderer.request(layers, PreviewRenderer::Target());
        // Now and then the pictures finished so far are taken.
        if (step % 5 == 4)
            QCoreApplication::processEvents();
    }
    QVERIFY(waitForPicture(renderer));
    QVERIFY(!shown.isEmpty());
    QVERIFY(shown.last() == layers);
    QVERIFY(renderer.pictureLayers() == layers);
    for (qsizetype i = 1; i < shown.size(); ++i)
        QVERIFY(shown[i][1].divisionCount[0] > shown[i - 1][1].divisionCount[0]);
    QVERIFY(imageDifference(renderer.picture(), onePass(layers, {})).share < 0.01);
}

void TestPreviewRenderer::editRedrawsOnlyTheChangedLayer()
{
    // Three dense layers; an edit of one costs no more than one layer.
    PreviewRenderer renderer;
    QList<gaugeData> layers{densestFormLayer(0, false), densestFormLayer(0, false), gaugeData()};
    layers[1].divisionCount = {100, 10, 10};
    layers[1].divisionInnerRadius = {0.5, 0.55, 0.6};
    layers[1].divisionOuterRadius = {0.7, 0.7, 0.7};
    renderer.request(layers, {});
    QVERIFY(waitForPicture(renderer));
    QCOMPARE(renderer.pictureWork().layersDrawn, 3);

    struct Edit
    {
        const char *what;
        std::function<void(QList<gaugeData> &)> change;
        int drawn;
    };
    const Edit edits[] = {
        {"colour of the light top layer", [](auto &l) { l[2].divisionColor[0] = Qt::red; }, 1},
        {"width of the middle layer", [](auto &l) { l[1].divisionWidth[0] = 2; }, 1},
        {"radius of the first layer", [](auto &l) { l[0].divisionInnerRadius[2] = 0.9; }, 1},
        // Fewer ticks below leave more allowance, which the layers above
        // do not need: they stay.
        {"count of the first layer", [](auto &l) { l[0].divisionCount[2] = 50; }, 1},
        {"a layer removed", [](auto &l) { l.removeAt(1); }, 0},
    };
    for (const Edit &edit : edits) {
        edit.change(layers);
        renderer.request(layers, {});
        QVERIFY(waitForPicture(renderer));
        QVERIFY2(renderer.pictureWork().layersDrawn == edit.drawn, edit.what);
        QVERIFY2(renderer.pictureWork().layersReused == layers.size() - edit.drawn, edit.what);
    }
}

void TestPreviewRenderer::sameElementsAsOnePass_data()
{
    QTest::addColumn<QList<gaugeData>>("layers");
    QTest::addColumn<int>("largest");
    QTest::addColumn<double>("share");

    // Layer pictures laid over each other round differently from one
    // drawing where antialiased edges of different layers overlap; the
    // elements are the same. Dense stacks overlap on most of their ring.
    const QStringList presets = QDir(QStringLiteral(DIALWRIGHT_PRESETS_DIR))
                                    .entryList({QStringLiteral("*.gauge")}, QDir::Files);
    for (const QString &name : presets)
        QTest::newRow(qPrintable(name)) << preset(name) << 2 << 0.01;

    // Three layers whose ticks, arcs and labels cross each other.
    gaugeData outer;
    outer.startAngle = -135;
    outer.angleLength = 270;
    outer.divisionCount = {10, 10, 2};
    outer.divisionWidth = {2, 1, 0};
    outer.arcAngleLength = {270, 60, 0, 0};
    outer.arcStartAngle = {-135, 75, 0, 0};
    outer.arcWidth = {2, 6, 0, 0};
    gaugeData inner = outer;
    inner.divisionCount = {20, 5, 2};
    inner.divisionInnerRadius = {0.6, 0.65, 0.67};
    inner.divisionOuterRadius = {0.7, 0.7, 0.7};
    inner.tickCountRotate = true;
    gaugeData third;
    third.divisionCount = {8, 4, 3};
    third.startAngle = 200;
    third.angleLength = 100;
    QTest::newRow("typical three layers") << QList<gaugeData>{outer, inner, third} << 2 << 0.01;

    QList<gaugeData> stacked{densestFormLayer(0, false), densestFormLayer(3, false)};
    stacked[1].divisionColor = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    QTest::newRow("two stacked worst layers") << stacked << 160 << 0.02;

    // Three of them pass the allowance in the second: the third draws no
    // tick, and the preview shows the same cut as one drawing (a wrong cut
    // would differ on a whole ring).
    QList<gaugeData> three{densestFormLayer(0, false), densestFormLayer(0, false),
                           densestFormLayer(0, false)};
    three[1].divisionInnerRadius = {0.3, 0.35, 0.4};
    three[1].divisionOuterRadius = {0.5, 0.5, 0.5};
    three[2].divisionInnerRadius = {0.1, 0.1, 0.1};
    three[2].divisionOuterRadius = {0.2, 0.2, 0.2};
    QTest::newRow("three stacked, cut by the allowance") << three << 32 << 0.01;
}

void TestPreviewRenderer::sameElementsAsOnePass()
{
    QFETCH(QList<gaugeData>, layers);
    QFETCH(int, largest);
    QFETCH(double, share);
    QVERIFY(!layers.isEmpty());
    PreviewRenderer renderer;
    renderer.request(layers, {});
    QVERIFY(waitForPicture(renderer));
    const ImageDifference d = imageDifference(renderer.picture(), onePass(layers, {}));
    qInfo("largest difference %d levels, on %.4f%% of the pixels", d.largest, 100 * d.share);
    QVERIFY(d.largest <= largest);
    QVERIFY(d.share <= share);
}

void TestPreviewRenderer::labelsAsOnTheGuiThread()
{
    // Glyphs rendered on the worker thread are those of the GUI thread. One
    // layer without ticks: the picture is the hub and the labels.
    gaugeData g;
    g.divisionCount = {12, 1, 1};
    g.divisionWidth = {0, 0, 0};
    g.divisionOuterRadius = {0.0, 0, 0};
    g.divisionInnerRadius = {0.0, 0, 0};
    g.angleLength = 300;
    g.tickCountRotate = true;
    g.tickCountDecimalPlaces = 2;
    g.tickCountFont = QFont(QStringLiteral("Sans Serif"), 13, QFont::Bold);
    g.arcAngleLength = {0, 0, 0, 0};
    const PreviewRenderer::Target target{512, 1.0, 120, 120};
    PreviewRenderer renderer;
    renderer.request({g}, target);
    QVERIFY(waitForPicture(renderer));
    QCOMPARE(renderer.picture(), onePass({g}, target));
}

void TestPreviewRenderer::sharpAtPixelRatio()
{
    PreviewRenderer renderer;
    const PreviewRenderer::Target target{512, 2.0, 96, 96};
    renderer.request({gaugeData()}, target);
    QVERIFY(waitForPicture(renderer));
    QCOMPARE(renderer.picture().size(), QSize(1024, 1024));
    QCOMPARE(renderer.picture().devicePixelRatio(), 2.0);
    QCOMPARE(renderer.pictureTarget(), target);
    QVERIFY(imageDifference(renderer.picture(), onePass({gaugeData()}, target)).largest <= 2);
}

void TestPreviewRenderer::goesWhileDrawing()
{
    // The window closes while a dense layer is being drawn: the drawing is
    // abandoned (the test's time-out catches a wait for its end), and the
    // threads it ran on are free again at once.
    for (int i = 0; i < 3; ++i) {
        PreviewRenderer renderer;
        renderer.request({densestFormLayer(3, true), densestFormLayer(3, true)}, {});
        QVERIFY(renderer.isBusy());
    }
    PreviewRenderer fresh;
    fresh.request({gaugeData()}, {});
    QVERIFY(waitForPicture(fresh));
    QVERIFY(!fresh.picture().isNull());
}

QTEST_MAIN(TestPreviewRenderer)
#include "test_previewrenderer.moc"
