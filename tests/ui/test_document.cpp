#include "app/window.h"
#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"
#include "windowstate.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include <memory>

namespace {

QList<namedLayer> oneLayer(const QString &name, int count)
{
    gaugeData layer;
    layer.divisionCount[0] = count;
    return {{name, layer}};
}

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Drags `path` to `position` and drops it there; true when the window took it.
bool dropFile(Window &w, const QString &path, const QPoint &position)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QCoreApplication::sendEvent(&w, &move);
    if (move.isAccepted())
        QCoreApplication::sendEvent(&w, &drop);
    QCoreApplication::processEvents();
    return move.isAccepted() && drop.isAccepted();
}

} // namespace

// The gauge as a document: its file and title, the question before unsaved
// work is dropped, recent files, dialog folders, presets, dropped files.
class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleFollowsSaveEditUndo();
    void unsavedChanges_data();
    void unsavedChanges();
    void recentFiles();
    void dialogFolders();
    void userPresetsShadowShipped();
    void drops();
    void menuBarAboveForm();

private:
    QString writeGauge(const QString &name, const QList<namedLayer> &layers)
    {
        const QString path = dir->filePath(name);
        return writeBytes(path, writeGaugeDocument(layers)) ? path : QString();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Window> window;
    std::unique_ptr<ModalAnswers> answers;
};

void TestDocument::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("DialwrightTests"));
}

void TestDocument::init()
{
    QSettings().clear();
    QDir(userPresetsFolder()).removeRecursively();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Presets")));
    WindowServices services;
    services.applicationDirectory = dir->path();
    window = std::make_unique<Window>(services);
    window->show();
    answers = std::make_unique<ModalAnswers>();
}

void TestDocument::cleanup()
{
    if (answers)
        QVERIFY2(answers->allAnswered(), qPrintable(answers->unanswered().join(", ")));
    answers.reset();
    window.reset();
    dir.reset();
}

void TestDocument::titleFollowsSaveEditUndo()
{
    Window &w = *window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0[*]"));
    Form(w).arc1WidthSpinBox->setValue(3);
    QVERIFY(w.isWindowModified());

    // Saving a gauge that has no file asks for one.
    const QString path = dir->filePath(QStringLiteral("dial.gauge"));
    answers->expect(chooseFile(path));
    formAction(w, "saveAction")->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - dial.gauge[*]"));
    QVERIFY(!w.isWindowModified());

    Form(w).arc1WidthSpinBox->setValue(4);
    QVERIFY(w.isWindowModified());
    formAction(w, "undoAction")->trigger();
    QVERIFY(!w.isWindowModified());
    formAction(w, "redoAction")->trigger();
    QVERIFY(w.isWindowModified());

    // Ctrl+S writes to the document's file without a dialog.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Form(w).gaugeBiasSpinBox->setFocus();
    QTest::keySequence(&w, QKeySequence::Save);
    QVERIFY(!w.isWindowModified());
    QCOMPARE(readBytes(path), writeGaugeDocument(w.collectLayers()));

    // The form's Save button always asks, and the gauge follows the file.
    const QString other = dir->filePath(QStringLiteral("other.gauge"));
    answers->expect(chooseFile(other));
    Form(w).saveButton->click();
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - other.gauge[*]"));
    QCOMPARE(::recentFiles(), (QStringList{other, path}));
}

void TestDocument::unsavedChanges_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("answer"); // clean: nothing unsaved, no question
    QTest::addColumn<bool>("proceeds");

    for (const char *trigger : {"close", "new", "open"}) {
        QTest::addRow("%s, nothing unsaved", trigger) << trigger << "clean" << true;
        QTest::addRow("%s, discard", trigger) << trigger << "discard" << true;
        QTest::addRow("%s, cancel", trigger) << trigger << "cancel" << false;
        QTest::addRow("%s, save", trigger) << trigger << "save" << true;
        QTest::addRow("%s, failed save", trigger) << trigger << "failed save" << false;
    }
    QTest::newRow("close, escape") << "close"
                                   << "escape" << false;
    QTest::newRow("close, save a new gauge") << "close"
                                             << "save as" << true;
    QTest::newRow("close, save a new gauge, cancelled") << "close"
                                                        << "save as cancelled" << false;
}

