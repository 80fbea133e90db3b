// Gauge files built to hurt: pictures that name files of this computer or
// devices, pixel bombs, <use> fan-outs, huge texts, labels beyond their list
// and huge tables. Each is drawn by the tool, which must end with a clear
// message and never put anything of another file into its outputs.

#include "renderprocess.h"

#include "model/valuescale.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' "
                        "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 10 10'>";

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A few hundred bytes that decode to 4096 x 4096 pixels.
QByteArray pixelBomb()
{
    QImage image(4096, 4096, QImage::Format_Mono);
    image.fill(0);
    return png(image);
}

QJsonObject picture(const QByteArray &data, const char *format = "svg")
{
    return {{"data", QString::fromLatin1(data.toBase64())},
            {"format", QLatin1String(format)},
            {"width", 1.0}};
}

QJsonObject layer(const QJsonObject &extra)
{
    QJsonObject object{{"name", "Hostile"},
                       {"divisions", QJsonArray{QJsonObject{{"count", 4}}, QJsonObject{{"count", 1}},
                                                QJsonObject{{"count", 1}}}}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QByteArray gauge(const QJsonArray &layers)
{
    return QJsonDocument(QJsonObject{{"format", "dialwright.gauge"}, {"layers", layers}})
        .toJson(QJsonDocument::Compact);
}

QByteArray pictures(const QJsonArray &list)
{
    return gauge({layer({{"pictures", list}})});
}

// Levels of groups, each drawing the one below `width` times, referred to
// in the spelling given (%1 is the level).
QByteArray fanOut(int width, int levels, const QByteArray &reference, const char *id = "id")
{
    QByteArray svg = head + "<defs><g id='l0'><circle r='1'/></g>";
    for (int level = 1; level <= levels; ++level) {
        svg += "<g " + QByteArray(id) + "='l" + QByteArray::number(level) + "'>";
        const QByteArray use =
            "<use " + QByteArray(reference).replace("%1", QByteArray::number(level - 1)) + "/>";
        svg += use.repeated(width) + "</g>";
    }
    return svg + "</defs>" + "<use xlink:href='#l" + QByteArray::number(levels) + "'/></svg>";
}

} // namespace

class TestHostileFaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void endsWithAClearMessage_data();
    void endsWithAClearMessage();

private:
    QTemporaryDir m_dir;
    QString m_private; // a picture of "this computer": solid red
    QString m_pipe;
};

void TestHostileFaces::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_private = m_dir.filePath(QStringLiteral("private.png"));
    QImage red(64, 64, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_private));
    m_pipe = m_dir.filePath(QStringLiteral("pipe"));
    QVERIFY(mkfifo(QFile::encodeName(m_pipe).constData(), 0600) == 0);
}

