#include "renderprocess.h"
#include "testfiles.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString gauge = QStringLiteral(DIALWRIGHT_TEST_DATA "/Speedometer.gauge");

bool isKind(const QString &path, mode_t kind)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0
        && (status.st_mode & S_IFMT) == kind;
}

} // namespace

// dialwright-render with several outputs and with outputs that are not plain
// files, as a real process.
class TestRenderOutputs : public QObject
{
    Q_OBJECT

private slots:
    void sameFileTwiceIsAUsageError_data();
    void sameFileTwiceIsAUsageError();
    void failedOutputSaysWhatWasWritten();
    void devicesAreWrittenNotReplaced();
};

void TestRenderOutputs::sameFileTwiceIsAUsageError_data()
{
    QTest::addColumn<QStringList>("arguments"); // "IN" is a copy of the gauge file
    QTest::addColumn<QString>("reason");
    QTest::newRow("one name twice") << QStringList{"--svg", "a.svg", "--png", "a.svg", "IN"}
                                    << "Two outputs name the same file: a.svg";
    QTest::newRow("two spellings") << QStringList{"--svg", "a.svg", "--png", "./sub/../a.svg", "IN"}
                                   << "Two outputs name the same file: ./sub/../a.svg";
    QTest::newRow("the input") << QStringList{"--gauge", "in.gauge", "in.gauge"}
                               << "An output names the gauge file being read: in.gauge";
    QTest::newRow("a link to the input") << QStringList{"--svg", "a.svg", "--gauge", "link.gauge", "IN"}
                                         << "An output names the gauge file being read: link.gauge";
}

void TestRenderOutputs::sameFileTwiceIsAUsageError()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::copy(gauge, QStringLiteral("in.gauge")));
    QVERIFY(QFile::link(QStringLiteral("in.gauge"), QStringLiteral("link.gauge")));
    const QByteArray input = readBytes(QStringLiteral("in.gauge"));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^IN$")), QStringLiteral("in.gauge"));

    const ToolRun run = runRender(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(("dialwright-render: " + reason + "\n").toUtf8()),
             run.err.constData());
    QCOMPARE(readBytes(QStringLiteral("in.gauge")), input);
    QCOMPARE(QDir().entryList(QDir::Files).size(), 2);
}

void TestRenderOutputs::failedOutputSaysWhatWasWritten()
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("a.svg"));
    const QString document = dir.filePath(QStringLiteral("b.gauge"));
    QVERIFY(writeBytes(svg, "previous"));

    // An output that cannot be opened stops the run before anything is made.
    const QString missing = dir.filePath(QStringLiteral("no/folder/c.png"));
    ToolRun run = runRender({"--svg", svg, "--gauge", document, "--png", missing, gauge});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("dialwright-render: %1: No such file or directory\n").arg(missing));
    QCOMPARE(readBytes(svg), QByteArray("previous"));
    QVERIFY(!QFile::exists(document));

    // One that fails only when it is put in place (a full device) leaves
    // the others written, and the run says which.
    if (geteuid() != 0)
        QSKIP("making a device node needs root");
    const QString full = dir.filePath(QStringLiteral("full"));
    QVERIFY(mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0);
    run = runRender({"--svg", svg, "--gauge", document, "--png", full, gauge});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("dialwright-render: %1: No space left on device\n"
                            "dialwright-render: written: %2, %3; not written: %1.\n")
                 .arg(full, document, svg));
    QVERIFY(readBytes(svg).endsWith("</svg>\n"));
    QVERIFY(readBytes(document).startsWith("{"));
    QVERIFY(isKind(full, S_IFCHR));
}

void TestRenderOutputs::devicesAreWrittenNotReplaced()
{
    // Standard output named by its path, as a pipe to the test.
    ToolRun run = runRender({"--size", "64", "--png", "/dev/stdout", gauge});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QImage::fromData(run.out, "png").size(), QSize(64, 64));

    QTemporaryDir dir;
    if (geteuid() != 0)
        QSKIP("making a device node needs root");
    // Run as root, --png /dev/null once replaced the device with a file. A
    // null device of our own stands in for it here.
    const QString null = dir.filePath(QStringLiteral("null"));
    QVERIFY(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0);
    run = runRender({"--png", null, "--svg", dir.filePath(QStringLiteral("x.svg")), gauge});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(isKind(null, S_IFCHR));
}

QTEST_GUILESS_MAIN(TestRenderOutputs)
#include "test_renderoutputs.moc"
