#include "app/window.h"
#include "model/gaugedocument.h"
#include "render/drawingspace.h"
#include "render/gui/renderarea.h"
#include "render/needledial.h"
#include "render/needlesweep.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <cmath>

namespace {

const QByteArray svgNeedle = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 20 80'>"
                             "<rect x='8' width='4' height='80' fill='#00f'/></svg>";

const gaugeData &current(Window &w)
{
    return w.document()->currentLayer();
}

// Adds a needle through its button, as the user does, and starts a fresh
// history from there.
void addNeedle(Window &w)
{
    NeedleSection(w).add->click();
    w.document()->undoStack()->clear();
}

// The preview's pixel where the needle of the current layer points, half
// way along a needle of length 0.9 at `value`.
QColor previewAlongNeedle(Window &w, double value)
{
    const double a = qDegreesToRadians(NeedleDial(current(w)).angle(value));
    const double r = 0.5 * DrawingSpace::gaugeRadius;
    const QPoint at(qRound(DrawingSpace::size / 2.0 + r * std::sin(a)),
                    qRound(DrawingSpace::size / 2.0 - r * std::cos(a)));
    return w.renderArea->grab().toImage().pixelColor(at);
}

// A window whose needles move on the clock `now` reads.
WindowServices clockedServices(const qint64 *now)
{
    WindowServices services;
    services.versionUrl = QUrl();
    services.needleSweepClock = [now] {
        return *now;
    };
    return services;
}

bool isNeedleRed(const QColor &c)
{
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

} // namespace

// The needle section: every edit is one undo step of the current layer, a
// drag of the value slider is one step, the preview shows the needle where
// the slider puts it, and the sweep moves the needles without editing the
// gauge until anything edits it.
class TestNeedleControls : public QObject
{
    Q_OBJECT

private slots:
    void editsAreUndoableSteps_data();
    void editsAreUndoableSteps();
    void sliderDragIsOneStep();
    void previewShowsMovedNeedle();
    void sweepFollowsItsClockAndStopsOnEdit_data();
    void sweepFollowsItsClockAndStopsOnEdit();
    void playFollowsDataAndEnds_data();
    void playFollowsDataAndEnds();
    void pictureNeedle();
    void picturesCountEveryPicture_data();
    void picturesCountEveryPicture();
};

void TestNeedleControls::editsAreUndoableSteps_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("stepText");
    QTest::newRow("add") << "add"
                         << "Add Needle";
    QTest::newRow("remove") << "remove"
                            << "Remove Needle";
    QTest::newRow("length") << "length"
                            << "Change Needle Length";
    QTest::newRow("shape") << "shape"
                           << "Change Needle Shape";
    QTest::newRow("name, typed") << "name"
                                 << "Change Needle Name";
    QTest::newRow("turns freely") << "free"
                                  << "Change Needle Turns Freely";
    QTest::newRow("hub cap") << "hub"
                             << "Change Needle Hub";
    QTest::newRow("value") << "value"
                           << "Change Needle Value";
}

void TestNeedleControls::editsAreUndoableSteps()
{
    QFETCH(QString, edit);
    QFETCH(QString, stepText);
    Window w;
    const NeedleSection c(w);
    if (edit != QLatin1String("add"))
        addNeedle(w);
    const gaugeData before = current(w);

    if (edit == QLatin1String("add"))
        c.add->click();
    else if (edit == QLatin1String("remove"))
        c.remove->click();
    else if (edit == QLatin1String("length"))
        c.length->setValue(0.5);
    else if (edit == QLatin1String("shape")) {
        c.shape->setCurrentIndex(0);
        emit c.shape->activated(0);
    } else if (edit == QLatin1String("name")) {
        c.name->end(false);
        QTest::keyClicks(c.name, QStringLiteral("Speed"));
    } else if (edit == QLatin1String("free"))
        c.free->click();
    else if (edit == QLatin1String("hub"))
        c.hub->click();
    else if (edit == QLatin1String("value"))
        c.value->setValue(2.5);

    QUndoStack *undo = w.document()->undoStack();
    QCOMPARE(undo->count(), 1);
    QCOMPARE(undo->undoText(), stepText);
    QVERIFY(current(w) != before);
    if (edit == QLatin1String("name"))
        QCOMPARE(current(w).needles.at(0).name, QStringLiteral("NeedleSpeed"));
    undo->undo();
    QVERIFY(current(w) == before);
    // The fields follow the undo.
    if (!before.needles.isEmpty())
        QCOMPARE(c.length->value(), before.needles.at(0).length);
}

