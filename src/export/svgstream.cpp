#include "export/svgstream.h"

#include "fileio/boundedoutput.h"
#include "render/facepictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// Pieces are handed to the output once this much is gathered; anything
// larger goes out on its own.
constexpr qsizetype flushSize = 1 << 16;
// Characters of a font family escaped at a time, so that a family too long
// for the output is refused before all of it is made.
constexpr qsizetype familyPiece = 1 << 16;

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Escaped UTF-8 of text that holds only XML characters, as the toolkit's
// XML writer escapes it: &, <, > and " always, and in an attribute tab, line
// feed and carriage return as character references too. The writer escapes
// a value that way only as an attribute of an element, so one is started
// and all but the value cut off. In an element's content a carriage return
// is written as a reference as well, or a reader would turn it (and a line
// feed after it) into a single line feed.
QByteArray escaped(const QString &text, bool attribute)
{
    QString out;
    QXmlStreamWriter writer(&out);
    if (attribute) {
        writer.writeStartElement(QStringLiteral("a"));
        const qsizetype valueStart = out.size() + qstrlen(" v=\"");
        writer.writeAttribute(QStringLiteral("v"), text);
        return QStringView(out).mid(valueStart, out.size() - valueStart - 1).toUtf8();
    }
    qsizetype at = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', at)) {
        writer.writeCharacters(text.mid(at, cr - at));
        writer.writeEntityReference(QStringLiteral("#13"));
        at = cr + 1;
    }
    writer.writeCharacters(text.mid(at));
    return out.toUtf8();
}

QByteArray number(double value)
{
    // As the toolkit's text streams write a double: 6 significant digits.
    return QByteArray::number(value, 'g', 6);
}

QByteArray hexByte(int value)
{
    return QByteArray::number(value, 16).rightJustified(2, '0');
}

QByteArray colorName(const QColor &color)
{
    return '#' + hexByte(color.red()) + hexByte(color.green()) + hexByte(color.blue());
}

QByteArray colorOpacity(const QColor &color)
{
    return QString::number(color.alphaF()).toLatin1();
}

} // namespace

QString xmlCharacters(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (isXmlCharacter(code)) {
                out += c;
                out += text.at(i + 1);
            } else {
                out += QChar(QChar::ReplacementCharacter);
            }
            ++i;
            continue;
        }
        out += c.isSurrogate() || !isXmlCharacter(c.unicode()) ? QChar(QChar::ReplacementCharacter)
                                                               : c;
    }
    return out;
}

QByteArray xmlText(const QString &text)
{
    return escaped(xmlCharacters(text), false);
}

QByteArray xmlAttribute(const QString &value)
{
    return escaped(xmlCharacters(value), true);
}

// Writes what the painter draws as SVG elements, one group per state of the
// painter, in the layout of the toolkit's SVG generator.
class SvgStreamEngine : public QPaintEngine
{
public:
    SvgStreamEngine(BoundedOutput *output, const SvgStream::Settings &settings)
        : QPaintEngine(features()), m_output(output), m_settings(settings)
    {
    }

    bool failed() const { return m_failed; }

    bool begin(QPaintDevice *) override
    {
        m_failed = false;
        m_afterFirstState = false;
        m_gradients = 0;
        m_filters = 0;
        m_definedGradients.clear();
        m_pen = QPen();
        put("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg");
        const SvgStream::Settings &s = m_settings;
        const QSizeF sizeMm = s.sizeMm.isValid()
            ? s.sizeMm
            : QSizeF(s.size.width() * 25.4 / s.resolution, s.size.height() * 25.4 / s.resolution);
        if (s.sizeMm.isValid() || s.size.isValid()) {
            put(" width=\"" + number(sizeMm.width()) + "mm\" height=\"" + number(sizeMm.height())
                + "mm\"\n");
        }
        if (s.viewBox.isValid()) {
            put(" viewBox=\"" + number(s.viewBox.left()) + ' ' + number(s.viewBox.top()) + ' '
                + number(s.viewBox.width()) + ' ' + number(s.viewBox.height()) + "\"\n");
        }
        put(" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
            " version=\"1.2\" baseProfile=\"tiny\">\n");
        if (!s.title.isEmpty())
            put("<title>" + xmlText(s.title) + "</title>\n");
        if (!s.description.isEmpty())
            put("<desc>" + xmlText(s.description) + "</desc>\n");
        // Gradients of SVG pictures are defined where they are used.
        put("<defs>\n</defs>\n");
        put("<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" fill-rule=\"evenodd\" "
            "stroke-linecap=\"square\" stroke-linejoin=\"bevel\" >\n\n");
        return true;
    }

