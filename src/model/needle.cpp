#include "model/needle.h"

#include <cmath>

namespace {

// NaN equals NaN here, so that a needle read from a damaged file equals
// itself.
bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

bool needleHub::operator==(const needleHub &o) const
{
    return shown == o.shown && same(radius, o.radius) && color == o.color;
}

bool needleShadow::operator==(const needleShadow &o) const
{
    return shown == o.shown && same(dx, o.dx) && same(dy, o.dy) && same(blur, o.blur)
        && color == o.color;
}

bool gaugeNeedle::operator==(const gaugeNeedle &o) const
{
    return name == o.name && same(value, o.value) && shape == o.shape && same(length, o.length)
        && same(tail, o.tail) && same(width, o.width) && same(tipWidth, o.tipWidth)
        && color == o.color && hub == o.hub && shadow == o.shadow && free == o.free
        && pictureData == o.pictureData && pictureType == o.pictureType
        && same(pivot.x(), o.pivot.x()) && same(pivot.y(), o.pivot.y())
        && movement.kind == o.movement.kind
        && (movement.kind != BallisticsKind::Damped
            || (same(movement.frequency, o.movement.frequency)
                && same(movement.damping, o.movement.damping)))
        && fileObject == o.fileObject;
}

QString needleShapeName(needleShape shape)
{
    switch (shape) {
    case needleShape::line:
        return QStringLiteral("line");
    case needleShape::tapered:
        return QStringLiteral("tapered");
    case needleShape::arrow:
        return QStringLiteral("arrow");
    case needleShape::picture:
        return QStringLiteral("picture");
    case needleShape::unknown:
        break;
    }
    return QString();
}

needleShape needleShapeFromName(const QString &name)
{
    for (needleShape shape :
         {needleShape::line, needleShape::tapered, needleShape::arrow, needleShape::picture})
        if (name == needleShapeName(shape))
            return shape;
    return needleShape::unknown;
}