void TestDocument::unsavedChanges()
{
    QFETCH(QString, trigger);
    QFETCH(QString, answer);
    QFETCH(bool, proceeds);
    Window &w = *window;
    const QString mine =
        writeGauge(QStringLiteral("mine.gauge"), oneLayer(QStringLiteral("Mine"), 8));
    const QString next =
        writeGauge(QStringLiteral("next.gauge"), oneLayer(QStringLiteral("Next"), 9));
    const bool untitled = answer.startsWith(QLatin1String("save as"));
    if (!untitled)
        QVERIFY(w.openDocumentFile(mine, QString()));
    if (answer != QLatin1String("clean"))
        Form(w).gaugeDivisions1SpinBox->setValue(11);
    const WindowState before = stateOf(w);
    const QString documentBefore = w.document()->filePath();

    if (trigger == QLatin1String("open"))
        answers->expect(chooseFile(next));
    BoxSeen box;
    if (answer == QLatin1String("escape")) {
        answers->expect(answerAs<QMessageBox>([&box](QMessageBox *question) {
            box = seeBox(question);
            QTest::keyClick(question, Qt::Key_Escape);
        }));
    } else if (answer != QLatin1String("clean")) {
        answers->expect(pressButton(answer == QLatin1String("discard")      ? QMessageBox::Discard
                                        : answer == QLatin1String("cancel") ? QMessageBox::Cancel
                                                                            : QMessageBox::Save,
                                    &box));
    }
    const QString savedAs = dir->filePath(QStringLiteral("new.gauge"));
    if (untitled)
        answers->expect(answer.endsWith(QLatin1String("cancelled")) ? cancelDialog()
                                                                    : chooseFile(savedAs));
    if (answer == QLatin1String("failed save"))
        answers->expect(pressButton(QMessageBox::Ok)); // "Unable to save file"

    {
        // A full disk for the failed save.
        FileSizeLimit limit(answer == QLatin1String("failed save") ? 64 : RLIM_INFINITY);
        if (trigger == QLatin1String("close"))
            w.close();
        else if (trigger == QLatin1String("new"))
            formAction(w, "newAction")->trigger();
        else
            formAction(w, "openAction")->trigger();
    }

    if (answer != QLatin1String("clean")) {
        QCOMPARE(box.text,
                 trigger == QLatin1String("close")
                     ? QStringLiteral("Save changes to the gauge before closing?")
                     : trigger == QLatin1String("new")
                     ? QStringLiteral("Save changes to the gauge before starting a new gauge?")
                     : QStringLiteral("Save changes to the gauge before opening another gauge?"));
        QCOMPARE(box.defaultButton, QStringLiteral("Save"));
    }
    const bool saved = answer == QLatin1String("save") || answer == QLatin1String("save as");
    QCOMPARE(readBytes(answer == QLatin1String("save as") ? savedAs : mine),
             writeGaugeDocument(oneLayer(answer == QLatin1String("save as")
                                             ? QStringLiteral("Layer 1")
                                             : QStringLiteral("Mine"),
                                         saved ? 11 : 8)));
    if (!proceeds) {
        QVERIFY(w.isVisible());
        QVERIFY(stateOf(w) == before);
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.document()->filePath(), documentBefore);
    } else if (trigger == QLatin1String("close")) {
        QVERIFY(!w.isVisible());
    } else if (trigger == QLatin1String("new")) {
        QVERIFY(stateOf(w) == stateOf(*std::make_unique<Window>()));
        QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0[*]"));
        QCOMPARE(w.document()->undoStack()->count(), 0);
    } else {
        QCOMPARE(stateOf(w).names, QStringList{"Next"});
        QCOMPARE(Form(w).gaugeDivisions1SpinBox->value(), 9);
        QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - next.gauge[*]"));
        QVERIFY(!w.isWindowModified());
    }
}

