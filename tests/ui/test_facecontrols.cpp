#include "app/window.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/faceoverlay.h"
#include "ui/labeltextedit.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"
#include "windowstate.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

namespace {

const QByteArray svgLogo = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 20'>"
                           "<rect width='40' height='20' fill='#c00'/></svg>";

const gaugeData &layer(Window &w)
{
    return w.renderArea->layers.at(Form(w).layerList->currentRow());
}

// Adds a text through its button, as the user does, and starts a fresh
// history from there.
void addText(Window &w)
{
    FaceSection(w).addText->click();
    w.document()->undoStack()->clear();
}

} // namespace

// The face section: every edit of the label texts, texts and pictures is
// one undo step bound to the current layer, elements are picked and moved
// on the preview, pictures that cannot be carried or drawn are refused with
// a reason, and the section fits the window beside the form.
class TestFaceControls : public QObject
{
    Q_OBJECT

private slots:
    void editsAreUndoableSteps_data();
    void editsAreUndoableSteps();
    void picturesRefusedWithReason_data();
    void picturesRefusedWithReason();
    void showsTheLayersFace();
    void layoutAndTabOrder();
    void typedNumbersStay_data();
    void typedNumbersStay();
};

void TestFaceControls::editsAreUndoableSteps_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("undoText");
    for (const auto &[action, text] :
         QList<std::pair<const char *, const char *>>{{"add text", "Add Text"},
                                                      {"type text", "Change Text"},
                                                      {"text x", "Change Text X"},
                                                      {"align", "Change Text Alignment"},
                                                      {"label texts", "Change Label Texts"},
                                                      {"add picture", "Add Picture"},
                                                      {"picture width", "Change Picture Width"},
                                                      {"remove", "Remove Text"},
                                                      {"drag", "Move Text"},
                                                      {"nudge", "Move Text"}})
        QTest::newRow(action) << QString::fromLatin1(action) << QString::fromLatin1(text);
}

void TestFaceControls::editsAreUndoableSteps()
{
    QFETCH(QString, action);
    QTemporaryDir dir;
    const QString logoPath = dir.filePath(QStringLiteral("logo.svg"));
    QVERIFY(writeBytes(logoPath, svgLogo));
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const FaceSection c(w);
    if (action == "picture width") {
        QVERIFY(FaceSection(w).editor->addPictureFile(logoPath));
        w.document()->undoStack()->clear();
    } else if (action != "add text" && action != "label texts" && action != "add picture") {
        addText(w);
    }
    const WindowState before = stateOf(w);
    const gaugeData was = layer(w);
    ModalAnswers answers;

    if (action == "add text") {
        c.addText->click();
        QCOMPARE(layer(w).texts.size(), 1);
        QVERIFY(c.text->hasFocus());
    } else if (action == "type text") {
        // Every key a change, one step in all.
        c.text->selectAll();
        QTest::keyClicks(c.text, QStringLiteral("km/h"));
        QCOMPARE(layer(w).texts.first().text, QStringLiteral("km/h"));
    } else if (action == "text x") {
        c.textX->setValue(0.5);
        QCOMPARE(layer(w).texts.first().x, 0.5);
    } else if (action == "align") {
        c.textAlign->setCurrentIndex(0);
        emit c.textAlign->activated(0);
        QCOMPARE(layer(w).texts.first().align, textAlign::left);
    } else if (action == "label texts") {
        c.labelTexts->setFocus();
        for (const char *line : {"E", "", "F", ""}) {
            QTest::keyClicks(c.labelTexts, QString::fromLatin1(line));
            QTest::keyClick(c.labelTexts, Qt::Key_Return);
        }
        QCOMPARE(layer(w).tickCountTexts, (QStringList{"E", "", "F"}));
    } else if (action == "add picture") {
        answers.expect(chooseFile(logoPath));
        c.addPicture->click();
        QCOMPARE(layer(w).pictures.size(), 1);
        QCOMPARE(layer(w).pictures.first().data, svgLogo);
        QCOMPARE(layer(w).pictures.first().format, pictureFormat::svg);
        QCOMPARE(c.fields->currentWidget(), c.pictureX->parentWidget());
    } else if (action == "picture width") {
        c.pictureWidth->setValue(0.8);
        QCOMPARE(layer(w).pictures.first().width, 0.8);
    } else if (action == "remove") {
        c.remove->click();
        QVERIFY(layer(w).texts.isEmpty());
        QVERIFY(!c.remove->isEnabled());
    } else {
        // The text stands below the hub; picked on the preview, it is
        // outlined, and moved by drags and arrow keys.
        c.elements->setCurrentRow(-1);
        const QPointF anchor = facePoint(was.texts.first().x, was.texts.first().y);
        QVERIFY(c.overlay->outline().isEmpty());
        QTest::mouseClick(c.overlay, Qt::LeftButton, {}, c.overlay->fromDrawing(anchor).toPoint());
        QCOMPARE(c.elements->currentRow(), 0);
        QVERIFY(c.overlay->outline().containsPoint(anchor, Qt::OddEvenFill));
        if (action == "drag") {
            QTest::mousePress(c.overlay, Qt::LeftButton, {}, anchor.toPoint());
            for (int x = 5; x <= 25; x += 5) {
                QMouseEvent move(QEvent::MouseMove, anchor + QPointF(x, 0), anchor + QPointF(x, 0),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(c.overlay, &move);
            }
            QTest::mouseRelease(c.overlay, Qt::LeftButton, {}, (anchor + QPointF(25, 0)).toPoint());
            QCOMPARE(layer(w).texts.first().x, 0.1);
        } else {
            c.overlay->setFocus();
            QTest::keyClick(c.overlay, Qt::Key_Right, Qt::ShiftModifier);
            QCOMPARE(layer(w).texts.first().x, 0.04);
        }
        QCOMPARE(c.fields->currentWidget(), c.textX->parentWidget());
        QCOMPARE(c.textX->value(), layer(w).texts.first().x);
    }
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(", ")));
    QVERIFY(w.renderArea->currentGauge == layer(w));
    QCOMPARE(w.document()->undoStack()->count(), 1);
    QTEST(formAction(w, "undoAction")->text().remove(QStringLiteral("Undo ")), "undoText");
    const WindowState after = stateOf(w);
    formAction(w, "undoAction")->trigger();
    QVERIFY(stateOf(w) == before);
    formAction(w, "redoAction")->trigger();
    QVERIFY(stateOf(w) == after);
}

