#include "gaugefile/jsonfields.h"

#include <cmath>
#include <limits>

double jsonDouble(const QJsonObject &object, const QString &key, double fallback)
{
    return object.value(key).toDouble(fallback);
}

int jsonInt(const QJsonObject &object, const QString &key, int fallback)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return fallback;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number
        || number < double(std::numeric_limits<int>::min())
        || number > double(std::numeric_limits<int>::max()))
        return fallback;
    return static_cast<int>(number);
}

bool jsonBool(const QJsonObject &object, const QString &key, bool fallback)
{
    return object.value(key).toBool(fallback);
}

QColor jsonColor(const QJsonObject &object, const QColor &fallback)
{
    const QColor color = QColor::fromString(object.value(QLatin1String("color")).toString());
    return color.isValid() ? color : fallback;
}

double jsonElementNumber(const QJsonObject &object, const QString &key, double fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    return value.isDouble() ? value.toDouble() : std::numeric_limits<double>::quiet_NaN();
}

QString jsonColorText(const QColor &color, bool keepAlpha)
{
    return color.name(keepAlpha && color.alpha() != 255 ? QColor::HexArgb : QColor::HexRgb);
}

QByteArray jsonBase64Data(const QJsonValue &value)
{
    if (!value.isString())
        return QByteArray();
    // Base64 wrapped into lines by another tool still reads.
    QByteArray base64 = value.toString().toLatin1();
    base64.replace('\n', QByteArray()).replace('\r', QByteArray()).replace(' ', QByteArray());
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}
