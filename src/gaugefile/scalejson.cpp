#include "gaugefile/scalejson.h"

#include "gaugefile/jsonfields.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <limits>

QJsonObject scaleToJson(const valueScale &scale)
{
    if (!scale.fileObject.isEmpty())
        return scale.fileObject;
    if (scale.isEven() || scale.type == scaleType::unknown)
        return QJsonObject();

    QJsonObject object;
    object.insert(QLatin1String("type"), scaleTypeName(scale.type));
    object.insert(QLatin1String("from"), scale.from);
    object.insert(QLatin1String("to"), scale.to);
    if (scale.type == scaleType::power)
        object.insert(QLatin1String("exponent"), scale.exponent);
    if (scale.type == scaleType::table) {
        QJsonArray points;
        for (const QPointF &point : scale.points)
            points.append(QJsonArray{point.x(), point.y()});
        object.insert(QLatin1String("points"), points);
    }
    return object;
}

void scaleFromJson(valueScale &scale, const QJsonObject &layerObject)
{
    const QJsonValue value = layerObject.value(QLatin1String("scale"));
    if (!value.isObject())
        return;
    const QJsonObject object = value.toObject();

    valueScale read = scale;
    read.fileObject = QJsonObject();
    const QJsonValue type = object.value(QLatin1String("type"));
    if (type.isString())
        read.type = scaleTypeFromName(type.toString());
    read.from = jsonDouble(object, QStringLiteral("from"), read.from);
    read.to = jsonDouble(object, QStringLiteral("to"), read.to);
    read.exponent = jsonDouble(object, QStringLiteral("exponent"), read.exponent);

    const QJsonValue points = object.value(QLatin1String("points"));
    if (points.isArray()) {
        read.points.clear();
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        for (const QJsonValue &element : points.toArray()) {
            const QJsonArray pair = element.toArray();
            if (pair.size() == 2 && pair.at(0).isDouble() && pair.at(1).isDouble())
                read.points.append(QPointF(pair.at(0).toDouble(), pair.at(1).toDouble()));
            else
                read.points.append(QPointF(nan, nan));
        }
    }

    if (scaleToJson(read) != object)
        read.fileObject = object;
    scale = read;
}

namespace {

bool pointsFit(qsizetype points, qsizetype layerNumber, QString *error)
{
    if (points <= scalePointLimit)
        return true;
    if (error) {
        *error = QCoreApplication::translate(
                     "GaugeDocument", "Layer %1 has a table of %2 points; a table may hold at most %3.")
                     .arg(layerNumber)
                     .arg(points)
                     .arg(scalePointLimit);
    }
    return false;
}

} // namespace

bool checkScaleLimits(const QJsonObject &layerObject, qsizetype layerNumber, QString *error)
{
    const QJsonValue points =
        layerObject.value(QLatin1String("scale")).toObject().value(QLatin1String("points"));
    return pointsFit(points.toArray().size(), layerNumber, error);
}

bool checkScaleLimits(const valueScale &scale, qsizetype layerNumber, QString *error)
{
    return pointsFit(scale.points.size(), layerNumber, error);
}
