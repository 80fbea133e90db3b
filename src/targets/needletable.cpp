#include "targets/needletable.h"

#include "render/needledial.h"
#include "render/scalemap.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The values the mapping bends at or must hit exactly, in the span.
std::vector<double> seedValues(const gaugeData &layer, const NeedleDial &dial)
{
    const double low = std::min(dial.startValue(), dial.endValue());
    const double high = std::max(dial.startValue(), dial.endValue());
    std::vector<double> values{low, high, low + (high - low) / 2.0};
    const qint64 n = layer.divisionCount[0];
    const ScaleMap scale(layer.scale);
    // The primary divisions are bounded by the layer's own limits, so this
    // loop is bounded too; the cap keeps a damaged layer from going on.
    for (qint64 j = 1; j < n && qsizetype(values.size()) < needleTableRowMax; ++j) {
        values.push_back(scale.isScaled()
                             ? scale.primaryValue(j, n)
                             : layer.tickCountStart + double(j) * layer.tickCountIncrement);
    }
    if (layer.scale.type == scaleType::table) {
        for (const QPointF &point : layer.scale.points)
            values.push_back(point.x());
    }
    std::vector<double> kept;
    for (double v : values) {
        if (std::isfinite(v) && v >= low && v <= high)
            kept.push_back(v);
    }
    std::sort(kept.begin(), kept.end());
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    return kept;
}

} // namespace

bool needleAngleTable(const gaugeData &layer, QList<NeedleAngle> *rows, QString *error,
                      double tolerance)
{
    const auto failWith = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const NeedleDial dial(layer);
    if (!dial.isValid())
        return failWith(EmbeddedTargets::tr("The layer lays no values along its span."));
    if (!(tolerance > 0.0) || !std::isfinite(tolerance))
        return failWith(EmbeddedTargets::tr("The tolerance of the angle table must be above 0."));
    const std::vector<double> seeds = seedValues(layer, dial);
    if (qsizetype(seeds.size()) > needleTableRowMax)
        return failWith(EmbeddedTargets::tr("The angle table would need more than %1 rows.")
                            .arg(needleTableRowMax));
    const auto angleAt = [&dial](double v) { return dial.angle(v, false); };
    const double allowed = tolerance / 2.0;

    QList<NeedleAngle> result;
    result.append({seeds.front(), angleAt(seeds.front())});
    // Each gap between seeds is split depth first, so the rows come out in
    // order: the stack holds the right ends still to reach.
    std::vector<NeedleAngle> pending;
    for (size_t i = 1; i < seeds.size(); ++i) {
        pending.push_back({seeds[i], angleAt(seeds[i])});
        while (!pending.empty()) {
            const NeedleAngle a = result.constLast();
            const NeedleAngle b = pending.back();
            bool close = true;
            for (double q : {0.25, 0.5, 0.75}) {
                const double v = a.value + q * (b.value - a.value);
                const double chord = a.angle + q * (b.angle - a.angle);
                if (!(std::fabs(chord - angleAt(v)) < allowed)) {
                    close = false;
                    break;
                }
            }
            if (close) {
                if (result.size() >= needleTableRowMax)
                    return failWith(
                        EmbeddedTargets::tr("The angle table would need more than %1 rows.")
                            .arg(needleTableRowMax));
                result.append(b);
                pending.pop_back();
                continue;
            }
            const double middle = a.value + (b.value - a.value) / 2.0;
            if (!(middle > a.value && middle < b.value)) {
                // Neighbouring numbers: no value lies between them, so the
                // rows follow even a jump exactly. The dial makes one where
                // it puts a value within a billionth of a tick on the tick,
                // which a steep bias curve shows.
                if (result.size() >= needleTableRowMax)
                    return failWith(
                        EmbeddedTargets::tr("The angle table would need more than %1 rows.")
                            .arg(needleTableRowMax));
                result.append(b);
                pending.pop_back();
                continue;
            }
            if (result.size() + qsizetype(pending.size()) >= needleTableRowMax)
                return failWith(EmbeddedTargets::tr("The angle table would need more than %1 rows.")
                                    .arg(needleTableRowMax));
            pending.push_back({middle, angleAt(middle)});
        }
    }
    *rows = result;
    return true;
}

double interpolatedAngle(const QList<NeedleAngle> &rows, double value, bool free)
{
    if (rows.isEmpty())
        return 0.0;
    const NeedleAngle &first = rows.constFirst();
    const NeedleAngle &last = rows.constLast();
    const double period = last.value - first.value;
    double turns = 0.0;
    if (free && period > 0.0 && std::isfinite(value)) {
        turns = std::floor((value - first.value) / period);
        value -= turns * period;
    }
    const double turned = turns * (last.angle - first.angle);
    if (!(value > first.value))
        return first.angle + turned;
    if (!(value < last.value))
        return last.angle + turned;
    const auto after = std::upper_bound(rows.begin(), rows.end(), value,
                                        [](double v, const NeedleAngle &row) { return v < row.value; });
    const NeedleAngle &b = *after;
    const NeedleAngle &a = *(after - 1);
    const double q = (value - a.value) / (b.value - a.value);
    return a.angle + q * (b.angle - a.angle) + turned;
}
