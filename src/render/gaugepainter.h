#pragma once

#include "model/gaugedata.h"

#include <QList>

class QPainter;

// Upper bounds on the work of one paint call. Every gauge the form can make
// (at most 100 divisions per level: 1,000,001 tick lines and 101 labels per
// layer) lies far inside them for a handful of layers; a file may carry any
// count, so without them a damaged file could keep the painter busy for hours.
// Ticks, labels and arcs are drawn in the usual order until their allowance
// is spent; whatever comes after that is left out.
struct GaugePaintLimits
{
    qint64 tickLines = 4'000'000;
    qint64 labels = 20'000;
    qint64 arcs = 20'000;
};

// Draws every layer onto the square (0, 0)-(size, size) of the painter's
// device: the centre dot, then per layer its arcs and, per primary tick, the
// tick, its label and the secondary and tertiary ticks that follow it. The
// painter must be active; its pen, brush, font, hints and transformation are
// changed and not restored.
void paintGaugeLayers(QPainter *painter, int size, const QList<gaugeData> &layers,
                      const GaugePaintLimits &limits = GaugePaintLimits());
