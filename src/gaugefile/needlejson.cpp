#include "gaugefile/needlejson.h"

#include "gaugefile/jsonfields.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

// The context of this file's texts in the translations.
struct NeedleFile
{
    Q_DECLARE_TR_FUNCTIONS(NeedleFile)
};

const QString needlesKey = QStringLiteral("needles");
const QString movementKey = QStringLiteral("movement");

// "damped" and "vu"; a needle that follows at once has no movement object.
QString movementName(BallisticsKind kind)
{
    switch (kind) {
    case BallisticsKind::Damped:
        return QStringLiteral("damped");
    case BallisticsKind::Vu:
        return QStringLiteral("vu");
    case BallisticsKind::None:
        break;
    }
    return QStringLiteral("none");
}

QJsonObject movementToJson(const Ballistics &movement)
{
    QJsonObject object;
    object.insert(QLatin1String("type"), movementName(movement.kind));
    if (movement.kind == BallisticsKind::Damped) {
        object.insert(QLatin1String("frequency"), movement.frequency);
        object.insert(QLatin1String("damping"), movement.damping);
    }
    return object;
}

// An unknown type reads as no movement; the needle then keeps its object.
Ballistics movementFromJson(const QJsonObject &object)
{
    const QString type = object.value(QLatin1String("type")).toString();
    if (type == movementName(BallisticsKind::Vu))
        return Ballistics::vu();
    if (type == movementName(BallisticsKind::Damped)) {
        const Ballistics fallback;
        return Ballistics::damped(
            jsonElementNumber(object, QStringLiteral("frequency"), fallback.frequency),
            jsonElementNumber(object, QStringLiteral("damping"), fallback.damping));
    }
    return Ballistics::none();
}

} // namespace

QJsonObject needleToJson(const gaugeNeedle &needle)
{
    if (!needle.fileObject.isEmpty())
        return needle.fileObject;
    QJsonObject object;
    object.insert(QLatin1String("name"), needle.name);
    object.insert(QLatin1String("value"), needle.value);
    object.insert(QLatin1String("shape"), needleShapeName(needle.shape));
    object.insert(QLatin1String("length"), needle.length);
    object.insert(QLatin1String("tail"), needle.tail);
    object.insert(QLatin1String("width"), needle.width);
    object.insert(QLatin1String("tipWidth"), needle.tipWidth);
    object.insert(QLatin1String("color"), jsonColorText(needle.color));
    if (needle.hub.shown) {
        QJsonObject hub;
        hub.insert(QLatin1String("radius"), needle.hub.radius);
        hub.insert(QLatin1String("color"), jsonColorText(needle.hub.color));
        object.insert(QLatin1String("hub"), hub);
    } else {
        object.insert(QLatin1String("hub"), QJsonValue::Null);
    }
    if (needle.shadow.shown) {
        QJsonObject shadow;
        shadow.insert(QLatin1String("dx"), needle.shadow.dx);
        shadow.insert(QLatin1String("dy"), needle.shadow.dy);
        shadow.insert(QLatin1String("blur"), needle.shadow.blur);
        shadow.insert(QLatin1String("color"), jsonColorText(needle.shadow.color, true));
        object.insert(QLatin1String("shadow"), shadow);
    }
    object.insert(QLatin1String("free"), needle.free);
    if (needle.shape == needleShape::picture) {
        QJsonObject picture;
        picture.insert(QLatin1String("data"), QString::fromLatin1(needle.pictureData.toBase64()));
        picture.insert(QLatin1String("format"), pictureFormatName(needle.pictureType));
        picture.insert(QLatin1String("pivotX"), needle.pivot.x());
        picture.insert(QLatin1String("pivotY"), needle.pivot.y());
        object.insert(QLatin1String("picture"), picture);
    }
    if (needle.movement.kind != BallisticsKind::None)
        object.insert(movementKey, movementToJson(needle.movement));
    return object;
}

