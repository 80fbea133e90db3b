#include "app/window.h"

#include "modaldialogs.h"
#include "samplegauges.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "render/renderarea.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Image exports run on a worker thread while the window goes on, with a
// progress dialog that can cancel them.
class TestBackgroundExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowGoesOnWhileExporting();
    void cancelLeavesTheOldFile_data();
    void cancelLeavesTheOldFile();

private:
    Window *window = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestBackgroundExport::init()
{
    window = new Window;
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
}

void TestBackgroundExport::cleanup()
{
    delete window;
    delete dir;
}

void TestBackgroundExport::windowGoesOnWhileExporting()
{
    // The GUI thread handles events throughout, and an edit made meanwhile
    // does not reach the file: the export works on the layers it started
    // with.
    window->renderArea->layers = {densestFormLayer(0)};
    const QList<gaugeData> started = window->renderArea->layers;
    window->pngSizeSpinBox->setValue(1024);
    const QString path = dir->filePath(QStringLiteral("dense.png"));

    int ticks = 0;
    bool editedWhileRunning = false;
    QTimer heartbeat;
    connect(&heartbeat, &QTimer::timeout, this, [&] {
        // On a busy machine the export may be over before the second beat;
        // the edit is made only while it still runs.
        if (++ticks >= 2 && !editedWhileRunning && window->exportRunning) {
            editedWhileRunning = true;
            window->renderArea->layers[0].divisionColor[2] = Qt::red;
            // A second export asked for meanwhile is not started.
            window->savePNG();
        }
    });
    // No progress dialog however slow the machine: this is about the window.
    window->exportProgressDelay = 600000;
    // The beat starts once the file is chosen, as the export begins.
    ModalAnswers answers({[&](QWidget *dialog) {
        chooseFile(path)(dialog);
        heartbeat.start(5);
    }});
    window->savePNG();
    heartbeat.stop();
    QVERIFY(answers.allAnswered());
    QVERIFY2(ticks >= 2, qPrintable(QString::number(ticks)));
    QVERIFY(editedWhileRunning);
    QVERIFY(!window->exportRunning);

    QByteArray expected;
    QVERIFY(gaugePng(started, 1024, &expected));
    QCOMPARE(readBytes(path), expected);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("dense.png")});
}

void TestBackgroundExport::cancelLeavesTheOldFile_data()
{
    QTest::addColumn<bool>("svg");
    QTest::newRow("png") << false;
    QTest::newRow("svg") << true;
}

void TestBackgroundExport::cancelLeavesTheOldFile()
{
    QFETCH(bool, svg);
    window->renderArea->layers = {densestFormLayer(0), densestFormLayer(0), densestFormLayer(0)};
    window->pngSizeSpinBox->setValue(4096);
    window->exportProgressDelay = 0;
    const QString path = dir->filePath(svg ? QStringLiteral("old.svg") : QStringLiteral("old.png"));
    QVERIFY(writeBytes(path, "the user's old picture"));

    QString label;
    ModalAnswers answers({chooseFile(path), pressButton(QMessageBox::Yes),
                          answerAs<QProgressDialog>([&label](QProgressDialog *progress) {
                              label = progress->labelText();
                              auto *cancel = progress->findChild<QPushButton *>();
                              QVERIFY(cancel);
                              cancel->click();
                          })});
    if (svg)
        window->saveSVG();
    else
        window->savePNG();
    QVERIFY(answers.allAnswered());
    QVERIFY2(label.contains(QFileInfo(path).fileName()), qPrintable(label));
    QCOMPARE(readBytes(path), QByteArray("the user's old picture"));
    // Nothing else was left behind either.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
    QVERIFY(!window->exportRunning);
}

QTEST_MAIN(TestBackgroundExport)
#include "test_backgroundexport.moc"
