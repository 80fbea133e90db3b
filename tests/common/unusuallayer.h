#pragma once

#include "model/gaugedata.h"

// A layer unlike the default in every field, with values the form can show
// exactly and whole numbers where a file writes them without a fraction.
inline gaugeData unusualLayer()
{
    gaugeData g;
    g.startAngle = -135.25;
    g.angleLength = 270;
    g.bias = 0.35;
    g.midpointBias = true;
    g.roundedTickCaps = true;
    g.divisionCount = {9, 4, 2};
    g.divisionInnerRadius = {0.7, 0.825, 0.9};
    g.divisionOuterRadius = {0.95, 0.975, 0.99};
    g.divisionWidth = {3.5, 1.25, 0.5};
    g.divisionColor = {QColor(0x10, 0x20, 0x30), QColor(0x40, 0x50, 0x60), QColor(0x70, 0x80, 0x90)};
    g.roundedArcCaps = true;
    g.arcStartAngle = {-135, 10.5, 90, -45};
    g.arcAngleLength = {270.125, 30, -60, 15};
    g.arcRadius = {0.5, 0.6, 0.65, 0.7};
    g.arcWidth = {8, 6, 4, 2};
    g.arcColor = {QColor(0xaa, 0, 0), QColor(0, 0xaa, 0), QColor(0, 0, 0xaa), QColor(0xab, 0xcd, 0xef)};
    g.tickCountEnabled = false;
    g.tickCountStart = 1.125;
    g.tickCountIncrement = -0.375;
    g.tickCountDecimalPlaces = 3;
    g.tickCountRadius = 0.6;
    g.tickCountRotate = true;
    g.tickCountSkipFirst = true;
    g.tickCountFont = QFont(QStringLiteral("DejaVu Serif"), 14, QFont::Bold, true);
    g.tickCountColor = QColor(0xff, 0x88, 0x00);
    return g;
}
