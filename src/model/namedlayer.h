#pragma once

#include "model/gaugedata.h"

#include <QString>

// A layer on its way to or from a file, the keyframe CSV or a merge: its name
// (may be empty) and its settings. A list of them, in layer order, is a gauge.
struct namedLayer
{
    QString name;
    gaugeData data;
};