void needleFromJson(gaugeNeedle &needle, const QJsonObject &object)
{
    gaugeNeedle read = needle;
    read.fileObject = QJsonObject();
    read.name = object.value(QLatin1String("name")).toString(read.name);
    read.value = jsonElementNumber(object, QStringLiteral("value"), read.value);
    const QJsonValue shape = object.value(QLatin1String("shape"));
    if (!shape.isUndefined())
        read.shape = needleShapeFromName(shape.toString());
    read.length = jsonElementNumber(object, QStringLiteral("length"), read.length);
    read.tail = jsonElementNumber(object, QStringLiteral("tail"), read.tail);
    read.width = jsonElementNumber(object, QStringLiteral("width"), read.width);
    read.tipWidth = jsonElementNumber(object, QStringLiteral("tipWidth"), read.tipWidth);
    read.color = jsonColor(object, read.color);
    const QJsonValue hub = object.value(QLatin1String("hub"));
    if (hub.isNull()) {
        read.hub.shown = false;
    } else if (hub.isObject()) {
        const QJsonObject h = hub.toObject();
        read.hub.shown = true;
        read.hub.radius = jsonElementNumber(h, QStringLiteral("radius"), read.hub.radius);
        read.hub.color = jsonColor(h, read.hub.color);
    }
    const QJsonValue shadow = object.value(QLatin1String("shadow"));
    if (shadow.isObject()) {
        const QJsonObject s = shadow.toObject();
        read.shadow.shown = true;
        read.shadow.dx = jsonElementNumber(s, QStringLiteral("dx"), read.shadow.dx);
        read.shadow.dy = jsonElementNumber(s, QStringLiteral("dy"), read.shadow.dy);
        read.shadow.blur = jsonElementNumber(s, QStringLiteral("blur"), read.shadow.blur);
        read.shadow.color = jsonColor(s, read.shadow.color);
    }
    read.free = jsonBool(object, QStringLiteral("free"), read.free);
    const QJsonObject picture = object.value(QLatin1String("picture")).toObject();
    if (!picture.isEmpty()) {
        read.pictureData = jsonBase64Data(picture.value(QLatin1String("data")));
        read.pictureType = pictureFormatFromName(picture.value(QLatin1String("format")).toString());
        read.pivot = QPointF(jsonElementNumber(picture, QStringLiteral("pivotX"), 0.0),
                             jsonElementNumber(picture, QStringLiteral("pivotY"), 0.0));
    }
    const QJsonValue movement = object.value(movementKey);
    if (movement.isObject())
        read.movement = movementFromJson(movement.toObject());
    else if (!movement.isUndefined())
        read.movement = Ballistics::none();
    if (needleToJson(read) != object)
        read.fileObject = object;
    needle = read;
}

void needlesToJson(const gaugeData &layer, QJsonObject *layerObject)
{
    if (layer.needles.isEmpty())
        return;
    QJsonArray needles;
    for (const gaugeNeedle &needle : layer.needles)
        needles.append(needleToJson(needle));
    layerObject->insert(needlesKey, needles);
}

void needlesFromJson(gaugeData &layer, const QJsonObject &layerObject)
{
    const QJsonValue needles = layerObject.value(needlesKey);
    if (!needles.isArray())
        return;
    layer.needles.clear();
    for (const QJsonValue &value : needles.toArray()) {
        gaugeNeedle needle;
        needleFromJson(needle, value.toObject());
        layer.needles.append(needle);
    }
}

bool checkNeedleLimits(const QJsonObject &layerObject, qsizetype layerNumber, qint64 *pictureBytes,
                       QString *error)
{
    const QJsonArray needles = layerObject.value(needlesKey).toArray();
    if (needles.size() > layerNeedleLimit) {
        if (error)
            *error = NeedleFile::tr("Layer %1 has %2 needles; a layer may hold at most %3.")
                         .arg(layerNumber)
                         .arg(needles.size())
                         .arg(layerNeedleLimit);
        return false;
    }
    for (const QJsonValue &needle : needles) {
        const qint64 bytes = needle.toObject()
                                 .value(QLatin1String("picture"))
                                 .toObject()
                                 .value(QLatin1String("data"))
                                 .toString()
                                 .size()
            / 4 * 3;
        if (bytes > pictureByteLimit) {
            if (error)
                *error = NeedleFile::tr("Layer %1 has a needle picture of %2 MB; a picture may be "
                                        "at most %3 MB.")
                             .arg(layerNumber)
                             .arg(QString::number(double(bytes) / 1e6, 'f', 1))
                             .arg(pictureByteLimit / 1'000'000);
            return false;
        }
        *pictureBytes += bytes;
    }
    return true;
}