    bool end() override
    {
        if (m_afterFirstState)
            put("</g>\n");
        put("</g>\n</svg>\n");
        flush();
        return !m_failed;
    }

    Type type() const override { return QPaintEngine::SVG; }

    // A group of the document's own: the group of the painter's state is
    // closed around it and opened again inside it, and after it, so that
    // what is drawn keeps its state.
    void openGroup(const QList<GroupingDevice::Attribute> &attributes)
    {
        if (stopped())
            return;
        if (m_afterFirstState)
            put("</g>\n");
        QByteArray tag = "<g";
        for (const auto &[name, value] : attributes)
            tag += ' ' + name + "=\"" + xmlAttribute(xmlCharacters(value)) + '"';
        put(tag + ">\n");
        if (m_afterFirstState)
            put(m_stateGroup);
    }

    void closeGroup()
    {
        if (stopped())
            return;
        if (m_afterFirstState)
            put("</g>\n");
        put("</g>\n");
        if (m_afterFirstState)
            put(m_stateGroup);
    }

    QString addShadowFilter(double sigma, const double rgba[4])
    {
        const QString id = QStringLiteral("shadow%1").arg(++m_filters);
        if (stopped())
            return id;
        if (m_afterFirstState)
            put("</g>\n");
        // The colour of the shadow where what it is applied to is not
        // transparent, as opaque as that is times the shadow's alpha.
        put("<filter id=\"" + id.toLatin1()
            + "\" x=\"-50%\" y=\"-50%\" width=\"200%\" height=\"200%\" "
              "color-interpolation-filters=\"sRGB\">\n"
              "<feColorMatrix type=\"matrix\" values=\"0 0 0 0 "
            + number(rgba[0]) + " 0 0 0 0 " + number(rgba[1]) + " 0 0 0 0 " + number(rgba[2])
            + " 0 0 0 " + number(rgba[3]) + " 0\"/>\n<feGaussianBlur stdDeviation=\""
            + number(sigma) + "\"/>\n</filter>\n");
        if (m_afterFirstState)
            put(m_stateGroup);
        return id;
    }

    // Every change of state closes the group of the previous state and opens
    // one that states everything again.
    void updateState(const QPaintEngineState &newState) override
    {
        if (stopped())
            return;
        if (m_afterFirstState)
            put("</g>\n\n");
        // Gradients are defined where they are first used, as the document
        // is written in one pass.
        const QByteArray fill = paintServer(newState.brush());
        const QByteArray stroke = paintServer(newState.pen().brush());
        m_stateGroup.clear();
        m_capturing = true;
        put("<g ");
        brushAttributes(newState.brush(), fill);
        penAttributes(newState.pen(), stroke);
        const QTransform t = newState.transform();
        put("transform=\"matrix(" + number(t.m11()) + ',' + number(t.m12()) + ',' + number(t.m21())
            + ',' + number(t.m22()) + ',' + number(t.dx()) + ',' + number(t.dy()) + ")\"\n");
        fontAttributes(newState.font());
        if (!qFuzzyIsNull(newState.opacity() - 1))
            put("opacity=\"" + number(newState.opacity()) + "\" ");
        put(">\n");
        m_capturing = false;
        m_afterFirstState = true;
        flushWhenFull();
    }

