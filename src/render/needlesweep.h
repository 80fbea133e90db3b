#pragma once

#include "model/gaugedata.h"

#include <QList>

// A sweep of the needles, to see them move over the whole dial: every
// needle goes from its layer's start value to its end value and back, eased
// at both ends like a needle that has weight.

// How long a sweep there and back takes.
constexpr qint64 needleSweepMs = 2000;

// Where the needles stand `elapsedMs` into a sweep: 0 at the start value, 1
// at the end value; 0 again once the sweep is over (and before it began).
double needleSweepFraction(qint64 elapsedMs);

// The layers with every needle at `fraction` of the way from its layer's
// start value to its end value. A needle of a layer that lays no values
// along its span keeps its value.
QList<gaugeData> sweptLayers(QList<gaugeData> layers, double fraction);
