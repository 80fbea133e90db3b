#include "gaugefile/gaugedocument.h"
#include "gaugefile/needlejson.h"

#include "testfiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QTest>

// A needle's movement in the gauge file: written only when it has one, read
// back as it was, and an unknown one kept as the file had it.
class TestNeedleMovement : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void unknownMovementIsKept();
    void gaugesWithoutMovementAreUnchanged();
};

void TestNeedleMovement::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("damping");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("none") << int(BallisticsKind::None) << 1.0 << 1.0 << QByteArray();
    QTest::newRow("damped") << int(BallisticsKind::Damped) << 2.5 << 0.4
                            << QByteArray(R"({"damping":0.4,"frequency":2.5,"type":"damped"})");
    QTest::newRow("vu") << int(BallisticsKind::Vu) << vuNaturalFrequency << vuDampingRatio
                        << QByteArray(R"({"type":"vu"})");
}

void TestNeedleMovement::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(double, frequency);
    QFETCH(double, damping);
    QFETCH(QByteArray, written);
    gaugeNeedle needle;
    needle.movement = {BallisticsKind(kind), frequency, damping};
    const QJsonObject object = needleToJson(needle);
    const QJsonValue movement = object.value(QLatin1String("movement"));
    QCOMPARE(movement.isUndefined(), written.isEmpty());
    if (!written.isEmpty())
        QCOMPARE(QJsonDocument(movement.toObject()).toJson(QJsonDocument::Compact), written);
    gaugeNeedle read;
    needleFromJson(read, object);
    QCOMPARE(read, needle);
    QVERIFY(read.fileObject.isEmpty());
}

void TestNeedleMovement::unknownMovementIsKept()
{
    gaugeNeedle needle;
    QJsonObject object = needleToJson(needle);
    object.insert(QLatin1String("movement"), QJsonObject{{"type", "magnetic"}, {"pull", 3}});
    gaugeNeedle read;
    needleFromJson(read, object);
    QCOMPARE(read.movement.kind, BallisticsKind::None);
    QCOMPARE(needleToJson(read), object);
}

// Every preset has needles and none has a movement: each is written back
// byte for byte as it was.
void TestNeedleMovement::gaugesWithoutMovementAreUnchanged()
{
    const QDir presets(QStringLiteral(DIALWRIGHT_PRESETS));
    const QStringList names = presets.entryList({QStringLiteral("*.gauge")});
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        const QByteArray bytes = readBytes(presets.filePath(name));
        QList<namedLayer> layers;
        QVERIFY(readGaugeDocument(bytes, layers));
        QCOMPARE(writeGaugeDocument(layers), bytes);
    }
}

QTEST_GUILESS_MAIN(TestNeedleMovement)
#include "test_needlemovement.moc"
