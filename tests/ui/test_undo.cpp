#include "app/window.h"
#include "gaugefile/gaugedocument.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"
#include "windowstate.h"

#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QInputDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

gaugeData layerWithDivisions(int count)
{
    gaugeData layer;
    layer.divisionCount[0] = count;
    layer.startAngle = -10.0 * count;
    return layer;
}

template<typename Dialog, typename Set>
ModalAnswers::Handler acceptWith(Set set)
{
    return answerAs<Dialog>([set](Dialog *d) {
        set(d);
        d->accept();
    });
}

} // namespace

// Every change to the gauge is one step of the undo history, and undo and
// redo bring back exactly what the user saw.
class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void undoRedoEachKind_data();
    void undoRedoEachKind();
    void runsOfOneSpinBox_data();
    void runsOfOneSpinBox();
    void keysWorkInSpinBox_data();
    void keysWorkInSpinBox();

private:
    void perform(const QString &action);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Window> window;
    std::unique_ptr<ModalAnswers> answers;
};

void TestUndo::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("DialwrightTests"));
}

// A gauge of three layers, Rim, Face and Needle, opened from a file, with
// Face selected; the Presets folder holds Bezel.
void TestUndo::init()
{
    QSettings().clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Presets")));
    QVERIFY(writeBytes(dir->filePath(QStringLiteral("Presets/Bezel.gauge")),
                       writeGaugeDocument({{QStringLiteral("Bezel"), layerWithDivisions(12)}})));
    const QString gauge = dir->filePath(QStringLiteral("three.gauge"));
    QVERIFY(writeBytes(gauge,
                       writeGaugeDocument({{QStringLiteral("Rim"), layerWithDivisions(5)},
                                           {QStringLiteral("Face"), layerWithDivisions(6)},
                                           {QStringLiteral("Needle"), layerWithDivisions(7)}})));
    WindowServices services;
    services.applicationDirectory = dir->path();
    window = std::make_unique<Window>(services);
    window->show();
    QVERIFY(window->openDocumentFile(gauge, QString()));
    Form(*window).layerList->setCurrentRow(1);
    answers = std::make_unique<ModalAnswers>();
}

void TestUndo::cleanup()
{
    if (answers)
        QVERIFY2(answers->allAnswered(), qPrintable(answers->unanswered().join(", ")));
    answers.reset();
    window.reset();
    dir.reset();
}

void TestUndo::perform(const QString &action)
{
    Window &w = *window;
    const auto menu = [&w](const QString &text) {
        for (QAction *item : w.findChildren<QAction *>())
            if (item->text().remove(QLatin1Char('&')) == text)
                return item->trigger();
        QFAIL(qPrintable(text));
    };
    if (action == "count") {
        Form(w).gaugeDivisions1SpinBox->setValue(9);
    } else if (action == "arc radius") {
        Form(w).arc2RadiusSpinBox->setValue(0.5);
    } else if (action == "bias type") {
        Form(w).biasTypeComboBox->setCurrentIndex(1);
        emit Form(w).biasTypeComboBox->activated(1);
    } else if (action == "check box") {
        Form(w).roundedArcCapsCheckBox->click();
    } else if (action == "decimals") {
        Form(w).tickCountDecimalPlacesSpinBox->setValue(2); // the label start and increment follow
    } else if (action == "colour") {
        answers->expect(
            acceptWith<QColorDialog>([](QColorDialog *d) { d->setCurrentColor(Qt::blue); }));
        Form(w).arc1ColorButton->click();
    } else if (action == "font") {
        answers->expect(acceptWith<QFontDialog>(
            [](QFontDialog *d) { d->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 15)); }));
        Form(w).tickCountFontButton->click();
    } else if (action == "add layer") {
        answers->expect(
            acceptWith<QInputDialog>([](QInputDialog *d) { d->setTextValue("Pointer"); }));
        menu(QStringLiteral("Add Layer..."));
    } else if (action == "remove layer") {
        Form(w).RemoveLayerButton->click();
    } else if (action == "rename") {
        Form(w).layerList->item(1)->setText(QStringLiteral("  Dial "));
    } else if (action.startsWith("load")) {
        const QString other = dir->filePath(QStringLiteral("other.gauge"));
        QVERIFY(writeBytes(other,
                           writeGaugeDocument({{QString(), layerWithDivisions(20)},
                                               {QString(), layerWithDivisions(21)}})));
        answers->expect(clickButton(action.endsWith("add")
                                        ? QStringLiteral("Add As New Layers")
                                        : QStringLiteral("Overwrite Current Layer")));
        w.loadGaugeFile(other);
    } else if (action == "preset") {
        answers->expect(clickButton(QStringLiteral("Add As New Layers")));
        Form(w).presetComboBox->setCurrentIndex(0);
        emit Form(w).presetComboBox->activated(0);
    } else {
        menu(action);
    }
}

