#include "render/svgsanitizer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The context of this file's texts in the translations.
struct SvgPicture
{
    Q_DECLARE_TR_FUNCTIONS(SvgPicture)
};

const QLatin1String svgNamespace("http://www.w3.org/2000/svg");
const QLatin1String xlinkNamespace("http://www.w3.org/1999/xlink");
const QLatin1String xmlNamespace("http://www.w3.org/XML/1998/namespace");

// The elements the renderer draws or uses to draw; anything else is left out
// of the copy with everything inside it.
const QSet<QString> &keptElements()
{
    static const QSet<QString> names{
        "svg",    "g",        "defs",     "use",      "path",           "rect",
        "circle", "ellipse",  "line",     "polyline", "polygon",        "text",
        "tspan",  "textArea", "tbreak",   "image",    "linearGradient", "radialGradient",
        "stop",   "solidColor", "style",  "title",    "desc",           "switch",
        "a"};
    return names;
}

// The attributes, without a namespace, that the renderer reads.
const QSet<QString> &keptAttributes()
{
    static const QSet<QString> names{
        "class", "style", "transform", "x", "y", "width", "height", "rx", "ry", "cx", "cy", "r",
        "fx", "fy", "x1", "y1", "x2", "y2", "points", "d", "viewBox", "preserveAspectRatio",
        "version", "baseProfile", "fill", "fill-opacity", "fill-rule", "stroke", "stroke-width",
        "stroke-opacity", "stroke-linecap", "stroke-linejoin", "stroke-miterlimit",
        "stroke-dasharray", "stroke-dashoffset", "opacity", "color", "display", "visibility",
        "font-family", "font-size", "font-weight", "font-style", "font-variant", "text-anchor",
        "offset", "stop-color", "stop-opacity", "gradientUnits", "gradientTransform",
        "spreadMethod", "vector-effect", "solid-color", "solid-opacity", "viewport-fill",
        "viewport-fill-opacity", "image-rendering", "comp-op", "color-rendering"};
    return names;
}

bool isTextElement(const QString &name)
{
    return name == QLatin1String("text") || name == QLatin1String("tspan")
        || name == QLatin1String("textArea");
}

bool keepsCharacters(const QString &name)
{
    return isTextElement(name) || name == QLatin1String("style") || name == QLatin1String("title")
        || name == QLatin1String("desc");
}

bool isGradient(const QString &name)
{
    return name == QLatin1String("linearGradient") || name == QLatin1String("radialGradient");
}

QString outsideReference(const QString &what)
{
    return SvgPicture::tr("The SVG picture shows the file \u201c%1\u201d, which the gauge does "
                          "not carry.")
        .arg(what.left(60).simplified());
}

// Why a style sheet or attribute value may not be kept: a url() of anything
// but a fragment of this document or data, an @import, or a CSS escape
// (which could spell either). Empty when it may.
QString styleProblem(const QString &value, bool css)
{
    const QString lower = value.toLower();
    if (css && (lower.contains(QLatin1String("@import")) || lower.contains(QLatin1Char('\\'))))
        return SvgPicture::tr("The SVG picture has a style sheet that may read other files.");
    for (qsizetype at = lower.indexOf(QLatin1String("url(")); at >= 0;
         at = lower.indexOf(QLatin1String("url("), at + 4)) {
        qsizetype i = at + 4;
        while (i < lower.size()
               && (lower.at(i).isSpace() || lower.at(i) == QLatin1Char('\'')
                   || lower.at(i) == QLatin1Char('"')))
            ++i;
        const QStringView rest = QStringView(lower).mid(i);
        if (!rest.startsWith(QLatin1Char('#')) && !rest.startsWith(QLatin1String("data:")))
            return outsideReference(value.mid(at, 60));
    }
    return QString();
}

struct Child
{
    int element = -1; // or text when -1
    QString text;
};

