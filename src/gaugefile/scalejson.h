#pragma once

#include "model/valuescale.h"

#include <QJsonObject>

// The "scale" object of a layer in a gauge document:
//   {"type": "log", "from": 1, "to": 1000, "exponent": 2,
//    "points": [[value, fraction], ...]}
// with only the keys the type uses. An even scale has no object, so a layer
// without a scale is written exactly as before scales existed.

// The object for the scale; empty when the layer writes no "scale" key.
// A scale that still holds the object it was read from writes that object.
QJsonObject scaleToJson(const valueScale &scale);

// Overlays the "scale" key of a layer object onto `scale`, leniently: a
// missing or ill-typed key leaves its field as it was, and a point that is
// not two numbers is read as NaN (which is not drawn). When the fields cannot
// say exactly what the object said, the object is kept in the scale, so a
// damaged or newer scale saves back unchanged.
void scaleFromJson(valueScale &scale, const QJsonObject &layerObject);

// Whether the layer object's table, or the layers' tables, keep within
// scalePointLimit points; else false with the reason in `error`.
[[nodiscard]] bool checkScaleLimits(const QJsonObject &layerObject, qsizetype layerNumber,
                                    QString *error);
[[nodiscard]] bool checkScaleLimits(const valueScale &scale, qsizetype layerNumber,
                                    QString *error);
