// Prints how long a 4096-pixel PNG of a layer of a million tick lines takes
// through the window's Save PNG and through dialwright-render. Not a test:
// figures only.

#include "app/window.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "renderprocess.h"

#include "export/imageexport.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "render/gui/renderarea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString gauge = QStringLiteral(DIALWRIGHT_TEST_DATA "/million.gauge");
    constexpr int size = 4096;
    constexpr int rounds = 3;
    QTemporaryDir dir;

    QList<namedLayer> layers;
    if (readGaugeFile(gauge, layers) != gaugeFileStatus::Loaded)
        return 1;
    const gaugeData &g = layers.at(0).data;
    std::printf("layer: %d x %d x %d divisions, %d x %d PNG, %d rounds, median\n",
                g.divisionCount[0], g.divisionCount[1], g.divisionCount[2], size, size, rounds);

    QList<qint64> core;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        QByteArray png;
        if (!gaugePng({g}, size, &png))
            std::printf("gaugePng failed\n");
        core.append(timer.elapsed());
    }
    std::printf("core gaugePng in process:        %6lld ms\n", median(core));

    Window window;
    window.loadGaugeFile(gauge);
    Form(window).pngSizeSpinBox->setValue(size);
    QList<qint64> gui;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        const QString path = dir.filePath(QStringLiteral("gui%1.png").arg(i));
        ModalAnswers answers({[&](QWidget *dialog) {
            // From the accepted dialog to the written file.
            timer.start();
            chooseFile(path)(dialog);
        }});
        window.savePNG();
        gui.append(timer.elapsed());
    }
    std::printf("window Save PNG (after dialog):  %6lld ms\n", median(gui));

    QList<qint64> tool;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const ToolRun run =
            runRender({QStringLiteral("--size"), QString::number(size), QStringLiteral("--png"),
                       dir.filePath(QStringLiteral("tool%1.png").arg(i)), gauge});
        tool.append(timer.elapsed());
        if (run.exitCode != 0)
            return 1;
    }
    std::printf("dialwright-render, whole process: %6lld ms\n", median(tool));
    return 0;
}
