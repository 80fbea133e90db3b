#include "app/window.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "renderprocess.h"
#include "testfiles.h"

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

QTEST_MAIN(TestAssetParity)
#include "test_assetparity.moc"