void TestUndo::undoRedoEachKind_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QStringList>("names");

    const QStringList three{"Rim", "Face", "Needle"};
    QTest::newRow("spin box") << "count"
                              << "Undo Change Primary Count" << three;
    QTest::newRow("double spin box") << "arc radius"
                                     << "Undo Change Arc 2 Radius" << three;
    QTest::newRow("bias type") << "bias type"
                               << "Undo Change Bias Type" << three;
    QTest::newRow("check box") << "check box"
                               << "Undo Change Rounded Arc Caps" << three;
    QTest::newRow("decimal places") << "decimals"
                                    << "Undo Change Tick Count Decimal Places" << three;
    QTest::newRow("colour") << "colour"
                            << "Undo Change Arc 1 Color" << three;
    QTest::newRow("font") << "font"
                          << "Undo Change Tick Count Font" << three;
    QTest::newRow("add layer") << "add layer"
                               << "Undo Add Layer"
                               << QStringList{"Rim", "Face", "Needle", "Pointer"};
    QTest::newRow("remove layer") << "remove layer"
                                  << "Undo Remove Layer" << QStringList{"Rim", "Needle"};
    QTest::newRow("rename") << "rename"
                            << "Undo Rename Layer" << QStringList{"Rim", "Dial", "Needle"};
    QTest::newRow("duplicate") << "Duplicate Layer"
                               << "Undo Duplicate Layer"
                               << QStringList{"Rim", "Face", "Face Copy", "Needle"};
    QTest::newRow("move up") << "Move Up"
                             << "Undo Move Layer Up" << QStringList{"Face", "Rim", "Needle"};
    QTest::newRow("move down") << "Move Down"
                               << "Undo Move Layer Down" << QStringList{"Rim", "Needle", "Face"};
    QTest::newRow("load, overwrite")
        << "load overwrite"
        << "Undo Load Gauge" << QStringList{"Rim", "other", "Needle", "Layer 4"};
    QTest::newRow("load, add") << "load add"
                               << "Undo Load Gauge"
                               << QStringList{"Rim", "Face", "Needle", "Layer 4", "Layer 5"};
    QTest::newRow("preset") << "preset"
                            << "Undo Load Preset" << QStringList{"Rim", "Face", "Needle", "Bezel"};
}

void TestUndo::undoRedoEachKind()
{
    QFETCH(QString, action);
    QFETCH(QString, undoText);
    QVERIFY(window->document()->undoStack()->undoLimit() >= 500);

    const WindowState before = stateOf(*window);
    perform(action);
    const WindowState after = stateOf(*window);
    QTEST(after.names, "names");
    QVERIFY(after != before);
    QCOMPARE(formAction(*window, "undoAction")->text(), undoText);
    QVERIFY(window->isWindowModified());

    // Selecting a layer is no step, and undo shows the layer it changes.
    Form(*window).layerList->setCurrentRow(Form(*window).layerList->currentRow() == 0 ? 2 : 0);
    QCOMPARE(window->document()->undoStack()->count(), 1);
    formAction(*window, "undoAction")->trigger();
    QVERIFY(stateOf(*window) == before);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(formAction(*window, "redoAction")->text(),
             undoText.replace(0, 4, QStringLiteral("Redo")));
    formAction(*window, "redoAction")->trigger();
    QVERIFY(stateOf(*window) == after);
    QVERIFY(window->isWindowModified());

    // The form edits the layer it shows after an undo.
    formAction(*window, "undoAction")->trigger();
    Form(*window).gaugeDivisions3SpinBox->setValue(4);
    QCOMPARE(window->renderArea->layers.at(before.currentRow).divisionCount[2], 4);
    QVERIFY(!Form(*window).layerList->signalsBlocked());
}

void TestUndo::runsOfOneSpinBox_data()
{
    QTest::addColumn<QString>(
        "keys"); // u/d arrow up/down, e Enter, o another control, digits typed
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("valueAfterOneUndo");
    QTest::newRow("held arrow") << "uuuu" << 1 << 6;
    QTest::newRow("typed digits") << "12" << 1 << 6;
    QTest::newRow("Enter ends a run") << "uueuu" << 2 << 8;
    QTest::newRow("another control ends a run") << "uuouu" << 3 << 8;
    QTest::newRow("back where it began") << "uuuddd" << 0 << 6;
}

void TestUndo::runsOfOneSpinBox()
{
    QFETCH(QString, keys);
    QSpinBox *count = Form(*window).gaugeDivisions1SpinBox;
    count->setFocus();
    QTRY_VERIFY(count->hasFocus());
    QCOMPARE(count->value(), 6);
    if (keys.at(0).isDigit())
        QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    for (QChar key : keys) {
        if (key == 'o')
            Form(*window).gaugeBiasSpinBox->setValue(0.25);
        else if (key.isDigit())
            QTest::keyClicks(count, key);
        else
            QTest::keyClick(count,
                            key == 'u'       ? Qt::Key_Up
                                : key == 'd' ? Qt::Key_Down
                                             : Qt::Key_Return);
    }
    QTEST(window->document()->undoStack()->count(), "steps");
    QCOMPARE(window->isWindowModified(), window->document()->undoStack()->count() > 0);
    if (window->document()->undoStack()->count() > 0)
        formAction(*window, "undoAction")->trigger();
    QTEST(count->value(), "valueAfterOneUndo");
    QCOMPARE(window->renderArea->layers.at(1).divisionCount[0], count->value());
}

void TestUndo::keysWorkInSpinBox_data()
{
    QTest::addColumn<QKeySequence>("redoKey");
    QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y);
    QTest::newRow("platform redo") << QKeySequence(QKeySequence::Redo);
}

// A spin box's own text undo would leave the gauge as it is.
void TestUndo::keysWorkInSpinBox()
{
    QFETCH(QKeySequence, redoKey);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QDoubleSpinBox *radius = Form(*window).tickCountRadiusSpinBox;
    radius->setFocus();
    QTRY_VERIFY(radius->hasFocus());
    QTest::keyClick(radius, Qt::Key_Up);
    QCOMPARE(radius->value(), 0.75);

    QTest::keySequence(radius, QKeySequence(QKeySequence::Undo));
    QCOMPARE(window->renderArea->layers.at(1).tickCountRadius, 0.74);
    QCOMPARE(radius->value(), 0.74);
    QTest::keySequence(radius, redoKey);
    QCOMPARE(window->renderArea->layers.at(1).tickCountRadius, 0.75);
    QCOMPARE(radius->value(), 0.75);
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
