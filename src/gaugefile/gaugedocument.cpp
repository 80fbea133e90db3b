#include "gaugefile/gaugedocument.h"

#include "fileio/boundedoutput.h"
#include "gaugefile/facejson.h"
#include "gaugefile/jsonfields.h"
#include "gaugefile/legacyreader.h"
#include "gaugefile/needlejson.h"
#include "gaugefile/scalejson.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>
#include <vector>

namespace {

QString colorText(const QColor &color)
{
    return jsonColorText(color);
}

// The point size a font is stored with: its point size rounded, as
// QFont::pointSize gives it. A font from an earlier version's file may be
// sized in pixels, and its point size is then -1, which would load as the
// system's default size; it is stored as the size it has at 96 dots per
// inch, the resolution of the exports, so a saved gauge loads with labels of
// nearly the size they had. Sizes beyond the range of int (which
// QFont::pointSize would overflow on) are stored as the largest int.
int storedPointSize(const QFont &font)
{
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0)
        points = font.pixelSize() * 72.0 / 96.0;
    if (points <= 0)
        return font.pointSize();
    if (points >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return qMax(1, qRound(points));
}

// The family a font is stored with: the name a font made from it gives back,
// so that reading the file yields the same layer. The toolkit reads a family
// given to a font's constructor as a list, whose first entry it trims and
// unquotes, while a font description of an earlier version's file keeps the
// family whole; the name is brought to where another reading changes it no
// more.
QString storedFamily(const QFont &font)
{
    const QString family = font.family();
    QStringView name(family);
    name = name.left(name.indexOf(u','));
    for (;;) {
        name = name.trimmed();
        const bool quoted = !name.isEmpty()
            && ((name.front() == u'"' && name.back() == u'"')
                || (name.front() == u'\'' && name.back() == u'\''));
        if (!quoted)
            break;
        name = name.size() == 1 ? QStringView() : name.mid(1, name.size() - 2);
    }
    return name.toString();
}

// The parser's reason with the place of the fault in the file as the user
// sees it: line and column (in characters, both from 1) of byte `offset`.
QString syntaxError(const QString &reason, const QByteArray &bytes, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            // UTF-8 continuation bytes belong to the character before them.
            ++column;
        }
    }
    return QCoreApplication::translate("GaugeDocument", "%1 at line %2, column %3")
        .arg(reason, QString::number(line), QString::number(column));
}

} // namespace

QJsonObject divisionToJson(int count, double innerRadius, double outerRadius, double width,
                           const QColor &color)
{
    QJsonObject division;
    division.insert(QLatin1String("count"), count);
    division.insert(QLatin1String("innerRadius"), innerRadius);
    division.insert(QLatin1String("outerRadius"), outerRadius);
    division.insert(QLatin1String("width"), width);
    division.insert(QLatin1String("color"), colorText(color));
    return division;
}

QJsonObject arcToJson(double startAngle, double angleLength, double radius, double width,
                      const QColor &color)
{
    QJsonObject arc;
    arc.insert(QLatin1String("startAngle"), startAngle);
    arc.insert(QLatin1String("angleLength"), angleLength);
    arc.insert(QLatin1String("radius"), radius);
    arc.insert(QLatin1String("width"), width);
    arc.insert(QLatin1String("color"), colorText(color));
    return arc;
}

