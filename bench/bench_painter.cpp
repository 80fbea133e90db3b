// Prints how long the gauge painter takes for a few representative gauges at
// the preview's size and at the largest export size, next to the same picture
// drawn one pen and one drawLine per tick.
//
//   build/bench/bench_painter [--quick]

#include "../tests/common/referencepainter.h"
#include "../tests/common/samplegauges.h"
#include "render/gaugepainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using PaintFunction = std::function<void(QPainter *, int, const QList<gaugeData> &)>;

// Median time of repeated runs; big cases run fewer times to keep the whole
// benchmark within a couple of minutes.
double medianMs(const PaintFunction &paint, int size, const QList<gaugeData> &layers, int runs)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        image.fill(Qt::transparent);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        paint(&painter, size, layers);
        painter.end();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));

    const PaintFunction painter = [](QPainter *p, int size, const QList<gaugeData> &layers) {
        paintGaugeLayers(p, size, layers);
    };
    const PaintFunction perTick = [](QPainter *p, int size, const QList<gaugeData> &layers) {
        referencePaint(p, size, layers);
    };

    struct Case
    {
        const char *name;
        QList<gaugeData> layers;
        bool heavy;
    };
    const Case cases[] = {
        {"default gauge (5 lines, 5 labels, 1 arc)", {gaugeData()}, false},
        {"typical three layers (~500 lines, 4 arcs, 41 labels)", typicalGauge(), false},
        {"worst form layer, hairline (1,000,001 lines)", {densestFormLayer(0)}, true},
        {"worst form layer, width 3 flat (1,000,001 lines)", {densestFormLayer(3)}, true},
    };

    std::printf("%-56s %6s %14s %14s\n", "gauge", "size", "painter ms", "per-tick ms");
    for (const Case &c : cases) {
        for (int size : {512, 4096}) {
            const int runs = c.heavy ? (quick ? 1 : 3) : (quick ? 5 : 25);
            const double ours = medianMs(painter, size, c.layers, runs);
            const double reference = medianMs(perTick, size, c.layers, c.heavy ? 1 : runs);
            std::printf("%-56s %6d %14.2f %14.2f\n", c.name, size, ours, reference);
            std::fflush(stdout);
        }
    }
    return 0;
}