    void drawEllipse(const QRectF &r) override
    {
        if (stopped())
            return;
        const bool isCircle = r.width() == r.height();
        QByteArray element(isCircle ? "<circle" : "<ellipse");
        if (cosmeticPen())
            element += " vector-effect=\"non-scaling-stroke\"";
        const QPointF c = r.center();
        element += " cx=\"" + number(c.x()) + "\" cy=\"" + number(c.y());
        if (isCircle)
            element += "\" r=\"" + number(r.width() / 2.0);
        else
            element += "\" rx=\"" + number(r.width() / 2.0) + "\" ry=\"" + number(r.height() / 2.0);
        element += "\"/>\n";
        put(element);
        flushWhenFull();
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count && !stopped(); ++i) {
            const QRectF &r = rects[i];
            QByteArray element("<rect");
            if (cosmeticPen())
                element += " vector-effect=\"non-scaling-stroke\"";
            element += " x=\"" + number(r.x()) + "\" y=\"" + number(r.y()) + "\" width=\""
                + number(r.width()) + "\" height=\"" + number(r.height()) + "\"/>\n";
            put(element);
            flushWhenFull();
        }
    }

    void drawPath(const QPainterPath &path) override
    {
        if (stopped())
            return;
        QByteArray element("<path vector-effect=\"");
        element += cosmeticPen() ? "non-scaling-stroke" : "none";
        element += "\" fill-rule=\"";
        element += path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
        element += "\" d=\"";
        const int count = path.elementCount();
        for (int i = 0; i < count; ++i) {
            const QPainterPath::Element &e = path.elementAt(i);
            switch (e.type) {
            case QPainterPath::MoveToElement:
                element += 'M' + number(e.x) + ',' + number(e.y);
                break;
            case QPainterPath::LineToElement:
                element += 'L' + number(e.x) + ',' + number(e.y);
                break;
            case QPainterPath::CurveToElement:
                element += 'C' + number(e.x) + ',' + number(e.y);
                // The points that follow belong to the same curve; a curve
                // is followed by a blank even at the end of the path.
                while (i + 1 < count
                       && path.elementAt(i + 1).type == QPainterPath::CurveToDataElement) {
                    ++i;
                    element +=
                        ' ' + number(path.elementAt(i).x) + ',' + number(path.elementAt(i).y);
                }
                element += ' ';
                continue;
            case QPainterPath::CurveToDataElement:
                break;
            }
            if (i != count - 1)
                element += ' ';
        }
        element += "\"/>\n";
        put(element);
        flushWhenFull();
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (stopped() || count < 1)
            return;
        if (mode != PolylineMode) {
            QPainterPath path(points[0]);
            for (int i = 1; i < count; ++i)
                path.lineTo(points[i]);
            path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
            drawPath(path);
            return;
        }
        QByteArray element("<polyline fill=\"none\" vector-effect=\"");
        element += cosmeticPen() ? "non-scaling-stroke" : "none";
        element += "\" points=\"";
        for (int i = 0; i < count; ++i)
            element += number(points[i].x()) + ',' + number(points[i].y()) + ' ';
        element += "\" />\n";
        put(element);
        flushWhenFull();
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        if (stopped() || m_pen.style() == Qt::NoPen)
            return;
        put("<text fill=\"" + colorName(m_pen.color()) + "\" fill-opacity=\""
            + colorOpacity(m_pen.color()) + "\" stroke=\"none\" xml:space=\"preserve\" x=\""
            + number(p.x()) + "\" y=\"" + number(p.y()) + "\" ");
        fontAttributes(item.font());
        put(" >");
        put(xmlText(item.text()));
        put("</text>\n");
        flushWhenFull();
    }

    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &sr) override
    {
        drawImage(r, pixmap.toImage(), sr, Qt::AutoColor);
    }

    // A picture of the gauge goes in as the file it came from; any other
    // image (a part of one, one inside an SVG picture, a shape the painter
    // rasterised) as PNG.
    void drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                   Qt::ImageConversionFlags) override
    {
        if (stopped() || image.isNull())
            return;
        QByteArray bytes;
        QByteArray mimeType;
        const bool whole = sr.toAlignedRect() == image.rect();
        if (!whole || !pictureFileOf(image, &bytes, &mimeType)) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "png").write(whole ? image : image.copy(sr.toAlignedRect()));
            mimeType = "image/png";
        }
        const bool smooth = state && state->renderHints().testFlag(QPainter::SmoothPixmapTransform);
        const QByteArray head = "<image x=\"" + number(r.x()) + "\" y=\"" + number(r.y())
            + "\" width=\"" + number(r.width()) + "\" height=\"" + number(r.height())
            + "\" preserveAspectRatio=\"none\" image-rendering=\""
            + (smooth ? "optimizeQuality" : "optimizeSpeed") + "\" xlink:href=\"data:" + mimeType
            + ";base64,";
        const QByteArray tail("\" />\n");
        const qint64 encoded = (bytes.size() + 2) / 3 * 4;
        if (!m_output->reserve(m_pending.size() + head.size() + encoded + tail.size())) {
            m_failed = true;
            return;
        }
        put(head);
        put(bytes.toBase64());
        put(tail);
        flushWhenFull();
    }

