#include "app/startup.h"
#include "app/window.h"
#include "gaugefile/gaugedocument.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "version.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// dialwright [FILE]: the file named on the command line opens as File > Open
// opens it; one that cannot be used is reported over the default gauge.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileArgument_data();
    void fileArgument();
    void opensFileAtStartup_data();
    void opensFileAtStartup();
    void programAnswersHelpAndVersion();
    void quietStartOnEveryPreset_data();
    void quietStartOnEveryPreset();

private:
    QTemporaryDir dir;
};

namespace {

// Every message of the program while `capturing`, as standard error would
// have shown it.
QStringList captured;
bool capturing = false;
QtMessageHandler testHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (capturing)
        captured << message;
    testHandler(type, context, message);
}

} // namespace

void TestStartup::initTestCase()
{
    // Under the window's own handler, which it installs when it is first
    // made, as it does in the program.
    testHandler = qInstallMessageHandler(capture);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("DialwrightTests"));
    QSettings().clear();
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("Speed.gauge")),
                       writeGaugeDocument(
                           {{QString(), gaugeData()}, {QStringLiteral("Face"), gaugeData()}})));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("damaged.gauge")), "{\"layers\": [1,"));
}

void TestStartup::fileArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString absolute = dir.filePath(QStringLiteral("Speed.gauge"));
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("absolute") << QStringList{absolute} << absolute;
    QTest::newRow("relative") << QStringList{QStringLiteral("sub/../x.gauge")}
                              << QDir::current().absoluteFilePath(QStringLiteral("x.gauge"));
    QTest::newRow("file address") << QStringList{QUrl::fromLocalFile(absolute).toString()}
                                  << absolute;
    QTest::newRow("the first of two")
        << QStringList{absolute, QStringLiteral("/other.gauge")} << absolute;
}

void TestStartup::fileArgument()
{
    QFETCH(QStringList, arguments);
    QCommandLineParser parser;
    describeCommandLine(parser);
    QVERIFY(parser.parse(QStringList{QStringLiteral("dialwright")} + arguments));
    QTEST(QDir::cleanPath(startupFile(parser.positionalArguments())), "file");
}

void TestStartup::opensFileAtStartup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("boxTitle"); // empty: no box
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("title");
    QTest::newRow("a gauge file") << "Speed.gauge" << QString() << QStringList{"Speed", "Face"}
                                  << "Dialwright 2.2.0 - Speed.gauge[*]";
    QTest::newRow("a missing file")
        << "missing.gauge"
        << "Unable to open file" << QStringList{"Layer 1"} << "Dialwright 2.2.0[*]";
    QTest::newRow("a damaged file")
        << "damaged.gauge"
        << "Unable to load gauge" << QStringList{"Layer 1"} << "Dialwright 2.2.0[*]";
}

void TestStartup::opensFileAtStartup()
{
    QFETCH(QString, name);
    QFETCH(QString, boxTitle);
    QCommandLineParser parser;
    describeCommandLine(parser);
    QVERIFY(parser.parse({QStringLiteral("dialwright"), dir.filePath(name)}));

    Window window;
    window.show();
    BoxSeen box;
    ModalAnswers answers;
    if (!boxTitle.isEmpty())
        answers.expect(pressButton(QMessageBox::Ok, &box));
    const QString path = startupFile(parser.positionalArguments());
    QCOMPARE(window.openDocumentFile(path, QString(), true), boxTitle.isEmpty());
    QVERIFY(answers.allAnswered());
    QCOMPARE(box.title, boxTitle);
    if (!boxTitle.isEmpty()) {
        QCOMPARE(box.parent, &window);
        // Nothing else tells which file it was.
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path))
                     || box.text.contains(QFileInfo(path).fileName()),
                 qPrintable(box.text));
    }

    QStringList names;
    for (int i = 0; i < Form(window).layerList->count(); ++i)
        names << Form(window).layerList->item(i)->text();
    QTEST(names, "names");
    QTEST(window.windowTitle(), "title");
    QVERIFY(!window.isWindowModified());
    QCOMPARE(Form(window).layerList->currentRow(), 0);
    // The program goes on as usual.
    Form(window).gaugeBiasSpinBox->setValue(0.6);
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.renderArea->layers.at(0).bias, 0.6);
}

// The real program: its command line, and a damaged file's error box,
// which waits for the user while the program neither crashes nor ends.
void TestStartup::programAnswersHelpAndVersion()
{
    // No display at all: the answers come before any window could be made.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const ToolRun version =
        runTool(QStringLiteral(DIALWRIGHT_PROGRAM), {QStringLiteral("--version")}, environment);
    QCOMPARE(version.out.trimmed(), QByteArray("Dialwright " DIALWRIGHT_VERSION_TEXT));
    const ToolRun help =
        runTool(QStringLiteral(DIALWRIGHT_PROGRAM), {QStringLiteral("--help")}, environment);
    QVERIFY2(help.exitCode == 0 && help.out.contains("[FILE]"), help.out.constData());

    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(DIALWRIGHT_PROGRAM),
                  {dir.filePath(QStringLiteral("damaged.gauge"))});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const bool ended = program.waitForFinished(1500);
    program.kill();
    program.waitForFinished();
    QVERIFY2(!ended, program.readAllStandardError().constData());
}

void TestStartup::quietStartOnEveryPreset_data()
{
    QTest::addColumn<QString>("preset");
    QTest::newRow("no file") << QString();
    for (const QString &name : QDir(QStringLiteral(DIALWRIGHT_PRESETS_DIR)).entryList({"*.gauge"}))
        QTest::newRow(qPrintable(name)) << QStringLiteral(DIALWRIGHT_PRESETS_DIR "/") + name;
}

// A normal start prints nothing, whatever preset it opens.
void TestStartup::quietStartOnEveryPreset()
{
    QFETCH(QString, preset);
    captured.clear();
    capturing = true;
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (!preset.isEmpty())
            QVERIFY(window.openDocumentFile(preset, QString()));
        QTRY_VERIFY(window.renderArea->isPreviewCurrent());
        // Every colour shown again, as every edit and undo does.
        window.setActiveGauge();
        QCoreApplication::processEvents();
    }
    capturing = false;
    QVERIFY2(captured.isEmpty(), qPrintable(captured.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
