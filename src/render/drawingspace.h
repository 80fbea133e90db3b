#pragma once

#include <QPointF>
#include <QRectF>

// Every gauge is drawn in a fixed square of 512 x 512 units and scaled to the
// device once; pen widths are in these units. Angles here are screen angles
// in degrees: 0 at 3 o'clock, anticlockwise.
namespace DrawingSpace {

inline constexpr int size = 512;
inline constexpr double centre = 256.0;
// The radius that radius fraction 1.0 stands for: the dial's outer edge.
inline constexpr double gaugeRadius = 250.0;

// The cosine and sine of a screen angle, worked out once for the points of
// a tick that share it.
struct Direction
{
    double cos;
    double sin;
};
Direction direction(double screenAngle);

// The point at `radiusFraction` of the gauge radius from the centre, in
// `direction`.
QPointF pointAt(const Direction &direction, double radiusFraction);

// The square that holds the circle of `radiusFraction` about the centre.
QRectF circleBounds(double radiusFraction);

} // namespace DrawingSpace
