#include "gaugefile/gaugedocument.h"
#include "gaugefile/legacyreader.h"

#include <QFile>
#include <QtTest>

namespace {

// The 48 fixed fields of a file of an earlier version, every value distinct
// so a field read into the wrong place shows.
QStringList fixedFields()
{
    return QStringLiteral(
               "-90,180.5,0.25,1,1,"     // 0-4 angles, bias, midpoint, tick caps
               "12,6,3,"                 // 5-7 counts
               "0.61,0.62,0.63,"         // 8-10 inner radii
               "0.91,0.92,0.93,"         // 11-13 outer radii
               "2.5,1.5,0.5,"            // 14-16 widths
               "#010203,#040506,red,"    // 17-19 division colours
               "1,"                      // 20 arc caps
               "10,20,30,40,"            // 21-24 arc starts
               "50,60,70,80,"            // 25-28 arc lengths
               "0.1,0.2,0.3,0.4,"        // 29-32 arc radii
               "5,6,7,8,"                // 33-36 arc widths
               "blue,#0a0b0c,#ff8000,#fff," // 37-40 arc colours
               "0,-10,2.5,1,0.55,"       // 41-45 labels on, start, increment, places, radius
               "1,0")                    // 46 skip first, 47 rotate
        .split(u',');
}

QString legacyText(const QString &font, const QString &color)
{
    return (fixedFields() << font << color).join(u',');
}

} // namespace

class TestLegacyReader : public QObject
{
    Q_OBJECT

private slots:
    void needsFiftyFields();
    void mapsEveryField();
    void convertsFields_data();
    void convertsFields();
    void reassemblesFont();
    void fallsBackToFamilyAndSize();
    void readsThroughDocumentReader();
    void readsSampleFile();
    void survivesHugeText();
};

void TestLegacyReader::needsFiftyFields()
{
    gaugeData layer;
    layer.bias = 0.75;
    const QStringList fields = fixedFields() << QStringLiteral("Serif");
    QVERIFY(!readLegacyLayer(layer, fields.join(u',')));
    QVERIFY(!readLegacyLayer(layer, QString()));
    QCOMPARE(layer.bias, 0.75);
    QCOMPARE(layer.startAngle, 0.0);

    // Fifty fields: field 48 is the whole font description, field 49 the colour.
    QVERIFY(readLegacyLayer(layer, legacyText(QStringLiteral("Serif"), QStringLiteral("#00ff00"))));
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("Serif"));
    QCOMPARE(layer.tickCountColor, QColor(Qt::green));
}

void TestLegacyReader::mapsEveryField()
{
    gaugeData layer;
    QVERIFY(readLegacyLayer(layer, legacyText(QStringLiteral("Serif,14"), QStringLiteral("#123456"))));
    QCOMPARE(layer.startAngle, -90.0);
    QCOMPARE(layer.angleLength, 180.5);
    QCOMPARE(layer.bias, 0.25);
    QCOMPARE(layer.midpointBias, true);
    QCOMPARE(layer.roundedTickCaps, true);
    QCOMPARE(layer.divisionCount, (std::array<int, 3>{12, 6, 3}));
    QCOMPARE(layer.divisionInnerRadius, (std::array<double, 3>{0.61, 0.62, 0.63}));
    QCOMPARE(layer.divisionOuterRadius, (std::array<double, 3>{0.91, 0.92, 0.93}));
    QCOMPARE(layer.divisionWidth, (std::array<double, 3>{2.5, 1.5, 0.5}));
    QCOMPARE(layer.divisionColor[0], QColor(1, 2, 3));
    QCOMPARE(layer.divisionColor[1], QColor(4, 5, 6));
    QCOMPARE(layer.divisionColor[2], QColor(Qt::red));
    QCOMPARE(layer.roundedArcCaps, true);
    QCOMPARE(layer.arcStartAngle, (std::array<double, 4>{10, 20, 30, 40}));
    QCOMPARE(layer.arcAngleLength, (std::array<double, 4>{50, 60, 70, 80}));
    QCOMPARE(layer.arcRadius, (std::array<double, 4>{0.1, 0.2, 0.3, 0.4}));
    QCOMPARE(layer.arcWidth, (std::array<double, 4>{5, 6, 7, 8}));
    QCOMPARE(layer.arcColor[0], QColor(Qt::blue));
    QCOMPARE(layer.arcColor[1], QColor(10, 11, 12));
    QCOMPARE(layer.arcColor[2], QColor(255, 128, 0));
    QCOMPARE(layer.arcColor[3], QColor(Qt::white));
    QCOMPARE(layer.tickCountEnabled, false);
    QCOMPARE(layer.tickCountStart, -10.0);
    QCOMPARE(layer.tickCountIncrement, 2.5);
    QCOMPARE(layer.tickCountDecimalPlaces, 1);
    QCOMPARE(layer.tickCountRadius, 0.55);
    QCOMPARE(layer.tickCountSkipFirst, true);
    QCOMPARE(layer.tickCountRotate, false);
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("Serif"));
    QCOMPARE(layer.tickCountFont.pointSize(), 14);
    QCOMPARE(layer.tickCountColor, QColor(0x12, 0x34, 0x56));
}

