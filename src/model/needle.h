#pragma once

#include "animation/ballistics.h"
#include "model/faceelements.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QPointF>
#include <QString>

// Most needles one layer may hold, in a file or in the painter's work:
// far more than a dial has, few enough to draw in a moment.
constexpr qsizetype layerNeedleLimit = 50;

enum class needleShape {
    line,    // a bar of the hub width from the tail to the tip
    tapered, // as wide as the hub width from the tail to the hub, narrowing to the tip width
    arrow,   // a bar of the hub width ending in a head as wide as the tip width
    picture, // a picture, turned about a pivot given in it
    unknown, // a shape named in a file that this version does not know
};

// The cap over the needle's hub: a disc of `radius` gauge radii.
struct needleHub
{
    bool shown = true;
    double radius = 0.06;
    QColor color = QColor(0x20, 0x20, 0x20);

    bool operator==(const needleHub &other) const;
    bool operator!=(const needleHub &other) const { return !(*this == other); }
};

// A soft shadow under the needle and its hub: offset in drawing units (the
// dial is 500 across), blurred by a Gaussian of `blur` drawing units, as if
// the light came from one side whatever the needle's angle.
struct needleShadow
{
    bool shown = false;
    double dx = 3.0;
    double dy = 4.0;
    double blur = 4.0;
    QColor color = QColor(0, 0, 0, 110);

    bool operator==(const needleShadow &other) const;
    bool operator!=(const needleShadow &other) const { return !(*this == other); }
};

// A needle of a layer: it shows `value` on the layer's scale, pointing where
// the layer draws a tick of that value. Lengths are fractions of the gauge
// radius, widths are in drawing units like pen widths. Drawn over the whole
// gauge, in layer and list order. Nothing is range-checked here:
// render/needlepainter.h decides whether a needle can be drawn.
struct gaugeNeedle
{
    QString name = QStringLiteral("Needle");
    double value = 0.0;
    needleShape shape = needleShape::tapered;
    double length = 0.9;
    double tail = 0.15;
    double width = 6.0;
    double tipWidth = 1.5;
    QColor color = QColor(0xff, 0x3b, 0x30);
    needleHub hub;
    needleShadow shadow;
    // A full-circle gauge such as a compass: the needle turns freely
    // instead of stopping at the ends of the span.
    bool free = false;
    // The picture of a needle of shape picture, drawn upright as it points
    // at 12 o'clock, turned about `pivot` (in the picture's own pixels or
    // view box units, from its top-left corner); the picture is scaled so
    // that its top edge lies `length` gauge radii from the pivot.
    QByteArray pictureData;
    pictureFormat pictureType = pictureFormat::png;
    QPointF pivot;
    // How the needle follows the data of an animation: at once, or with
    // the inertia of a damped or a VU movement. Drawings of a single value
    // do not use it.
    Ballistics movement;
    // The object a file held, kept when the fields cannot say exactly what
    // it said, so that the needle saves back as it was loaded. Any edit
    // drops it.
    QJsonObject fileObject;

    bool operator==(const gaugeNeedle &other) const;
    bool operator!=(const gaugeNeedle &other) const { return !(*this == other); }
};

// "line", "tapered", "arrow", "picture"; empty for an unknown shape.
QString needleShapeName(needleShape shape);
// The shape a file names, or needleShape::unknown.
needleShape needleShapeFromName(const QString &name);

// A value given to needles for one drawing: to the needles named `name`,
// or to every needle when the name is empty.
struct NeedleValue
{
    QString name;
    double value = 0.0;
};
