#include "testfiles.h"

#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A document of `count` trivial layers: [1,1,...,1].
QByteArray trivialLayers(qsizetype count)
{
    QByteArray bytes("{\"layers\":[");
    bytes.reserve(count * 2 + 16);
    for (qsizetype i = 0; i < count; ++i)
        bytes += "1,";
    bytes.chop(1);
    return bytes + "]}";
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void layerCountIsBounded_data();
    void layerCountIsBounded();
    void writerKeepsToTheLayerLimit();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();

private:
    QTemporaryDir dir;
};

void TestHostileFiles::layerCountIsBounded_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("reason");
    QTest::newRow("one more") << gaugeLayerLimit + 1
                              << "The file has 10001 layers; a gauge file may hold at most 10000.";
    // A million trivial layers once took 7.7 GB and died saving them; a file
    // of the largest size once died loading them.
    QTest::newRow("a million in 2 MB")
        << qsizetype(1'000'000) << "The file has 1000000 layers; a gauge file may hold at most 10000.";
    const qsizetype fill = (maximumGaugeFileSize - 16) / 2;
    QTest::newRow("64 MiB of them")
        << fill << QStringLiteral("The file has %1 layers; a gauge file may hold at most 10000.")
                       .arg(fill);
}

void TestHostileFiles::layerCountIsBounded()
{
    QFETCH(qsizetype, count);
    QFETCH(QString, reason);
    const QString path = dir.filePath(QStringLiteral("layers.gauge"));
    const QByteArray bytes = trivialLayers(count);
    QVERIFY(bytes.size() <= maximumGaugeFileSize);
    QVERIFY(writeBytes(path, bytes));

    QList<namedLayer> layers;
    QString error;
    QCOMPARE(readGaugeFile(path, layers, &error), gaugeFileStatus::Rejected);
    QCOMPARE(error, reason);
    QVERIFY(layers.isEmpty());
}

void TestHostileFiles::writerKeepsToTheLayerLimit()
{
    // The program never writes a file it would refuse to read.
    const QString path = dir.filePath(QStringLiteral("kept.gauge"));
    QVERIFY(writeBytes(path, "previous"));
    QString error;
    const QList<namedLayer> tooMany(gaugeLayerLimit + 1);
    QVERIFY(!writeGaugeFile(path, tooMany, &error));
    QCOMPARE(error, QStringLiteral("The gauge has more than 10000 layers, more than a gauge file "
                                   "may hold."));
    QCOMPARE(readBytes(path), QByteArray("previous"));
    QCOMPARE(writeGaugeDocument(tooMany), QByteArray());

    QVERIFY2(writeGaugeFile(path, tooMany.mid(1), &error), qPrintable(error));
    QList<namedLayer> read;
    QCOMPARE(readGaugeFile(path, read), gaugeFileStatus::Loaded);
    QCOMPARE(read.size(), gaugeLayerLimit);
}

void TestHostileFiles::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("name"); // made in the temporary folder, or an absolute path
    QTest::addColumn<QString>("reason");
    // A pipe nobody writes to once held the program (and dialwright-render)
    // in open() for ever.
    QTest::newRow("named pipe") << "pipe.gauge" << "It is a pipe, not a file.";
    QTest::newRow("folder") << "folder.gauge" << "It is a folder, not a file.";
    QTest::newRow("device") << "/dev/null" << "It is a device, not a file.";
    QTest::newRow("missing") << "missing.gauge" << "No such file or directory";
}

void TestHostileFiles::onlyRegularFilesAreRead()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    const QString pipe = dir.filePath(QStringLiteral("pipe.gauge"));
    if (!QFileInfo::exists(pipe))
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QDir(dir.path()).mkdir(QStringLiteral("folder.gauge"));

    QList<namedLayer> layers{namedLayer()};
    QString error;
    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
    QCOMPARE(readGaugeFile(path, layers, &error), gaugeFileStatus::CannotOpen);
    QCOMPARE(error, reason);
    QVERIFY(layers.isEmpty());
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "test_hostilefiles.moc"