struct Element
{
    QString name;
    QList<std::pair<QString, QString>> attributes;
    QString id;
    QString reference; // the id a <use> or gradient refers to
    QString image;     // an <image>'s data, rewritten
    std::vector<Child> children;
    qint64 characters = 0;
    qint64 pixels = 0;
    int target = -1;
    bool kept = true;
};

// The pixels of the PNG or JPEG picture carried by `href`, rewritten into
// `*rewritten` as the bytes the renderer will decode; or the problem.
QString embeddedImage(const QString &href, qint64 maxPixels, QString *rewritten, qint64 *pixels)
{
    const QString trimmed = href.trimmed();
    if (!trimmed.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return outsideReference(trimmed);
    const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
    const QString header = trimmed.left(comma).toLower();
    if (comma < 0 || !header.endsWith(QLatin1String(";base64")))
        return SvgPicture::tr("The SVG picture holds an image that is not PNG or JPEG.");
    QByteArray encoded = trimmed.mid(comma + 1).toLatin1();
    encoded.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
    const auto decoded =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return SvgPicture::tr("The SVG picture holds an image that is not PNG or JPEG.");
    const QByteArray &bytes = *decoded;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg") {
        // A vector picture, in any of its spellings, would be drawn by a
        // renderer of its own without this pass.
        QByteArray head = bytes.left(512);
        if (head.startsWith("\xef\xbb\xbf"))
            head = head.mid(3);
        head = head.trimmed();
        if (head.startsWith('<') || head.startsWith("\x1f\x8b") || format.startsWith("svg"))
            return SvgPicture::tr(
                "The SVG picture holds a vector picture of its own, which is not drawn.");
        return SvgPicture::tr("The SVG picture holds an image that is not PNG or JPEG.");
    }
    const QSize size = reader.size();
    if (!size.isValid())
        return SvgPicture::tr("The SVG picture holds an image that is not PNG or JPEG.");
    if (qint64(size.width()) * size.height() > maxPixels)
        return SvgPicture::tr("The SVG picture holds an image of %1 x %2 pixels, too many to draw.")
            .arg(size.width())
            .arg(size.height());
    *pixels = qint64(size.width()) * size.height();
    *rewritten = QStringLiteral("data:image/%1;base64,").arg(QString::fromLatin1(format))
        + QString::fromLatin1(bytes.toBase64());
    return QString();
}

class Sanitizer
{
public:
    explicit Sanitizer(qint64 maxPixels) : m_maxPixels(maxPixels) {}