private:
    static PaintEngineFeatures features()
    {
        // What the toolkit's SVG engine offers, so the painter drives this
        // one the same way (it emulates the rest).
        return PaintEngineFeatures(AllFeatures & ~PatternBrush & ~PerspectiveTransform
                                   & ~ConicalGradientFill & ~PorterDuff);
    }

    bool cosmeticPen() const { return state && state->pen().isCosmetic(); }

    // For a linear or radial gradient, writes its definition and returns
    // the reference to it; empty for anything else.
    QByteArray paintServer(const QBrush &brush)
    {
        const QGradient *gradient = brush.gradient();
        if (!gradient
            || (gradient->type() != QGradient::LinearGradient
                && gradient->type() != QGradient::RadialGradient))
            return QByteArray();
        // A picture keeps its gradient over many changes of state; it is
        // defined once for them.
        for (const auto &[defined, reference] : std::as_const(m_definedGradients))
            if (defined == brush)
                return reference;
        const QByteArray id = "gradient" + QByteArray::number(++m_gradients);
        const bool linear = gradient->type() == QGradient::LinearGradient;
        QByteArray element = "<defs>\n<";
        element += linear ? "linearGradient" : "radialGradient";
        element += " gradientUnits=\"";
        element += gradient->coordinateMode() == QGradient::ObjectBoundingMode
                || gradient->coordinateMode() == QGradient::ObjectMode
            ? "objectBoundingBox"
            : "userSpaceOnUse";
        element += "\" ";
        if (linear) {
            const auto *g = static_cast<const QLinearGradient *>(gradient);
            element += "x1=\"" + number(g->start().x()) + "\" y1=\"" + number(g->start().y())
                + "\" x2=\"" + number(g->finalStop().x()) + "\" y2=\"" + number(g->finalStop().y())
                + "\" ";
        } else {
            const auto *g = static_cast<const QRadialGradient *>(gradient);
            element += "cx=\"" + number(g->center().x()) + "\" cy=\"" + number(g->center().y())
                + "\" r=\"" + number(g->radius()) + "\" fx=\"" + number(g->focalPoint().x())
                + "\" fy=\"" + number(g->focalPoint().y()) + "\" ";
        }
        if (gradient->spread() != QGradient::PadSpread)
            element += gradient->spread() == QGradient::ReflectSpread ? "spreadMethod=\"reflect\" "
                                                                      : "spreadMethod=\"repeat\" ";
        const QTransform t = brush.transform();
        if (!t.isIdentity()) {
            element += "gradientTransform=\"matrix(" + number(t.m11()) + ',' + number(t.m12()) + ','
                + number(t.m21()) + ',' + number(t.m22()) + ',' + number(t.dx()) + ','
                + number(t.dy()) + ")\" ";
        }
        element += "id=\"" + id + "\">\n";
        for (const QGradientStop &stop : gradient->stops()) {
            element += "    <stop offset=\"" + number(stop.first) + "\" stop-color=\""
                + colorName(stop.second) + "\" stop-opacity=\"" + colorOpacity(stop.second)
                + "\" />\n";
        }
        element += linear ? "</linearGradient>\n" : "</radialGradient>\n";
        element += "</defs>\n";
        put(element);
        const QByteArray reference = "url(#" + id + ')';
        m_definedGradients.prepend({brush, reference});
        if (m_definedGradients.size() > 8)
            m_definedGradients.removeLast();
        return reference;
    }
    bool stopped() const { return m_failed || m_output->stopped(); }

    void brushAttributes(const QBrush &brush, const QByteArray &server)
    {
        if (!server.isEmpty()) {
            put("fill=\"" + server + "\" ");
            return;
        }
        switch (brush.style()) {
        case Qt::SolidPattern:
            put("fill=\"" + colorName(brush.color()) + "\" fill-opacity=\""
                + colorOpacity(brush.color()) + "\" ");
            break;
        case Qt::NoBrush:
            put("fill=\"none\" ");
            break;
        default:
            // Patterns and conical gradients the painter draws as images.
            break;
        }
    }

    void penAttributes(const QPen &pen, const QByteArray &server)
    {
        m_pen = pen;
        if (pen.style() == Qt::NoPen) {
            put("stroke=\"none\" ");
            return;
        }
        if (server.isEmpty()) {
            put("stroke=\"" + colorName(pen.color()) + "\" stroke-opacity=\""
                + colorOpacity(pen.color()) + "\" ");
        } else {
            put("stroke=\"" + server + "\" ");
        }
        if (pen.style() != Qt::SolidLine) {
            // SVG measures dashes in lengths, the toolkit in pen widths.
            const double width = pen.widthF() == 0 ? 1.0 : pen.widthF();
            QByteArray dashes;
            for (const double dash : pen.dashPattern())
                dashes += number(dash * width) + ',';
            dashes.chop(1);
            put("stroke-dasharray=\"" + dashes + "\" stroke-dashoffset=\""
                + number(pen.dashOffset() * width) + "\" ");
        }
        put(pen.widthF() == 0 ? QByteArray("stroke-width=\"1\" ")
                              : "stroke-width=\"" + number(pen.widthF()) + "\" ");
        switch (pen.capStyle()) {
        case Qt::FlatCap:
            put("stroke-linecap=\"butt\" ");
            break;
        case Qt::SquareCap:
            put("stroke-linecap=\"square\" ");
            break;
        case Qt::RoundCap:
            put("stroke-linecap=\"round\" ");
            break;
        default:
            break;
        }
        switch (pen.joinStyle()) {
        case Qt::MiterJoin:
        case Qt::SvgMiterJoin:
            put("stroke-linejoin=\"miter\" stroke-miterlimit=\"" + number(pen.miterLimit())
                + "\" ");
            break;
        case Qt::BevelJoin:
            put("stroke-linejoin=\"bevel\" ");
            break;
        case Qt::RoundJoin:
            put("stroke-linejoin=\"round\" ");
            break;
        default:
            break;
        }
    }

    void fontAttributes(const QFont &font)
    {
        const QByteArray size = font.pixelSize() == -1
            ? QString::number(font.pointSizeF() * m_settings.resolution / 72).toLatin1()
            : QByteArray::number(font.pixelSize());
        put("font-family=\"");
        putFamily(font.family());
        put("\" font-size=\"" + size + "\" font-weight=\"" + QByteArray::number(int(font.weight()))
            + "\" font-style=\"" + (font.italic() ? "italic" : "normal") + "\" \n");
    }

    // The family is written with every group and every label; it is escaped
    // once per family, piece by piece, and one too long for what is left of
    // the output's allowance fails the output before it is made.
    void putFamily(const QString &family)
    {
        if (!family.isSharedWith(m_family) && family != m_family) {
            m_family = family;
            m_escapedFamily.clear();
            const QString characters = xmlCharacters(family);
            for (qsizetype at = 0; at < characters.size();) {
                qsizetype size = std::min(familyPiece, characters.size() - at);
                // A pair of surrogates stays in one piece.
                if (at + size < characters.size() && characters.at(at + size - 1).isHighSurrogate())
                    --size;
                m_escapedFamily += escaped(characters.mid(at, size), true);
                if (!m_output->reserve(m_pending.size() + m_escapedFamily.size())) {
                    m_failed = true;
                    m_family.clear();
                    m_escapedFamily.clear();
                    return;
                }
                at += size;
            }
        }
        put(m_escapedFamily);
    }

    void put(const QByteArray &bytes)
    {
        if (m_failed)
            return;
        if (m_capturing)
            m_stateGroup += bytes;
        if (bytes.size() >= flushSize) {
            flush();
            send(bytes);
            return;
        }
        m_pending += bytes;
    }

    void flushWhenFull()
    {
        if (m_pending.size() >= flushSize)
            flush();
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        send(m_pending);
        m_pending.resize(0);
    }

    void send(const QByteArray &bytes)
    {
        if (m_failed)
            return;
        if (m_output->write(bytes) != bytes.size())
            m_failed = true;
    }

    BoundedOutput *m_output;
    SvgStream::Settings m_settings;
    QByteArray m_pending;
    bool m_failed = false;
    bool m_afterFirstState = false;
    QPen m_pen;
    int m_gradients = 0;
    QList<std::pair<QBrush, QByteArray>> m_definedGradients;
    QString m_family;
    QByteArray m_escapedFamily;
    // The opening tag of the group of the painter's state.
    QByteArray m_stateGroup;
    bool m_capturing = false;
    int m_filters = 0;
};

