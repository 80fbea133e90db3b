#include "render/gui/renderarea.h"

#include "export/imageexport.h"

#include "imagedifference.h"
#include "imageink.h"
#include "samplegauges.h"

#include <QApplication>
#include <QImage>
#include <QMetaObject>
#include <QPainter>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The widget's picture once the worker has drawn the current layers: a
// first repaint asks for it, a second shows it.
QImage currentPicture(RenderArea &area, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    auto grab = [&area, format] {
        QImage image(512, 512, format);
        image.fill(Qt::transparent);
        area.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    grab();
    if (!QTest::qWaitFor([&area] { return area.isPreviewCurrent(); }, 60000))
        return QImage();
    return grab();
}

} // namespace

class TestRenderArea : public QObject
{
    Q_OBJECT

private slots:
    void sizeHints();
    void slotsThroughMetaObject();
    void layerIndexRules();
    void previewShowsListNotEditingCopy();
    void exportMatchesPreview();
    void busySignWhileDrawing();
};

void TestRenderArea::sizeHints()
{
    RenderArea area;
    QCOMPARE(area.sizeHint(), QSize(512, 512));
    QCOMPARE(area.minimumSizeHint(), QSize(100, 100));
}

void TestRenderArea::slotsThroughMetaObject()
{
    RenderArea area;
    area.currentGauge.arcColor[0] = Qt::blue;
    QVERIFY(QMetaObject::invokeMethod(&area, "setArc1", Q_ARG(double, 10), Q_ARG(double, 20),
                                      Q_ARG(double, 0.5), Q_ARG(double, 2)));
    QCOMPARE(area.currentGauge.arcStartAngle[0], 10.0);
    QCOMPARE(area.currentGauge.arcAngleLength[0], 20.0);
    QCOMPARE(area.currentGauge.arcColor[0], QColor(Qt::green));

    area.currentGauge.tickCountFont = QFont(QStringLiteral("Serif"), 22);
    area.currentGauge.tickCountColor = Qt::red;
    QVERIFY(QMetaObject::invokeMethod(&area, "setTickCounts", Q_ARG(bool, false), Q_ARG(double, 5),
                                      Q_ARG(double, 2), Q_ARG(int, 3), Q_ARG(double, 0.6),
                                      Q_ARG(bool, true), Q_ARG(bool, true)));
    QCOMPARE(area.currentGauge.tickCountFont, QFont(QStringLiteral("Sans Serif"), 10, -1, false));
    QCOMPARE(area.currentGauge.tickCountColor, QColor(Qt::white));
    QCOMPARE(area.currentGauge.tickCountDecimalPlaces, 3);
    QVERIFY(area.currentGauge.tickCountSkipFirst && !area.currentGauge.tickCountEnabled);

    QVERIFY(QMetaObject::invokeMethod(&area, "setDivisions3", Q_ARG(int, 9), Q_ARG(double, 0.1),
                                      Q_ARG(double, 0.2), Q_ARG(double, 0.3)));
    QCOMPARE(area.currentGauge.divisionCount[2], 9);
    QCOMPARE(area.currentGauge.divisionColor[2], QColor(Qt::white));

    gaugeData fresh;
    fresh.startAngle = 99;
    QVERIFY(QMetaObject::invokeMethod(&area, "defaultGauge", Q_RETURN_ARG(gaugeData, fresh)));
    QVERIFY(fresh == gaugeData());
}

