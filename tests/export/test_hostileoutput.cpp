#include "svgcheck.h"
#include "testfiles.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "export/svgstream.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "render/gaugepainter.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using Writer = std::function<bool(QIODevice *, QString *)>;

// Passes bytes on and counts them: what an output sent before it stopped.
class CountingDevice : public QIODevice
{
public:
    explicit CountingDevice(QIODevice *target) : m_target(target) { open(WriteOnly); }
    qint64 count = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        count += size;
        return m_target->write(data, size);
    }

private:
    QIODevice *m_target;
};

// The SVG as the toolkit's own generator writes it for the same drawing.
QByteArray toolkitSvg(const QList<gaugeData> &layers, int size)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(size, size));
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Dialwright 2 Gauge"));
    generator.setDescription(QStringLiteral("A gauge generated in Dialwright 2Saved to SVG."));
    QPainter painter(&generator);
    paintGaugeLayers(&painter, size, layers);
    painter.end();
    return svg;
}

// A drawn element of an SVG as a reader sees it, whatever the writer's
// layout: its kind, the numbers of its geometry and of the style of the
// groups around it, and its text.
struct SvgShape
{
    QString kind;
    QStringList words; // style values and text, compared exactly
    QList<double> numbers;

    bool sameAs(const SvgShape &o) const
    {
        if (kind != o.kind || words != o.words || numbers.size() != o.numbers.size())
            return false;
        for (qsizetype i = 0; i < numbers.size(); ++i)
            if (std::fabs(numbers[i] - o.numbers[i]) > 1e-6 * std::max(1.0, std::fabs(numbers[i])))
                return false;
        return true;
    }
    QString text() const
    {
        QStringList shown;
        for (double n : numbers)
            shown << QString::number(n);
        return kind + QLatin1Char(' ') + words.join(QLatin1Char(' ')) + QLatin1Char(' ')
            + shown.join(QLatin1Char(','));
    }
};

QList<double> numbersIn(QStringView text)
{
    static const QRegularExpression number(
        QStringLiteral("[-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?"));
    QList<double> numbers;
    for (const QRegularExpressionMatch &m : number.globalMatch(text))
        numbers << m.captured().toDouble();
    return numbers;
}

QList<SvgShape> svgShapes(const QByteArray &svg)
{
    static const QStringList drawn{"path", "polyline", "circle", "ellipse",
                                   "rect", "text",     "image"};
    static const QStringList styleNames{
        "fill",           "fill-opacity",    "stroke",        "stroke-opacity", "stroke-width",
        "stroke-linecap", "stroke-linejoin", "font-family",   "font-size",      "font-weight",
        "font-style",     "opacity",         "vector-effect", "fill-rule"};
    QList<SvgShape> shapes;
    QList<SvgShape> groups{SvgShape()};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == QLatin1String("g")) {
            groups.removeLast();
            continue;
        }
        if (token == QXmlStreamReader::Characters && !reader.isWhitespace() && !shapes.isEmpty()
            && shapes.last().kind == QLatin1String("text")) {
            shapes.last().words << reader.text().toString();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        SvgShape shape = groups.last();
        for (const QXmlStreamAttribute &a : reader.attributes()) {
            const QString key = a.qualifiedName().toString();
            if (styleNames.contains(key))
                shape.words << key + QLatin1Char('=') + a.value().toString();
            else if (key != QLatin1String("xlink:href") && key != QLatin1String("id"))
                shape.numbers += numbersIn(a.value());
        }
        if (name == QLatin1String("g")) {
            groups << shape;
        } else if (drawn.contains(name)) {
            shape.kind = name;
            shapes << shape;
        }
    }
    return shapes;
}

gaugeData layerWithFamily(const QString &family)
{
    gaugeData layer;
    layer.tickCountFont.setFamily(family);
    return layer;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                  | QDir::NoDotAndDotDot);
}

} // namespace

class TestHostileOutput : public QObject
{
    Q_OBJECT

private slots:
    void svgTextsAreEscaped_data();
    void svgTextsAreEscaped();
    void escapedTextsReadBack_data();
    void escapedTextsReadBack();
    void svgMatchesToolkitGenerator_data();
    void svgMatchesToolkitGenerator();
    void outputsStopAtTheirLimit_data();
    void outputsStopAtTheirLimit();
    void cancelledExportWritesNothing();
    void hugeAnglesDraw_data();
    void hugeAnglesDraw();
    void outputTargets_data();
    void outputTargets();
    void pipesAndDevicesAreWrittenNotReplaced();
};

