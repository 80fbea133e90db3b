#pragma once

#include "model/namedlayer.h"

#include <QList>
#include <QString>
#include <QStringList>

// Names that loaded layers take when they join a gauge. A file's layers may
// be unnamed (files of earlier versions always are); `fallbackName` is the
// name the file stands for, its complete base name.

// The name the current layer takes when the first loaded layer overwrites
// it: that layer's own name, or the fallback name when it has none.
QString overwritingLayerName(const QString &name, const QString &fallbackName);

// The name a loaded layer takes when it is added as a new entry: its own
// name; when it has none, the fallback name if the file holds that one layer
// alone, else "Layer N" with N the number of entries the gauge holds before
// it is added, plus one.
QString addedLayerName(const QString &name, qsizetype loadedCount, qsizetype entriesBefore,
                       const QString &fallbackName);

// The name proposed for a layer added to a gauge whose layers are named
// `names`: "Layer N", N the number of layers it will be, or the next number
// that no layer is named after yet.
QString proposedLayerName(const QStringList &names);

// Gives every unnamed layer the name that loading the file into a freshly
// started window gives it: the first layer overwrites that window's untouched
// layer and the others are added after it, so an unnamed first layer takes
// the fallback name and an unnamed later one "Layer N", N its position
// counted from 1.
void nameLayersAsFreshGauge(QList<namedLayer> &layers, const QString &fallbackName);
