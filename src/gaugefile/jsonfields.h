#pragma once

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The fields of a gauge document's objects, read leniently: each reader
// returns `fallback` when the key is absent or its value is not of the
// expected JSON type, and clamps nothing.

double jsonDouble(const QJsonObject &object, const QString &key, double fallback);
// Only a number with an integral value that fits a signed 32-bit integer.
int jsonInt(const QJsonObject &object, const QString &key, int fallback);
// Only JSON true and false; numbers and strings are not booleans.
bool jsonBool(const QJsonObject &object, const QString &key, bool fallback);
// Always reads the key "color": any text QColor::fromString accepts.
QColor jsonColor(const QJsonObject &object, const QColor &fallback);

// A number key of a face element or a needle: absent keeps `fallback`, a
// value that is not a number reads as NaN, so that the element is not drawn
// rather than drawn somewhere the file did not say.
double jsonElementNumber(const QJsonObject &object, const QString &key, double fallback);

// A colour as a gauge document writes it: "#rrggbb", or "#aarrggbb" for a
// colour that is not opaque where the field keeps its alpha.
QString jsonColorText(const QColor &color, bool keepAlpha = false);

// The bytes of a picture's base64 text, wrapped into lines or not; empty
// when the text is not base64 or not a string.
QByteArray jsonBase64Data(const QJsonValue &value);