void TestHostileOutput::svgTextsAreEscaped_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("attribute injection") << QStringLiteral("x\" onmouseover=\"alert(1)");
    QTest::newRow("ampersand") << QStringLiteral("Foo & Bar");
    QTest::newRow("markup") << QStringLiteral("<script>]]></script>'");
    QTest::newRow("white space") << QStringLiteral("tab\tline\nreturn\r.");
    QTest::newRow("control characters") << QStringLiteral("a\x01\x1f\x7f") + QChar(0xFFFF);
    QTest::newRow("unpaired surrogate")
        << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    QTest::newRow("outside the basic plane") << QStringLiteral("dial \U0001F3AF");
    // Long families are escaped in pieces of 65,536 characters.
    QTest::newRow("long, a pair of surrogates astride two pieces")
        << QString(65535, QLatin1Char('f')) + QStringLiteral("\U0001F3AF\"<&");
}

void TestHostileOutput::svgTextsAreEscaped()
{
    QFETCH(QString, family);
    QStringList families;
    QCOMPARE(svgProblem(gaugeSvg({layerWithFamily(family)}, 256), &families), QString());
    // Every label's family reads back exactly, bar characters XML cannot hold.
    QCOMPARE(families, QStringList(5, xmlCharacters(family)));

    QCOMPARE(xmlText(QStringLiteral("a<b>&\"c\"\r\n\t")),
             QByteArray("a&lt;b&gt;&amp;&quot;c&quot;&#13;\n\t"));
    QCOMPARE(xmlAttribute(QStringLiteral("\r\n\t'")), QByteArray("&#13;&#10;&#9;'"));
}

void TestHostileOutput::escapedTextsReadBack_data()
{
    QTest::addColumn<QString>("text");
    QString basicPlane;
    for (char16_t c = 1; c < 0xFFFF; ++c) {
        if (!QChar::isSurrogate(c))
            basicPlane += QChar(c);
    }
    QTest::newRow("every character of the basic plane") << basicPlane;
    QTest::newRow("line ends of every kind") << QStringLiteral("a\r\nb\rc\n\r\td\r");
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F3AF\U0010FFFD");
    QTest::newRow("references and markup as text") << QStringLiteral("&amp;&#13;]]><!-- -->");
    QTest::newRow("not XML") << QStringLiteral("\x01\x0b") + QChar(0xDC00) + QChar(0xFFFE);
}

void TestHostileOutput::escapedTextsReadBack()
{
    // What a reader gets back from an escaped attribute and element is the
    // text itself: white space is not folded, no line end is changed.
    QFETCH(QString, text);
    const QByteArray xml = "<e a=\"" + xmlAttribute(text) + "\">" + xmlText(text) + "</e>";
    QXmlStreamReader reader(xml);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.attributes().value(QLatin1String("a")).toString(), xmlCharacters(text));
    QCOMPARE(reader.readElementText(), xmlCharacters(text));
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
}

void TestHostileOutput::svgMatchesToolkitGenerator_data()
{
    QTest::addColumn<QList<gaugeData>>("layers");
    QTest::addColumn<int>("size");

    const QStringList presets = QDir(QStringLiteral(DIALWRIGHT_PRESETS)).entryList({"*.gauge"});
    QVERIFY(!presets.isEmpty());
    int size = 64;
    for (const QString &preset : presets) {
        QList<namedLayer> read;
        QVERIFY(readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS "/") + preset, read)
                == gaugeFileStatus::Loaded);
        // The face: the toolkit's generator has no way to keep a needle's
        // turn about its pivot, which the export writes as a group.
        QList<gaugeData> face = layerData(read);
        for (gaugeData &layer : face)
            layer.needles.clear();
        QTest::newRow(qPrintable(preset)) << face << size;
        size = size == 64 ? 1000 : 64;
    }

    // What a file may hold beyond the presets: colours with alpha, dots for
    // ticks of no length, bold italic rotated labels, wide arcs both ways.
    gaugeData odd;
    odd.divisionCount = {12, 2, 3};
    odd.divisionInnerRadius = {1.0, 0.9, 0.95};
    odd.divisionWidth = {4.0, 0.0, 1.5};
    odd.divisionColor = {QColor(255, 0, 0, 128), QColor(Qt::white), QColor(0, 0, 255, 1)};
    odd.roundedTickCaps = true;
    odd.tickCountRotate = true;
    odd.tickCountDecimalPlaces = 2;
    odd.tickCountFont.setBold(true);
    odd.tickCountFont.setItalic(true);
    odd.tickCountColor = QColor(10, 20, 30, 200);
    odd.arcAngleLength = {-200.0, 90.0, 0.0, 720.0};
    odd.arcWidth = {12.0, 0.0, 0.0, 3.0};
    odd.arcStartAngle = {10.0, -45.0, 0.0, 1e9};
    odd.roundedArcCaps = true;
    QTest::newRow("odd values") << QList<gaugeData>{odd, gaugeData()} << 512;
}