void TestRenderArea::layerIndexRules()
{
    // A window repaints all its dirty widgets together: once the sentinel's
    // repaint has run, any repaint the preview asked for before has run too.
    QWidget window;
    RenderArea &area = *new RenderArea(&window);
    area.resize(512, 512);
    auto *sentinel = new QWidget(&window);
    sentinel->setGeometry(512, 0, 8, 8);
    window.resize(520, 512);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    PaintCounter sentinelCounter;
    area.installEventFilter(&counter);
    sentinel->installEventFilter(&sentinelCounter);
    sentinel->update();
    QTRY_VERIFY(sentinelCounter.paints > 0);
    counter.paints = 0;

    gaugeData a, b;
    b.startAngle = 45;
    b.tickCountFont = QFont(QStringLiteral("Serif"), 17, QFont::Bold, true);
    b.arcColor[2] = QColor(1, 2, 3);
    area.layers = {a, b};
    // The new layers' picture arrives with a repaint of its own.
    QTRY_VERIFY(area.isPreviewCurrent());
    sentinelCounter.paints = 0;
    sentinel->update();
    QTRY_VERIFY(sentinelCounter.paints > 0);
    counter.paints = 0;
    area.currentGauge.bias = 0.9;
    const gaugeData editing = area.currentGauge;

    for (int bad : {-1, 2, 100}) {
        area.loadLayer(bad);
        area.saveLayerData(bad);
    }
    sentinelCounter.paints = 0;
    sentinel->update();
    QTRY_VERIFY(sentinelCounter.paints > 0);
    QCOMPARE(counter.paints, 0);
    QVERIFY(area.currentGauge == editing);
    QVERIFY(area.layers.at(0) == a && area.layers.at(1) == b);

    area.loadLayer(1);
    QVERIFY(area.currentGauge == b);
    QTRY_VERIFY(counter.paints > 0);
    area.saveLayerData(0);
    QVERIFY(area.layers.at(0) == b);
    QCOMPARE(area.layers.at(0).tickCountFont, b.tickCountFont);
}

void TestRenderArea::previewShowsListNotEditingCopy()
{
    RenderArea area;
    area.resize(512, 512);
    // Empty list: only the centre dot, on a transparent background.
    const QImage empty = currentPicture(area, QImage::Format_ARGB32);
    QVERIFY(inkedPixels(empty) > 0 && inkedPixels(empty) < 80);
    QCOMPARE(qAlpha(empty.pixel(10, 10)), 0);

    area.layers.append(gaugeData());
    const QImage one = currentPicture(area, QImage::Format_ARGB32);
    area.setDivisions1(40, 0.1, 1.0, 3.0, Qt::red);
    QCOMPARE(currentPicture(area, QImage::Format_ARGB32), one); // the setter alone changes nothing
    area.saveLayerData(0);
    QVERIFY(currentPicture(area, QImage::Format_ARGB32) != one);
}

void TestRenderArea::exportMatchesPreview()
{
    // The PNG export at the preview's size is the preview's picture (labels
    // aside: the export draws them unhinted at 96 dpi), within the rounding
    // of laying the preview's layer pictures over each other.
    gaugeData g;
    g.startAngle = -140;
    g.angleLength = 280;
    g.divisionCount = {14, 4, 5};
    g.divisionWidth = {3, 1, 0};
    g.roundedTickCaps = true;
    g.arcAngleLength = {280, 40, -30, 0};
    g.arcWidth = {2, 6, 6, 0};
    g.arcRadius = {1, 0.7, 0.7, 1};
    g.tickCountEnabled = false;
    RenderArea area;
    area.resize(512, 512);
    gaugeData plain;
    plain.tickCountEnabled = false;
    area.layers = {g, plain};
    const QImage preview = currentPicture(area);
    QVERIFY(!preview.isNull());
    const ImageDifference d = imageDifference(gaugeImage(area.layers, 512), preview);
    QVERIFY2(d.largest <= 2 && d.share < 0.001,
             qPrintable(QStringLiteral("%1 levels on %2").arg(d.largest).arg(d.share)));
}

void TestRenderArea::busySignWhileDrawing()
{
    // A slow drawing shows the busy sign until its picture is there; the
    // delay before the sign is shortened so that any drawing shows it.
    QWidget window;
    RenderArea &area = *new RenderArea(&window);
    area.resize(512, 512);
    area.busySignDelay = 0;
    window.resize(512, 512);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(area.isPreviewCurrent());
    QVERIFY(!area.isBusySignShown());

    area.layers = {densestFormLayer(3, true), densestFormLayer(3, true)};
    area.update();
    QTRY_VERIFY(area.isBusySignShown());
    QTRY_VERIFY_WITH_TIMEOUT(area.isPreviewCurrent(), 60000);
    QVERIFY(!area.isBusySignShown());
}

QTEST_MAIN(TestRenderArea)
#include "test_renderarea.moc"