    SanitizedSvg run(const QByteArray &svg)
    {
        SanitizedSvg result;
        result.problem = read(svg);
        if (result.problem.isEmpty()) {
            resolve();
            result.problem = count(&result);
        }
        if (result.problem.isEmpty())
            result.problem = measure(&result);
        if (result.problem.isEmpty())
            result.svg = write(true);
        return result;
    }

private:
    QString read(const QByteArray &svg)
    {
        QXmlStreamReader reader(svg);
        std::vector<int> open; // kept elements, or -1 inside a left-out one
        qint64 read = 0;
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::DTD:
                // A document type is dropped; the entities it declares would
                // be expanded into the document, so they are refused.
                if (!reader.entityDeclarations().isEmpty() || !reader.notationDeclarations().isEmpty())
                    return SvgPicture::tr("The SVG picture declares entities, which are not read.");
                break;
            case QXmlStreamReader::EntityReference:
                return SvgPicture::tr("The SVG picture declares entities, which are not read.");
            case QXmlStreamReader::StartElement: {
                if (++read > svgPictureElementLimit)
                    return SvgPicture::tr("The SVG picture has more than %1 elements.")
                        .arg(svgPictureElementLimit);
                if (open.size() >= size_t(svgPictureDepthLimit))
                    return SvgPicture::tr("The SVG picture nests deeper than %1 levels.")
                        .arg(svgPictureDepthLimit);
                const int parent = open.empty() ? -2 : open.back();
                const QString name = reader.name().toString();
                const QStringView ns = reader.namespaceUri();
                const bool kept = parent != -1 && (ns.isEmpty() || ns == svgNamespace)
                    && keptElements().contains(name);
                if (parent == -2 && !(kept && name == QLatin1String("svg")))
                    return SvgPicture::tr("The picture is not an SVG document.");
                if (!kept) {
                    open.push_back(-1);
                    break;
                }
                const int index = int(m_elements.size());
                m_elements.emplace_back();
                m_elements.back().name = name;
                if (parent >= 0)
                    m_elements[size_t(parent)].children.push_back({index, QString()});
                open.push_back(index);
                const QString problem = readAttributes(reader.attributes(), index);
                if (!problem.isEmpty())
                    return problem;
                break;
            }
            case QXmlStreamReader::EndElement:
                open.pop_back();
                break;
            case QXmlStreamReader::Characters: {
                if (open.empty() || open.back() < 0)
                    break;
                Element &e = m_elements[size_t(open.back())];
                if (!keepsCharacters(e.name))
                    break;
                const QString text = reader.text().toString();
                if (e.name == QLatin1String("style")) {
                    const QString problem = styleProblem(text, true);
                    if (!problem.isEmpty())
                        return problem;
                }
                if (isTextElement(e.name))
                    e.characters += text.size();
                e.children.push_back({-1, text});
                break;
            }
            default:
                // Processing instructions (a style sheet to read among them)
                // and comments are not copied.
                break;
            }
        }
        if (reader.hasError())
            return SvgPicture::tr("The SVG picture cannot be read: %1 at line %2.")
                .arg(reader.errorString())
                .arg(reader.lineNumber());
        if (m_elements.empty())
            return SvgPicture::tr("The SVG picture is empty.");
        return QString();
    }

    QString readAttributes(const QXmlStreamAttributes &attributes, int index)
    {
        Element &e = m_elements[size_t(index)];
        QString href;
        for (const QXmlStreamAttribute &a : attributes) {
            const QStringView ns = a.namespaceUri();
            const QString name = a.name().toString();
            const QString value = a.value().toString();
            if (name == QLatin1String("href") && (ns.isEmpty() || ns == xlinkNamespace)) {
                // Both spellings may be given; both must then say the same.
                if (!href.isNull() && href != value.trimmed())
                    return SvgPicture::tr("The SVG picture names two targets for one element.");
                href = value.trimmed();
                continue;
            }
            if (ns == xmlNamespace && name == QLatin1String("space")) {
                e.attributes.append({QStringLiteral("xml:space"), value});
                continue;
            }
            if (!ns.isEmpty())
                continue;
            if (name == QLatin1String("id")) {
                if (!value.isEmpty() && !m_ids.contains(value)) {
                    m_ids.insert(value, index);
                    e.id = value;
                }
                continue;
            }
            if (!keptAttributes().contains(name))
                continue;
            const QString problem = styleProblem(value, name == QLatin1String("style"));
            if (!problem.isEmpty())
                return problem;
            e.attributes.append({name, value});
        }
        if (href.isNull())
            return QString();
        if (e.name == QLatin1String("image"))
            return embeddedImage(href, m_maxPixels, &e.image, &e.pixels);
        if ((e.name == QLatin1String("use") || isGradient(e.name))
            && href.startsWith(QLatin1Char('#')))
            e.reference = href.mid(1);
        return QString();
    }

    // Finds what <use>s and gradients refer to. A <use> of nothing, or of
    // anything outside the document, draws nothing and is left out; a
    // gradient takes its stops only from a gradient before it.
    void resolve()
    {
        for (int i = 0; i < int(m_elements.size()); ++i) {
            Element &e = m_elements[size_t(i)];
            const int target = e.reference.isEmpty() ? -1 : m_ids.value(e.reference, -1);
            if (e.name == QLatin1String("use")) {
                e.target = target;
                e.kept = target >= 0;
            } else if (isGradient(e.name) && target >= 0 && target < i
                       && isGradient(m_elements[size_t(target)].name)) {
                e.target = target;
            }
            if (e.name == QLatin1String("image") && e.image.isEmpty())
                e.kept = false;
        }
    }

    std::vector<int> dependencies(int n) const
    {
        std::vector<int> list;
        const Element &e = m_elements[size_t(n)];
        for (const Child &c : e.children)
            if (c.element >= 0 && m_elements[size_t(c.element)].kept)
                list.push_back(c.element);
        if (e.name == QLatin1String("use") && e.target >= 0)
            list.push_back(e.target);
        return list;
    }

    // What the root draws, every <use> counted as what it refers to, walked
    // without recursion: a hostile chain would be deeper than any stack.
    QString count(SanitizedSvg *result)
    {
        enum State : char { unvisited, visiting, done };
        const size_t n = m_elements.size();
        std::vector<State> state(n, unvisited);
        std::vector<qint64> &drawn = m_drawn;
        drawn.assign(n, 0);
        std::vector<qint64> characters(n, 0), pixels(n, 0);
        std::vector<int> depth(n, 0);
        const qint64 pixelCap = std::max<qint64>(m_maxPixels, 1) * 1'000;
        std::vector<std::pair<int, std::vector<int>>> stack;
        stack.emplace_back(0, dependencies(0));
        state[0] = visiting;
        while (!stack.empty()) {
            auto &[node, pending] = stack.back();
            if (!pending.empty()) {
                const int next = pending.back();
                pending.pop_back();
                if (state[size_t(next)] == visiting)
                    return SvgPicture::tr("The SVG picture refers to itself without end.");
                if (state[size_t(next)] == unvisited) {
                    state[size_t(next)] = visiting;
                    stack.emplace_back(next, dependencies(next));
                }
                continue;
            }
            const Element &e = m_elements[size_t(node)];
            qint64 count = 1;
            qint64 chars = e.characters;
            qint64 px = e.pixels;
            int deepest = 0;
            for (const int d : dependencies(node)) {
                count = std::min<qint64>(count + drawn[size_t(d)], svgPictureElementLimit + 1);
                chars = std::min<qint64>(chars + characters[size_t(d)], svgPictureCharacterLimit + 1);
                px = std::min<qint64>(px + pixels[size_t(d)], pixelCap);
                deepest = std::max(deepest, depth[size_t(d)]);
            }
            drawn[size_t(node)] = count;
            characters[size_t(node)] = chars;
            pixels[size_t(node)] = px;
            depth[size_t(node)] = deepest + 1;
            state[size_t(node)] = done;
            if (count > svgPictureElementLimit)
                return SvgPicture::tr("The SVG picture draws more than %1 elements.")
                    .arg(svgPictureElementLimit);
            if (chars > svgPictureCharacterLimit)
                return SvgPicture::tr("The SVG picture draws more than %1 characters of text.")
                    .arg(svgPictureCharacterLimit);
            if (deepest + 1 > svgPictureDepthLimit)
                return SvgPicture::tr("The SVG picture nests deeper than %1 levels.")
                    .arg(svgPictureDepthLimit);
            stack.pop_back();
        }
        result->elements = drawn[0];
        result->pixels = pixels[0];
        return QString();
    }

    // With `measured`, every element without an id gets one of its own, so
    // that a renderer can say where it lies.
    void writeElement(QXmlStreamWriter &writer, int index, bool images, bool measured = false) const
    {
        const Element &e = m_elements[size_t(index)];
        writer.writeStartElement(e.name);
        if (index == 0) {
            writer.writeDefaultNamespace(svgNamespace);
            writer.writeNamespace(xlinkNamespace, QStringLiteral("xlink"));
        }
        if (!e.id.isEmpty())
            writer.writeAttribute(QStringLiteral("id"), e.id);
        else if (measured)
            writer.writeAttribute(QStringLiteral("id"), measureId(index));
        for (const auto &[name, value] : e.attributes)
            writer.writeAttribute(name, value);
        if (e.target >= 0)
            writer.writeAttribute(QStringLiteral("xlink:href"), QLatin1Char('#') + e.reference);
        if (!e.image.isEmpty())
            writer.writeAttribute(QStringLiteral("xlink:href"), e.image);
        for (const Child &c : e.children) {
            if (c.element < 0)
                writer.writeCharacters(c.text);
            else if (m_elements[size_t(c.element)].kept
                     && (images || m_elements[size_t(c.element)].image.isEmpty()))
                writeElement(writer, c.element, images, measured); // nesting is bounded
        }
        writer.writeEndElement();
    }

    QString measureId(int index) const
    {
        const Element &e = m_elements[size_t(index)];
        if (!e.id.isEmpty())
            return e.id;
        QString id = QStringLiteral("m%1").arg(index);
        while (m_ids.contains(id))
            id += QLatin1Char('_');
        return id;
    }

    // A renderer reads the copy without its images, which decodes no
    // pixels, for the view box and for how many times over the picture's
    // drawn elements cover it, each <use> counted as its area times the
    // elements it draws: an upper bound of the work of filling them at any
    // size, which the element count alone is not (20,000 rectangles over
    // the whole picture take minutes at the largest export size). Parts far
    // beyond the view box count only where they could still land on the
    // drawing.
    QString measure(SanitizedSvg *result) const
    {
        QSvgRenderer renderer;
        renderer.setFramesPerSecond(0);
        if (!renderer.load(write(false, true)))
            return QString();
        const QRectF view = renderer.viewBoxF();
        result->viewBox = view.size();
        const double viewArea = view.width() * view.height();
        if (!(viewArea > 0.0) || !qIsFinite(viewArea))
            return QString();
        const QRectF region = view.adjusted(-view.width(), -view.height(), view.width(),
                                            view.height());
        const auto area = [&](int index) {
            const QString id = measureId(index);
            const QRectF bounds = renderer.transformForElement(id)
                                      .mapRect(renderer.boundsOnElement(id))
                                      .intersected(region);
            return bounds.isValid() ? bounds.width() * bounds.height() : 0.0;
        };
        const QSet<QString> containers{"svg", "g", "a", "switch"};
        const QSet<QString> shapes{"path",     "rect",    "circle", "ellipse", "line",
                                   "polyline", "polygon", "text",   "textArea"};
        double covered = 0.0;
        std::vector<int> pending{0};
        while (!pending.empty()) {
            const int index = pending.back();
            pending.pop_back();
            const Element &e = m_elements[size_t(index)];
            if (containers.contains(e.name)) {
                for (const Child &c : e.children)
                    if (c.element >= 0 && m_elements[size_t(c.element)].kept)
                        pending.push_back(c.element);
            } else if (e.name == QLatin1String("use")) {
                covered += double(m_drawn[size_t(index)]) * area(index);
            } else if (shapes.contains(e.name)) {
                covered += area(index);
            }
        }
        if (covered / viewArea <= svgPictureCoverLimit)
            return QString();
        return SvgPicture::tr("The SVG picture covers itself more than %1 times over, too much "
                              "to draw.")
            .arg(svgPictureCoverLimit);
    }

    QByteArray write(bool images, bool measured = false) const
    {
        QByteArray out;
        QXmlStreamWriter writer(&out);
        writer.writeStartDocument();
        writeElement(writer, 0, images, measured);
        writer.writeEndDocument();
        return out;
    }

    const qint64 m_maxPixels;
    std::vector<qint64> m_drawn; // what each element draws, <use>s counted
    std::vector<Element> m_elements;
    QHash<QString, int> m_ids;
};

} // namespace

SanitizedSvg sanitizeSvg(const QByteArray &svg, qint64 maxPixels)
{
    return Sanitizer(maxPixels).run(svg);
}
