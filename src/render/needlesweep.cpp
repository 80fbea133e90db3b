#include "render/needlesweep.h"

#include "render/needledial.h"

#include <cmath>

double needleSweepFraction(qint64 elapsedMs)
{
    if (elapsedMs <= 0 || elapsedMs >= needleSweepMs)
        return 0.0;
    // Half a cosine there and half back: at rest at both ends, fastest in
    // the middle.
    const double phase = double(elapsedMs) / double(needleSweepMs);
    return 0.5 - 0.5 * std::cos(2.0 * M_PI * phase);
}

QList<gaugeData> sweptLayers(QList<gaugeData> layers, double fraction)
{
    for (gaugeData &layer : layers) {
        if (layer.needles.isEmpty())
            continue;
        const NeedleDial dial(layer);
        if (!dial.isValid())
            continue;
        const double value = dial.startValue() + fraction * (dial.endValue() - dial.startValue());
        for (gaugeNeedle &needle : layer.needles)
            needle.value = value;
    }
    return layers;
}