void TestLegacyReader::convertsFields_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");

    // Flags: any integer but zero is on; words and empty text are off.
    QTest::newRow("flag 2") << 3 << "2" << QVariant(true);
    QTest::newRow("flag -1") << 4 << "-1" << QVariant(true);
    QTest::newRow("flag word") << 3 << "true" << QVariant(false);
    QTest::newRow("flag 0") << 41 << "0" << QVariant(false);
    // Integers: only base-10 values that fit 32 bits.
    QTest::newRow("integer fraction") << 5 << "3.5" << QVariant(0);
    QTest::newRow("integer too big") << 6 << "4000000000" << QVariant(0);
    QTest::newRow("integer negative") << 44 << "-7" << QVariant(-7);
    QTest::newRow("integer hex") << 7 << "0x10" << QVariant(0);
    // Numbers: C locale, 0 when they do not convert; nothing is clamped.
    QTest::newRow("number word") << 0 << "abc" << QVariant(0.0);
    QTest::newRow("number exponent") << 1 << "1e3" << QVariant(1000.0);
    QTest::newRow("number out of range") << 45 << "-12.5" << QVariant(-12.5);
    // Colours: kept even when invalid.
    QTest::newRow("colour name") << 17 << "red" << QVariant(QColor(Qt::red));
    QTest::newRow("colour alpha") << 37 << "#80ff0000" << QVariant(QColor(255, 0, 0, 128));
    QTest::newRow("colour empty") << 18 << "" << QVariant(QColor());
    QTest::newRow("colour garbage") << 40 << "#zzz" << QVariant(QColor());
}

void TestLegacyReader::convertsFields()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);

    QStringList fields = fixedFields() << QStringLiteral("Serif") << QStringLiteral("#fff");
    fields[index] = text;
    gaugeData layer;
    QVERIFY(readLegacyLayer(layer, fields.join(u',')));

    QVariant actual;
    switch (index) {
    case 0: actual = layer.startAngle; break;
    case 1: actual = layer.angleLength; break;
    case 3: actual = layer.midpointBias; break;
    case 4: actual = layer.roundedTickCaps; break;
    case 5: actual = layer.divisionCount[0]; break;
    case 6: actual = layer.divisionCount[1]; break;
    case 7: actual = layer.divisionCount[2]; break;
    case 17: actual = layer.divisionColor[0]; break;
    case 18: actual = layer.divisionColor[1]; break;
    case 37: actual = layer.arcColor[0]; break;
    case 40: actual = layer.arcColor[3]; break;
    case 41: actual = layer.tickCountEnabled; break;
    case 44: actual = layer.tickCountDecimalPlaces; break;
    case 45: actual = layer.tickCountRadius; break;
    default: QFAIL("index not mapped in the test");
    }
    QCOMPARE(actual, expected);
}

void TestLegacyReader::reassemblesFont()
{
    // The description holds commas of its own: the fields from 48 on are
    // joined again, all but the last, which is the colour.
    QFont font(QStringLiteral("DejaVu Serif"), 13);
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);

    gaugeData layer;
    QVERIFY(readLegacyLayer(layer, legacyText(font.toString(), QStringLiteral("#00ff00"))));
    QCOMPARE(layer.tickCountFont, font);
    QCOMPARE(layer.tickCountColor, QColor(Qt::green));
}

