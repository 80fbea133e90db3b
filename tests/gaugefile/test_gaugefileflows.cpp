#include "app/window.h"
#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// What the user sees of the gauge: names, settings, selection and the form.
struct gaugeState
{
    QStringList names;
    QJsonArray layers;
    int currentRow = -1;
    QJsonObject currentGauge;
    int divisions1 = 0;

    bool operator==(const gaugeState &o) const
    {
        return names == o.names && layers == o.layers && currentRow == o.currentRow
            && currentGauge == o.currentGauge && divisions1 == o.divisions1;
    }
};

gaugeState stateOf(Window &window)
{
    gaugeState state;
    for (int i = 0; i < Form(window).layerList->count(); ++i)
        state.names << Form(window).layerList->item(i)->text();
    for (const gaugeData &layer : std::as_const(window.renderArea->layers))
        state.layers.append(layerToJson(layer));
    state.currentRow = Form(window).layerList->currentRow();
    state.currentGauge = layerToJson(window.renderArea->currentGauge);
    state.divisions1 = Form(window).gaugeDivisions1SpinBox->value();
    return state;
}

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

gaugeData layerWithDivisions(int count)
{
    gaugeData layer;
    layer.divisionCount[0] = count;
    layer.angleLength = 200 + count;
    return layer;
}

} // namespace

class TestGaugeFileFlows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void overwritesDefaultLayerWithoutAsking();
    void asksWhenLayerModified_data();
    void asksWhenLayerModified();
    void namesSingleUnnamedLayerAfterFile();
    void failedLoadTouchesNothing_data();
    void failedLoadTouchesNothing();
    void loadsThroughOpenDialog();
    void savesAndLoadsBackIdentical();
    void savesLayerAsPreset();
    void asksNothingWithoutSelection();
    void replacesExistingFileAfterConfirmation();
    void failedSaveKeepsPreviousFile();
    void listsPresets();
    void loadsPickedPreset();
    void formFollowsSelectionAfterLoad_data();
    void formFollowsSelectionAfterLoad();

private:
    void modifyCurrentLayer(int divisions);
    void makeTwoLayersSecondModified();
    QString writeGauge(const QString &name, const QList<namedLayer> &layers);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Window> window;
    std::unique_ptr<ModalAnswers> answers;
};

void TestGaugeFileFlows::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Presets")));
    WindowServices services;
    services.applicationDirectory = dir->path();
    window = std::make_unique<Window>(services);
    window->show();
    answers = std::make_unique<ModalAnswers>();
}

void TestGaugeFileFlows::cleanup()
{
    if (answers) {
        QVERIFY2(answers->unanswered().isEmpty(),
                 qPrintable(QStringLiteral("unanswered dialog: ")
                            + answers->unanswered().join(", ")));
        QCOMPARE(answers->pending(), 0);
    }
    answers.reset();
    window.reset();
    dir.reset();
}

void TestGaugeFileFlows::modifyCurrentLayer(int divisions)
{
    // Through the form, as a user would.
    Form(*window).gaugeDivisions1SpinBox->setValue(divisions);
    QVERIFY(!isDefaultLayer(window->renderArea->currentGauge));
}

void TestGaugeFileFlows::makeTwoLayersSecondModified()
{
    window->document()->insertLayer(1, namedLayer{QStringLiteral("Second"), gaugeData()},
                                    QString());
    Form(*window).layerList->setCurrentRow(1);
    modifyCurrentLayer(7);
    QCOMPARE(window->renderArea->layers.at(1).divisionCount[0], 7);
}

QString TestGaugeFileFlows::writeGauge(const QString &name, const QList<namedLayer> &layers)
{
    const QString path = dir->filePath(name);
    writeBytes(path, writeGaugeDocument(layers));
    return path;
}

