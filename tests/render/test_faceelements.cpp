#include "export/imageexport.h"
#include "render/facepainter.h"
#include "render/facepictures.h"
#include "render/svgsanitizer.h"

#include "recordingdevice.h"
#include "svgcheck.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

Q_DECLARE_METATYPE(QList<gaugeData>)

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage checkers(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(250, 40, 20) : qRgb(20, 60, 240));
    return image;
}

// A gradient and a dashed stroke, as drawing programs write them.
const QByteArray logo =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 50'>"
    "<defs><linearGradient id='g' x1='0' y1='0' x2='100' y2='0' gradientUnits='userSpaceOnUse'>"
    "<stop offset='0' stop-color='#ff0000'/><stop offset='1' stop-color='#0000ff'/>"
    "</linearGradient></defs>"
    "<rect x='0' y='0' width='100' height='50' fill='url(#g)'/>"
    "<path d='M10 40 L50 10 L90 40' fill='none' stroke='#ffffff' stroke-width='6' "
    "stroke-dasharray='8 4'/></svg>";

gaugeData bare()
{
    gaugeData g;
    g.divisionCount = {0, 1, 1};
    g.arcAngleLength = {0.0, 0.0, 0.0, 0.0};
    return g;
}

faceText textAt(const QString &text, double x, double y, double rotation = 0.0,
                textAlign align = textAlign::center)
{
    faceText t;
    t.text = text;
    t.x = x;
    t.y = y;
    t.rotation = rotation;
    t.align = align;
    return t;
}

facePicture pictureOf(const QByteArray &data, pictureFormat format, double x, double y,
                      double width, double rotation = 0.0)
{
    facePicture p;
    p.data = data;
    p.format = format;
    p.x = x;
    p.y = y;
    p.width = width;
    p.rotation = rotation;
    return p;
}

// One drawing element of an SVG export with the transformation of the
// group it stands in and its text, if any.
struct SvgElement
{
    QString name;
    QXmlStreamAttributes attributes;
    QTransform transform;
    QString text;
};

QList<SvgElement> svgElements(const QByteArray &svg)
{
    QList<SvgElement> elements;
    QTransform transform;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString matrix = attributes.value(QLatin1String("transform")).toString();
        if (matrix.startsWith(QLatin1String("matrix("))) {
            const QStringList m = matrix.mid(7).chopped(1).split(QLatin1Char(','));
            transform = QTransform(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(),
                                   m[3].toDouble(), m[4].toDouble(), m[5].toDouble());
        }
        const QString name = reader.name().toString();
        elements.append({name, attributes, transform,
                         name == QLatin1String("text") ? reader.readElementText() : QString()});
    }
    return elements;
}

double number(const SvgElement &e, const char *attribute)
{
    return e.attributes.value(QLatin1String(attribute)).toDouble();
}

bool near(const QPointF &a, const QPointF &b, double eps = 0.01)
{
    return std::fabs(a.x() - b.x()) < eps && std::fabs(a.y() - b.y()) < eps;
}

QImage drawn(const QList<gaugeData> &layers, const GaugePaintLimits &limits = GaugePaintLimits())
{
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintGaugeLayers(&painter, 256, layers, limits);
    painter.end();
    return image;
}

} // namespace

// Label texts, texts and pictures on the dial: where the model puts them,
// in every output, and never anything a damaged element or hostile picture
// asks beyond the painter's bounds.
class TestFaceElements : public QObject
{
    Q_OBJECT

private slots:
    void labelTexts_data();
    void labelTexts();
    void placedWhereTheModelSays_data();
    void placedWhereTheModelSays();
    void svgPictureStaysVector();
    void badElementsAreNotDrawn_data();
    void badElementsAreNotDrawn();
    void hostileSvgPictures_data();
    void hostileSvgPictures();
    void allowances();
};

