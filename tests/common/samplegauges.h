#pragma once

// Gauges the benchmarks and the drawing tests share.

#include "model/gaugedata.h"

#include <QList>

// The densest layer the form can make: 100 x 100 x 100 divisions over 300
// degrees, 1,000,001 tick lines.
inline gaugeData densestFormLayer(double width, bool roundCaps = false)
{
    gaugeData g;
    g.startAngle = -150;
    g.angleLength = 300;
    g.divisionCount = {100, 100, 100};
    g.divisionWidth = {width, width, width};
    g.roundedTickCaps = roundCaps;
    return g;
}

// Three layers as a designer draws them: about 500 ticks, four arcs and 41
// labels, two rings of ticks and a small dial.
inline QList<gaugeData> typicalGauge()
{
    gaugeData a;
    a.startAngle = -135;
    a.angleLength = 270;
    a.divisionCount = {10, 10, 2};
    a.divisionWidth = {2, 1, 0};
    a.arcAngleLength = {270, 60, 0, 0};
    a.arcStartAngle = {-135, 75, 0, 0};
    a.arcWidth = {2, 6, 0, 0};
    a.tickCountStart = 0;
    a.tickCountIncrement = 20;
    gaugeData b = a;
    b.divisionCount = {20, 5, 2};
    b.divisionInnerRadius = {0.6, 0.65, 0.67};
    b.divisionOuterRadius = {0.7, 0.7, 0.7};
    b.arcAngleLength = {270, 0, 0, 0};
    b.arcRadius = {0.7, 1, 1, 1};
    b.tickCountRadius = 0.55;
    b.tickCountRotate = true;
    gaugeData c;
    c.divisionCount = {8, 4, 3};
    c.startAngle = 200;
    c.angleLength = 100;
    c.arcAngleLength = {100, 0, 0, 0};
    c.arcStartAngle = {200, 0, 0, 0};
    c.tickCountDecimalPlaces = 1;
    return {a, b, c};
}
