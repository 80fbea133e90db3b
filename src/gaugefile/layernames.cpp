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

QString proposedLayerName(const QStringList &names)
{
    // The names are at most as many as the layers, so this ends within
    // names.size() + 1 tries.
    for (qsizetype number = names.size() + 1;; ++number) {
        const QString name = QCoreApplication::translate("GaugeFile", "Layer %1").arg(number);
        if (!names.contains(name))
            return name;
    }
}

void nameLayersAsFreshGauge(QList<namedLayer> &layers, const QString &fallbackName)
{
    if (layers.isEmpty())
        return;
    layers[0].name = overwritingLayerName(layers.at(0).name, fallbackName);
    for (qsizetype i = 1; i < layers.size(); ++i)
        layers[i].name = addedLayerName(layers.at(i).name, layers.size(), i, fallbackName);
}