QJsonObject layerToJson(const gaugeData &layer)
{
    QJsonObject gauge;
    gauge.insert(QLatin1String("startAngle"), layer.startAngle);
    gauge.insert(QLatin1String("angleLength"), layer.angleLength);
    gauge.insert(QLatin1String("bias"), layer.bias);
    gauge.insert(QLatin1String("midpointBias"), layer.midpointBias);
    gauge.insert(QLatin1String("roundedTickCaps"), layer.roundedTickCaps);
    gauge.insert(QLatin1String("roundedArcCaps"), layer.roundedArcCaps);

    QJsonArray divisions;
    for (int i = 0; i < 3; ++i)
        divisions.append(divisionToJson(layer.divisionCount[i], layer.divisionInnerRadius[i],
                                        layer.divisionOuterRadius[i], layer.divisionWidth[i],
                                        layer.divisionColor[i]));

    QJsonArray arcs;
    for (int i = 0; i < 4; ++i)
        arcs.append(arcToJson(layer.arcStartAngle[i], layer.arcAngleLength[i],
                              layer.arcRadius[i], layer.arcWidth[i], layer.arcColor[i]));

    // These attributes of the label font are kept; a weight above Medium
    // counts as bold and any slanted style as italic. Underline and
    // strikeout, which the font dialog offers and the labels show, are
    // written only when they are on, so that other layers are written as
    // they always were.
    QJsonObject font;
    font.insert(QLatin1String("family"), storedFamily(layer.tickCountFont));
    font.insert(QLatin1String("pointSize"), storedPointSize(layer.tickCountFont));
    font.insert(QLatin1String("bold"), layer.tickCountFont.weight() > QFont::Medium);
    font.insert(QLatin1String("italic"), layer.tickCountFont.style() != QFont::StyleNormal);
    if (layer.tickCountFont.underline())
        font.insert(QLatin1String("underline"), true);
    if (layer.tickCountFont.strikeOut())
        font.insert(QLatin1String("strikeOut"), true);

    QJsonObject ticks;
    ticks.insert(QLatin1String("enabled"), layer.tickCountEnabled);
    ticks.insert(QLatin1String("start"), layer.tickCountStart);
    ticks.insert(QLatin1String("increment"), layer.tickCountIncrement);
    ticks.insert(QLatin1String("decimalPlaces"), layer.tickCountDecimalPlaces);
    ticks.insert(QLatin1String("radius"), layer.tickCountRadius);
    ticks.insert(QLatin1String("rotate"), layer.tickCountRotate);
    ticks.insert(QLatin1String("skipFirst"), layer.tickCountSkipFirst);
    ticks.insert(QLatin1String("font"), font);
    ticks.insert(QLatin1String("color"), colorText(layer.tickCountColor));

    QJsonObject object;
    faceToJson(layer, &object, &ticks);
    needlesToJson(layer, &object);
    object.insert(QLatin1String("gauge"), gauge);
    object.insert(QLatin1String("divisions"), divisions);
    object.insert(QLatin1String("arcs"), arcs);
    object.insert(QLatin1String("ticks"), ticks);
    // Only a layer with a scale other than even has the key.
    const QJsonObject scale = scaleToJson(layer.scale);
    if (!scale.isEmpty())
        object.insert(QLatin1String("scale"), scale);
    return object;
}

void layerFromJson(gaugeData &layer, const QJsonObject &object)
{
    const QJsonObject gauge = object.value(QLatin1String("gauge")).toObject();
    layer.startAngle = jsonDouble(gauge, QStringLiteral("startAngle"), layer.startAngle);
    layer.angleLength = jsonDouble(gauge, QStringLiteral("angleLength"), layer.angleLength);
    layer.bias = jsonDouble(gauge, QStringLiteral("bias"), layer.bias);
    layer.midpointBias = jsonBool(gauge, QStringLiteral("midpointBias"), layer.midpointBias);
    layer.roundedTickCaps =
        jsonBool(gauge, QStringLiteral("roundedTickCaps"), layer.roundedTickCaps);
    layer.roundedArcCaps = jsonBool(gauge, QStringLiteral("roundedArcCaps"), layer.roundedArcCaps);

    const QJsonArray divisions = object.value(QLatin1String("divisions")).toArray();
    for (int i = 0; i < divisions.size() && i < 3; ++i) {
        const QJsonObject division = divisions.at(i).toObject();
        layer.divisionCount[i] = jsonInt(division, QStringLiteral("count"), layer.divisionCount[i]);
        layer.divisionInnerRadius[i] =
            jsonDouble(division, QStringLiteral("innerRadius"), layer.divisionInnerRadius[i]);
        layer.divisionOuterRadius[i] =
            jsonDouble(division, QStringLiteral("outerRadius"), layer.divisionOuterRadius[i]);
        layer.divisionWidth[i] = jsonDouble(division, QStringLiteral("width"), layer.divisionWidth[i]);
        layer.divisionColor[i] = jsonColor(division, layer.divisionColor[i]);
    }

    const QJsonArray arcs = object.value(QLatin1String("arcs")).toArray();
    for (int i = 0; i < arcs.size() && i < 4; ++i) {
        const QJsonObject arc = arcs.at(i).toObject();
        layer.arcStartAngle[i] = jsonDouble(arc, QStringLiteral("startAngle"), layer.arcStartAngle[i]);
        layer.arcAngleLength[i] =
            jsonDouble(arc, QStringLiteral("angleLength"), layer.arcAngleLength[i]);
        layer.arcRadius[i] = jsonDouble(arc, QStringLiteral("radius"), layer.arcRadius[i]);
        layer.arcWidth[i] = jsonDouble(arc, QStringLiteral("width"), layer.arcWidth[i]);
        layer.arcColor[i] = jsonColor(arc, layer.arcColor[i]);
    }

    const QJsonObject ticks = object.value(QLatin1String("ticks")).toObject();
    layer.tickCountEnabled = jsonBool(ticks, QStringLiteral("enabled"), layer.tickCountEnabled);
    layer.tickCountStart = jsonDouble(ticks, QStringLiteral("start"), layer.tickCountStart);
    layer.tickCountIncrement =
        jsonDouble(ticks, QStringLiteral("increment"), layer.tickCountIncrement);
    layer.tickCountDecimalPlaces =
        jsonInt(ticks, QStringLiteral("decimalPlaces"), layer.tickCountDecimalPlaces);
    layer.tickCountRadius = jsonDouble(ticks, QStringLiteral("radius"), layer.tickCountRadius);
    layer.tickCountRotate = jsonBool(ticks, QStringLiteral("rotate"), layer.tickCountRotate);
    layer.tickCountSkipFirst = jsonBool(ticks, QStringLiteral("skipFirst"), layer.tickCountSkipFirst);
    layer.tickCountColor = jsonColor(ticks, layer.tickCountColor);

    // The font is rebuilt from the stored attributes alone, so nothing of the
    // previous font survives except where the document leaves a key out.
    const QJsonObject font = ticks.value(QLatin1String("font")).toObject();
    const int pointSize =
        jsonInt(font, QStringLiteral("pointSize"), layer.tickCountFont.pointSize());
    const QJsonValue familyValue = font.value(QLatin1String("family"));
    const QString family =
        familyValue.isString() ? familyValue.toString() : layer.tickCountFont.family();
    QFont rebuilt(family, pointSize);
    rebuilt.setWeight(jsonBool(font, QStringLiteral("bold"), false) ? QFont::Bold : QFont::Normal);
    rebuilt.setStyle(jsonBool(font, QStringLiteral("italic"), false) ? QFont::StyleItalic
                                                                      : QFont::StyleNormal);
    rebuilt.setUnderline(jsonBool(font, QStringLiteral("underline"), false));
    rebuilt.setStrikeOut(jsonBool(font, QStringLiteral("strikeOut"), false));
    layer.tickCountFont = rebuilt;

    scaleFromJson(layer.scale, object);
    faceFromJson(layer, object);
    needlesFromJson(layer, object);
}

