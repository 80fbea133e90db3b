#include "app/window.h"
#include "i18n/translations.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/colorbutton.h"
#include "ui/focusring.h"
#include "ui/inspectionview.h"

#include "export/imageexport.h"

#include "formaccess.h"
#include "windowstate.h"
#include "imagedifference.h"
#include "modaldialogs.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls a user reaches with Tab: not the parts that spin boxes,
// combo boxes and scroll areas are built of.
QList<QWidget *> focusableControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QWidget *parent = w->parentWidget();
        const bool part = qobject_cast<QAbstractSpinBox *>(parent)
            || qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractScrollArea *>(parent)
            || (parent && qobject_cast<QAbstractScrollArea *>(parent->parentWidget()));
        if (!part && w->window() == window && (w->focusPolicy() & Qt::TabFocus))
            controls.append(w);
    }
    return controls;
}

// The widgets on show that the layouts of `parent` place.
QList<QWidget *> laidOutChildren(QWidget *parent)
{
    const QList<QLayout *> layouts = parent->findChildren<QLayout *>();
    QList<QWidget *> laid;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const bool placed = std::any_of(layouts.begin(), layouts.end(),
                                        [child](QLayout *l) { return l->indexOf(child) >= 0; });
        if (placed && child->isVisible() && !child->isWindow())
            laid.append(child);
    }
    return laid;
}

// Sibling widgets whose rectangles cross, as "a / b" texts.
QStringList overlaps(QWidget *window)
{
    QStringList found;
    QList<QWidget *> parents{window};
    parents += window->findChildren<QWidget *>();
    for (QWidget *parent : parents) {
        const QList<QWidget *> children = laidOutChildren(parent);
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j)
                if (children[i]->geometry().intersects(children[j]->geometry()))
                    found << children[i]->objectName() + QLatin1String(" / ")
                            + children[j]->objectName();
    }
    return found;
}

} // namespace

// What makes the window usable by more people: names for assistive
// technology, a visible keyboard focus, translations, an enlarged view of
// the gauge and a form that never lies over itself.
class TestReach : public QObject
{
    Q_OBJECT

private slots:
    void accessibleNames_data();
    void accessibleNames();
    void everyControlIsNamed();
    void focusRingShowsOnColourButtons();
    void noOverlap_data();
    void noOverlap();
    void wheelScrollsTheForm();
    void translationsComplete();
    void germanWindow();
    void faceColourDialogStartsOnTheColour();
    void aboutLinkOpensSafely_data();
    void aboutLinkOpensSafely();
    void inspectionZoom();
    void inspectionFollowsEdits();
    void inspectionCloses_data();
    void inspectionCloses();
};

void TestReach::accessibleNames_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::newRow("primary colour") << "gaugeDivisions1ColorButton"
                                    << "Primary tick colour";
    QTest::newRow("arc 2 colour") << "arc2ColorButton"
                                  << "Arc 2 colour";
    QTest::newRow("label colour") << "tickColorButton"
                                  << "Label colour";
    QTest::newRow("label font") << "tickCountFontButton"
                                << "Label font";
    QTest::newRow("secondary inner radius") << "gaugeDivisions2InnerRadiusSpinBox"
                                            << "Secondary ticks, inner radius";
    QTest::newRow("arc 4 width") << "arc4WidthSpinBox"
                                 << "Arc 4, line width";
    QTest::newRow("layers") << "layerList"
                            << "Layers";
}

void TestReach::accessibleNames()
{
    QFETCH(QString, object);
    QFETCH(QString, name);
    Window window;
    QWidget *widget = window.findChild<QWidget *>(object);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);
}

void TestReach::everyControlIsNamed()
{
    Window window;
    QStringList unnamed;
    QStringList labelsWithoutBuddy;
    for (QWidget *control : focusableControls(&window))
        if (accessibleName(control).trimmed().isEmpty())
            unnamed << control->objectName() + QLatin1Char('(')
                    + QLatin1String(control->metaObject()->className()) + QLatin1Char(')');
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));

    // A label that names a field is its buddy, so a screen reader and a
    // mnemonic both reach the field.
    for (const char *field : {"gaugeStartAngleSpinBox", "gaugeBiasSpinBox", "biasTypeComboBox",
                              "tickCountRadiusSpinBox"}) {
        bool hasBuddy = false;
        for (QLabel *label : window.findChildren<QLabel *>())
            hasBuddy = hasBuddy || (label->buddy() && label->buddy()->objectName() == field);
        if (!hasBuddy)
            labelsWithoutBuddy << QLatin1String(field);
    }
    QVERIFY2(labelsWithoutBuddy.isEmpty(), qPrintable(labelsWithoutBuddy.join(", ")));
}

