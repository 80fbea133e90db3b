#include "gaugefile/layernames.h"

#include <QCoreApplication>

QString overwritingLayerName(const QString &name, const QString &fallbackName)
{
    return name.isEmpty() ? fallbackName : name;
}

QString addedLayerName(const QString &name, qsizetype loadedCount, qsizetype entriesBefore,
                       const QString &fallbackName)
{
    if (!name.isEmpty())
        return name;
    if (loadedCount == 1)
        return fallbackName;
    return QCoreApplication::translate("GaugeFile", "Layer %1").arg(entriesBefore + 1);
}

void nameLayersAsFreshGauge(QList<namedLayer> &layers, const QString &fallbackName)
{
    if (layers.isEmpty())
        return;
    layers[0].name = overwritingLayerName(layers.at(0).name, fallbackName);
    for (qsizetype i = 1; i < layers.size(); ++i)
        layers[i].name = addedLayerName(layers.at(i).name, layers.size(), i, fallbackName);
}
