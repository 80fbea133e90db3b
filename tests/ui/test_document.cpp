#include "app/window.h"
#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "render/renderarea.h"

#include "modaldialogs.h"
#include "testfiles.h"
#include "windowstate.h"

#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include <memory>

namespace {

gaugeData layerWithDivisions(int count)
{
    gaugeData layer;
    layer.divisionCount[0] = count;
    return layer;
}

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Drags `path` over the window to `position` and drops it there. True when
// the window took the drop.
bool dropFile(Window &w, const QString &path, const QPoint &position)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDragMoveEvent move(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

} // namespace

// The gauge as a document: its file, its title, the question before unsaved
// work is dropped, recent files, folders and presets, and files dropped on
// the window.
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

private:
    QString writeGauge(const QString &name, const QList<namedLayer> &layers);

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
    window = std::make_unique<Window>();
    window->applicationDirectory = dir->path();
    window->getPresetsFromFolder();
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

QString TestDocument::writeGauge(const QString &name, const QList<namedLayer> &layers)
{
    const QString path = dir->filePath(name);
    return writeBytes(path, writeGaugeDocument(layers)) ? path : QString();
}

void TestDocument::titleFollowsSaveEditUndo()
{
    Window &w = *window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0[*]"));
    QVERIFY(!w.isWindowModified());
    w.arc1WidthSpinBox->setValue(3);
    QVERIFY(w.isWindowModified());

    // Saving a gauge that has no file asks for one.
    const QString path = dir->filePath(QStringLiteral("dial.gauge"));
    answers->expect(chooseFile(path));
    QVERIFY(w.saveDocument());
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - dial.gauge[*]"));
    QVERIFY(!w.isWindowModified());
    QCOMPARE(::recentFiles(), QStringList{path});

    w.arc1WidthSpinBox->setValue(4);
    QVERIFY(w.isWindowModified());
    w.undoAction->trigger();
    QVERIFY(!w.isWindowModified());
    w.redoAction->trigger();
    QVERIFY(w.isWindowModified());

    // Ctrl+S writes to the document's file without a dialog.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.gaugeBiasSpinBox->setFocus();
    QTest::keySequence(&w, QKeySequence::Save);
    QVERIFY(!w.isWindowModified());
    QCOMPARE(readBytes(path), writeGaugeDocument(w.collectLayers()));
    QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - dial.gauge[*]"));

    // The form's Save button always asks, and the gauge follows the file.
    const QString other = dir->filePath(QStringLiteral("other.gauge"));
    answers->expect(chooseFile(other));
    w.saveButton->click();
    QCOMPARE(w.documentPath, other);
    QCOMPARE(::recentFiles(), (QStringList{other, path}));
}

void TestDocument::unsavedChanges_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("proceeds");

    const char *triggers[] = {"close", "new", "open", "recent"};
    for (const char *trigger : triggers) {
        QTest::addRow("%s, nothing unsaved", trigger) << trigger << "clean" << true;
        QTest::addRow("%s, discard", trigger) << trigger << "discard" << true;
        QTest::addRow("%s, cancel", trigger) << trigger << "cancel" << false;
        QTest::addRow("%s, save", trigger) << trigger << "save" << true;
        QTest::addRow("%s, failed save", trigger) << trigger << "failed save" << false;
    }
    QTest::newRow("close, escape") << "close" << "escape" << false;
    QTest::newRow("close, save a new gauge") << "close" << "save as" << true;
    QTest::newRow("close, save a new gauge, cancelled") << "close" << "save as cancelled" << false;
}

