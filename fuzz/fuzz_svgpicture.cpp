// Reads an SVG picture as a gauge file's picture is read: the sanitiser
// writes its clean copy, which must be well-formed, keep to the bounds, name
// nothing outside itself and be its own clean copy; the renderer then draws
// it onto a small image, as the painter would.

#include "fuzzcheck.h"

#include "render/facepictures.h"
#include "render/svgsanitizer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cstdint>

namespace {

// Every reference of the copy is to a fragment of it or carried data.
void checkReferences(const QByteArray &svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::ProcessingInstruction || token == QXmlStreamReader::DTD)
            broken("the clean copy has a processing instruction or a document type");
        if (token != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute &a : reader.attributes()) {
            const QStringView value = a.value();
            if (a.name() == QLatin1String("href") && !value.startsWith(QLatin1Char('#'))
                && !value.startsWith(QLatin1String("data:image/")))
                broken("the clean copy refers to something outside it");
            if (a.qualifiedName() == QLatin1String("xml:id"))
                broken("the clean copy has an xml:id");
        }
    }
    if (reader.hasError())
        broken("the clean copy is not well-formed");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(fuzzMessageHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SanitizedSvg clean = sanitizeSvg(bytes, 256 * 256);
    if (!clean.usable()) {
        if (!clean.svg.isEmpty() || clean.problem.contains(QLatin1Char('\n')))
            broken("a refused picture has a copy, or a reason of several lines");
        return 0;
    }
    if (clean.elements < 1 || clean.elements > svgPictureElementLimit)
        broken("the copy draws beyond the element bound");
    checkReferences(clean.svg);
    if (sanitizeSvg(clean.svg, 256 * 256).svg != clean.svg)
        broken("the clean copy is not its own clean copy");

    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer renderer(clean.svg);
    renderer.setFramesPerSecond(0);
    renderer.render(&painter);
    return 0;
}
