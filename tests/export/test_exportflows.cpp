#include "app/window.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "render/gui/renderarea.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestExportFlows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void svgExport();
    void pngExport();
    void keyframesExport();
    void cancelWritesNothing();
    void failedWritesReported_data();
    void failedWritesReported();
    void statusSaysWhatWasWritten_data();
    void statusSaysWhatWasWritten();
    void hugeKeyframesRefused();

private:
    Window *window = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestExportFlows::init()
{
    window = new Window;
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
}

void TestExportFlows::cleanup()
{
    delete window;
    delete dir;
}

void TestExportFlows::svgExport()
{
    Form(*window).pngSizeSpinBox->setValue(256);
    const QString path = dir->filePath(QStringLiteral("gauge"));
    FileDialogSeen seen;
    const QString start = QDir(window->fileDialogFolder()).absolutePath();
    ModalAnswers answers({chooseFile(path, &seen)});
    window->saveSVG();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());

    QCOMPARE(seen.caption, QStringLiteral("Save SVG"));
    QCOMPARE(seen.filters, QStringList{QStringLiteral("SVG file (*.svg)")});
    QCOMPARE(seen.suffix, QStringLiteral("svg"));
    QVERIFY(seen.saveMode);
    QCOMPARE(seen.parent, window);
    QCOMPARE(seen.directory, start);

    // The typed name had no suffix: the dialog adds it.
    QCOMPARE(readBytes(path + QStringLiteral(".svg")), gaugeSvg(window->renderArea->layers, 256));
}

void TestExportFlows::pngExport()
{
    Form(*window).pngSizeSpinBox->setValue(64);

    // An existing file of another kind is replaced after the confirmation.
    const QString path = dir->filePath(QStringLiteral("gauge.png"));
    QVERIFY(writeBytes(path, "old"));
    FileDialogSeen seen;
    ModalAnswers answers({chooseFile(path, &seen), pressButton(QMessageBox::Yes)});
    window->savePNG();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());
    QCOMPARE(seen.caption, QStringLiteral("Save PNG"));
    QCOMPARE(seen.filters, QStringList{QStringLiteral("PNG file (*.png)")});
    QCOMPARE(seen.suffix, QStringLiteral("png"));

    QByteArray expected;
    QVERIFY(gaugePng(window->renderArea->layers, 64, &expected));
    QCOMPARE(readBytes(path), expected);
}

void TestExportFlows::keyframesExport()
{
    // An edit that is still only in the editing copy reaches the file.
    window->renderArea->currentGauge.divisionCount[0] = 2;
    window->renderArea->currentGauge.tickCountIncrement = 0.5;
    Form(*window).layerList->item(0)->setText(QStringLiteral("Speed, km/h"));

    const QString path = dir->filePath(QStringLiteral("keys"));
    FileDialogSeen seen;
    ModalAnswers answers({chooseFile(path, &seen)});
    window->saveKeyframes();
    QVERIFY(answers.allAnswered());
    QCOMPARE(seen.caption, QStringLiteral("Save Keyframes CSV"));
    QCOMPARE(seen.filters, QStringList{QStringLiteral("CSV file (*.csv)")});
    QCOMPARE(seen.suffix, QStringLiteral("csv"));

    QCOMPARE(readBytes(path + QStringLiteral(".csv")),
             QByteArray("Layer,Tick,Angle\r\"Speed, km/h\",0,")
                 + formatKeyframeNumber(-0.0).toLatin1()
                 + "\r\"Speed, km/h\",0.5,60\r\"Speed, km/h\",1,120\r");
}

void TestExportFlows::cancelWritesNothing()
{
    for (void (Window::*slot)() : {&Window::saveSVG, &Window::savePNG, &Window::saveKeyframes}) {
        ModalAnswers answers({cancelDialog()});
        (window->*slot)();
        QVERIFY(answers.allAnswered());
    }
    QVERIFY(QDir(dir->path()).isEmpty());
}

void TestExportFlows::failedWritesReported_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("svg") << 0;
    QTest::newRow("png") << 1;
    QTest::newRow("keyframes") << 2;
}

void TestExportFlows::failedWritesReported()
{
    QFETCH(int, which);
    const QString path = dir->filePath(QStringLiteral("missing/folder/out.file"));
    BoxSeen box;
    ModalAnswers answers({chooseFile(path), pressButton(QMessageBox::Ok, &box)});
    const std::array<void (Window::*)(), 3> exports{&Window::saveSVG, &Window::savePNG,
                                                    &Window::saveKeyframes};
    (window->*exports[which])();
    QTRY_VERIFY(answers.allAnswered());
    QCOMPARE(box.title, QStringLiteral("Unable to save file"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.parent, window);
    QVERIFY2(box.text.contains(QLatin1String("out.file")), qPrintable(box.text));
    QVERIFY(!QFile::exists(path));
    // Nothing written, nothing claimed.
    QVERIFY(formChild<QStatusBar>(*window, "statusBar")->currentMessage().isEmpty());
}

void TestExportFlows::statusSaysWhatWasWritten_data()
{
    failedWritesReported_data();
}

void TestExportFlows::statusSaysWhatWasWritten()
{
    QFETCH(int, which);
    const QString path = dir->filePath(QStringLiteral("written.file"));
    ModalAnswers answers({chooseFile(path)});
    const std::array<void (Window::*)(), 3> exports{&Window::saveSVG, &Window::savePNG,
                                                    &Window::saveKeyframes};
    (window->*exports[which])();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());
    const QString message = formChild<QStatusBar>(*window, "statusBar")->currentMessage();
    const qint64 size = QFileInfo(path).size();
    QVERIFY(size > 0);
    QVERIFY2(message.contains(QDir::toNativeSeparators(path))
                 && message.contains(window->locale().formattedDataSize(size)),
             qPrintable(message));
}

void TestExportFlows::hugeKeyframesRefused()
{
    window->renderArea->currentGauge.divisionCount[0] = std::numeric_limits<int>::max();
    const QString path = dir->filePath(QStringLiteral("huge.csv"));
    QVERIFY(writeBytes(path, "previous keyframes"));
    BoxSeen box;
    ModalAnswers answers(
        {chooseFile(path), pressButton(QMessageBox::Yes), pressButton(QMessageBox::Ok, &box)});
    window->saveKeyframes();
    QVERIFY(answers.allAnswered());
    QCOMPARE(box.title, QStringLiteral("Unable to save file"));
    QVERIFY(box.text.contains(QLatin1String("huge.csv")));
    QVERIFY(box.text.contains(QString::number(keyframeRecordLimit)));
    QCOMPARE(readBytes(path), QByteArray("previous keyframes"));
}

QTEST_MAIN(TestExportFlows)
#include "test_exportflows.moc"
