#pragma once

#include "model/gaugedata.h"

#include <QJsonObject>
#include <QString>

// The needles of a layer in a gauge document, written only when the layer
// has some, so that a layer without needles is written exactly as before
// they existed:
//   "needles": [{"name": "Speed", "value": 0, "shape": "tapered",
//                "length": 0.9, "tail": 0.15, "width": 6, "tipWidth": 1.5,
//                "color": "#ff3b30", "hub": {"radius": 0.06, "color": "#202020"},
//                "free": false}]
// "hub" is null for a needle without a hub cap; "shadow" ({"dx", "dy",
// "blur", "color" with its alpha}) is written for a needle that has one;
// "picture" ({"data": base64, "format", "pivotX", "pivotY"}) for a picture
// needle; "movement" ({"type": "vu"}, or {"type": "damped", "frequency": Hz,
// "damping": ratio}) for a needle that does not follow its data at once,
// so that a needle without one is written as before movements existed.
// Widths and the shadow's offset and blur are in drawing units,
// lengths and the hub's radius in gauge radii.

QJsonObject needleToJson(const gaugeNeedle &needle);
// Overlays the keys present in a needle object onto `needle`, leniently: a
// number that is not a number reads as NaN (the needle is then not drawn).
// A needle whose fields cannot say exactly what its object said keeps the
// object, so that it saves back unchanged.
void needleFromJson(gaugeNeedle &needle, const QJsonObject &object);

// Adds the layer's needles to its object; reads them back.
void needlesToJson(const gaugeData &layer, QJsonObject *layerObject);
void needlesFromJson(gaugeData &layer, const QJsonObject &layerObject);

// The needles a layer object holds and the bytes of their pictures, for the
// bounds a gauge file keeps to; false with a one-line reason naming the
// layer (counted from 1) when it holds more than layerNeedleLimit.
[[nodiscard]] bool checkNeedleLimits(const QJsonObject &layerObject, qsizetype layerNumber,
                                     qint64 *pictureBytes, QString *error);