void TestDocument::unsavedChanges()
{
    QFETCH(QString, trigger);
    QFETCH(QString, answer);
    QFETCH(bool, proceeds);
    Window &w = *window;

    const QString mine = writeGauge(QStringLiteral("mine.gauge"), {{QStringLiteral("Mine"), layerWithDivisions(8)}});
    const QString next = writeGauge(QStringLiteral("next.gauge"), {{QStringLiteral("Next"), layerWithDivisions(9)}});
    if (!answer.startsWith(QLatin1String("save as")))
        QVERIFY(w.openDocumentFile(mine, QString()));
    addRecentFile(next);
    if (answer != QLatin1String("clean"))
        w.gaugeDivisions1SpinBox->setValue(11);
    const WindowState before = stateOf(w);
    const QString documentBefore = w.documentPath;

    if (trigger == QLatin1String("open"))
        answers->expect(chooseFile(next));
    BoxSeen box;
    if (answer == QLatin1String("discard") || answer == QLatin1String("cancel")
        || answer.startsWith(QLatin1String("save")) || answer == QLatin1String("failed save")) {
        const QMessageBox::StandardButton button =
            answer == QLatin1String("discard")  ? QMessageBox::Discard
            : answer == QLatin1String("cancel") ? QMessageBox::Cancel
                                                : QMessageBox::Save;
        answers->expect(pressButton(button, &box));
    } else if (answer == QLatin1String("escape")) {
        answers->expect(answerAs<QMessageBox>([&](QMessageBox *question) {
            box = seeBox(question);
            QTest::keyClick(question, Qt::Key_Escape);
        }));
    }
    const QString savedAs = dir->filePath(QStringLiteral("new.gauge"));
    if (answer == QLatin1String("save as"))
        answers->expect(chooseFile(savedAs));
    if (answer == QLatin1String("save as cancelled"))
        answers->expect(cancelDialog());
    if (answer == QLatin1String("failed save"))
        answers->expect(pressButton(QMessageBox::Ok)); // "Unable to save file"

    const QByteArray mineBefore = readBytes(mine);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (answer == QLatin1String("failed save")) {
            limit = std::make_unique<FileSizeLimit>(64);
            if (!limit->active)
                QSKIP("cannot lower the file size limit here");
        }
        if (trigger == QLatin1String("close"))
            w.close();
        else if (trigger == QLatin1String("new"))
            w.newDocument();
        else if (trigger == QLatin1String("open"))
            w.openDocument();
        else
            w.openRecentFile(::recentFiles().first());
    }

    if (answer != QLatin1String("clean")) {
        const QString expected = trigger == QLatin1String("close")
            ? QStringLiteral("Save changes to the gauge before closing?")
            : trigger == QLatin1String("new")
            ? QStringLiteral("Save changes to the gauge before starting a new gauge?")
            : QStringLiteral("Save changes to the gauge before opening another gauge?");
        QCOMPARE(box.text, expected);
        QCOMPARE(box.defaultButton, QStringLiteral("Save"));
    }
    if (answer == QLatin1String("save"))
        QCOMPARE(readBytes(mine),
                 writeGaugeDocument({{QStringLiteral("Mine"), layerWithDivisions(11)}}));
    else if (answer == QLatin1String("save as"))
        QVERIFY(QFile::exists(savedAs));
    else
        QCOMPARE(readBytes(mine), mineBefore);

    if (!proceeds) {
        QVERIFY(w.isVisible());
        QVERIFY(stateOf(w) == before);
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.documentPath, documentBefore);
        return;
    }
    if (trigger == QLatin1String("close")) {
        QVERIFY(!w.isVisible());
        return;
    }
    QVERIFY(!w.isWindowModified());
    if (trigger == QLatin1String("new")) {
        QCOMPARE(stateOf(w).names, QStringList{"Layer 1"});
        QVERIFY(w.renderArea->layers.first() == gaugeData());
        QVERIFY(w.documentPath.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0[*]"));
        QCOMPARE(w.undoStack->count(), 0);
    } else {
        QCOMPARE(stateOf(w).names, QStringList{"Next"});
        QCOMPARE(w.gaugeDivisions1SpinBox->value(), 9);
        QCOMPARE(w.documentPath, next);
        QCOMPARE(w.windowTitle(), QStringLiteral("Dialwright 2.2.0 - next.gauge[*]"));
    }
}

void TestDocument::recentFiles()
{
    QStringList paths;
    for (int i = 0; i < 12; ++i) {
        paths.prepend(writeGauge(QStringLiteral("g%1.gauge").arg(i), {{QString(), layerWithDivisions(i)}}));
        QVERIFY(window->openDocumentFile(paths.first(), QString()));
    }
    QCOMPARE(::recentFiles(), paths.mid(0, 10));
    // Named as a freshly started window names a file's unnamed layer.
    QCOMPARE(stateOf(*window).names, QStringList{"g11"});

    // Kept for the next start, newest first.
    Window later;
    later.refreshRecentMenu();
    QList<QAction *> items = later.recentMenu->actions();
    QCOMPARE(items.first()->text(), QStringLiteral("&1 g11.gauge"));
    QCOMPARE(items.at(9)->text(), QStringLiteral("&0 g2.gauge"));

    // A file that has gone is taken off the list, with a word why.
    QVERIFY(QFile::remove(paths.at(1)));
    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    later.recentMenu->actions().at(1)->trigger();
    QVERIFY(box.text.contains(QDir::toNativeSeparators(paths.at(1))));
    QStringList left = paths.mid(0, 10);
    left.removeAll(paths.at(1));
    QCOMPARE(::recentFiles(), left);
    QCOMPARE(later.recentMenu->actions().at(1)->text(), QStringLiteral("&2 g9.gauge"));
    QCOMPARE(stateOf(later).names, QStringList{"Layer 1"});
}

void TestDocument::dialogFolders()
{
    Window &w = *window;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(w.fileDialogFolder(), QFileInfo(documents).isDir() ? documents : QDir::homePath());

    // The folder last used, then the document's own folder.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("last")));
    rememberFolderOf(dir->filePath(QStringLiteral("last/picture.png")));
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("last")));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("docs")));
    const QString path = writeGauge(QStringLiteral("docs/a.gauge"), {{QString(), gaugeData()}});
    QVERIFY(w.openDocumentFile(path, QString()));
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("docs")));

    // A folder that has gone is passed over.
    QVERIFY(QDir(dir->filePath(QStringLiteral("docs"))).removeRecursively());
    QCOMPARE(w.fileDialogFolder(), dir->filePath(QStringLiteral("last")));
}

