#include "gaugefile/facejson.h"

#include "gaugefile/jsonfields.h"
#include "model/faceelements.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <limits>

namespace {

// The context of this file's texts in the translations.
struct GaugeDocument
{
    Q_DECLARE_TR_FUNCTIONS(GaugeDocument)
};

QString megabytesOf(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

// Where one layer breaks a bound, in one line; empty when it keeps them.
QString limitProblem(qsizetype layerNumber, qsizetype elements, qsizetype labelTexts,
                     qint64 largestPicture)
{
    if (elements > layerElementLimit)
        return GaugeDocument::tr("Layer %1 has %2 texts and pictures; a layer may hold at most %3.")
            .arg(layerNumber)
            .arg(elements)
            .arg(layerElementLimit);
    if (labelTexts > labelTextLimit)
        return GaugeDocument::tr("Layer %1 has %2 label texts; a layer may hold at most %3.")
            .arg(layerNumber)
            .arg(labelTexts)
            .arg(labelTextLimit);
    if (largestPicture > pictureByteLimit)
        return GaugeDocument::tr("Layer %1 has a picture of %2 MB; a picture may be at most %3 MB.")
            .arg(layerNumber)
            .arg(megabytesOf(largestPicture))
            .arg(pictureByteLimit / 1'000'000);
    return QString();
}

QString totalProblem(qint64 pictureBytes)
{
    if (pictureBytes <= gaugePictureByteLimit)
        return QString();
    return GaugeDocument::tr(
               "The gauge holds %1 MB of pictures; a gauge file may hold at most %2 MB.")
        .arg(megabytesOf(pictureBytes))
        .arg(gaugePictureByteLimit / 1'000'000);
}

// The bytes a picture's base64 text decodes to: three for every four
// characters, less the padding; line breaks and blanks, which the reader
// skips, do not count.
qint64 base64Bytes(const QString &text)
{
    qint64 characters = 0;
    qint64 padding = 0;
    for (const QChar c : text) {
        if (c == u'=')
            ++padding;
        else if (!c.isSpace())
            ++characters;
    }
    return (characters + padding) / 4 * 3 - qMin<qint64>(padding, 2);
}

// The bytes a picture takes in a gauge file, counted the same way whether it
// is about to be written or has just been read.
qint64 pictureBytes(const facePicture &picture)
{
    if (picture.fileObject.isEmpty())
        return picture.data.size();
    return base64Bytes(picture.fileObject.value(QLatin1String("data")).toString());
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

QJsonObject faceTextToJson(const faceText &text)
{
    if (!text.fileObject.isEmpty())
        return text.fileObject;
    QJsonObject font;
    font.insert(QLatin1String("family"), text.family);
    font.insert(QLatin1String("size"), text.size);
    font.insert(QLatin1String("bold"), text.bold);
    font.insert(QLatin1String("italic"), text.italic);

    QJsonObject object;
    object.insert(QLatin1String("text"), text.text);
    object.insert(QLatin1String("x"), text.x);
    object.insert(QLatin1String("y"), text.y);
    object.insert(QLatin1String("font"), font);
    object.insert(QLatin1String("color"), text.color.name(QColor::HexRgb));
    object.insert(QLatin1String("rotation"), text.rotation);
    object.insert(QLatin1String("align"), textAlignName(text.align));
    return object;
}

QJsonObject facePictureToJson(const facePicture &picture)
{
    if (!picture.fileObject.isEmpty())
        return picture.fileObject;
    QJsonObject object;
    object.insert(QLatin1String("data"), QString::fromLatin1(picture.data.toBase64()));
    object.insert(QLatin1String("format"), pictureFormatName(picture.format));
    object.insert(QLatin1String("x"), picture.x);
    object.insert(QLatin1String("y"), picture.y);
    object.insert(QLatin1String("width"), picture.width);
    object.insert(QLatin1String("rotation"), picture.rotation);
    object.insert(QLatin1String("opacity"), picture.opacity);
    return object;
}

void faceTextFromJson(faceText &text, const QJsonObject &object)
{
    faceText read = text;
    read.fileObject = QJsonObject();
    read.text = object.value(QLatin1String("text")).toString(read.text);
    read.x = jsonElementNumber(object, QStringLiteral("x"), read.x);
    read.y = jsonElementNumber(object, QStringLiteral("y"), read.y);
    read.rotation = jsonElementNumber(object, QStringLiteral("rotation"), read.rotation);
    read.color = jsonColor(object, read.color);
    const QJsonValue align = object.value(QLatin1String("align"));
    if (align.isString())
        (void)textAlignFromName(align.toString(), &read.align);

    const QJsonObject font = object.value(QLatin1String("font")).toObject();
    read.family = font.value(QLatin1String("family")).toString(read.family);
    read.size = jsonElementNumber(font, QStringLiteral("size"), read.size);
    read.bold = jsonBool(font, QStringLiteral("bold"), read.bold);
    read.italic = jsonBool(font, QStringLiteral("italic"), read.italic);

    if (faceTextToJson(read) != object)
        read.fileObject = object;
    text = read;
}

void facePictureFromJson(facePicture &picture, const QJsonObject &object)
{
    facePicture read = picture;
    read.fileObject = QJsonObject();
    const QJsonValue data = object.value(QLatin1String("data"));
    if (!data.isUndefined())
        read.data = jsonBase64Data(data);
    const QJsonValue format = object.value(QLatin1String("format"));
    if (!format.isUndefined())
        read.format = pictureFormatFromName(format.toString());
    read.x = jsonElementNumber(object, QStringLiteral("x"), read.x);
    read.y = jsonElementNumber(object, QStringLiteral("y"), read.y);
    read.width = jsonElementNumber(object, QStringLiteral("width"), read.width);
    read.rotation = jsonElementNumber(object, QStringLiteral("rotation"), read.rotation);
    read.opacity = jsonElementNumber(object, QStringLiteral("opacity"), read.opacity);

    if (facePictureToJson(read) != object)
        read.fileObject = object;
    picture = read;
}

void faceToJson(const gaugeData &layer, QJsonObject *layerObject, QJsonObject *ticks)
{
    if (!layer.tickCountTexts.isEmpty())
        ticks->insert(QLatin1String("texts"), QJsonArray::fromStringList(layer.tickCountTexts));
    if (!layer.texts.isEmpty()) {
        QJsonArray texts;
        for (const faceText &text : layer.texts)
            texts.append(faceTextToJson(text));
        layerObject->insert(QLatin1String("texts"), texts);
    }
    if (!layer.pictures.isEmpty()) {
        QJsonArray pictures;
        for (const facePicture &picture : layer.pictures)
            pictures.append(facePictureToJson(picture));
        layerObject->insert(QLatin1String("pictures"), pictures);
    }
}

void faceFromJson(gaugeData &layer, const QJsonObject &layerObject)
{
    const QJsonValue labels =
        layerObject.value(QLatin1String("ticks")).toObject().value(QLatin1String("texts"));
    if (labels.isArray()) {
        layer.tickCountTexts.clear();
        for (const QJsonValue &entry : labels.toArray()) {
            if (entry.isString())
                layer.tickCountTexts.append(entry.toString());
            else if (entry.isDouble())
                layer.tickCountTexts.append(QString::number(entry.toDouble(), 'g', 17));
            else
                layer.tickCountTexts.append(QString());
        }
    }

    const QJsonValue texts = layerObject.value(QLatin1String("texts"));
    if (texts.isArray()) {
        layer.texts.clear();
        for (const QJsonValue &element : texts.toArray()) {
            faceText text;
            faceTextFromJson(text, element.toObject());
            layer.texts.append(text);
        }
    }
    const QJsonValue pictures = layerObject.value(QLatin1String("pictures"));
    if (pictures.isArray()) {
        layer.pictures.clear();
        for (const QJsonValue &element : pictures.toArray()) {
            facePicture picture;
            facePictureFromJson(picture, element.toObject());
            layer.pictures.append(picture);
        }
    }
}

bool checkFaceLimits(const QJsonObject &layerObject, qsizetype layerNumber, qint64 *pictureBytes,
                     QString *error)
{
    const QJsonArray pictures = layerObject.value(QLatin1String("pictures")).toArray();
    qint64 largest = 0;
    for (const QJsonValue &picture : pictures) {
        const qint64 bytes =
            base64Bytes(picture.toObject().value(QLatin1String("data")).toString());
        largest = qMax(largest, bytes);
        *pictureBytes += bytes;
    }
    const qsizetype elements =
        layerObject.value(QLatin1String("texts")).toArray().size() + pictures.size();
    const qsizetype labelTexts = layerObject.value(QLatin1String("ticks"))
                                     .toObject()
                                     .value(QLatin1String("texts"))
                                     .toArray()
                                     .size();
    QString problem = limitProblem(layerNumber, elements, labelTexts, largest);
    if (problem.isEmpty())
        problem = totalProblem(*pictureBytes);
    return problem.isEmpty() || fail(error, problem);
}

bool checkFaceLimits(const QList<gaugeData> &layers, QString *error)
{
    qint64 total = 0;
    for (qsizetype i = 0; i < layers.size(); ++i) {
        const gaugeData &layer = layers.at(i);
        qint64 largest = 0;
        for (const facePicture &picture : layer.pictures) {
            const qint64 bytes = pictureBytes(picture);
            largest = qMax(largest, bytes);
            total += bytes;
        }
        const QString problem = limitProblem(i + 1, layer.texts.size() + layer.pictures.size(),
                                             layer.tickCountTexts.size(), largest);
        if (!problem.isEmpty())
            return fail(error, problem);
    }
    const QString problem = totalProblem(total);
    return problem.isEmpty() || fail(error, problem);
}
