#pragma once

#include "model/gaugedata.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The face of a layer in a gauge document: the label texts inside "ticks",
//   "ticks": {..., "texts": ["E", "1/2", "F"]},
// and the layer's own "texts" and "pictures":
//   "texts": [{"text": "km/h", "x": 0, "y": 0.35, "font": {"family": "Sans
//              Serif", "size": 14, "bold": false, "italic": false},
//              "color": "#ffffff", "rotation": 0, "align": "center"}],
//   "pictures": [{"data": "<base64>", "format": "png", "x": 0, "y": -0.4,
//                 "width": 0.5, "rotation": 0, "opacity": 1}]
// Each key is written only when its list is not empty, so a layer without
// them is written exactly as before they existed.

// Adds the face's keys to a layer object and to its "ticks" object.
void faceToJson(const gaugeData &layer, QJsonObject *layerObject, QJsonObject *ticks);

// Overlays the face keys of a layer object onto `layer`, leniently: a list
// that is absent or not an array leaves the layer's list as it was; a label
// text given as a number reads as that number's text, any other non-text as
// an empty entry; an element number that is not a number reads as NaN (not
// drawn). An element whose fields cannot say exactly what its object said
// keeps the object, so that it saves back unchanged.
void faceFromJson(gaugeData &layer, const QJsonObject &layerObject);

QJsonObject faceTextToJson(const faceText &text);
QJsonObject facePictureToJson(const facePicture &picture);
void faceTextFromJson(faceText &text, const QJsonObject &object);
void facePictureFromJson(facePicture &picture, const QJsonObject &object);

// The bounds a gauge file keeps to (see model/faceelements.h), checked on the
// layer objects of a document before they are read, so that a hostile file
// is refused before it takes memory. `pictureBytes` adds up the pictures of
// the document's layers. Returns false with a one-line reason in `error`
// naming the layer (counted from 1).
[[nodiscard]] bool checkFaceLimits(const QJsonObject &layerObject, qsizetype layerNumber,
                                   qint64 *pictureBytes, QString *error);

// The same bounds on layers about to be written, so that every gauge file
// written reads back.
[[nodiscard]] bool checkFaceLimits(const QList<gaugeData> &layers, QString *error);