void TestGaugeFileFlows::overwritesDefaultLayerWithoutAsking()
{
    // A file of an earlier version: one unnamed layer.
    window->loadGaugeFile(QStringLiteral(DIALWRIGHT_TEST_DATA "/legacy-speedometer.gauge"));

    QCOMPARE(Form(*window).layerList->count(), 1);
    QCOMPARE(Form(*window).layerList->item(0)->text(), QStringLiteral("legacy-speedometer"));
    QCOMPARE(Form(*window).layerList->currentRow(), 0);
    QCOMPARE(window->renderArea->layers.size(), 1);
    const gaugeData &loaded = window->renderArea->layers.first();
    QCOMPARE(loaded.divisionCount[0], 9);
    QCOMPARE(loaded.startAngle, -120.0);
    QCOMPARE(layerToJson(window->renderArea->currentGauge), layerToJson(loaded));
    // The form shows the loaded layer.
    QCOMPARE(Form(*window).gaugeDivisions1SpinBox->value(), 9);
    QCOMPARE(Form(*window).gaugeDivisions2SpinBox->value(), 2);

    // A layer renamed by the user but otherwise untouched still counts as
    // default: the name plays no part.
    window->document()->renameLayer(0, QStringLiteral("Mine"), QString());
    window->renderArea->currentGauge = gaugeData();
    window->renderArea->saveLayerData(0);
    const QString path = writeGauge(QStringLiteral("three.gauge"),
                                    {{QStringLiteral("Rim"), layerWithDivisions(11)},
                                     {QString(), layerWithDivisions(12)},
                                     {QString(), layerWithDivisions(13)}});
    window->loadGaugeFile(path);
    QCOMPARE(stateOf(*window).names, (QStringList{"Rim", "Layer 2", "Layer 3"}));
    QCOMPARE(Form(*window).layerList->currentRow(), 0);
    QCOMPARE(window->renderArea->layers.at(2).divisionCount[0], 13);
}

void TestGaugeFileFlows::asksWhenLayerModified_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("currentDivisions");

    QTest::newRow("overwrite") << "overwrite" << QStringList{"Layer 1", "Rim", "Layer 3", "Layer 4"}
                               << 1 << 11;
    QTest::newRow("add") << "add" << QStringList{"Layer 1", "Second", "Rim", "Layer 4", "Layer 5"}
                         << 2 << 11;
    QTest::newRow("cancel") << "cancel" << QStringList{"Layer 1", "Second"} << 1 << 7;
    QTest::newRow("escape") << "escape" << QStringList{"Layer 1", "Second"} << 1 << 7;
    QTest::newRow("close") << "close" << QStringList{"Layer 1", "Second"} << 1 << 7;
}