void TestFaceControls::picturesRefusedWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("too large")
        << "photo.png" << QByteArray("\x89PNG\r\n\x1a\n").leftJustified(pictureByteLimit + 1, '\0')
        << "photo.png is larger than 4 MB, the most a picture of a gauge may have.";
    QTest::newRow("not a picture")
        << "notes.txt" << QByteArray("just text") << "notes.txt is not a PNG, JPEG or SVG picture.";
    QTest::newRow("refers to this computer")
        << "peek.svg"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' "
                      "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 9 9'>"
                      "<image width='9' height='9' xlink:href='/etc/hostname'/></svg>")
        << "peek.svg cannot be drawn.\n\nThe SVG picture shows the file \u201c/etc/hostname\u201d, "
           "which the gauge does not carry.";
    QTest::newRow("gauge full") << "logo.svg" << svgLogo
                                << "With logo.svg the gauge would hold 16.0 MB of pictures; a "
                                   "gauge file may hold at most 16 MB.";
}

void TestFaceControls::picturesRefusedWithReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(writeBytes(path, bytes));
    Window w;
    if (QByteArray(QTest::currentDataTag()) == "gauge full") {
        // Four pictures of 4 MB in another layer already.
        gaugeData full;
        facePicture largest;
        largest.data = QByteArray(pictureByteLimit, 'p');
        full.pictures = {largest, largest, largest, largest};
        w.document()->insertLayer(1, namedLayer{QStringLiteral("Full"), full}, QString());
        w.document()->undoStack()->clear();
    }
    const WindowState before = stateOf(w);
    BoxSeen seen;
    ModalAnswers answers({pressButton(QMessageBox::Ok, &seen)});
    QVERIFY(!FaceSection(w).editor->addPictureFile(path));
    QVERIFY(answers.allAnswered());
    QTEST(seen.text, "message");
    QVERIFY(seen.parent == &w);
    QVERIFY(stateOf(w) == before);
    QCOMPARE(w.document()->undoStack()->count(), 0);
}