void TestFaceElements::labelTexts_data()
{
    QTest::addColumn<int>("divisions");
    QTest::addColumn<double>("length");
    QTest::addColumn<bool>("skipFirst");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("drawn");

    QTest::newRow("numbers") << 4 << 120.0 << false << QStringList()
                             << QStringList{"0", "1", "2", "3", "4"};
    QTest::newRow("texts replace numbers")
        << 2 << 120.0 << false << QStringList{"E", "1/2", "F"} << QStringList{"E", "1/2", "F"};
    QTest::newRow("fewer texts than ticks")
        << 4 << 120.0 << false << QStringList{"A", "B"} << QStringList{"A", "B"};
    QTest::newRow("empty entries") << 4 << 120.0 << false << QStringList{"", "B", "", "D"}
                                   << QStringList{"B", "D"};
    QTest::newRow("skip first") << 2 << 120.0 << true << QStringList{"A", "B", "C"}
                                << QStringList{"B", "C"};
    QTest::newRow("full circle") << 4 << 360.0 << false << QStringList{"N", "E", "S", "W", "N"}
                                 << QStringList{"N", "E", "S", "W"};
    QTest::newRow("text beyond the limit")
        << 1 << 120.0 << false << QStringList{QString(textCharacterLimit + 1, 'x'), "B"}
        << QStringList{"B"};
}

void TestFaceElements::labelTexts()
{
    QFETCH(int, divisions);
    QFETCH(double, length);
    QFETCH(bool, skipFirst);
    QFETCH(QStringList, texts);
    gaugeData g;
    g.divisionCount[0] = divisions;
    g.angleLength = length;
    g.tickCountSkipFirst = skipFirst;
    g.tickCountTexts = texts;
    RecordingDevice device;
    QPainter painter(&device);
    paintGaugeLayers(&painter, 512, {g});
    painter.end();
    QStringList drawn;
    for (const RecordedText &text : device.engine().texts)
        drawn << text.text;
    QTEST(drawn, "drawn");
}

void TestFaceElements::placedWhereTheModelSays_data()
{
    QTest::addColumn<QList<gaugeData>>("layers");
    QTest::addColumn<QString>("element"); // the SVG element that shows it
    QTest::addColumn<QPointF>("anchor");  // in the drawing space
    QTest::addColumn<double>("rotation");

    gaugeData g = bare();
    g.texts = {textAt(QStringLiteral("km/h"), 0.0, 0.4)};
    QTest::newRow("text below the hub") << QList<gaugeData>{g} << "text" << QPointF(256, 356) << 0.0;
    g.texts = {textAt(QStringLiteral("x1000\nr/min"), -0.5, 0.25, 30.0, textAlign::left)};
    QTest::newRow("turned text of two lines")
        << QList<gaugeData>{g} << "text" << QPointF(131, 318.5) << 30.0;
    g.texts.clear();
    g.pictures = {pictureOf(encoded(checkers(40, 20), "PNG"), pictureFormat::png, 0.2, -0.4, 0.5)};
    QTest::newRow("PNG above the hub") << QList<gaugeData>{g} << "image" << QPointF(306, 156) << 0.0;
    g.pictures = {pictureOf(encoded(checkers(16, 32), "JPEG"), pictureFormat::jpeg, -0.3, 0.1,
                            0.2, -90.0)};
    QTest::newRow("JPEG turned back") << QList<gaugeData>{g} << "image" << QPointF(181, 281)
                                      << -90.0;
    // Later layers draw over earlier ones; the element keeps its own place.
    gaugeData second = bare();
    second.texts = {textAt(QStringLiteral("2nd"), 0.8, -0.8)};
    QTest::newRow("second layer") << QList<gaugeData>{gaugeData(), second} << "text"
                                  << QPointF(456, 56) << 0.0;
}