void TestLegacyReader::fallsBackToFamilyAndSize()
{
    // Three fields is no font description QFont accepts.
    gaugeData layer;
    layer.tickCountFont.setBold(true);
    QVERIFY(readLegacyLayer(layer, legacyText(QStringLiteral("Old Face,7,x"), QStringLiteral("red"))));
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("Old Face"));
    QCOMPARE(layer.tickCountFont.pointSize(), 7);
    QCOMPARE(layer.tickCountFont.weight(), QFont::Normal);
    QCOMPARE(layer.tickCountColor, QColor(Qt::red));

    // An empty description; field 49 is the colour and converts to no size.
    gaugeData empty;
    QVERIFY(readLegacyLayer(empty, legacyText(QString(), QStringLiteral("#fff"))));
    QCOMPARE(empty.tickCountFont.family(), QString());
    QVERIFY(empty.tickCountFont.pointSize() > 0);

    // Far too many fields for a description: the same fallback.
    QStringList many(200, QStringLiteral("9"));
    many[0] = QStringLiteral("Many");
    gaugeData crowded;
    QVERIFY(readLegacyLayer(crowded, legacyText(many.join(u','), QStringLiteral("#fff"))));
    QCOMPARE(crowded.tickCountFont.family(), QStringLiteral("Many"));
    QCOMPARE(crowded.tickCountFont.pointSize(), 9);
}

void TestLegacyReader::readsThroughDocumentReader()
{
    // Surrounding white space and a final line break are trimmed; a line
    // break inside stays in its field, so a second line is no second layer.
    const QString text = legacyText(QStringLiteral("Serif,11"), QStringLiteral("#fff"));
    QList<namedLayer> layers;
    QVERIFY(readGaugeDocument("\n  " + text.toUtf8() + "\r\n", layers));
    QCOMPARE(layers.size(), 1);
    QCOMPARE(layers.first().name, QString());
    QCOMPARE(layers.first().data.tickCountFont.pointSize(), 11);
    QCOMPARE(layers.first().data.tickCountColor, QColor(Qt::white));

    QVERIFY(readGaugeDocument(text.toUtf8() + "\n" + text.toUtf8(), layers));
    QCOMPARE(layers.size(), 1);
    QCOMPARE(layers.first().data.startAngle, -90.0);
    // The second copy lands in the font description, which QFont rejects.
    QCOMPARE(layers.first().data.tickCountFont.family(), QStringLiteral("Serif"));
    QCOMPARE(layers.first().data.tickCountFont.pointSize(), 11);
}

void TestLegacyReader::readsSampleFile()
{
    QFile file(QStringLiteral(DIALWRIGHT_TEST_DATA "/legacy-speedometer.gauge"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<namedLayer> layers;
    QString error;
    QVERIFY2(readGaugeDocument(file.readAll(), layers, &error), qPrintable(error));
    QCOMPARE(layers.size(), 1);
    const gaugeData &layer = layers.first().data;
    QCOMPARE(layer.startAngle, -120.0);
    QCOMPARE(layer.angleLength, 240.0);
    QCOMPARE(layer.divisionCount, (std::array<int, 3>{9, 2, 5}));
    QCOMPARE(layer.tickCountIncrement, 20.0);
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(layer.tickCountFont.pointSize(), 14);
    QCOMPARE(layer.tickCountFont.bold(), true);
}

void TestLegacyReader::survivesHugeText()
{
    // Millions of fields: read without splitting everything, font falls back.
    QString text = legacyText(QStringLiteral("Serif"), QString());
    text += QString(4000000, u',') + QStringLiteral("#0000ff");
    gaugeData layer;
    QVERIFY(readLegacyLayer(layer, text));
    QCOMPARE(layer.startAngle, -90.0);
    QCOMPARE(layer.tickCountColor, QColor(Qt::blue));
    QCOMPARE(layer.tickCountFont.family(), QStringLiteral("Serif"));
}

QTEST_GUILESS_MAIN(TestLegacyReader)
#include "test_legacyreader.moc"
