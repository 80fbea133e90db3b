#include "version.h"
#include "gaugefile/gaugedocument.h"

#include "imageink.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>
#include <utility>

namespace {

const QString bindir = QStringLiteral(DIALWRIGHT_INSTALL_BINDIR);
const QString datadir = QStringLiteral(DIALWRIGHT_INSTALL_DATADIR);
const QString mandir = QStringLiteral(DIALWRIGHT_INSTALL_MANDIR);
const QString mimeType = QStringLiteral("application/x-dialwright-gauge");

// The text of a symbolic link as it is stored, not resolved.
QString linkText(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, int(length))) : QString();
}

QStringList gaugeNames(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.gauge")}, QDir::Files, QDir::Name);
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programFindsItsPresets();
    void installedProgramStarts();
    void installedRendererRuns();
    void desktopFilesAreInstalled();
    void manualPagesAreInstalled();
    void installedTreeCanBeMoved();

private:
    QString prefix() const { return root.path() + QStringLiteral("/prefix"); }
    // The folder the program file really lives in, its application directory.
    QString applicationDirectory() const
    {
        return QFileInfo(QFileInfo(prefix() + QLatin1Char('/') + bindir + QStringLiteral("/dialwright"))
                             .canonicalFilePath())
            .path();
    }

    QTemporaryDir root;
};

void TestInstall::initTestCase()
{
    QVERIFY(root.isValid());
    QStringList arguments{QStringLiteral("--install"), QStringLiteral(DIALWRIGHT_BUILD_DIR),
                          QStringLiteral("--prefix"), prefix()};
    if (!QStringLiteral(DIALWRIGHT_BUILD_CONFIG).isEmpty())
        arguments << QStringLiteral("--config") << QStringLiteral(DIALWRIGHT_BUILD_CONFIG);
    const ToolRun run = runTool(QStringLiteral(DIALWRIGHT_CMAKE_COMMAND), arguments);
    QVERIFY2(run.exitCode == 0, (run.out + run.err).constData());
}

void TestInstall::programFindsItsPresets()
{
    // The program looks for presets in "Presets" beside its own file.
    // bin/dialwright is a link into the program's private folder; the link
    // must be relative, or the tree could not be moved or packaged.
    const QString launcher = prefix() + QLatin1Char('/') + bindir + QStringLiteral("/dialwright");
    const QFileInfo launcherInfo(launcher);
    QVERIFY2(launcherInfo.exists(), qPrintable(launcher));
    QVERIFY(launcherInfo.isExecutable());
    const QString appDir = applicationDirectory();
    QVERIFY(appDir.startsWith(QFileInfo(prefix()).canonicalFilePath() + QLatin1Char('/')));
    if (launcherInfo.isSymLink())
        QVERIFY2(QDir::isRelativePath(linkText(launcher)), qPrintable(linkText(launcher)));

    const QStringList shipped = gaugeNames(QStringLiteral(DIALWRIGHT_SOURCE_DIR "/presets"));
    QVERIFY(!shipped.isEmpty());
    QCOMPARE(gaugeNames(appDir + QStringLiteral("/Presets/")), shipped);
    for (const QString &name : shipped) {
        QList<namedLayer> layers;
        QString error;
        QVERIFY2(readGaugeDocument(readBytes(appDir + QStringLiteral("/Presets/") + name), layers, &error),
                 qPrintable(name + error));
    }

    // That is where Qt puts the application directory of a program started
    // through such a link: a probe laid out exactly like the program says so.
    if (!launcherInfo.isSymLink())
        return;
    const QString probe = appDir + QStringLiteral("/appdirprobe");
    QVERIFY(QFile::copy(QStringLiteral(DIALWRIGHT_APPDIR_PROBE), probe));
    const QString probeLink = prefix() + QLatin1Char('/') + bindir + QStringLiteral("/appdirprobe");
    const QString probeTarget = QFileInfo(linkText(launcher)).path() + QStringLiteral("/appdirprobe");
    QCOMPARE(::symlink(QFile::encodeName(probeTarget).constData(),
                       QFile::encodeName(probeLink).constData()),
             0);
    const ToolRun run = runTool(probeLink, {});
    QFile::remove(probeLink);
    QFile::remove(probe);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromLocal8Bit(run.out).trimmed(), appDir);
}

