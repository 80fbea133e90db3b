#pragma once

// Checks an SVG of the gauge painter the way a careful reader would: it must
// be well-formed XML, every element and attribute in it must be one the
// program means to write, and every picture must be carried inside it. Used
// by the tests and the fuzzer.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// Empty when the SVG passes, else what is wrong with it. The font-family of
// every label is appended to `families` when given.
inline QString svgProblem(const QByteArray &svg, QStringList *families = nullptr)
{
    static const QStringList style{"fill", "fill-opacity", "stroke", "stroke-opacity",
                                   "stroke-width", "stroke-linecap", "stroke-linejoin",
                                   "stroke-miterlimit", "fill-rule", "transform", "font-family",
                                   "font-size", "font-weight", "font-style", "opacity",
                                   "stroke-dasharray", "stroke-dashoffset"};
    static const QStringList gradient{"gradientUnits", "spreadMethod", "gradientTransform", "id"};
    static const QHash<QString, QStringList> allowed{
        {"svg", {"width", "height", "viewBox", "version", "baseProfile"}},
        {"title", {}},
        {"desc", {}},
        {"defs", {}},
        {"g", style},
        {"text", {"fill", "fill-opacity", "stroke", "xml:space", "x", "y", "font-family",
                  "font-size", "font-weight", "font-style"}},
        {"polyline", {"fill", "vector-effect", "points"}},
        {"path", {"vector-effect", "fill-rule", "d"}},
        {"circle", {"vector-effect", "cx", "cy", "r"}},
        {"ellipse", {"vector-effect", "cx", "cy", "rx", "ry"}},
        {"rect", {"vector-effect", "x", "y", "width", "height"}},
        {"image", {"x", "y", "width", "height", "preserveAspectRatio", "image-rendering",
                   "xlink:href"}},
        {"linearGradient", gradient + QStringList{"x1", "y1", "x2", "y2"}},
        {"radialGradient", gradient + QStringList{"cx", "cy", "r", "fx", "fy"}},
        {"stop", {"offset", "stop-color", "stop-opacity"}},
    };
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = reader.name().toString();
        if (!allowed.contains(element))
            return QStringLiteral("unexpected element ") + element;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            const QString name = attribute.qualifiedName().toString();
            if (!allowed.value(element).contains(name))
                return QStringLiteral("unexpected attribute %1 of %2").arg(name, element);
        }
        // Pictures are carried inside the document, never taken from elsewhere.
        if (element == QLatin1String("image")
            && !reader.attributes().value(QLatin1String("xlink:href")).startsWith(
                QLatin1String("data:image/")))
            return QStringLiteral("an image refers outside the document");
        if (families && element == QLatin1String("text"))
            families->append(reader.attributes().value(QLatin1String("font-family")).toString());
    }
    if (reader.hasError())
        return reader.errorString();
    return QString();
}