void TestNeedleControls::sliderDragIsOneStep()
{
    Window w;
    const NeedleSection c(w);
    addNeedle(w);
    const NeedleDial dial(current(w));
    c.slider->setSliderDown(true);
    for (int position : {100, 400, 700, c.slider->maximum()})
        c.slider->setValue(position);
    c.slider->setSliderDown(false);
    QCOMPARE(current(w).needles.at(0).value, dial.endValue());
    QCOMPARE(c.value->value(), dial.endValue());

    // A second drag is a step of its own.
    c.slider->setSliderDown(true);
    c.slider->setValue(c.slider->maximum() / 2);
    c.slider->setSliderDown(false);
    QUndoStack *undo = w.document()->undoStack();
    QCOMPARE(undo->count(), 2);
    QCOMPARE(undo->undoText(), QStringLiteral("Move Needle"));
    undo->undo();
    QCOMPARE(current(w).needles.at(0).value, dial.endValue());
    undo->undo();
    QCOMPARE(current(w).needles.at(0).value, dial.startValue());
    QCOMPARE(c.slider->value(), 0);
}

void TestNeedleControls::previewShowsMovedNeedle()
{
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const NeedleSection c(w);
    addNeedle(w);
    const NeedleDial dial(current(w));
    QTRY_VERIFY(w.renderArea->isPreviewCurrent());
    QVERIFY(isNeedleRed(previewAlongNeedle(w, dial.startValue())));
    QVERIFY(!isNeedleRed(previewAlongNeedle(w, dial.endValue())));

    c.slider->setValue(c.slider->maximum());
    QTRY_VERIFY(w.renderArea->isPreviewCurrent());
    QVERIFY(!isNeedleRed(previewAlongNeedle(w, dial.startValue())));
    QVERIFY(isNeedleRed(previewAlongNeedle(w, dial.endValue())));
}

void TestNeedleControls::sweepFollowsItsClockAndStopsOnEdit_data()
{
    QTest::addColumn<bool>("edited");
    QTest::newRow("ends by itself") << false;
    QTest::newRow("an edit ends it") << true;
}

void TestNeedleControls::sweepFollowsItsClockAndStopsOnEdit()
{
    QFETCH(bool, edited);
    qint64 now = 0;
    Window w(clockedServices(&now));
    const NeedleSection c(w);
    addNeedle(w);
    const gaugeData before = current(w);
    const NeedleDial dial(before);
    QSignalSpy swept(c.editor, &NeedleEditor::swept);

    c.sweep->click();
    QVERIFY(c.editor->isSweeping());
    QVERIFY(c.sweep->isChecked());
    // A quarter of the way in time, half of the way along the span.
    now = needleSweepMs / 4;
    const double halfWay = (dial.startValue() + dial.endValue()) / 2.0;
    QTRY_VERIFY(w.renderArea->isPosed()
                && qAbs(w.renderArea->shownLayers().at(0).needles.at(0).value - halfWay) < 1e-9);
    QVERIFY(current(w) == before);
    QCOMPARE(w.document()->undoStack()->count(), 0);

    if (edited)
        c.length->setValue(0.5);
    else
        now = needleSweepMs;
    QTRY_COMPARE(swept.count(), 1);
    QVERIFY(!c.editor->isSweeping());
    QVERIFY(!c.sweep->isChecked());
    QVERIFY(!w.renderArea->isPosed());
    QCOMPARE(current(w).needles.at(0).value, before.needles.at(0).value);
    QCOMPARE(w.document()->undoStack()->count(), edited ? 1 : 0);
}

void TestNeedleControls::playFollowsDataAndEnds_data()
{
    QTest::addColumn<bool>("named");
    QTest::newRow("the column of its name") << true;
    QTest::newRow("else the first column") << false;
}