void TestDocument::recentFiles()
{
    QStringList paths;
    for (int i = 0; i < 12; ++i) {
        paths.prepend(writeGauge(QStringLiteral("g%1.gauge").arg(i), oneLayer(QString(), i)));
        QVERIFY(window->openDocumentFile(paths.first(), QString()));
    }
    paths = paths.mid(0, 10);
    QCOMPARE(::recentFiles(), paths);
    // Named as a freshly started window names a file's unnamed layer.
    QCOMPARE(stateOf(*window).names, QStringList{"g11"});

    // Kept for the next start, newest first; a file that has gone is taken
    // off the list, with a word why.
    Window later;
    QCOMPARE(formChild<QMenu>(later, "recentMenu")->actions().first()->text(),
             QStringLiteral("&1 g11.gauge"));
    QCOMPARE(formChild<QMenu>(later, "recentMenu")->actions().at(9)->text(),
             QStringLiteral("&0 g2.gauge"));
    QVERIFY(QFile::remove(paths.at(1)));
    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    formChild<QMenu>(later, "recentMenu")->actions().at(1)->trigger();
    QVERIFY(box.text.contains(paths.at(1)));
    QCOMPARE(::recentFiles(), paths.mid(0, 1) + paths.mid(2));
    QCOMPARE(formChild<QMenu>(later, "recentMenu")->actions().at(1)->text(),
             QStringLiteral("&2 g9.gauge"));
    QCOMPARE(stateOf(later).names, QStringList{"Layer 1"});
    formChild<QMenu>(later, "recentMenu")->actions().at(1)->trigger();
    QCOMPARE(stateOf(later).names, QStringList{"g9"});
}

void TestDocument::dialogFolders()
{
    Window &w = *window;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(w.fileDialogFolder(), QFileInfo(documents).isDir() ? documents : QDir::homePath());
    // The folder last used, then the document's own folder; one that has
    // gone is passed over.
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("last"))
            && QDir(dir->path()).mkpath(QStringLiteral("docs")));
    rememberFolderOf(dir->filePath(QStringLiteral("last/picture.png")));
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("last")));
    QVERIFY(w.openDocumentFile(writeGauge(QStringLiteral("docs/a.gauge"), oneLayer(QString(), 3)),
                               QString()));
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("docs")));
    QVERIFY(QDir(dir->filePath(QStringLiteral("docs"))).removeRecursively());
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("last")));
}