bool isDefaultLayer(const gaugeData &layer)
{
    return layerToJson(layer) == layerToJson(gaugeData());
}

namespace {

// The indented layout of the whole document, cut where the layer objects go:
// what comes before the first, the indentation of each of their lines, and
// what comes after the last.
struct DocumentLayout
{
    QByteArray head;
    QByteArray indent;
    QByteArray tail;
};

QByteArray indentedJson(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QJsonObject topLevel(const QJsonArray &layers)
{
    QJsonObject document;
    document.insert(QLatin1String("format"), QStringLiteral("dialwright.gauge"));
    document.insert(QLatin1String("version"), 2);
    document.insert(QLatin1String("layers"), layers);
    return document;
}

const DocumentLayout &documentLayout()
{
    static const DocumentLayout layout = [] {
        // A marker element shows where the layers go and how deep they sit.
        const QByteArray text = indentedJson(topLevel(QJsonArray{QStringLiteral("@layer@")}));
        const qsizetype marker = text.indexOf("\"@layer@\"");
        const qsizetype lineStart = text.lastIndexOf('\n', marker) + 1;
        DocumentLayout cut;
        cut.head = text.left(lineStart);
        cut.indent = text.mid(lineStart, marker - lineStart);
        cut.tail = text.mid(text.indexOf('\n', marker) + 1);
        return cut;
    }();
    return layout;
}

// One layer object as it stands in the whole document: each line of its own
// indented form moved in to the depth of the layers array. Strings in JSON
// never hold a line break, so every line break is one of the layout's.
QByteArray layerText(const namedLayer &layer, bool last)
{
    QJsonObject object = layerToJson(layer.data);
    object.insert(QLatin1String("name"), layer.name);
    QByteArray own = indentedJson(object);
    const QByteArray &indent = documentLayout().indent;
    QByteArray text;
    text.reserve(own.size() + own.count('\n') * indent.size() + 1);
    for (qsizetype at = 0; at < own.size();) {
        qsizetype end = own.indexOf('\n', at);
        end = end < 0 ? own.size() : end + 1;
        text += indent;
        text += QByteArrayView(own).sliced(at, end - at);
        at = end;
    }
    if (!last)
        text.insert(text.size() - 1, ',');
    return text;
}

} // namespace

bool writeGaugeDocument(const QList<namedLayer> &layers, QIODevice *device, QString *error,
                        const std::atomic_bool *cancel)
{
    if (layers.size() > gaugeLayerLimit) {
        if (error) {
            *error = QCoreApplication::translate(
                         "GaugeDocument",
                         "The gauge has more than %1 layers, more than a gauge file may hold.")
                         .arg(gaugeLayerLimit);
        }
        return false;
    }
    if (!checkFaceLimits(layerData(layers), error))
        return false;
    for (qsizetype i = 0; i < layers.size(); ++i) {
        if (!checkScaleLimits(layers.at(i).data.scale, i + 1, error))
            return false;
    }
    BoundedOutput output(device, gaugeDocumentByteLimit,
                         QCoreApplication::translate("GaugeDocument",
                                                     "The gauge file would be larger than %1 MB.")
                             .arg(megabytes(gaugeDocumentByteLimit)),
                         cancel);
    if (layers.isEmpty())
        return output.writeAll(indentedJson(topLevel(QJsonArray())), error);

    // A file that was read may hold more than its indented form can: long
    // lists of short entries grow by every line's indentation. Such a gauge
    // is written compactly, in about the room of the file it came from, so
    // that whatever could be read can be saved again.
    const DocumentLayout &layout = documentLayout();
    std::vector<QByteArray> texts;
    qint64 total = layout.head.size() + layout.tail.size();
    for (qsizetype i = 0; i < layers.size() && total <= gaugeDocumentByteLimit; ++i) {
        texts.push_back(layerText(layers.at(i), i == layers.size() - 1));
        total += texts.back().size();
    }
    if (total > gaugeDocumentByteLimit) {
        texts.clear();
        QJsonArray array;
        for (const namedLayer &layer : layers) {
            QJsonObject object = layerToJson(layer.data);
            object.insert(QLatin1String("name"), layer.name);
            array.append(object);
        }
        return output.writeAll(QJsonDocument(topLevel(array)).toJson(QJsonDocument::Compact),
                               error);
    }
    if (!output.writeAll(layout.head, error))
        return false;
    for (const QByteArray &text : texts) {
        if (!output.writeAll(text, error))
            return false;
    }
    return output.writeAll(layout.tail, error);
}

QByteArray writeGaugeDocument(const QList<namedLayer> &layers)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeGaugeDocument(layers, &buffer))
        return QByteArray();
    buffer.close();
    return bytes;
}