void TestGaugeFileFlows::asksWhenLayerModified()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, names);
    QFETCH(int, currentRow);
    QFETCH(int, currentDivisions);

    makeTwoLayersSecondModified();
    const gaugeState before = stateOf(*window);
    const QString path = writeGauge(QStringLiteral("three.gauge"),
                                    {{QStringLiteral("Rim"), layerWithDivisions(11)},
                                     {QString(), layerWithDivisions(12)},
                                     {QString(), layerWithDivisions(13)}});

    BoxSeen box;
    answers->expect(answerAs<QMessageBox>([&](QMessageBox *question) {
        box = seeBox(question);
        QAbstractButton *cancel = question->button(QMessageBox::Cancel);
        QVERIFY(cancel);
        if (answer == QLatin1String("escape"))
            return QTest::keyClick(question, Qt::Key_Escape);
        if (answer == QLatin1String("close"))
            return void(question->close());
        if (answer == QLatin1String("cancel"))
            return cancel->click();
        clickButton(answer == QLatin1String("add")
                        ? QStringLiteral("Add As New Layers")
                        : QStringLiteral("Overwrite Current Layer"))(question);
    }));
    window->loadGaugeFile(path);
    QCOMPARE(answers->pending(), 0);

    QCOMPARE(box.title, QStringLiteral("Load Gauge"));
    QCOMPARE(box.text, QStringLiteral("The current layer has been modified."));
    QCOMPARE(box.informativeText,
             QStringLiteral(
                 "Add the loaded gauge as new layers, or overwrite the current layer with it?"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QVERIFY(box.buttons.contains(QStringLiteral("Add As New Layers")));
    QVERIFY(box.buttons.contains(QStringLiteral("Overwrite Current Layer")));
    QCOMPARE(box.buttons.size(), 3);
    QCOMPARE(box.defaultButton, QStringLiteral("Add As New Layers"));

    const gaugeState after = stateOf(*window);
    QCOMPARE(after.names, names);
    QCOMPARE(after.currentRow, currentRow);
    QCOMPARE(window->renderArea->layers.size(), names.size());
    QCOMPARE(window->renderArea->currentGauge.divisionCount[0], currentDivisions);
    QCOMPARE(Form(*window).gaugeDivisions1SpinBox->value(), currentDivisions);
    // Layer 1 is never touched; the modified layer keeps its settings unless
    // it was overwritten.
    QCOMPARE(after.layers.at(0), before.layers.at(0));
    QCOMPARE(window->renderArea->layers.at(1).divisionCount[0], answer == "overwrite" ? 11 : 7);
    if (names.size() > 2)
        QCOMPARE(window->renderArea->layers.last().divisionCount[0], 13);
    if (answer != QLatin1String("add") && answer != QLatin1String("overwrite"))
        QVERIFY(after == before);
}

void TestGaugeFileFlows::namesSingleUnnamedLayerAfterFile()
{
    makeTwoLayersSecondModified();
    const QString path =
        writeGauge(QStringLiteral("my.dial.gauge"), {{QString(), layerWithDivisions(5)}});
    answers->expect(clickButton(QStringLiteral("Add As New Layers")));
    window->loadGaugeFile(path);
    QCOMPARE(stateOf(*window).names, (QStringList{"Layer 1", "Second", "my.dial"}));
    QCOMPARE(Form(*window).layerList->currentRow(), 2);

    // Names are taken as they stand, white space included.
    window->document()->setLayer(2, gaugeData(), QString());
    const QString spaced =
        writeGauge(QStringLiteral("spaced.gauge"), {{QStringLiteral("  Rim "), gaugeData()}});
    window->loadGaugeFile(spaced);
    QCOMPARE(Form(*window).layerList->item(2)->text(), QStringLiteral("  Rim "));
}

void TestGaugeFileFlows::failedLoadTouchesNothing_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray("") << "Unable to load gauge"
                           << "broken.gauge could not be read.\n\nThe file is empty.";
    QTest::newRow("no layers") << QByteArray("{\"layers\": []}") << "Unable to load gauge"
                               << "broken.gauge could not be read.\n\nThe file contains no layers.";
    QTest::newRow("not a gauge file")
        << QByteArray("just, some, words") << "Unable to load gauge"
        << "broken.gauge could not be read.\n\nIt is not valid JSON, and does not look like a "
           "gauge file from an earlier version either.";
    QTest::newRow("missing") << QByteArray() << "Unable to open file" << QString();
}

void TestGaugeFileFlows::failedLoadTouchesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, text);

    makeTwoLayersSecondModified();
    const gaugeState before = stateOf(*window);
    const QString path = dir->filePath(QStringLiteral("broken.gauge"));
    if (!content.isNull())
        QVERIFY(writeBytes(path, content));

    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    window->loadGaugeFile(path);

    QCOMPARE(box.title, title);
    if (text.isEmpty()) {
        QVERIFY(!box.text.isEmpty()); // the system's own words
        QCOMPARE(box.icon, QMessageBox::Information);
    } else {
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon, QMessageBox::Warning);
    }
    QVERIFY(stateOf(*window) == before);
}

void TestGaugeFileFlows::loadsThroughOpenDialog()
{
    const QString path = writeGauge(QStringLiteral("Presets/Needle.gauge"),
                                    {{QStringLiteral("Needle"), layerWithDivisions(3)}});
    FileDialogSeen seen;
    const QString start = window->fileDialogFolder();
    answers->expect(chooseFile(path, &seen));
    Form(*window).loadButton->click();
    QCOMPARE(seen.caption, QStringLiteral("Load Gauge"));
    QCOMPARE(QDir(seen.directory), QDir(start));
    QCOMPARE(stateOf(*window).names, QStringList{"Needle"});
    QCOMPARE(Form(*window).gaugeDivisions1SpinBox->value(), 3);

    // Cancelling the dialog changes nothing.
    const gaugeState before = stateOf(*window);
    answers->expect(cancelDialog());
    Form(*window).loadButton->click();
    QVERIFY(stateOf(*window) == before);
}

