// Reads a gauge file and draws it: onto a 64-pixel image and into an SVG,
// with the painter's and the SVG's limits lowered so that every input is
// drawn quickly; the SVG must be well-formed XML holding only the elements
// and attributes the program writes. Then the keyframes are written under a
// lowered byte cap. Sanitizers catch undefined steps on the way (a huge
// angle once overflowed to infinity before it was turned into an int).

#include "fuzzcheck.h"
#include "svgcheck.h"

#include "export/imageexport.h"
#include "export/keyframes.h"
#include "gaugefile/gaugedocument.h"
#include "render/gaugepainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace {

GaugePaintLimits fuzzLimits()
{
    GaugePaintLimits limits;
    limits.tickLines = 2000;
    limits.labels = 40;
    limits.labelCharacters = 2000;
    limits.arcs = 40;
    return limits;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(fuzzMessageHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Labels need fonts, and fonts need the application object.
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<namedLayer> named;
    if (!readGaugeDocument(bytes, named))
        return 0;
    const QList<gaugeData> layers = layerData(named);

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintGaugeLayers(&painter, 64, layers, fuzzLimits());
    }

    SvgExportOptions options;
    options.paint = fuzzLimits();
    options.byteLimit = 256 * 1024;
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (writeGaugeSvg(layers, 64, &buffer, &error, options)) {
        if (!svgProblem(svg).isEmpty() || !svg.endsWith("</svg>\n"))
            broken("the SVG is not what the program means to write");
    } else if (error.isEmpty() || svg.size() > options.byteLimit) {
        broken("a failed SVG must give a reason and stay within its limit");
    }

    QByteArray csv;
    QBuffer csvBuffer(&csv);
    csvBuffer.open(QIODevice::WriteOnly);
    constexpr qint64 csvLimit = 64 * 1024;
    if (!writeKeyframeCsv(named, &csvBuffer, &error, nullptr, csvLimit)
        && (error.isEmpty() || csv.size() > csvLimit))
        broken("failed keyframes must give a reason and stay within their limit");
    return 0;
}