void TestFaceElements::placedWhereTheModelSays()
{
    QFETCH(QList<gaugeData>, layers);
    QFETCH(QString, element);
    QFETCH(QPointF, anchor);
    QFETCH(double, rotation);
    constexpr int size = 1024;
    const double scale = size / 512.0;
    const QByteArray svg = gaugeSvg(layers, size);
    QVERIFY2(svgProblem(svg).isEmpty(), qPrintable(svgProblem(svg)));

    const gaugeData &layer = layers.last();
    const bool isText = element == QLatin1String("text");
    QList<SvgElement> shown;
    for (const SvgElement &e : svgElements(svg)) {
        const bool numberLabel = e.transform.m11() == scale && e.transform.dx() == 0;
        if (e.name == element && !(isText && numberLabel))
            shown << e;
    }
    QCOMPARE(shown.size(), isText ? layer.texts.first().text.count('\n') + 1 : 1);

    // Each element is drawn from its anchor, turned by its rotation.
    const SvgElement &e = shown.first();
    const double radians = qDegreesToRadians(rotation);
    QVERIFY(std::fabs(e.transform.m11() - scale * std::cos(radians)) < 1e-4);
    QVERIFY(std::fabs(e.transform.m12() - scale * std::sin(radians)) < 1e-4);
    if (isText) {
        QVERIFY(near(e.transform.map(QPointF(0, 0)), anchor * scale));
        QCOMPARE(e.text, layer.texts.first().text.section('\n', 0, 0));
        QCOMPARE(number(e, "font-size"), layer.texts.first().size);
        return;
    }
    // A picture is centred on its anchor, as wide as the model says, with
    // its own file's bytes embedded.
    const facePicture &p = layer.pictures.first();
    const QRectF rect(number(e, "x"), number(e, "y"), number(e, "width"), number(e, "height"));
    QVERIFY(near(e.transform.map(rect.center()), anchor * scale));
    QCOMPARE(rect.width(), 250.0 * p.width);
    const QString href = e.attributes.value(QLatin1String("xlink:href")).toString();
    const QString mime = p.format == pictureFormat::png ? "image/png" : "image/jpeg";
    QVERIFY(href.startsWith("data:" + mime + ";base64,"));
    QCOMPARE(QByteArray::fromBase64(href.section(',', 1).toLatin1()), p.data);
}

void TestFaceElements::svgPictureStaysVector()
{
    gaugeData g = bare();
    g.pictures = {pictureOf(logo, pictureFormat::svg, 0.0, 0.0, 1.6)};
    const QByteArray svg = gaugeSvg({g}, 512);
    QVERIFY2(svgProblem(svg).isEmpty(), qPrintable(svgProblem(svg)));
    QVERIFY(!svg.contains("<image"));
    QVERIFY(svg.contains("<linearGradient"));
    QVERIFY(svg.contains("stroke-dasharray=\"8,4\""));
    QVERIFY(svg.contains("<path") || svg.contains("<polyline"));

    // The SVG shows what the PNG shows.
    const QImage png = gaugeImage({g}, 512);
    QImage fromSvg(512, 512, QImage::Format_ARGB32);
    fromSvg.fill(Qt::transparent);
    QPainter painter(&fromSvg);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    int differing = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const QColor a = png.pixelColor(x, y);
            const QColor b = fromSvg.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.blue() - b.blue())
                    + std::abs(a.alpha() - b.alpha())
                > 60;
        }
    QVERIFY2(differing < 512 * 512 / 100, qPrintable(QString::number(differing)));
}

void TestFaceElements::badElementsAreNotDrawn_data()
{
    QTest::addColumn<gaugeData>("layer");
    QTest::addColumn<QString>("problem");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto withText = [](faceText t) {
        gaugeData g = bare();
        g.texts = {t};
        return g;
    };
    auto withPicture = [](facePicture p) {
        gaugeData g = bare();
        g.pictures = {p};
        return g;
    };
    faceText t = textAt(QString(), 0, 0);
    QTest::newRow("empty text") << withText(t) << "The text is empty.";
    t = textAt(QString(textCharacterLimit + 1, 'W'), 0, 0);
    QTest::newRow("10,001 characters") << withText(t)
                                       << "The text is longer than 10000 characters.";
    t = textAt(QStringLiteral("A"), nan, 0);
    QTest::newRow("x not a number") << withText(t)
                                    << "Its position, size or rotation is not a number.";
    t = textAt(QStringLiteral("A"), 1e300, 0);
    QTest::newRow("far away") << withText(t) << "It lies more than 100 radii from the centre.";

    const QByteArray png = encoded(checkers(8, 8), "PNG");
    QTest::newRow("no data") << withPicture(pictureOf({}, pictureFormat::png, 0, 0, 0.5))
                             << "The picture has no data.";
    QTest::newRow("PNG named JPEG")
        << withPicture(pictureOf(png, pictureFormat::jpeg, 0, 0, 0.5))
        << "The picture cannot be read as JPEG";
    QTest::newRow("width 0") << withPicture(pictureOf(png, pictureFormat::png, 0, 0, 0))
                             << "Its width must be above 0 and at most 100.";
    QImage huge(5000, 4000, QImage::Format_Mono);
    huge.fill(0);
    QTest::newRow("20 million pixels")
        << withPicture(pictureOf(encoded(huge, "PNG"), pictureFormat::png, 0, 0, 0.5))
        << "The picture has 5000 x 4000 pixels; a picture may have at most 16 million.";
    QTest::newRow("SVG without size")
        << withPicture(pictureOf("<svg xmlns=\"http://www.w3.org/2000/svg\"/>",
                                 pictureFormat::svg, 0, 0, 0.5))
        << "The SVG picture has no size";
}