void TestDocument::userPresetsShadowShipped()
{
    Window &w = *window;
    QCOMPARE(w.presetComboBox->currentIndex(), -1);
    QCOMPARE(w.presetComboBox->placeholderText(), QStringLiteral("Choose a preset"));

    const QString shipped = dir->filePath(QStringLiteral("Presets/"));
    QVERIFY(writeBytes(shipped + "Needle.gauge", writeGaugeDocument({{QString(), layerWithDivisions(1)}})));
    QVERIFY(writeBytes(shipped + "Bezel.gauge", writeGaugeDocument({{QString(), layerWithDivisions(2)}})));
    QVERIFY(QDir().mkpath(w.userPresetsFolder()));
    const QString user = w.userPresetsFolder() + QLatin1Char('/');
    QVERIFY(writeBytes(user + "Needle.gauge", writeGaugeDocument({{QString(), layerWithDivisions(3)}})));
    QVERIFY(writeBytes(user + "aux.gauge", writeGaugeDocument({{QString(), layerWithDivisions(4)}})));
    w.getPresetsFromFolder();
    QCOMPARE(comboTexts(w.presetComboBox), (QStringList{"aux", "Bezel", "Needle"}));
    QCOMPARE(w.presetComboBox->currentIndex(), -1);

    // The user's Needle is the one loaded.
    const int needle = w.presetComboBox->findText(QStringLiteral("Needle"));
    w.presetComboBox->setCurrentIndex(needle);
    emit w.presetComboBox->activated(needle);
    QCOMPARE(w.gaugeDivisions1SpinBox->value(), 3);
    QCOMPARE(w.presetComboBox->currentText(), QStringLiteral("Needle"));

    // A pick that loads nothing does not stay shown.
    answers->expect(pressButton(QMessageBox::Cancel));
    w.presetComboBox->setCurrentIndex(0);
    emit w.presetComboBox->activated(0);
    QCOMPARE(w.presetComboBox->currentIndex(), -1);
    QCOMPARE(w.gaugeDivisions1SpinBox->value(), 3);

    // A layer saved as a preset goes to the user's folder and is listed.
    QDir(user).removeRecursively();
    FileDialogSeen seen;
    answers->expect(chooseFile(QStringLiteral("Mine"), &seen));
    w.SaveLayerButton->click();
    QCOMPARE(QDir(seen.directory), QDir(user));
    QVERIFY(QFile::exists(user + "Mine.gauge"));
    QCOMPARE(comboTexts(w.presetComboBox), (QStringList{"Bezel", "Mine", "Needle"}));
    QCOMPARE(w.presetComboBox->currentIndex(), -1);
}

void TestDocument::drops()
{
    Window &w = *window;
    const QString gauge = writeGauge(QStringLiteral("dropped.gauge"), {{QStringLiteral("Dropped"), layerWithDivisions(9)}});
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString png = dir->filePath(QStringLiteral("trace.png"));
    QVERIFY(picture.save(png));
    const QString broken = dir->filePath(QStringLiteral("broken.png"));
    QVERIFY(writeBytes(broken, "no picture"));
    const QPoint onPreview = w.RenderBox->mapTo(&w, w.RenderBox->rect().center());
    const QPoint onLayers = w.layerList->mapTo(&w, w.layerList->rect().center());

    // A picture only on the preview.
    QVERIFY(!dropFile(w, png, onLayers));
    QVERIFY(w.referenceLabel->pixmap().isNull());
    QVERIFY(dropFile(w, png, onPreview));
    QCOMPARE(w.referenceLabel->pixmap().size(), QSize(64, 64));
    BoxSeen box;
    answers->expect(pressButton(QMessageBox::Ok, &box));
    QVERIFY(dropFile(w, broken, onPreview));
    QTRY_COMPARE(answers->pending(), 0);
    QCOMPARE(box.title, QStringLiteral("Unable to load image"));
    QCOMPARE(w.referenceLabel->pixmap().size(), QSize(64, 64));

    // A gauge file anywhere, asking first about unsaved changes.
    w.gaugeBiasSpinBox->setValue(0.2);
    answers->expect(pressButton(QMessageBox::Cancel));
    QVERIFY(dropFile(w, gauge, onLayers));
    QTRY_COMPARE(answers->pending(), 0);
    QCOMPARE(stateOf(w).names, QStringList{"Layer 1"});
    answers->expect(pressButton(QMessageBox::Discard));
    QVERIFY(dropFile(w, gauge, onPreview));
    QTRY_COMPARE(stateOf(w).names, QStringList{"Dropped"});
    QCOMPARE(w.documentPath, gauge);
    QVERIFY(!w.isWindowModified());
}

QTEST_MAIN(TestDocument)
#include "test_document.moc"
