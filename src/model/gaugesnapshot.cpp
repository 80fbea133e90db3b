#include "model/gaugesnapshot.h"

bool GaugeSnapshot::sameLayers(const GaugeSnapshot &other) const
{
    if (layers.size() != other.layers.size())
        return false;
    for (qsizetype i = 0; i < layers.size(); ++i) {
        if (layers.at(i).name != other.layers.at(i).name
            || layers.at(i).data != other.layers.at(i).data)
            return false;
    }
    return true;
}

bool GaugeSnapshot::operator==(const GaugeSnapshot &other) const
{
    return currentRow == other.currentRow && sameLayers(other);
}
