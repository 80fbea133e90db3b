#include "app/window.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "samplegauges.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "render/gui/renderarea.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Image exports run on a worker thread while the window goes on, with a
// progress dialog that can cancel them.
class TestBackgroundExport : public QObject
{
    Q_OBJECT

private slots:
    void windowGoesOnWhileExporting();
    void cancelLeavesTheOldFile_data();
    void cancelLeavesTheOldFile();
};

void TestBackgroundExport::windowGoesOnWhileExporting()
{
    // The export's slot returns at once, and an edit made meanwhile does not
    // reach the file: the export works on the layers it started with.
    QTemporaryDir dir;
    WindowServices services;
    // No progress dialog however slow the machine: this is about the window.
    services.exportProgressDelay = 600000;
    Window window(services);
    window.renderArea->layers = {densestFormLayer(0)};
    const QList<gaugeData> started = window.renderArea->layers;
    Form(window).pngSizeSpinBox->setValue(1024);
    const QString path = dir.filePath(QStringLiteral("dense.png"));

    ModalAnswers answers({chooseFile(path)});
    window.savePNG();
    // The outcome is reported through the event loop, which has not run.
    QVERIFY(!exportsIdle(window));
    gaugeData edited = started.first();
    edited.divisionColor[2] = Qt::red;
    window.document()->setLayer(0, edited, QStringLiteral("Edit"));
    // A second export asked for meanwhile is not started: no dialog opens.
    window.savePNG();
    QTRY_VERIFY_WITH_TIMEOUT(exportsIdle(window), 60000);
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(QLatin1String(", "))));

    QByteArray expected;
    QVERIFY(gaugePng(started, 1024, &expected));
    QCOMPARE(readBytes(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("dense.png")});
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
    QTemporaryDir dir;
    WindowServices services;
    services.exportProgressDelay = 0;
    Window window(services);
    window.renderArea->layers = {densestFormLayer(0), densestFormLayer(0), densestFormLayer(0)};
    Form(window).pngSizeSpinBox->setValue(4096);
    const QString path = dir.filePath(svg ? QStringLiteral("old.svg") : QStringLiteral("old.png"));
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
        window.saveSVG();
    else
        window.savePNG();
    QTRY_VERIFY_WITH_TIMEOUT(exportsIdle(window), 60000);
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(QLatin1String(", "))));
    QVERIFY2(label.contains(QFileInfo(path).fileName()), qPrintable(label));
    QCOMPARE(readBytes(path), QByteArray("the user's old picture"));
    // Nothing else was left behind either.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
}

QTEST_MAIN(TestBackgroundExport)
#include "test_backgroundexport.moc"