// Play runs the data on the clock: half way through a linear run of the
// span the needle stands half way, and at the end the gauge is as it was.
void TestNeedleControls::playFollowsDataAndEnds()
{
    QFETCH(bool, named);
    qint64 now = 0;
    Window w(clockedServices(&now));
    const NeedleSection c(w);
    addNeedle(w);
    const gaugeData before = current(w);
    const NeedleDial dial(before);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    const QByteArray column = named ? before.needles.at(0).name.toUtf8() : "other";
    // The other column comes first when the needle's own is there.
    const double quarter = dial.startValue() + (dial.endValue() - dial.startValue()) / 4.0;
    const QByteArray still = QByteArray::number(quarter, 'g', 17);
    QVERIFY(writeBytes(path, "time;unused;" + column + "\n0;" + still + ';'
                                 + QByteArray::number(dial.startValue()) + "\n2;" + still + ';'
                                 + QByteArray::number(dial.endValue()) + "\n"));
    QSignalSpy swept(c.editor, &NeedleEditor::swept);

    QVERIFY(c.editor->playFile(path));
    QVERIFY(c.editor->isPlaying());
    now = 1000;
    const double expected = named ? (dial.startValue() + dial.endValue()) / 2.0 : quarter;
    QTRY_VERIFY(w.renderArea->isPosed()
                && qAbs(w.renderArea->shownLayers().at(0).needles.at(0).value - expected) < 1e-6);
    QVERIFY(current(w) == before);

    now = 2500;
    QTRY_COMPARE(swept.count(), 1);
    QVERIFY(!c.editor->isPlaying());
    QVERIFY(!w.renderArea->isPosed());
    QCOMPARE(w.document()->undoStack()->count(), 0);
}

void TestNeedleControls::pictureNeedle()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("needle.svg"));
    QVERIFY(writeBytes(path, svgNeedle));
    Window w;
    addNeedle(w);
    QVERIFY(NeedleSection(w).editor->setPictureFile(path));
    const gaugeNeedle &n = current(w).needles.at(0);
    QCOMPARE(n.shape, needleShape::picture);
    QCOMPARE(n.pictureData, svgNeedle);
    QCOMPARE(n.pivot, QPointF(10, 70));
    QCOMPARE(NeedleSection(w).shape->currentData().toInt(), int(needleShape::picture));
    QCOMPARE(w.document()->undoStack()->count(), 1);
}

void TestNeedleControls::picturesCountEveryPicture_data()
{
    QTest::addColumn<bool>("forNeedle");
    QTest::newRow("a face picture") << false;
    QTest::newRow("a needle picture") << true;
}

// The gauge file's bound on pictures counts the needles' too, whichever
// kind is added: a gauge the window made always opens again.
void TestNeedleControls::picturesCountEveryPicture()
{
    QFETCH(bool, forNeedle);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("needle.svg"));
    QVERIFY(writeBytes(path, svgNeedle));
    Window w;
    addNeedle(w);
    // Four needle pictures of 4 MB in another layer already.
    gaugeData full;
    gaugeNeedle largest;
    largest.shape = needleShape::picture;
    largest.pictureData = QByteArray(pictureByteLimit, 'p');
    full.needles = {largest, largest, largest, largest};
    w.document()->insertLayer(1, namedLayer{QStringLiteral("Full"), full}, QString());
    w.document()->undoStack()->clear();
    const QList<gaugeData> before = w.document()->layerData();

    BoxSeen seen;
    ModalAnswers answers({pressButton(QMessageBox::Ok, &seen)});
    QVERIFY(forNeedle ? !NeedleSection(w).editor->setPictureFile(path)
                      : !FaceSection(w).editor->addPictureFile(path));
    QVERIFY(answers.allAnswered());
    QVERIFY2(seen.text.startsWith(QStringLiteral("With needle.svg the gauge would hold 16.0 MB")),
             qPrintable(seen.text));
    QVERIFY(w.document()->layerData() == before);
    QCOMPARE(w.document()->undoStack()->count(), 0);
}

QTEST_MAIN(TestNeedleControls)
#include "test_needlecontrols.moc"