void TestDocument::userPresetsShadowShipped()
{
    Window &w = *window;
    QCOMPARE(Form(w).presetComboBox->currentIndex(), -1);
    QCOMPARE(Form(w).presetComboBox->placeholderText(), QStringLiteral("Choose a preset"));
    const QString user = ::userPresetsFolder() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(user));
    writeGauge(QStringLiteral("Presets/Needle.gauge"), oneLayer(QString(), 1));
    writeGauge(QStringLiteral("Presets/Bezel.gauge"), oneLayer(QString(), 2));
    QVERIFY(writeBytes(user + "Needle.gauge", writeGaugeDocument(oneLayer(QString(), 3))));
    QVERIFY(writeBytes(user + "aux.gauge", writeGaugeDocument(oneLayer(QString(), 4))));
    w.getPresetsFromFolder();
    QCOMPARE(comboTexts(Form(w).presetComboBox), (QStringList{"aux", "Bezel", "Needle"}));
    QCOMPARE(Form(w).presetComboBox->currentIndex(), -1);

    // The user's Needle is the one loaded; the box names it until the
    // history moves or a pick loads nothing.
    Form(w).presetComboBox->setCurrentIndex(2);
    emit Form(w).presetComboBox->activated(2);
    QCOMPARE(Form(w).gaugeDivisions1SpinBox->value(), 3);
    QCOMPARE(Form(w).presetComboBox->currentText(), QStringLiteral("Needle"));
    formAction(w, "undoAction")->trigger();
    QCOMPARE(Form(w).presetComboBox->currentIndex(), -1);
    formAction(w, "redoAction")->trigger();
    answers->expect(pressButton(QMessageBox::Cancel)); // the merge question
    Form(w).presetComboBox->setCurrentIndex(0);
    emit Form(w).presetComboBox->activated(0);
    QCOMPARE(Form(w).presetComboBox->currentIndex(), -1);
    QCOMPARE(Form(w).gaugeDivisions1SpinBox->value(), 3);

    // Save Layer As Preset starts in the user's folder, made when needed.
    QDir(user).removeRecursively();
    FileDialogSeen seen;
    answers->expect(chooseFile(QStringLiteral("Mine"), &seen));
    Form(w).SaveLayerButton->click();
    QCOMPARE(QDir(seen.directory), QDir(user));
    QCOMPARE(comboTexts(Form(w).presetComboBox), (QStringList{"Bezel", "Mine", "Needle"}));
    QCOMPARE(Form(w).presetComboBox->currentIndex(), -1);
}

void TestDocument::drops()
{
    Window &w = *window;
    const QString gauge =
        writeGauge(QStringLiteral("dropped.gauge"), oneLayer(QStringLiteral("Dropped"), 9));
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString png = dir->filePath(QStringLiteral("trace.png"));
    QVERIFY(picture.save(png));
    const QString broken = writeGauge(QStringLiteral("broken.png"), {});
    const QPoint onPreview = Form(w).RenderBox->mapTo(&w, Form(w).RenderBox->rect().center());
    const QPoint onLayers = Form(w).layerList->mapTo(&w, Form(w).layerList->rect().center());

    // A picture only on the preview; one that cannot be read is reported.
    QVERIFY(!dropFile(w, png, onLayers));
    QVERIFY(dropFile(w, png, onPreview));
    QCOMPARE(Form(w).referenceLabel->pixmap().size(), QSize(64, 64));
    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    QVERIFY(dropFile(w, broken, onPreview));
    QTRY_COMPARE(box.title, QStringLiteral("Unable to load image"));
    QCOMPARE(Form(w).referenceLabel->pixmap().size(), QSize(64, 64));

    // A gauge file anywhere, asking first about unsaved changes.
    Form(w).gaugeBiasSpinBox->setValue(0.2);
    answers->expect(pressButton(QMessageBox::Cancel));
    QVERIFY(dropFile(w, gauge, onLayers));
    QTRY_COMPARE(answers->pending(), 0);
    QCOMPARE(stateOf(w).names, QStringList{"Layer 1"});
    answers->expect(pressButton(QMessageBox::Discard));
    QVERIFY(dropFile(w, gauge, onPreview));
    QTRY_COMPARE(stateOf(w).names, QStringList{"Dropped"});
    QCOMPARE(w.document()->filePath(), gauge);
}

void TestDocument::menuBarAboveForm()
{
    Window &w = *window;
    QStringList menus;
    for (QAction *menu : Form(w).menuBar->actions())
        menus << menu->text().remove(QLatin1Char('&'));
    QCOMPARE(menus, (QStringList{"File", "Edit", "Layer", "View", "Help"}));

    // At the initial size the form keeps its room below the menu bar.
    QCOMPARE(w.size(), QSize(1280, 760));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QWidget *child : w.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == Form(w).menuBar || !child->isVisible() || child->isWindow())
            continue;
        QVERIFY2(child->y() >= Form(w).menuBar->geometry().bottom(),
                 qPrintable(child->objectName()));
        QVERIFY2(w.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

QTEST_MAIN(TestDocument)
#include "test_document.moc"