void TestHostileOutput::svgMatchesToolkitGenerator()
{
    QFETCH(QList<gaugeData>, layers);
    QFETCH(int, size);
    // Any gauge without texts that need escaping draws what the toolkit's
    // own generator draws: the same shapes in the same order, at the same
    // places, with the same pens, brushes and transformations.
    const QList<SvgShape> ours = svgShapes(gaugeSvg(layers, size));
    const QList<SvgShape> toolkit = svgShapes(toolkitSvg(layers, size));
    QCOMPARE(ours.size(), toolkit.size());
    for (qsizetype i = 0; i < ours.size(); ++i)
        QVERIFY2(ours.at(i).sameAs(toolkit.at(i)),
                 qPrintable(QStringLiteral("shape %1: %2 against %3")
                                .arg(i)
                                .arg(ours.at(i).text(), toolkit.at(i).text())));
}

void TestHostileOutput::outputsStopAtTheirLimit_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("message");
    // Refused before anything is written, as it is certain to be too large;
    // else stopped while written, once the limit is reached.
    QTest::addColumn<bool>("upFront");

    // Built here, small as files: a 1 MB label font family on 5,000 labels,
    // a 1 KB name on 4 million ticks, and 1,000 layers whose names of
    // control characters each take 300 KB escaped.
    gaugeData labels = layerWithFamily(QString(1 << 20, QLatin1Char('f')));
    labels.divisionCount[0] = 4999;
    QTest::newRow("SVG") << Writer([labels](QIODevice *device, QString *error) {
        return writeGaugeSvg({labels}, 512, device, error);
    }) << svgByteLimit << "The SVG would be larger than 256 MB." << false;

    gaugeData ticks;
    ticks.divisionCount[0] = int(keyframeRecordLimit) - 1;
    const QList<namedLayer> named{{QString(1024, QLatin1Char('n')), ticks}};
    QTest::newRow("keyframes") << Writer([named](QIODevice *device, QString *error) {
        return writeKeyframeCsv(named, device, error);
    }) << keyframeByteLimit << "The keyframe file would be larger than 256 MB." << true;

    // Four million values of 309 digits: refused before any is formatted.
    gaugeData huge;
    huge.divisionCount[0] = 3999998;
    huge.tickCountStart = 1e308;
    huge.tickCountIncrement = -1e300;
    QTest::newRow("keyframes of huge values") << Writer([huge](QIODevice *device, QString *error) {
        return writeKeyframeCsv({namedLayer{QString(), huge}}, device, error);
    }) << keyframeByteLimit << "The keyframe file would be larger than 256 MB." << true;

    // Too large indented and compact alike: refused before a byte is sent.
    const QList<namedLayer> many(1000, namedLayer{QString(50000, QChar(1)), gaugeData()});
    QTest::newRow("gauge document") << Writer([many](QIODevice *device, QString *error) {
        return writeGaugeDocument(many, device, error);
    }) << gaugeDocumentByteLimit << "The gauge file would be larger than 256 MB." << true;
}

void TestHostileOutput::outputsStopAtTheirLimit()
{
    QFETCH(Writer, writer);
    QFETCH(qint64, limit);
    QFETCH(QString, message);
    QFETCH(bool, upFront);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("previous.out"));
    QVERIFY(writeBytes(path, "previous"));
    qint64 sent = 0;
    QString error;
    QVERIFY(!writeOutputFile(
        path,
        [&](QIODevice *device, QString *reason) {
            CountingDevice counting(device);
            const bool written = writer(&counting, reason);
            sent = counting.count;
            return written;
        },
        &error));
    QCOMPARE(error, message);
    QVERIFY2(upFront ? sent == 0 : sent <= limit && sent > limit / 2,
             qPrintable(QString::number(sent)));
    QCOMPARE(readBytes(path), QByteArray("previous"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("previous.out")});
}

void TestHostileOutput::cancelledExportWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cancelled.svg"));
    const std::atomic_bool cancel{true};
    SvgExportOptions options;
    options.cancel = &cancel;
    QString error;
    QVERIFY(!writeGaugeSvg({gaugeData()}, 512, path, &error, options));
    QCOMPARE(error, QStringLiteral("Cancelled."));
    QVERIFY(entries(dir.path()).isEmpty());
}