void TestGaugeFileFlows::savesAndLoadsBackIdentical()
{
    makeTwoLayersSecondModified();
    Form(*window).gaugeBiasSpinBox->setValue(0.3);
    const QList<namedLayer> gauge = window->collectLayers();

    // A name typed without a suffix gets ".gauge".
    FileDialogSeen seen;
    const QString start = window->fileDialogFolder();
    answers->expect(chooseFile(dir->filePath(QStringLiteral("Whole")), &seen));
    Form(*window).saveButton->click();
    QCOMPARE(seen.caption, QStringLiteral("Save Gauge"));
    QVERIFY(seen.filters.contains(QStringLiteral("Gauge file (*.gauge)")));
    QCOMPARE(QDir(seen.directory), QDir(start));

    const QString path = dir->filePath(QStringLiteral("Whole.gauge"));
    QCOMPARE(readBytes(path), writeGaugeDocument(gauge));

    // Loaded into a fresh window, the gauge comes back as it was saved.
    WindowServices services;
    services.applicationDirectory = dir->path();
    Window fresh(services);
    fresh.loadGaugeFile(path);
    QCOMPARE(fresh.collectLayers().size(), 2);
    const QList<namedLayer> loaded = fresh.collectLayers();
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(loaded.at(i).name, gauge.at(i).name);
        QCOMPARE(layerToJson(loaded.at(i).data), layerToJson(gauge.at(i).data));
    }
    QCOMPARE(Form(fresh).layerList->currentRow(), 0);
}

void TestGaugeFileFlows::savesLayerAsPreset()
{
    makeTwoLayersSecondModified();
    QCOMPARE(Form(*window).presetComboBox->count(), 0);

    const QString path = dir->filePath(QStringLiteral("Presets/Second.gauge"));
    FileDialogSeen seen;
    answers->expect(chooseFile(path, &seen));
    Form(*window).SaveLayerButton->click();
    QCOMPARE(seen.caption, QStringLiteral("Save Layer As Preset"));
    QCOMPARE(QDir(seen.directory), QDir(::userPresetsFolder()));

    QList<namedLayer> saved;
    QVERIFY(readGaugeDocument(readBytes(path), saved));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().name, QStringLiteral("Second"));
    QCOMPARE(saved.first().data.divisionCount[0], 7);
    // Listed at once.
    QCOMPARE(comboTexts(Form(*window).presetComboBox), QStringList{"Second"});

    // Cancelling writes nothing.
    answers->expect(cancelDialog());
    Form(*window).saveButton->click();
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
}

void TestGaugeFileFlows::asksNothingWithoutSelection()
{
    window->document()->setCurrentRow(-1);
    window->saveLayer();
    QCoreApplication::processEvents();
    // cleanup() fails on any dialog that was shown.
}

void TestGaugeFileFlows::replacesExistingFileAfterConfirmation()
{
    const QString path = dir->filePath(QStringLiteral("existing.gauge"));
    QVERIFY(writeBytes(path, "old"));

    BoxSeen confirmation;
    answers->expect(chooseFile(path));
    answers->expect(pressButton(QMessageBox::No, &confirmation));
    answers->expect(cancelDialog()); // back in the save dialog
    window->saveGauge();
    QVERIFY(confirmation.text.contains(QStringLiteral("existing.gauge")));
    QCOMPARE(readBytes(path), QByteArray("old"));

    answers->expect(chooseFile(path));
    answers->expect(pressButton(QMessageBox::Yes));
    window->saveGauge();
    QCOMPARE(readBytes(path), writeGaugeDocument(window->collectLayers()));
}

