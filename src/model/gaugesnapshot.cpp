#include "model/gaugesnapshot.h"

bool GaugeSnapshot::sameLayers(const GaugeSnapshot &other) const
{
    return layers == other.layers;
}

bool GaugeSnapshot::operator==(const GaugeSnapshot &other) const
{
    return currentRow == other.currentRow && sameLayers(other);
}