void TestHostileOutput::hugeAnglesDraw_data()
{
    QTest::addColumn<gaugeData>("layer");
    // Scaled by 16, these overflowed to infinity on the way to the toolkit's
    // integer angles; the sanitizer build checks that no step is undefined.
    for (double angle : {1e308, -1e308, 4e307, 1.7976931348623157e308}) {
        gaugeData arc;
        arc.arcStartAngle[0] = angle;
        arc.arcAngleLength[1] = angle;
        arc.arcStartAngle[2] = 1e10;
        arc.arcAngleLength[2] = -1e10;
        arc.startAngle = angle;
        arc.angleLength = -angle;
        arc.tickCountRotate = true;
        QTest::newRow(qPrintable(QString::number(angle))) << arc;
    }
}

void TestHostileOutput::hugeAnglesDraw()
{
    QFETCH(gaugeData, layer);
    QVERIFY(!gaugeImage({layer}, 64).isNull());
    // The three arcs are drawn, at finite places, whatever their angles.
    QXmlStreamReader reader(gaugeSvg({layer}, 64));
    int arcs = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement
            || reader.name() != QLatin1String("path"))
            continue;
        ++arcs;
        const QString d = reader.attributes().value(QLatin1String("d")).toString();
        QVERIFY2(!d.contains(QLatin1String("nan")) && !d.contains(QLatin1String("inf")),
                 qPrintable(d));
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(arcs, 3);
}

void TestHostileOutput::outputTargets_data()
{
    QTest::addColumn<QString>("name"); // made in a temporary folder, or an absolute path
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("nothing there") << "new.png" << int(OutputTargetKind::NewFile) << "";
    QTest::newRow("regular file") << "file.png" << int(OutputTargetKind::RegularFile) << "";
    QTest::newRow("named pipe") << "fifo" << int(OutputTargetKind::Pipe) << "";
    QTest::newRow("link to a named pipe") << "link" << int(OutputTargetKind::Pipe) << "";
    QTest::newRow("folder") << "folder" << int(OutputTargetKind::Refused)
                            << "It is a folder, not a file.";
    // Only classified: a test never writes where a mistake could replace a
    // device node of the system.
    QTest::newRow("/dev/null") << "/dev/null" << int(OutputTargetKind::Device) << "";
    QTest::newRow("/dev/stdout") << "/dev/stdout" << int(OutputTargetKind::StandardStream) << "";
    QTest::newRow("/dev/fd/2") << "/dev/fd/2" << int(OutputTargetKind::StandardStream) << "";
    QTest::newRow("closed descriptor")
        << "/dev/fd/987654" << int(OutputTargetKind::Refused) << "Descriptor 987654 is not open.";
}

void TestHostileOutput::outputTargets()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("file.png")), "x"));
    QVERIFY(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600) == 0);
    QVERIFY(
        QFile::link(dir.filePath(QStringLiteral("fifo")), dir.filePath(QStringLiteral("link"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
    const OutputTarget target = classifyOutputTarget(path);
    QCOMPARE(int(target.kind), kind);
    QCOMPARE(target.reason, reason);
    if (kind == int(OutputTargetKind::Refused) && !name.startsWith(QLatin1Char('/'))) {
        QString error;
        QVERIFY(!writeFileSafely(path, "bytes", &error));
        QCOMPARE(error, reason);
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    }
}

void TestHostileOutput::pipesAndDevicesAreWrittenNotReplaced()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QString error;
    // Nobody reads: refused at once rather than waiting for a reader.
    QVERIFY(!writeFileSafely(fifo, "unread", &error));
    QCOMPARE(error, QStringLiteral("No program is reading from the pipe."));

    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY2(writeFileSafely(fifo, "through the pipe", &error), qPrintable(error));
    char got[64] = {};
    QCOMPARE(::read(reader, got, sizeof got), qint64(16));
    QCOMPARE(QByteArray(got), QByteArray("through the pipe"));
    ::close(reader);
    struct stat status;
    QVERIFY(::stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));

    // Device nodes of our own, made where replacing them would harm nothing:
    // a null device takes the bytes, a full one fails, and both stay devices.
    if (geteuid() != 0)
        QSKIP("making device nodes needs root");
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    QVERIFY(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0);
    QVERIFY(mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0);
    QVERIFY2(writeFileSafely(null, QByteArray(100000, 'x'), &error), qPrintable(error));
    QVERIFY(!writeFileSafely(full, "x", &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
    for (const QString &node : {null, full}) {
        QVERIFY(::stat(QFile::encodeName(node).constData(), &status) == 0);
        QVERIFY2(S_ISCHR(status.st_mode), qPrintable(node));
    }
}

QTEST_MAIN(TestHostileOutput)
#include "test_hostileoutput.moc"