void TestReach::focusRingShowsOnColourButtons()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(formChild<FocusRing>(window, "focusRing"));

    // Tab onto a colour button: the ring lies around it, on show.
    auto *colour = window.findChild<QAbstractButton *>(QStringLiteral("arc1ColorButton"));
    QVERIFY(colour);
    colour->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(formChild<FocusRing>(window, "focusRing")->button(), colour);
    QVERIFY(formChild<FocusRing>(window, "focusRing")->isVisible());
    QVERIFY(formChild<FocusRing>(window, "focusRing")
                ->geometry()
                .contains(colour->rect().adjusted(1, 1, -1, -1)));

    // Away from the buttons it hides.
    Form(window).gaugeBiasSpinBox->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!formChild<FocusRing>(window, "focusRing")->isVisible());
}

void TestReach::noOverlap_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("minimum") << QSize();
    QTest::newRow("1000 x 700") << QSize(1000, 700);
    QTest::newRow("small") << QSize(640, 480);
    QTest::newRow("large") << QSize(2400, 1400);
}

void TestReach::noOverlap()
{
    QFETCH(QSize, size);
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size.isValid() ? size : window.minimumSize());
    QTRY_COMPARE(window.size(),
                 size.isValid() ? size.expandedTo(window.minimumSize()) : window.minimumSize());
    QCoreApplication::processEvents();
    const QStringList crossing = overlaps(&window);
    QVERIFY2(crossing.isEmpty(), qPrintable(crossing.join(QLatin1String(", "))));
    // What the window cannot show scrolls instead.
    QVERIFY(Form(window).formScrollArea);
    QVERIFY(Form(window).formScrollArea->isVisible());
}

// In a window smaller than the form, the wheel over a field scrolls the
// form rather than changing the field, unless the field has the focus.
void TestReach::wheelScrollsTheForm()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(900, 480);
    QTRY_VERIFY(Form(window).formScrollArea->verticalScrollBar()->maximum() > 0);
    QScrollBar *bar = Form(window).formScrollArea->verticalScrollBar();
    auto wheel = [](QWidget *over) {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &event);
    };
    for (QWidget *field : QList<QWidget *>{Form(window).gaugeDivisions1SpinBox,
                                           Form(window).biasTypeComboBox,
                                           Form(window).arc1RadiusSpinBox}) {
        bar->setValue(0);
        const QVariantList before = formValues(window);
        wheel(field);
        QVERIFY2(formValues(window) == before, qPrintable(field->objectName()));
        QVERIFY2(bar->value() > 0, qPrintable(field->objectName()));
        QVERIFY(!window.isWindowModified());
    }
    // With the focus the field takes the wheel.
    QSpinBox *count = Form(window).gaugeDivisions1SpinBox;
    count->setFocus();
    QTRY_VERIFY(count->hasFocus());
    wheel(count);
    QCOMPARE(count->value(), 3);
}

void TestReach::translationsComplete()
{
    // The sources are read afresh, so a text added to the code since the
    // translations were last refreshed counts as untranslated.
    QTemporaryDir folder;
    QStringList copies;
    for (const QString &ts : QStringLiteral(DIALWRIGHT_TS_FILES).split(QLatin1Char(';'))) {
        const QString copy = folder.filePath(QFileInfo(ts).fileName());
        QVERIFY(QFile::copy(ts, copy));
        copies << copy;
    }
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.setWorkingDirectory(QStringLiteral(DIALWRIGHT_SOURCE_DIR));
    lupdate.start(QStringLiteral(DIALWRIGHT_LUPDATE),
                  QStringLiteral(DIALWRIGHT_LUPDATE_ARGUMENTS).split(QLatin1Char(';'))
                      + QStringList{QStringLiteral("-ts")} + copies);
    QVERIFY(lupdate.waitForFinished(120000));
    const QString log = QString::fromLocal8Bit(lupdate.readAll());
    QCOMPARE(lupdate.exitCode(), 0);
    QVERIFY2(!log.contains(QLatin1String("without context")), qPrintable(log));

    QCOMPARE(copies.size(), 2);
    for (const QString &copy : copies) {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QStringList untranslated;
        static const QRegularExpression message(
            QStringLiteral("<source>((?:(?!</source>).)*)</source>(?:(?!</message>).)*"
                           "<translation type=\"unfinished\""),
            QRegularExpression::DotMatchesEverythingOption);
        for (auto it = message.globalMatch(text); it.hasNext();)
            untranslated << it.next().captured(1);
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(QFileInfo(copy).fileName() + QLatin1String(": ")
                            + untranslated.join(QLatin1String(" | "))));
        QVERIFY(text.count(QLatin1String("<message")) > 400);
    }
    QCOMPARE(shippedLanguages(), (QStringList{"de", "fr"}));
}

