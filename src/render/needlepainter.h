#pragma once

#include "model/gaugedata.h"
#include "render/gaugepainter.h"

#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// The needles of a gauge: their shapes, whether they can be drawn, and
// drawing them. A needle is drawn pointing at 12 o'clock in the drawing
// space with its pivot at the dial's centre, then turned clockwise by the
// gauge angle of its value (NeedleDial). Each needle is drawn with its soft
// shadow under it and its hub cap over it; the needles of a gauge are drawn
// over everything else, in layer and list order.

// Most needles one paint call draws, whatever the layers hold.
constexpr qsizetype paintNeedleLimit = 500;

// Lengths and widths beyond these are not drawn: they could not be seen on
// the dial, and the engines' fixed-point arithmetic would overflow.
constexpr double needleReach = 100.0;
constexpr double needleWidthMax = 1000.0;

// Why the needle cannot be drawn, in one line; empty when it can.
QString needleProblem(const gaugeData &layer, const gaugeNeedle &needle);

// The gauge angle the needle shows its value at on its layer.
double needleAngle(const gaugeData &layer, const gaugeNeedle &needle);

// The needle's body pointing at 12 o'clock, in drawing units from its pivot
// (x to the right, y downwards, so the tip lies at y = -length x radius);
// empty for a picture needle.
QPainterPath needleBodyPath(const gaugeNeedle &needle);
// The hub cap's disc around the pivot, in drawing units; empty without one.
QPainterPath needleHubPath(const gaugeNeedle &needle);
// The rectangle a picture needle's picture covers pointing at 12 o'clock,
// in drawing units from the pivot; null when the picture cannot be drawn.
QRectF needlePictureRect(const gaugeNeedle &needle);

// What of a needle to draw: the parts are drawn, turned by `angle`, onto a
// painter set up for the drawing space (beginGaugePainting).
enum class needlePart { shadow, body, hub };
void paintNeedlePart(QPainter *painter, const gaugeNeedle &needle, double angle, needlePart part);

// Draws every needle of every layer that can be drawn, at its value; a
// picture needle is left out once its picture would take the pixels decoded
// past `picturePixels` (what the face's pictures left of the drawing's
// allowance). Returns false when `cancelled` answered true. The painter's
// state is kept.
bool paintGaugeNeedles(QPainter *painter, const QList<gaugeData> &layers,
                       const std::function<bool()> &cancelled = {},
                       qint64 picturePixels = GaugePaintLimits().picturePixels);
