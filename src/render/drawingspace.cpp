#include "render/drawingspace.h"

#include <QtMath>

#include <cmath>

namespace DrawingSpace {

QPointF pointAt(double screenAngle, double radiusFraction)
{
    const double radians = qDegreesToRadians(screenAngle);
    return QPointF(centre + gaugeRadius * radiusFraction * std::cos(radians),
                   centre - gaugeRadius * radiusFraction * std::sin(radians));
}

QRectF circleBounds(double radiusFraction)
{
    const double r = gaugeRadius * radiusFraction;
    return QRectF(centre - r, centre - r, 2.0 * gaugeRadius * radiusFraction,
                  2.0 * gaugeRadius * radiusFraction);
}

} // namespace DrawingSpace
