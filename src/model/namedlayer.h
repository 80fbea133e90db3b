#pragma once

#include "model/gaugedata.h"

#include <QList>
#include <QString>

// A layer on its way to or from a file, the keyframe CSV or a merge: its name
// (may be empty) and its settings. A list of them, in layer order, is a gauge.
struct namedLayer
{
    QString name;
    gaugeData data;

    bool operator==(const namedLayer &other) const
    {
        return name == other.name && data == other.data;
    }
    bool operator!=(const namedLayer &other) const { return !(*this == other); }
};

// The settings of each layer, in layer order: what a drawing of the gauge
// needs.
inline QList<gaugeData> layerData(const QList<namedLayer> &layers)
{
    QList<gaugeData> data;
    data.reserve(layers.size());
    for (const namedLayer &layer : layers)
        data.append(layer.data);
    return data;
}