void TestInstall::installedProgramStarts()
{
    // Catches a program that cannot load a library or plug-in once it is out
    // of the build tree. The toolkit's painting log names the preview once
    // the window has been built, shown and drawn.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));
    program.setProcessEnvironment(environment);
    program.setReadChannel(QProcess::StandardError);
    program.start(prefix() + QLatin1Char('/') + bindir + QStringLiteral("/dialwright"), {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const QRegularExpression previewDrawn(QStringLiteral("Drawing .* of RenderArea\\("));
    QByteArray log;
    while (!previewDrawn.match(QString::fromUtf8(log)).hasMatch() && program.waitForReadyRead(60000))
        log += program.readAllStandardError();
    const bool drawn = previewDrawn.match(QString::fromUtf8(log)).hasMatch();
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    QVERIFY2(drawn && running, log.right(4000).constData());
}

void TestInstall::installedRendererRuns()
{
#ifndef DIALWRIGHT_RENDER
    QSKIP("dialwright-render is not part of this build");
#else
    const QString renderer = prefix() + QLatin1Char('/') + bindir + QStringLiteral("/dialwright-render");
    QVERIFY2(QFileInfo(renderer).isExecutable(), qPrintable(renderer));

    // As in a build pipeline: no display and no platform chosen by the caller.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));

    const ToolRun version = runTool(renderer, {QStringLiteral("--version")}, environment);
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out.trimmed(), QByteArray("dialwright-render " DIALWRIGHT_VERSION_TEXT));

    QTemporaryDir outputs;
    QVERIFY(outputs.isValid());
    const QString presets = applicationDirectory() + QStringLiteral("/Presets/");
    for (const QString &name : gaugeNames(presets)) {
        const QString png = outputs.filePath(name + QStringLiteral(".png"));
        const ToolRun run = runTool(renderer,
                                    {QStringLiteral("--size"), QStringLiteral("128"),
                                     QStringLiteral("--png"), png, presets + name},
                                    environment);
        QVERIFY2(run.exitCode == 0, qPrintable(name + QLatin1Char(' ') + run.err));
        const QImage image(png);
        QCOMPARE(image.size(), QSize(128, 128));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        const int inked = inkedPixels(image);
        // The sparest preset inks about 750 pixels at this size, the centre
        // dot alone a handful.
        QVERIFY2(inked > 300, qPrintable(QStringLiteral("%1: %2 pixels").arg(name).arg(inked)));
    }
#endif
}

void TestInstall::desktopFilesAreInstalled()
{
    const QString share = prefix() + QLatin1Char('/') + datadir;
    const QStringList entries = QDir(share + QStringLiteral("/applications"))
                                    .entryList({QStringLiteral("*.desktop")}, QDir::Files);
    QCOMPARE(entries.size(), 1);
    const QString appId = entries.first().chopped(int(qstrlen(".desktop")));
    QVERIFY(QFile::exists(share + QStringLiteral("/metainfo/") + appId + QStringLiteral(".metainfo.xml")));

    // The launcher's icon in the theme: the scalable original and every
    // fixed size, each really of its size; the same for the file type.
    const QString mimeIcon = QString(mimeType).replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString hicolor = share + QStringLiteral("/icons/hicolor/");
    for (const auto &[context, name] : {std::pair{QStringLiteral("apps"), appId},
                                         std::pair{QStringLiteral("mimetypes"), mimeIcon}}) {
        const QString svg = hicolor + QStringLiteral("scalable/") + context + QLatin1Char('/')
            + name + QStringLiteral(".svg");
        QVERIFY2(QSvgRenderer(svg).isValid(), qPrintable(svg));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString png = hicolor + QStringLiteral("%1x%1/").arg(size) + context
                + QLatin1Char('/') + name + QStringLiteral(".png");
            const QImage image(png);
            QVERIFY2(!image.isNull(), qPrintable(png));
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        }
    }

    QVERIFY(readBytes(share + QStringLiteral("/mime/packages/dialwright.xml")).contains(mimeType.toUtf8()));
}

void TestInstall::manualPagesAreInstalled()
{
    const QString man1 = prefix() + QLatin1Char('/') + mandir + QStringLiteral("/man1/");
    for (const auto &page : {QStringLiteral("dialwright.1"), QStringLiteral("dialwright-render.1")}) {
        QVERIFY2(QFile::exists(man1 + page) || QFile::exists(man1 + page + QStringLiteral(".gz")),
                 qPrintable(page));
    }
}

void TestInstall::installedTreeCanBeMoved()
{
    // Nothing in the tree may point at the prefix it was installed into.
    const QString moved = root.path() + QStringLiteral("/moved");
    QVERIFY(QDir().rename(prefix(), moved));
    const QFileInfo launcher(moved + QLatin1Char('/') + bindir + QStringLiteral("/dialwright"));
    QVERIFY(launcher.exists());
    const QString appDir = QFileInfo(launcher.canonicalFilePath()).path();
    QVERIFY(appDir.startsWith(QFileInfo(moved).canonicalFilePath() + QLatin1Char('/')));
    QVERIFY(!gaugeNames(appDir + QStringLiteral("/Presets/")).isEmpty());
    QVERIFY(QDir().rename(moved, prefix()));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