SvgStream::SvgStream(BoundedOutput *output, const Settings &settings)
    : m_settings(settings), m_engine(std::make_unique<SvgStreamEngine>(output, settings))
{
}

SvgStream::~SvgStream() = default;

QPaintEngine *SvgStream::paintEngine() const
{
    return m_engine.get();
}

void SvgStream::openGroup(const QList<Attribute> &attributes)
{
    m_engine->openGroup(attributes);
}

void SvgStream::closeGroup()
{
    m_engine->closeGroup();
}

QString SvgStream::addShadowFilter(double sigma, const double rgba[4])
{
    return m_engine->addShadowFilter(sigma, rgba);
}

bool SvgStream::failed() const
{
    return m_engine->failed();
}

int SvgStream::metric(PaintDeviceMetric metric) const
{
    const QSize size = m_settings.size;
    const int dpi = m_settings.resolution;
    switch (metric) {
    case PdmDepth:
        return 32;
    case PdmWidth:
        return size.width();
    case PdmHeight:
        return size.height();
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi;
    case PdmWidthMM:
        return qRound(size.width() * 25.4 / dpi);
    case PdmHeightMM:
        return qRound(size.height() * 25.4 / dpi);
    case PdmNumColors:
        return 0xffffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(1 * devicePixelRatioFScale());
    }
    return 0;
}