void TestHostileFaces::endsWithAClearMessage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // in the standard error; empty: none

    // Made by initTestCase, which runs before this.
    const QByteArray privatePath = QFile::encodeName(m_private);
    const QByteArray pipePath = QFile::encodeName(m_pipe);
    const QByteArray sheet = "<?xml-stylesheet type='text/css' href='%1'?>" + head
        + "<circle r='4' cx='5' cy='5' fill='white'/></svg>";
    QTest::newRow("style sheet on a pipe")
        << pictures({picture(QByteArray(sheet).replace("%1", pipePath))}) << 0 << QString();
    QTest::newRow("style sheet on an endless device")
        << pictures({picture(QByteArray(sheet).replace("%1", "/dev/zero"))}) << 0 << QString();
    QTest::newRow("style element importing a file")
        << pictures({picture(head + "<style>@import url(" + privatePath + ");</style></svg>")}) << 0
        << "style sheet that may read other files";

    const QByteArray small = png(QImage(4, 4, QImage::Format_ARGB32)).toBase64();
    const QByteArray twoTargets = head + "<image width='10' height='10' xlink:href='" + privatePath + "' "
                                         "href='data:image/png;base64," + small + "'/></svg>";
    QTest::newRow("image with a second target") << pictures({picture(twoTargets)}) << 0
                                                << "names two targets for one element";
    QTest::newRow("image under another prefix")
        << pictures({picture("<svg xmlns='http://www.w3.org/2000/svg' "
                             "xmlns:q='http://www.w3.org/1999/xlink' viewBox='0 0 10 10'>"
                             "<image width='10' height='10' q:href='" + privatePath + "'/></svg>")})
        << 0 << "which the gauge does not carry";
    QTest::newRow("image on a pipe")
        << pictures({picture(head + "<image width='10' height='10' href='" + pipePath + "'/></svg>")}) << 0
        << "which the gauge does not carry";
    const QByteArray inner =
        "\xef\xbb\xbf" + head + "<image width='10' height='10' xlink:href='" + privatePath + "'/></svg>";
    QTest::newRow("SVG inside an SVG behind a byte-order mark")
        << pictures({picture(head + "<image width='10' height='10' href='data:image/svg+xml;base64,"
                             + inner.toBase64() + "'/></svg>")})
        << 0 << "holds a vector picture of its own";

    const QByteArray bomb = pixelBomb();
    const QByteArray image =
        "<image width='10' height='10' xlink:href='data:image/png;base64," + bomb.toBase64() + "'/>";
    QTest::newRow("250 pixel bombs in one SVG")
        << pictures({picture(head + image.repeated(250) + "</svg>")}) << 0 << "million pixels";
    QJsonArray bombs;
    for (int i = 0; i < 200; ++i)
        bombs.append(picture(bomb, "png"));
    QJsonArray layers;
    for (int i = 0; i < 10; ++i)
        layers.append(layer({{"pictures", bombs}}));
    QTest::newRow("2000 pixel bombs") << gauge(layers) << 0 << QString();

    QTest::newRow("fan-out without #") << pictures({picture(fanOut(100, 3, "xlink:href='xl%1'"))})
                                       << 0 << QString();
    QTest::newRow("fan-out to xml:ids")
        << pictures({picture(fanOut(100, 3, "xlink:href='#l%1'", "xml:id"))}) << 0 << QString();
    QTest::newRow("fan-out 20 x 20 x 20 x 20")
        << pictures({picture(fanOut(20, 4, "href='#l%1'"))}) << 0 << "draws more than 20000";

    QJsonArray texts;
    for (int i = 0; i < 200; ++i)
        texts.append(QJsonObject{{"text", QString(10'000, u'W')},
                                 {"rotation", i},
                                 {"font", QJsonObject{{"size", 400}}}});
    QTest::newRow("200 long rotated texts") << gauge({layer({{"texts", texts}})}) << 0 << QString();
    const QJsonObject labels = layer(
        {{"divisions", QJsonArray{QJsonObject{{"count", 2147483647}}, QJsonObject{{"count", 1}},
                                  QJsonObject{{"count", 1}}}},
         {"ticks", QJsonObject{{"enabled", true}, {"texts", QJsonArray{"A"}}}}});
    QTest::newRow("labels beyond their list, two layers") << gauge({labels, labels}) << 0
                                                          << QString();

    QJsonArray points;
    for (qsizetype i = 0; i <= scalePointLimit; ++i)
        points.append(QJsonArray{double(i), double(i) / scalePointLimit});
    QTest::newRow("table one point too long")
        << gauge({layer({{"scale", QJsonObject{{"type", "table"}, {"points", points}}}})}) << 1
        << "Layer 1 has a table of 10001 points; a table may hold at most 10000.";
}

void TestHostileFaces::endsWithAClearMessage()
{
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    const QString input = m_dir.filePath(QStringLiteral("hostile.gauge"));
    QFile f(input);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(file) == file.size());
    f.close();
    const QString pngPath = m_dir.filePath(QStringLiteral("out.png"));
    const QString svgPath = m_dir.filePath(QStringLiteral("out.svg"));
    QFile::remove(pngPath);
    QFile::remove(svgPath);

    const ToolRun run = render({input, QStringLiteral("--size"), QStringLiteral("512"),
                                QStringLiteral("--png"), pngPath, QStringLiteral("--svg"), svgPath});
    QCOMPARE(run.exitCode, exitCode);
    const QString err = QString::fromUtf8(run.err);
    if (message.isEmpty())
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY2(err.contains(message) && err.count(u'\n') <= 25, qPrintable(err));
    if (exitCode != 0)
        return;

    // Nothing of the private red picture reached the outputs.
    const QImage drawn(pngPath);
    QVERIFY(!drawn.isNull());
    for (int y = 0; y < drawn.height(); y += 2)
        for (int x = 0; x < drawn.width(); x += 2) {
            const QColor c = drawn.pixelColor(x, y);
            QVERIFY2(!(c.alpha() > 128 && c.red() > 200 && c.green() < 60),
                     qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
        }
    QFile svg(svgPath);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QFile privateFile(m_private);
    QVERIFY(privateFile.open(QIODevice::ReadOnly));
    const QByteArray svgBytes = svg.readAll();
    QVERIFY(!svgBytes.contains(privateFile.readAll().toBase64().left(40)));
    QVERIFY(!svgBytes.contains(QFile::encodeName(m_dir.path())));
}

QTEST_MAIN(TestHostileFaces)
#include "test_hostilefaces.moc"
