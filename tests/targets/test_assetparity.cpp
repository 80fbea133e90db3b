#include "app/window.h"
#include "export/gui/targetdialog.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "renderprocess.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// File > Export Assets... writes the set the tool writes for the same file.
class TestAssetParity : public QObject
{
    Q_OBJECT

private slots:
    void sameSet_data();
    void sameSet();
    void sameTarget_data();
    void sameTarget();
};

void TestAssetParity::sameSet_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("size");
    QTest::newRow("two needles") << "Max Hold" << 400;
    QTest::newRow("free needle") << "Compass" << 256;
}

void TestAssetParity::sameSet()
{
    QFETCH(QString, preset);
    QFETCH(int, size);
    const QString gauge = QStringLiteral(DIALWRIGHT_PRESETS "/") + preset + ".gauge";
    QTemporaryDir dir;
    const QString gui = dir.filePath("gui");
    const QString tool = dir.filePath("tool");
    QVERIFY(QDir().mkpath(gui));

    Window window;
    window.loadGaugeFile(gauge);
    Form(window).pngSizeSpinBox->setValue(size);
    {
        ModalAnswers answers({chooseFile(gui)});
        formChild<QAction>(window, "exportAssetsAction")->trigger();
        QTRY_VERIFY(exportsIdle(window));
        QVERIFY(answers.allAnswered());
    }
    const ToolRun run = render({"--size", QString::number(size), "--assets", tool, gauge});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());

    const QStringList files = QDir(tool).entryList(QDir::Files);
    QVERIFY(files.contains("gauge.json") && files.contains("face.png"));
    QCOMPARE(QDir(gui).entryList(QDir::Files), files);
    for (const QString &file : files)
        QVERIFY2(readBytes(QDir(gui).filePath(file)) == readBytes(QDir(tool).filePath(file)),
                 qPrintable(file + " differs"));
}

void TestAssetParity::sameTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("swap");
    QTest::newRow("lvgl9 RGB565 swapped") << "lvgl9" << "RGB565" << true;
    QTest::newRow("tft") << "tft" << QString() << false;
    QTest::newRow("web") << "web" << QString() << false;
}

// File > Export For... writes what --target writes.
void TestAssetParity::sameTarget()
{
    QFETCH(QString, target);
    QFETCH(QString, format);
    QFETCH(bool, swap);
    const QString gauge = QStringLiteral(DIALWRIGHT_PRESETS "/Max Hold.gauge");
    QTemporaryDir dir;
    const QString gui = dir.filePath("gui");
    const QString tool = dir.filePath("tool");
    QVERIFY(QDir().mkpath(gui));

    Window window;
    // Opened as the document, whose file name names the target's files.
    QVERIFY(window.openDocumentFile(gauge, QString()));
    Form(window).pngSizeSpinBox->setValue(128);
    {
        ModalAnswers answers({answerAs<TargetDialog>([=](TargetDialog *dialog) {
                                  auto *targets = dialog->findChild<QComboBox *>("targetComboBox");
                                  targets->setCurrentIndex(targets->findData(target));
                                  if (!format.isEmpty())
                                      dialog->findChild<QComboBox *>("colorFormatComboBox")
                                          ->setCurrentText(format);
                                  dialog->findChild<QCheckBox *>("swapBytesCheckBox")
                                      ->setChecked(swap);
                                  dialog->accept();
                              }),
                              chooseFile(gui)});
        formChild<QAction>(window, "exportForAction")->trigger();
        QTRY_VERIFY(exportsIdle(window));
        QVERIFY(answers.allAnswered());
    }
    QStringList arguments{"--size", "128", "--target", target, "--out", tool};
    if (!format.isEmpty())
        arguments << "--color-format" << format;
    if (swap)
        arguments << "--swap-bytes";
    const ToolRun run = render(arguments << gauge);
    QCOMPARE(run.exitCode, 0);
    const QStringList files = QDir(tool).entryList(QDir::Files);
    QVERIFY(files.size() >= 2);
    QCOMPARE(QDir(gui).entryList(QDir::Files), files);
    for (const QString &file : files)
        QVERIFY2(readBytes(QDir(gui).filePath(file)) == readBytes(QDir(tool).filePath(file)),
                 qPrintable(file + " differs"));
}

QTEST_MAIN(TestAssetParity)
#include "test_assetparity.moc"