void TestGaugeFileFlows::failedSaveKeepsPreviousFile()
{
    const QString path = dir->filePath(QStringLiteral("Presets/kept.gauge"));
    const QByteArray previous = writeGaugeDocument({{QStringLiteral("Old"), gaugeData()}});
    QVERIFY(writeBytes(path, previous));
    window->getPresetsFromFolder();
    // A preset that appears now is listed only by a refresh, which a failed
    // save must not do.
    QVERIFY(writeBytes(dir->filePath(QStringLiteral("Presets/late.gauge")), previous));

    BoxSeen box;
    answers->expect(chooseFile(path));
    answers->expect(pressButton(QMessageBox::Yes)); // replace it
    answers->expect(pressButton(QMessageBox::Ok, &box));
    {
        FileSizeLimit limit(64);
        if (!limit.active)
            QSKIP("cannot lower the file size limit here");
        window->saveGauge();
    }
    QCOMPARE(box.title, QStringLiteral("Unable to save file"));
    QCOMPARE(box.text, QStringLiteral("kept.gauge could not be saved.\n\nFile too large"));
    QCOMPARE(readBytes(path), previous);
    QCOMPARE(comboTexts(Form(*window).presetComboBox), QStringList{"kept"});
    QCOMPARE(
        QDir(dir->filePath(QStringLiteral("Presets"))).entryList(QDir::Files | QDir::Hidden).size(),
        2);
}

void TestGaugeFileFlows::listsPresets()
{
    const QString presets = dir->filePath(QStringLiteral("Presets/"));
    const QByteArray bytes = writeGaugeDocument({{QString(), layerWithDivisions(6)}});
    for (const char *name : {"Needle.gauge", "Bezel.gauge", "Oil.v2.gauge", "notes.txt",
                             "UPPER.GAUGE", "mygauge", ".hidden.gauge"})
        QVERIFY(writeBytes(presets + QLatin1String(name), bytes));
    QVERIFY(QDir(presets).mkpath(QStringLiteral("Sub.gauge")));
    QVERIFY(writeBytes(presets + QStringLiteral("Sub.gauge/Inner.gauge"), bytes));

    window->getPresetsFromFolder();
    QStringList listed = comboTexts(Form(*window).presetComboBox);
    listed.sort();
    QCOMPARE(listed, (QStringList{"Bezel", "Needle", "Oil.v2"}));
    QCOMPARE(Form(*window).presetComboBox->currentIndex(), -1);
    // Refilling the list loads nothing.
    QCOMPARE(stateOf(*window).names, QStringList{"Layer 1"});

    // A missing folder lists nothing.
    WindowServices nowhere;
    nowhere.applicationDirectory = dir->filePath(QStringLiteral("nowhere"));
    const Window elsewhere(nowhere);
    QCOMPARE(Form(elsewhere).presetComboBox->count(), 0);
}

void TestGaugeFileFlows::loadsPickedPreset()
{
    const QString presets = dir->filePath(QStringLiteral("Presets/"));
    QVERIFY(writeBytes(presets + QStringLiteral("Oil.v2.gauge"),
                       writeGaugeDocument({{QString(), layerWithDivisions(6)}})));
    QVERIFY(writeBytes(presets + QStringLiteral("Broken.gauge"), "{"));
    window->getPresetsFromFolder();
    const int oil = Form(*window).presetComboBox->findText(QStringLiteral("Oil.v2"));
    const int broken = Form(*window).presetComboBox->findText(QStringLiteral("Broken"));
    QVERIFY(oil >= 0 && broken >= 0);

    // Picking it loads it: the untouched layer is replaced and takes the
    // preset's name.
    Form(*window).presetComboBox->setCurrentIndex(oil);
    emit Form(*window).presetComboBox->activated(oil);
    QCOMPARE(stateOf(*window).names, QStringList{"Oil.v2"});
    QCOMPARE(Form(*window).gaugeDivisions1SpinBox->value(), 6);

    // Picking it again meets a modified layer: asked, then added again.
    answers->expect(clickButton(QStringLiteral("Add As New Layers")));
    emit Form(*window).presetComboBox->activated(oil);
    QCOMPARE(stateOf(*window).names, (QStringList{"Oil.v2", "Oil.v2"}));
    QCOMPARE(Form(*window).layerList->currentRow(), 1);

    // A preset that does not parse reports why and the list stays.
    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    Form(*window).presetComboBox->setCurrentIndex(broken);
    emit Form(*window).presetComboBox->activated(broken);
    QCOMPARE(box.title, QStringLiteral("Unable to load gauge"));
    QVERIFY(box.text.startsWith(QStringLiteral("Broken.gauge could not be read.\n\n")));
    QCOMPARE(Form(*window).presetComboBox->count(), 2);

    // A preset removed since the list was built cannot be opened.
    QVERIFY(QFile::remove(presets + QStringLiteral("Oil.v2.gauge")));
    answers->expect(pressButton(QMessageBox::Ok, &box));
    Form(*window).presetComboBox->setCurrentIndex(oil);
    emit Form(*window).presetComboBox->activated(oil);
    QCOMPARE(box.title, QStringLiteral("Unable to open file"));
    QCOMPARE(stateOf(*window).names, (QStringList{"Oil.v2", "Oil.v2"}));
}

