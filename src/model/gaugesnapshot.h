#pragma once

#include "model/namedlayer.h"

#include <QList>

// The whole gauge as the user sees it: every layer with its name, in layer
// order, and which of them is selected (-1 for none). A gauge is a few
// kilobytes, so the undo history keeps whole snapshots rather than
// differences.
struct GaugeSnapshot
{
    QList<namedLayer> layers;
    int currentRow = -1;

    bool operator==(const GaugeSnapshot &other) const;
    bool operator!=(const GaugeSnapshot &other) const { return !(*this == other); }
    // Equal layers and names; the selection may differ.
    bool sameLayers(const GaugeSnapshot &other) const;
};
