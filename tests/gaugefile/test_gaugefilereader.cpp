#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "fileio/safewrite.h"

#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool makeSparseFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

} // namespace

class TestGaugeFileReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsFiles();
    void cannotOpen();
    void refusesOversizedFiles();
    void namesLayersAsFreshGauge_data();
    void namesLayersAsFreshGauge();
    void namesAddedLayers();
    void savesSafely();
    void failedSaveKeepsPreviousFile();

private:
    QTemporaryDir dir;
};

void TestGaugeFileReader::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestGaugeFileReader::readsFiles()
{
    QList<namedLayer> layers;
    QString error = QStringLiteral("untouched");
    QCOMPARE(readGaugeFile(QStringLiteral(DIALWRIGHT_TEST_DATA "/legacy-speedometer.gauge"), layers,
                           &error),
             gaugeFileStatus::Loaded);
    QCOMPARE(layers.size(), 1);
    QCOMPARE(error, QStringLiteral("untouched"));

    const QString path = dir.filePath(QStringLiteral("two.gauge"));
    QVERIFY(writeBytes(path, writeGaugeDocument({{QStringLiteral("A"), gaugeData()},
                                                 {QString(), gaugeData()}})));
    QCOMPARE(readGaugeFile(path, layers), gaugeFileStatus::Loaded);
    QCOMPARE(layers.size(), 2);

    const QString empty = dir.filePath(QStringLiteral("empty.gauge"));
    QVERIFY(writeBytes(empty, QByteArray()));
    QCOMPARE(readGaugeFile(empty, layers, &error), gaugeFileStatus::Rejected);
    QCOMPARE(error, QStringLiteral("The file is empty."));
    QVERIFY(layers.isEmpty());
}

void TestGaugeFileReader::cannotOpen()
{
    QList<namedLayer> layers{namedLayer()};
    QString error;
    QCOMPARE(readGaugeFile(dir.filePath(QStringLiteral("missing.gauge")), layers, &error),
             gaugeFileStatus::CannotOpen);
    QVERIFY(!error.isEmpty());
    QVERIFY(layers.isEmpty());

    error.clear();
    QCOMPARE(readGaugeFile(dir.path(), layers, &error), gaugeFileStatus::CannotOpen);
    QVERIFY(!error.isEmpty());
}

void TestGaugeFileReader::refusesOversizedFiles()
{
    QList<namedLayer> layers;
    QString error;

    // Exactly at the limit the content is read (and rejected for what it is).
    const QString atLimit = dir.filePath(QStringLiteral("atlimit.gauge"));
    QVERIFY(makeSparseFile(atLimit, maximumGaugeFileSize));
    QCOMPARE(readGaugeFile(atLimit, layers, &error), gaugeFileStatus::Rejected);
    QVERIFY2(error.startsWith(QStringLiteral("It is not valid JSON")), qPrintable(error));
    QFile::remove(atLimit);

    const QString tooLarge = dir.filePath(QStringLiteral("toolarge.gauge"));
    QVERIFY(makeSparseFile(tooLarge, maximumGaugeFileSize + 1));
    QCOMPARE(readGaugeFile(tooLarge, layers, &error), gaugeFileStatus::Rejected);
    QCOMPARE(error, QStringLiteral("The file is larger than 64 MiB, far too large for a gauge file."));
    QFile::remove(tooLarge);

    // A device, which may never end, is not read at all.
    if (QFile::exists(QStringLiteral("/dev/zero"))) {
        QCOMPARE(readGaugeFile(QStringLiteral("/dev/zero"), layers, &error),
                 gaugeFileStatus::CannotOpen);
        QCOMPARE(error, QStringLiteral("It is a device, not a file."));
    }
}

void TestGaugeFileReader::namesLayersAsFreshGauge_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one unnamed") << QStringList{""} << QStringList{"dial"};
    QTest::newRow("one named") << QStringList{"Rim"} << QStringList{"Rim"};
    QTest::newRow("three unnamed") << QStringList{"", "", ""}
                                   << QStringList{"dial", "Layer 2", "Layer 3"};
    QTest::newRow("named first") << QStringList{"Rim", "", "Needle", ""}
                                 << QStringList{"Rim", "Layer 2", "Needle", "Layer 4"};
    QTest::newRow("names kept untrimmed") << QStringList{" a ", ""}
                                          << QStringList{" a ", "Layer 2"};
}

void TestGaugeFileReader::namesLayersAsFreshGauge()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);

    QList<namedLayer> layers;
    for (const QString &name : names)
        layers.append(namedLayer{name, gaugeData()});
    nameLayersAsFreshGauge(layers, QStringLiteral("dial"));
    QStringList actual;
    for (const namedLayer &layer : layers)
        actual << layer.name;
    QCOMPARE(actual, expected);
}

void TestGaugeFileReader::namesAddedLayers()
{
    // Added to a gauge of three layers, unnamed layers count on from there.
    QCOMPARE(addedLayerName(QString(), 3, 3, QStringLiteral("dial")), QStringLiteral("Layer 4"));
    QCOMPARE(addedLayerName(QString(), 3, 4, QStringLiteral("dial")), QStringLiteral("Layer 5"));
    QCOMPARE(addedLayerName(QString(), 1, 3, QStringLiteral("dial")), QStringLiteral("dial"));
    QCOMPARE(addedLayerName(QStringLiteral("x"), 2, 9, QStringLiteral("dial")), QStringLiteral("x"));
    QCOMPARE(overwritingLayerName(QString(), QStringLiteral("my.dial")), QStringLiteral("my.dial"));
}

void TestGaugeFileReader::savesSafely()
{
    const QString path = dir.filePath(QStringLiteral("saved.gauge"));
    QVERIFY(writeBytes(path, QByteArray(10000, 'x')));
    QString error;
    QVERIFY(writeFileSafely(path, "short", &error));
    QCOMPARE(readBytes(path), QByteArray("short"));

    QVERIFY(!writeFileSafely(dir.filePath(QStringLiteral("no/such/folder/a.gauge")), "x", &error));
    QVERIFY(!error.isEmpty());
}

void TestGaugeFileReader::failedSaveKeepsPreviousFile()
{
    const QString path = dir.filePath(QStringLiteral("kept.gauge"));
    const QByteArray previous = writeGaugeDocument({{QStringLiteral("Old"), gaugeData()}});
    QVERIFY(writeBytes(path, previous));

    QString error;
    {
        FileSizeLimit limit(256);
        if (!limit.active)
            QSKIP("cannot lower the file size limit here");
        QVERIFY(!writeFileSafely(path, QByteArray(100000, 'n'), &error));
        QCOMPARE(error, QStringLiteral("File too large"));
        // Small enough to sit in the write buffer until the commit.
        QVERIFY(!writeFileSafely(path, QByteArray(2000, 'n'), &error));
        QCOMPARE(error, QStringLiteral("File too large"));
    }
    QCOMPARE(readBytes(path), previous);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("kept.gauge*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("kept.gauge")});
}

QTEST_GUILESS_MAIN(TestGaugeFileReader)
#include "test_gaugefilereader.moc"