void TestReach::germanWindow()
{
    QObject owner;
    QCOMPARE(installTranslations(QLocale(QLocale::German, QLocale::Germany), &owner),
             QStringLiteral("de"));
    {
        Window window;
        QCOMPARE(Form(window).AddLayerButton->text(), QStringLiteral("Ebene hinzufügen"));
        QStringList menus;
        for (QAction *menu : Form(window).menuBar->actions())
            menus << menu->text();
        QCOMPARE(menus.first(), QStringLiteral("&Datei"));
        QCOMPARE(accessibleName(Form(window).arc2ColorButton), QStringLiteral("Farbe von Bogen 2"));
    }
    // English is the source language: nothing is installed for it.
    QObject english;
    QCOMPARE(installTranslations(QLocale(QLocale::English, QLocale::UnitedKingdom), &english),
             QString());
}

void TestReach::faceColourDialogStartsOnTheColour()
{
    Window window;
    FaceSection(window).addText->click();
    QToolButton *button = FaceSection(window).textColor;
    const QColor picked(QStringLiteral("#3366cc"));
    QColor initial;
    ModalAnswers answers({answerAs<QColorDialog>([&](QColorDialog *d) {
        d->setCurrentColor(picked);
        d->accept();
    })});
    button->click();
    answers.expect(answerAs<QColorDialog>([&](QColorDialog *d) {
        initial = d->currentColor();
        d->reject();
    }));
    button->click();
    QVERIFY(answers.allAnswered());
    QCOMPARE(initial, picked);
    QCOMPARE(widgetColor(button), picked);
}

void TestReach::aboutLinkOpensSafely_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://example.org/dialwright" << true;
    QTest::newRow("http") << "http://example.org/" << false;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("no host") << "https:///x" << false;
}

void TestReach::aboutLinkOpensSafely()
{
    QFETCH(QString, address);
    QFETCH(bool, opened);
    QList<QUrl> seen;
    WindowServices services;
    services.openExternalUrl = [&seen](const QUrl &url) {
        seen << url;
        return true;
    };
    Window window(services);
    emit Form(window).aboutLabel->linkActivated(address);
    QCOMPARE(seen.size(), opened ? 1 : 0);
}

