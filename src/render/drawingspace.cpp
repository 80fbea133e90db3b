#include "render/drawingspace.h"

#include <QtMath>

#include <cmath>

namespace DrawingSpace {

Direction direction(double screenAngle)
{
    const double radians = qDegreesToRadians(screenAngle);
    return {std::cos(radians), std::sin(radians)};
}

QPointF pointAt(const Direction &direction, double radiusFraction)
{
    return QPointF(centre + gaugeRadius * radiusFraction * direction.cos,
                   centre - gaugeRadius * radiusFraction * direction.sin);
}

QRectF circleBounds(double radiusFraction)
{
    const double r = gaugeRadius * radiusFraction;
    return QRectF(centre - r, centre - r, 2.0 * gaugeRadius * radiusFraction,
                  2.0 * gaugeRadius * radiusFraction);
}

} // namespace DrawingSpace