void TestFaceElements::badElementsAreNotDrawn()
{
    QFETCH(gaugeData, layer);
    QFETCH(QString, problem);
    const FaceElement element{layer.texts.isEmpty() ? faceElementKind::picture
                                                    : faceElementKind::text,
                              0};
    QVERIFY2(faceElementProblem(layer, element).startsWith(problem),
             qPrintable(faceElementProblem(layer, element)));
    QVERIFY(faceElementOutline(layer, element).isEmpty());
    // Skipped: the dial looks as it does without the element.
    QCOMPARE(drawn({layer}), drawn({bare()}));
    QVERIFY(svgProblem(gaugeSvg({layer}, 128)).isEmpty());
}

void TestFaceElements::hostileSvgPictures_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QString>("problem");
    const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' "
                            "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 10 10'>";
    QTest::newRow("shapes") << head + "<circle r='4' cx='5' cy='5'/></svg>" << QString();
    QTest::newRow("a file of this computer")
        << head + "<image width='10' height='10' xlink:href='/etc/hostname'/></svg>"
        << "The SVG picture shows the file \u201c/etc/hostname\u201d, which the gauge does not "
           "carry.";
    QTest::newRow("an embedded PNG")
        << head + "<image width='10' height='10' href='data:image/png;base64,"
            + encoded(checkers(4, 4), "PNG").toBase64() + "'/></svg>"
        << QString();
    QTest::newRow("an embedded SVG")
        << head + "<image width='10' height='10' href='data:image/svg+xml;base64,"
            + head.toBase64() + "'/></svg>"
        << "The SVG picture holds a vector picture of its own, which is not drawn.";
    QTest::newRow("a cycle of uses")
        << head + "<g id='a'><use xlink:href='#b'/></g><g id='b'><use xlink:href='#a'/></g></svg>"
        << "The SVG picture refers to itself without end.";
    QByteArray laughs = head + "<g id='l0'><circle r='1'/></g>";
    for (int level = 1; level <= 6; ++level) {
        laughs += "<g id='l" + QByteArray::number(level) + "'>";
        for (int i = 0; i < 10; ++i)
            laughs += "<use xlink:href='#l" + QByteArray::number(level - 1) + "'/>";
        laughs += "</g>";
    }
    QTest::newRow("uses ten times over") << laughs + "</svg>"
                                         << "The SVG picture draws more than 20000 elements.";
    QTest::newRow("nested 300 deep") << head + QByteArray("<g>").repeated(300)
            + QByteArray("</g>").repeated(300) + "</svg>"
                                     << "The SVG picture nests deeper than 200 levels.";
    QTest::newRow("not XML") << QByteArray("<svg><g></svg>")
                             << "The SVG picture cannot be read: ";
    QTest::newRow("not SVG") << QByteArray("<html/>") << "The picture is not an SVG document.";
    QTest::newRow("a style sheet to read, dropped")
        << "<?xml-stylesheet type='text/css' href='/dev/zero'?>" + head + "<circle r='4'/></svg>"
        << QString();
    QTest::newRow("a document type, dropped")
        << "<!DOCTYPE svg PUBLIC '-//W3C//DTD SVG 1.1//EN' "
           "'http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd'>"
            + head + "<circle r='4'/></svg>"
        << QString();
    QTest::newRow("entities") << "<!DOCTYPE svg [<!ENTITY e SYSTEM '/etc/hostname'>]>" + head
            + "<text>&e;</text></svg>"
                              << "The SVG picture declares entities, which are not read.";
    QTest::newRow("a url() of a file") << head + "<circle r='4' fill='url(/etc/x#g)'/></svg>"
                                       << "The SVG picture shows the file \u201curl(/etc/x#g)";
    QTest::newRow("a CSS escape") << head + "<style>circle { fill: u\\72l(x) }</style></svg>"
                                  << "The SVG picture has a style sheet that may read other files.";
    QTest::newRow("gradient fill and scripts")
        << head + "<linearGradient id='g'><stop offset='0' stop-color='red'/></linearGradient>"
               "<script>alert(1)</script><foreignObject><p/></foreignObject>"
               "<circle r='4' style='fill:url(#g)'/></svg>"
        << QString();
    QTest::newRow("text drawn 40 x 10000 times")
        << head + "<g id='t'><text>" + QByteArray(10'000, 'x') + "</text></g><g id='u'>"
            + QByteArray("<use xlink:href='#t'/>").repeated(40) + "</g></svg>"
        << "The SVG picture draws more than 200000 characters of text.";
}