void TestGaugeFileFlows::formFollowsSelectionAfterLoad_data()
{
    QTest::addColumn<QString>("load");
    QTest::newRow("into an untouched layer") << "untouched";
    QTest::newRow("added as new layers") << "add";
    QTest::newRow("overwriting the current layer") << "overwrite";
    QTest::newRow("a preset") << "preset";
    QTest::newRow("a failed load") << "failed";
    QTest::newRow("after removing a layer") << "remove";
}

// Every load quiets the form and the layer list while it works; afterwards
// both must be live again, so that picking a layer still fills the form.
void TestGaugeFileFlows::formFollowsSelectionAfterLoad()
{
    QFETCH(QString, load);
    const QList<namedLayer> file{{QStringLiteral("Rim"), layerWithDivisions(11)},
                                 {QStringLiteral("Face"), layerWithDivisions(12)}};
    const QString path = writeGauge(QStringLiteral("Presets/Two.gauge"), file);
    if (load != QLatin1String("untouched") && load != QLatin1String("preset"))
        makeTwoLayersSecondModified();

    if (load == QLatin1String("add") || load == QLatin1String("overwrite")) {
        answers->expect(clickButton(load == QLatin1String("add")
                                        ? QStringLiteral("Add As New Layers")
                                        : QStringLiteral("Overwrite Current Layer")));
        window->loadGaugeFile(path);
    } else if (load == QLatin1String("preset")) {
        window->getPresetsFromFolder();
        Form(*window).presetComboBox->setCurrentText(QStringLiteral("Two"));
        window->presetChanged();
    } else if (load == QLatin1String("failed")) {
        answers->expect(pressButton(QMessageBox::Ok));
        window->loadGaugeFile(dir->filePath(QStringLiteral("missing.gauge")));
    } else if (load == QLatin1String("remove")) {
        Form(*window).RemoveLayerButton->click();
    } else {
        window->loadGaugeFile(path);
    }
    QCOMPARE(answers->pending(), 0);

    // Each layer in turn, last to first and back, shows in the form, and
    // an edit still reaches the layer that is shown.
    const int count = Form(*window).layerList->count();
    QVERIFY(count >= 1);
    for (int row : {count - 1, 0, count - 1}) {
        Form(*window).layerList->setCurrentRow(row);
        QCOMPARE(Form(*window).gaugeDivisions1SpinBox->value(),
                 window->renderArea->layers.at(row).divisionCount[0]);
        QCOMPARE(Form(*window).gaugeAngleLengthSpinBox->value(),
                 window->renderArea->layers.at(row).angleLength);
    }
    Form(*window).gaugeDivisions1SpinBox->setValue(42);
    QCOMPARE(window->renderArea->layers.at(count - 1).divisionCount[0], 42);
}

QTEST_MAIN(TestGaugeFileFlows)
#include "test_gaugefileflows.moc"