void TestFaceControls::showsTheLayersFace()
{
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const FaceSection c(w);
    // Beside each label text, the angle of the tick it labels.
    QCOMPARE(c.labelTexts->hints(),
             (QStringList{"0\u00b0", "30\u00b0", "60\u00b0", "90\u00b0", "120\u00b0"}));
    Form(w).skipFirstTickCheckBox->click();
    Form(w).gaugeDivisions1SpinBox->setValue(2);
    QCOMPARE(c.labelTexts->hints(), (QStringList{"skip", "60\u00b0", "120\u00b0"}));

    // A text that cannot be drawn says why, in the list and under the fields.
    addText(w);
    QVERIFY(c.problem->isHidden());
    c.text->clear();
    QVERIFY(c.problem->isVisible());
    QCOMPARE(c.problem->text(), QStringLiteral("Not drawn: The text is empty."));
    QVERIFY(!c.elements->item(0)->icon().isNull());
    QVERIFY(c.overlay->outline().isEmpty());

    // Another layer shows its own elements, none of them selected; back on
    // the first, its text is there again.
    w.document()->insertLayer(1, namedLayer{QStringLiteral("Second"), gaugeData()}, QString());
    Form(w).layerList->setCurrentRow(1);
    QCOMPARE(c.elements->count(), 0);
    QCOMPARE(c.fields->currentIndex(), 0);
    QVERIFY(c.labelTexts->toPlainText().isEmpty());
    Form(w).layerList->setCurrentRow(0);
    QCOMPARE(c.elements->count(), 1);
    QCOMPARE(c.elements->currentRow(), -1);
}

void TestFaceControls::layoutAndTabOrder()
{
    QTemporaryDir dir;
    const QString logoPath = dir.filePath(QStringLiteral("logo.svg"));
    QVERIFY(writeBytes(logoPath, svgLogo));
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const FaceSection c(w);
    addText(w);
    QVERIFY(FaceSection(w).editor->addPictureFile(logoPath));
    // Both pages of fields, with the longest reason the section gives.
    for (int row : {0, 1}) {
        c.elements->setCurrentRow(row);
        QCOMPARE(w.size(), QSize(1280, 760));
        QVERIFY(w.minimumSizeHint().width() <= 1280 && w.minimumSizeHint().height() <= 760);
        for (QWidget *widget : c.box->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !widget->parentWidget()->isVisible()
                || widget->parentWidget()->inherits("QAbstractScrollArea")
                || widget->parentWidget()->inherits("QComboBox")
                || widget->parentWidget()->inherits("QAbstractSpinBox"))
                continue;
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName() + " is clipped"));
            for (QWidget *sibling :
                 widget->parentWidget()->findChildren<QWidget *>(QString(),
                                                                 Qt::FindDirectChildrenOnly))
                QVERIFY2(sibling == widget || !sibling->isVisible()
                             || !sibling->geometry().intersects(widget->geometry()),
                         qPrintable(widget->objectName() + " overlaps " + sibling->objectName()));
        }
    }
    QVERIFY(c.box->geometry().bottom() < w.height());
    for (QWidget *control : c.box->findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus && !control->objectName().isEmpty()
            && !control->objectName().startsWith(QLatin1String("qt_")))
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));

    // After the layer buttons: the label texts, the list, its buttons.
    Form(w).SaveLayerButton->setFocus();
    QTRY_VERIFY(Form(w).SaveLayerButton->hasFocus());
    for (QWidget *next : {static_cast<QWidget *>(c.labelTexts), static_cast<QWidget *>(c.elements),
                          static_cast<QWidget *>(c.addText)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
}

void TestFaceControls::typedNumbersStay_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::newRow("text y, negative") << "faceTextYSpinBox" << "-0.25" << -0.25;
    QTest::newRow("text x") << "faceTextXSpinBox" << "1.5" << 1.5;
    QTest::newRow("text size") << "faceTextSizeSpinBox" << "14.5" << 14.5;
    QTest::newRow("text rotation") << "faceTextRotationSpinBox" << "-12.5" << -12.5;
    QTest::newRow("scale from") << "scaleFromSpinBox" << "-0.125" << -0.125;
}

// Typing a number digit by digit into a field built in code gives that
// number: the field is not rewritten while it is being typed in.
void TestFaceControls::typedNumbersStay()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    FaceSection(w).addText->click();
    if (field.startsWith(QLatin1String("scale"))) {
        ScaleBar(w).type->setCurrentIndex(ScaleBar(w).type->findData(int(scaleType::power)));
        emit ScaleBar(w).type->activated(ScaleBar(w).type->currentIndex());
    }
    auto *box = formChild<QDoubleSpinBox>(w, field.toLatin1().constData());
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    QTEST(box->value(), "value");
    const gaugeData &layer = w.renderArea->layers.at(0);
    const double stored = field.startsWith(QLatin1String("scale")) ? layer.scale.from
        : field == QLatin1String("faceTextXSpinBox")                ? layer.texts.first().x
        : field == QLatin1String("faceTextSizeSpinBox")             ? layer.texts.first().size
        : field == QLatin1String("faceTextRotationSpinBox")         ? layer.texts.first().rotation
                                                                    : layer.texts.first().y;
    QTEST(stored, "value");
}

QTEST_MAIN(TestFaceControls)
#include "test_facecontrols.moc"