void TestReach::inspectionZoom()
{
    Window window;
    formAction(window, "inspectAction")->trigger();
    auto *view = formChild<InspectionView>(window, "inspectionView");
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));

    // Fit: the whole picture in the canvas.
    view->fit();
    const QSize canvas = view->canvas()->size();
    QCOMPARE(view->pictureSize(), qMin(canvas.width(), canvas.height()));

    // 1:1 at the largest export size; beyond, that export's pixels are
    // enlarged in steps of two, up to eight times.
    auto *actual = view->findChild<QPushButton *>(QStringLiteral("actualSizeButton"));
    actual->click();
    QCOMPARE(view->pictureSize(), exportSizeMax);
    for (int magnification : {2, 4, 8, 8}) {
        QTest::keyClick(view->canvas(), Qt::Key_Plus);
        QCOMPARE(view->pictureSize(), exportSizeMax * magnification);
        QCOMPARE(view->exportSize(), exportSizeMax);
    }
    // The wheel, too, goes by steps of two there, and stops at 1:1 on the
    // way down.
    const QPointF middle = QRectF(view->canvas()->rect()).center();
    QWheelEvent out(middle, view->canvas()->mapToGlobal(middle), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->canvas(), &out);
    QCOMPARE(view->pictureSize(), exportSizeMax * 4);
    view->zoomTo(exportSizeMax * 3 / 2);
    QCOMPARE(view->pictureSize(), exportSizeMax);
    QTest::keyClick(view->canvas(), Qt::Key_Minus);
    QCOMPARE(view->pictureSize(), exportSizeMax / 2);

    // The wheel zooms about the point under the mouse: that point of the
    // picture stays under it.
    const QPointF mouse(canvas.width() * 0.3, canvas.height() * 0.6);
    const QPointF before = (view->pictureOrigin() + mouse) / view->pictureSize();
    QWheelEvent wheel(mouse, view->canvas()->mapToGlobal(mouse), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->canvas(), &wheel);
    QVERIFY(view->pictureSize() > exportSizeMax / 2);
    const QPointF after = (view->pictureOrigin() + mouse) / view->pictureSize();
    QVERIFY(qAbs(after.x() - before.x()) * view->pictureSize() <= 1.0);
    QVERIFY(qAbs(after.y() - before.y()) * view->pictureSize() <= 1.0);

    // Dragging moves the picture with the mouse.
    const QPointF origin = view->pictureOrigin();
    QTest::mousePress(view->canvas(), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(view->canvas(), QPoint(150, 170));
    QTest::mouseRelease(view->canvas(), Qt::LeftButton, {}, QPoint(150, 170));
    QCOMPARE(view->pictureOrigin(), origin + QPointF(50, 30));

    // The scroll bars show the part on show and move it.
    QScrollBar *across = view->horizontalScrollBar();
    QScrollBar *down = view->verticalScrollBar();
    QCOMPARE(across->value(), int(view->pictureOrigin().x()));
    QCOMPARE(down->value(), int(view->pictureOrigin().y()));
    QCOMPARE(across->maximum(), view->pictureSize() - view->canvas()->width());
    down->setValue(down->maximum());
    QCOMPARE(view->pictureOrigin().y(), double(view->pictureSize() - view->canvas()->height()));
    view->fit();
    QVERIFY(!across->isEnabled() && !down->isEnabled());
}

void TestReach::inspectionCloses_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void TestReach::inspectionCloses()
{
    QFETCH(QKeySequence, keys);
    Window window;
    window.show();
    formAction(window, "inspectAction")->trigger();
    auto *view = formChild<InspectionView>(window, "inspectionView");
    QVERIFY(QTest::qWaitForWindowActive(view));
    QTest::keySequence(view->canvas(), keys);
    QTRY_VERIFY(!view->isVisible());
    QVERIFY(window.isVisible());
}

void TestReach::inspectionFollowsEdits()
{
    Window window;
    window.show();
    formAction(window, "inspectAction")->trigger();
    auto *view = formChild<InspectionView>(window, "inspectionView");
    QVERIFY(QTest::qWaitForWindowExposed(view));
    view->zoomTo(1024);
    QTRY_VERIFY(view->isPictureCurrent());

    // An edit in the form reaches the view, which shows exactly the pixels
    // of an export of the size it shows.
    // Two steps of one run, merged into one undo step, and the view follows
    // even while the preview is scrolled out of sight.
    Form(window).formScrollArea->verticalScrollBar()->setValue(
        Form(window).formScrollArea->verticalScrollBar()->maximum());
    Form(window).gaugeDivisions1SpinBox->setValue(16);
    Form(window).gaugeDivisions1SpinBox->setValue(17);
    QTRY_VERIFY(view->isPictureCurrent());
    const PreviewRenderer::Target shown = view->pictureTarget();
    QCOMPARE(shown.size, 1024);
    QCOMPARE(window.renderArea->layers.first().divisionCount[0], 17);
    const QImage exported = gaugeImage(window.renderArea->layers, 1024).copy(shown.visible);
    // Drawn as a part of the picture, hairlines may round a shade apart
    // from the whole export's.
    const ImageDifference difference = imageDifference(view->picture(), exported);
    QVERIFY2(difference.largest <= 8 && difference.share < 0.002,
             qPrintable(QStringLiteral("%1 levels, %2 of the pixels")
                            .arg(difference.largest)
                            .arg(difference.share)));
}

QTEST_MAIN(TestReach)
#include "test_reach.moc"