void TestFaceElements::hostileSvgPictures()
{
    QFETCH(QByteArray, svg);
    QFETCH(QString, problem);
    const SanitizedSvg clean = sanitizeSvg(svg, pictureMaxPixels);
    const QString &found = clean.problem;
    QVERIFY2(found.startsWith(problem) && found.isEmpty() == problem.isEmpty(), qPrintable(found));
    const auto decoded = decodedPicture(svg, pictureFormat::svg);
    QCOMPARE(decoded->usable(), problem.isEmpty());
    if (!problem.isEmpty())
        return;
    QVERIFY(decoded->elements >= 2);
    // The copy keeps nothing that reads beyond it, and is its own clean copy.
    for (const char *gone : {"stylesheet", "DOCTYPE", "/dev/", "script", "foreignObject"})
        QVERIFY2(!clean.svg.contains(gone), gone);
    QCOMPARE(sanitizeSvg(clean.svg, pictureMaxPixels).svg, clean.svg);
}

void TestFaceElements::allowances()
{
    gaugeData g = bare();
    for (int i = 0; i < 3; ++i)
        g.texts << textAt(QString::number(i), 0.1 * i, 0);
    const QByteArray png = encoded(checkers(4, 4), "PNG");
    g.pictures = {pictureOf(png, pictureFormat::png, 0, 0, 0.2),
                  pictureOf(png, pictureFormat::png, 0, 0.5, 0.2)};
    auto textsDrawn = [](const QList<gaugeData> &layers, const GaugePaintLimits &limits) {
        RecordingDevice device;
        QPainter painter(&device);
        paintGaugeLayers(&painter, 512, layers, limits);
        painter.end();
        QStringList texts;
        for (const RecordedText &t : device.engine().texts)
            texts << t.text;
        return texts.join(QLatin1Char(','));
    };
    GaugePaintLimits limits;
    QCOMPARE(textsDrawn({g}, limits), QStringLiteral("0,1,2"));
    // Pictures come first, and use the layer's allowance first.
    limits.elementsPerLayer = 4;
    QCOMPARE(textsDrawn({g}, limits), QStringLiteral("0,1"));
    QVERIFY(faceElementProblem(g, {faceElementKind::text, 1}, limits).isEmpty());
    QCOMPARE(faceElementProblem(g, {faceElementKind::text, 2}, limits),
             QStringLiteral("A layer draws at most 4 texts and pictures."));
    // The call's allowance runs across layers.
    limits = GaugePaintLimits();
    limits.elements = 9;
    QCOMPARE(textsDrawn({g, g}, limits), QStringLiteral("0,1,2,0,1"));
    // Texts end where their characters are spent.
    limits = GaugePaintLimits();
    limits.textCharactersInAll = 2;
    QCOMPARE(textsDrawn({g}, limits), QStringLiteral("0,1"));
    // Once the pictures' bytes are spent, no picture more is drawn.
    limits = GaugePaintLimits();
    limits.pictureBytes = png.size();
    gaugeData pictures = bare();
    pictures.pictures = {g.pictures.first()};
    gaugeData two = pictures;
    two.pictures.first().x = 0.5;
    QCOMPARE(drawn({pictures, two}, limits), drawn({pictures}));
    limits = GaugePaintLimits();
    limits.pictureElements = 1;
    QCOMPARE(drawn({pictures, two}, limits), drawn({pictures}));
}

// Fonts and pictures need the GUI application.
QTEST_MAIN(TestFaceElements)
#include "test_faceelements.moc"
