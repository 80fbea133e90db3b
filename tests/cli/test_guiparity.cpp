#include "app/window.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "renderprocess.h"
#include "testfiles.h"

#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "render/gui/renderarea.h"

#include <QTemporaryDir>
#include <QTest>

// The tool's outputs must be what the window writes after the same file was
// loaded into it: the same bytes for the gauge document, the keyframes and
// both images.
class TestGuiParity : public QObject
{
    Q_OBJECT

private slots:
    void sameOutputs_data();
    void sameOutputs();
};

void TestGuiParity::sameOutputs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    // The window's needle choice for its exports, as the tool's --needles
    // names it; empty: the window's default and no option.
    QTest::addColumn<QString>("needles");
    QTest::newRow("three layers, two unnamed") << "Speedometer.gauge" << 512 << QString();
    QTest::newRow("earlier version's file") << "old.tacho.gauge" << 768 << QString();
    QTest::newRow("one unnamed layer at 64") << "single.unnamed.gauge" << 64 << QString();
    QTest::newRow("label texts, texts and pictures") << "face.gauge" << 1024 << QString();
    QTest::newRow("needles with the face") << "needles.gauge" << 512 << "with";
    QTest::newRow("face without needles") << "needles.gauge" << 512 << "none";
    QTest::newRow("needles alone") << "needles.gauge" << 768 << "only";
}

void TestGuiParity::sameOutputs()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(QString, needles);
    const QString gauge = QStringLiteral(DIALWRIGHT_TEST_DATA "/") + file;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // A freshly started window; its untouched first layer is overwritten
    // without a question.
    Window window;
    QVERIFY(isDefaultLayer(window.renderArea->currentGauge));
    window.loadGaugeFile(gauge);
    QList<namedLayer> inFile;
    QCOMPARE(readGaugeFile(gauge, inFile), gaugeFileStatus::Loaded);
    QCOMPARE(Form(window).layerList->count(), inFile.size());
    Form(window).pngSizeSpinBox->setValue(size);
    QComboBox *choice = NeedleSection(window).exports;
    QCOMPARE(choice->currentIndex(), 0);
    const QStringList choices{QStringLiteral("with"), QStringLiteral("none"),
                              QStringLiteral("only")};
    if (!needles.isEmpty())
        choice->setCurrentIndex(int(choices.indexOf(needles)));

    const QStringList kinds{QStringLiteral("gauge"), QStringLiteral("csv"), QStringLiteral("svg"),
                            QStringLiteral("png")};
    const QList<void (Window::*)()> saves{&Window::saveGauge, &Window::saveKeyframes,
                                          &Window::saveSVG, &Window::savePNG};
    for (int i = 0; i < kinds.size(); ++i) {
        ModalAnswers answers({chooseFile(dir.filePath(QStringLiteral("gui.") + kinds[i]))});
        (window.*saves[i])();
        QTRY_VERIFY(exportsIdle(window));
        QVERIFY(answers.allAnswered());
    }

    QStringList arguments{QStringLiteral("--size"),      QString::number(size),
                          QStringLiteral("--gauge"),     dir.filePath(QStringLiteral("tool.gauge")),
                          QStringLiteral("--keyframes"), dir.filePath(QStringLiteral("tool.csv")),
                          QStringLiteral("--svg"),       dir.filePath(QStringLiteral("tool.svg")),
                          QStringLiteral("--png"),       dir.filePath(QStringLiteral("tool.png"))};
    if (!needles.isEmpty())
        arguments << QStringLiteral("--needles") << needles;
    const ToolRun run = runRender(arguments << gauge);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());

    for (const QString &kind : kinds) {
        const QByteArray fromWindow = readBytes(dir.filePath(QStringLiteral("gui.") + kind));
        const QByteArray fromTool = readBytes(dir.filePath(QStringLiteral("tool.") + kind));
        QVERIFY2(!fromWindow.isEmpty(), qPrintable(kind));
        QVERIFY2(fromWindow == fromTool, qPrintable(kind + QStringLiteral(" differs")));
    }
}

QTEST_MAIN(TestGuiParity)
#include "test_guiparity.moc"
