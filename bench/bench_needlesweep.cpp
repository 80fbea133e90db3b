// Figures, not a test: how long a frame of the needles' sweep takes in the
// preview's renderer, against a drawing of the whole gauge, for the presets
// with needles. A frame should take well under the sweep's 16 ms.

#include "gaugefile/gaugefilereader.h"
#include "render/needlesweep.h"
#include "render/previewrenderer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Milliseconds from the request to the finished picture.
double timeRequest(PreviewRenderer &renderer, const QList<gaugeData> &layers)
{
    QEventLoop loop;
    const auto connection =
        QObject::connect(&renderer, &PreviewRenderer::pictureReady, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    renderer.request(layers, PreviewRenderer::Target());
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    registerGaugeDataMetaType();
    std::printf("%-12s %10s %12s %10s %12s\n", "preset", "whole ms", "frame ms", "max ms",
                "layers drawn");
    for (const char *name : {"Speedometer", "Tachometer", "VU", "Compass", "Max Hold"}) {
        QList<namedLayer> file;
        const QString path = QStringLiteral(DIALWRIGHT_PRESETS_DIR "/%1.gauge").arg(name);
        if (readGaugeFile(path, file) != gaugeFileStatus::Loaded)
            continue;
        QList<gaugeData> layers;
        for (const namedLayer &layer : file)
            layers << layer.data;
        PreviewRenderer renderer;
        const double whole = timeRequest(renderer, layers);
        constexpr int frames = 120;
        double total = 0.0, longest = 0.0;
        int drawn = 0;
        for (int i = 1; i <= frames; ++i) {
            const qint64 at = needleSweepMs * i / (frames + 1);
            const double ms = timeRequest(renderer, sweptLayers(layers, needleSweepFraction(at)));
            total += ms;
            longest = qMax(longest, ms);
            drawn += renderer.pictureWork().layersDrawn;
        }
        std::printf("%-12s %10.2f %12.2f %10.2f %12d\n", name, whole, total / frames, longest,
                    drawn);
    }
    return 0;
}
