#include "export/assetset.h"
#include "export/imageexport.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>

// The asset set's promise: its pictures, laid on the face as gauge.json
// says, give the PNG export with its needles.
class TestAssetSet : public QObject
{
    Q_OBJECT

private slots:
    void composited_data();
    void composited();
    void deterministic();
    void folderKeptOnFailure();
};

namespace {

QList<namedLayer> preset(const QString &name)
{
    const QString path = QStringLiteral(DIALWRIGHT_PRESETS "/") + name + QStringLiteral(".gauge");
    QList<namedLayer> layers;
    if (readGaugeFile(path, layers) != gaugeFileStatus::Loaded)
        return {};
    nameLayersAsFreshGauge(layers, QFileInfo(path).completeBaseName());
    return layers;
}

QImage decoded(const QByteArray &png)
{
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QPointF pivotOf(const QJsonObject &picture)
{
    const QJsonObject p = picture.value("pivot").toObject();
    return QPointF(p.value("x").toDouble(), p.value("y").toDouble());
}

// Draws `picture` turned by `angle` about its pivot, laid at `at`.
void layOn(QPainter *painter, const QImage &picture, const QPointF &pivot, const QPointF &at,
           double angle)
{
    painter->save();
    painter->translate(at);
    painter->rotate(angle);
    painter->drawImage(-pivot, picture);
    painter->restore();
}

} // namespace

void TestAssetSet::composited_data()
{
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("size");
    // Shadows, hub caps, a line without a cap, two needles, a free arrow.
    QTest::newRow("tachometer at 4000") << "Tachometer" << 4000.0 << 512;
    QTest::newRow("tachometer at 0, odd size") << "Tachometer" << 0.0 << 301;
    QTest::newRow("two needles") << "Max Hold" << 37.0 << 400;
    QTest::newRow("compass beyond a turn") << "Compass" << 400.0 << 512;
    QTest::newRow("VU") << "VU" << -3.0 << 256;
}

void TestAssetSet::composited()
{
    QFETCH(QString, gauge);
    QFETCH(double, value);
    QFETCH(int, size);
    QList<namedLayer> layers = preset(gauge);
    QVERIFY(!layers.isEmpty());
    for (namedLayer &layer : layers) {
        for (gaugeNeedle &needle : layer.data.needles)
            needle.value = value;
    }
    AssetSet set;
    QList<AssetFile> files;
    QString error;
    QVERIFY2(makeAssetSet(layers, size, &set, &error) && assetSetFiles(set, &files, &error),
             qPrintable(error));
    QHash<QString, QByteArray> byName;
    for (const AssetFile &file : files)
        byName.insert(file.name, file.bytes);
    const QJsonObject json = QJsonDocument::fromJson(byName.value("gauge.json")).object();
    const QJsonObject face = json.value("face").toObject();
    const QPointF centre = pivotOf(face);

    // Only what gauge.json says is used to lay the pictures.
    QImage composite = decoded(byName.value(face.value("file").toString()));
    QCOMPARE(composite.size(), QSize(size, size));
    QPainter painter(&composite);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const QJsonArray needles = json.value("needles").toArray();
    QVERIFY(!needles.isEmpty());
    for (const QJsonValue &entry : needles) {
        const QJsonObject needle = entry.toObject();
        const double angle = needle.value("angle").toDouble();
        if (needle.contains("shadow")) {
            const QJsonObject shadow = needle.value("shadow").toObject();
            const QJsonObject offset = shadow.value("offset").toObject();
            layOn(&painter, decoded(byName.value(shadow.value("file").toString())),
                  pivotOf(shadow),
                  centre + QPointF(offset.value("x").toDouble(), offset.value("y").toDouble()),
                  angle);
        }
        const QJsonObject body = needle.value("body").toObject();
        const QImage bodyImage = decoded(byName.value(body.value("file").toString()));
        QCOMPARE(bodyImage.size(), QSize(body.value("width").toInt(), body.value("height").toInt()));
        layOn(&painter, bodyImage, pivotOf(body), centre, angle);
        if (needle.contains("hub")) {
            const QJsonObject hub = needle.value("hub").toObject();
            layOn(&painter, decoded(byName.value(hub.value("file").toString())), pivotOf(hub),
                  centre, 0.0);
        }
    }
    painter.end();

    QByteArray png;
    QVERIFY(gaugePng(layerData(layers), size, &png));
    const QImage expected = decoded(png);
    // Antialiasing tolerance: edges turned by resampling differ by part of
    // a pixel; anything misplaced differs fully along a whole needle.
    double sum = 0.0;
    qint64 far = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = composite.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            sum += d;
            far += d > 96 ? 1 : 0;
        }
    }
    const double mean = sum / (double(size) * size);
    std::printf("%s: mean difference %.4f, %lld pixels more than 96 apart\n",
                QTest::currentDataTag(), mean, static_cast<long long>(far));
    QVERIFY2(mean < 0.5, qPrintable(QString::number(mean)));
    QVERIFY2(far <= size / 8, qPrintable(QString::number(far)));
}

void TestAssetSet::deterministic()
{
    const QList<namedLayer> layers = preset("Max Hold");
    AssetSet first;
    AssetSet second;
    QList<AssetFile> a;
    QList<AssetFile> b;
    QVERIFY(makeAssetSet(layers, 300, &first) && assetSetFiles(first, &a));
    QVERIFY(makeAssetSet(layers, 300, &second) && assetSetFiles(second, &b));
    QStringList names;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QCOMPARE(a.at(i).name, b.at(i).name);
        QVERIFY(a.at(i).bytes == b.at(i).bytes);
        names << a.at(i).name;
    }
    QCOMPARE(names, QStringList({"face.png", "Max.png", "Speed.png", "Speed_hub.png",
                                 "Speed_shadow.png", "gauge.json"}));
    // The face is the PNG export without needles, byte for byte.
    QByteArray png;
    GaugePaintControl faceOnly;
    faceOnly.needles = needleDrawing::none;
    QVERIFY(gaugePng(layerData(layers), 300, &png, nullptr, faceOnly));
    QVERIFY(a.constFirst().bytes == png);
}

void TestAssetSet::folderKeptOnFailure()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("set");
    QVERIFY(QDir().mkpath(folder));
    QFile old(QDir(folder).filePath("face.png"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    // gauge.json cannot be written where a folder of that name stands: no
    // file of the set is put in place.
    QVERIFY(QDir(folder).mkdir("gauge.json"));
    QString error;
    QVERIFY(!writeAssetSet(preset("Tachometer"), 128, folder, &error));
    QVERIFY(error.contains("gauge.json"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"face.png"}));

    // A folder made for the set is gone again after a failure.
    const QString made = dir.filePath("new/set");
    QVERIFY(!writeAssetSet(preset("Tachometer"), 20, made, &error));
    QVERIFY(!QFileInfo::exists(made));
    QVERIFY2(writeAssetSet(preset("Tachometer"), 128, made, &error), qPrintable(error));
    QCOMPARE(QDir(made).entryList(QDir::Files).size(), 5);
}

QTEST_MAIN(TestAssetSet)
#include "test_assetset.moc"