bool readGaugeDocument(const QByteArray &bytes, QList<namedLayer> &layers, QString *error)
{
    layers.clear();
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    // QByteArray::trimmed strips exactly space, \t, \n, \v, \f and \r; a
    // byte-order mark is not white space and sends the file to the legacy
    // reader.
    const QByteArray trimmed = bytes.trimmed();
    if (trimmed.isEmpty())
        return fail(QCoreApplication::translate("GaugeDocument", "The file is empty."));

    if (trimmed.startsWith('{')) {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(trimmed, &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            const qsizetype leading = bytes.indexOf(trimmed.front());
            return fail(syntaxError(parseError.errorString(), bytes,
                                    leading + parseError.offset));
        }

        const QJsonArray array = document.object().value(QLatin1String("layers")).toArray();
        if (array.isEmpty())
            return fail(
                QCoreApplication::translate("GaugeDocument", "The file contains no layers."));
        if (array.size() > gaugeLayerLimit)
            return fail(QCoreApplication::translate(
                            "GaugeDocument",
                            "The file has %1 layers; a gauge file may hold at most %2.")
                            .arg(array.size())
                            .arg(gaugeLayerLimit));

        // Every layer's texts and pictures are counted before any is read.
        qint64 pictureBytes = 0;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QJsonObject layerObject = array.at(i).toObject();
            if (!checkFaceLimits(layerObject, i + 1, &pictureBytes, error)
                || !checkNeedleLimits(layerObject, i + 1, &pictureBytes, error)
                || !checkScaleLimits(layerObject, i + 1, error))
                return false;
        }

        QList<namedLayer> read;
        for (const QJsonValue &element : array) {
            const QJsonObject object = element.toObject();
            namedLayer layer;
            layerFromJson(layer.data, object);
            layer.name = object.value(QLatin1String("name")).toString();
            read.append(layer);
        }
        layers = std::move(read);
        return true;
    }

    gaugeData layer;
    if (!readLegacyLayer(layer, QString::fromUtf8(trimmed)))
        return fail(QCoreApplication::translate(
            "GaugeDocument", "It is not valid JSON, and does not look like a gauge file from an "
                             "earlier version either."));
    layers.append(namedLayer{QString(), layer});
    return true;
}
