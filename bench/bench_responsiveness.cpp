// Prints how the window copes with gauges from light to the densest the form
// allows: the longest stall of the GUI thread during a burst of edits at the
// keyboard's auto-repeat rate, the time from the last edit to the finished
// preview, and per export format the time and peak memory. Every figure
// stands beside that of the one-thread, one-pass path measured in the same
// run: drawing on the GUI thread (what the preview did before it had a
// worker) and a PNG drawn by one thread and encoded by the toolkit's writer.
//
//   build/bench/bench_responsiveness [--quick]
//
// Not a test: figures only, which depend on the machine and its load (the
// load average is printed with them). Times are wall clock unless marked
// CPU.

#include "../tests/common/formaccess.h"
#include "../tests/common/samplegauges.h"
#include "app/window.h"
#include "model/gaugedocument.h"

#include "export/imageexport.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "render/gaugepainter.h"
#include "render/gui/renderarea.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

// The keyboard's auto-repeat rate on common desktops: about 30 a second.
constexpr int kRepeatMs = 33;

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

// Peak resident memory since the last reset, in MB, and the reset (Linux:
// writing 5 to clear_refs restarts the peak at the current size).
qint64 statusKb(const char *key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

void resetPeakMemory()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

// Memory taken by `work` at its peak, above what the process held before.
struct Measured
{
    double ms = 0;
    double cpuMs = 0;
    double peakMb = 0;
};

Measured measure(const std::function<void()> &work)
{
    resetPeakMemory();
    const qint64 before = statusKb("VmRSS:");
    const double cpu = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    work();
    Measured m;
    m.ms = timer.nsecsElapsed() / 1e6;
    m.cpuMs = processCpuMs() - cpu;
    m.peakMb = std::max<qint64>(0, statusKb("VmHWM:") - before) / 1024.0;
    return m;
}

// Times every event the GUI thread handles at the top level: the longest
// one is the longest time the window could not react.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        QElapsedTimer timer;
        timer.start();
        const double cpu = threadCpuMs();
        const int type = event->type();
        const bool handled = QApplication::notify(receiver, event);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (ms > longest) {
            longest = ms;
            longestCpu = threadCpuMs() - cpu;
            longestEvent = type;
        }
        --m_depth;
        return handled;
    }

    double longest = 0;
    // The GUI thread's CPU time in the longest event: far less than its wall
    // time means the thread was waiting for a core, not working.
    double longestCpu = 0;
    int longestEvent = 0;

private:
    int m_depth = 0;
};

struct Case
{
    QString name;
    QList<namedLayer> layers;
    bool heavy = false;
};

QList<namedLayer> named(const QList<gaugeData> &layers)
{
    QList<namedLayer> out;
    for (const gaugeData &layer : layers)
        out.append(namedLayer{QStringLiteral("Layer %1").arg(out.size() + 1), layer});
    return out;
}

QList<Case> cases(bool quick)
{
    QList<Case> all;
    const QDir presets(QStringLiteral(DIALWRIGHT_PRESETS_DIR));
    for (const QString &file : presets.entryList({QStringLiteral("*.gauge")}, QDir::Files)) {
        QList<namedLayer> layers;
        if (readGaugeFile(presets.filePath(file), layers) == gaugeFileStatus::Loaded)
            all.append({QStringLiteral("preset ") + QFileInfo(file).completeBaseName(), layers});
        if (quick)
            break;
    }
    all.append({QStringLiteral("typical three layers"), named(typicalGauge())});
    all.append(
        {QStringLiteral("worst layer, hairline"), named({densestFormLayer(0, false)}), true});
    if (!quick) {
        all.append({QStringLiteral("worst layer, width 3 flat"),
                    named({densestFormLayer(3, false)}), true});
        all.append({QStringLiteral("worst layer, width 3 round"),
                    named({densestFormLayer(3, true)}), true});
        all.append({QStringLiteral("three worst layers stacked"),
                    named({densestFormLayer(0, false), densestFormLayer(0, false),
                           densestFormLayer(0, false)}),
                    true});
    }
    return all;
}

// Runs the event loop until `done` holds or `timeoutMs` pass, looking every
// millisecond.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || timer.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

struct EditFigures
{
    double stallMs = 0;      // longest event on the GUI thread
    double stallCpuMs = 0;   // the GUI thread's CPU time in it
    int stallEvent = 0;      // and its type
    QList<gaugeData> layers; // as the edits left them
    double readyMs = 0;      // last edit to the finished picture
    double guiCpuMs = 0;     // GUI thread CPU for the whole burst
};

// Holds a spin-box arrow of the densest layer's start angle in a real
// window: `edits` steps at the auto-repeat rate, each going through the
// form's slot, the editing copy and the layer list as a user's would. Every
// step turns the layer to where it has not been, and costs as much to draw
// as the first picture.
EditFigures editInWindow(TimedApplication &app, const Case &c, const QString &file, int edits)
{
    EditFigures f;
    Window window;
    window.show();
    window.loadGaugeFile(file);
    qsizetype densest = 0;
    for (qsizetype i = 1; i < c.layers.size(); ++i)
        if (gaugeLayerTickLines(c.layers[i].data) > gaugeLayerTickLines(c.layers[densest].data))
            densest = i;
    Form(window).layerList->setCurrentRow(int(densest));
    if (!waitFor([&] { return window.renderArea->isPreviewCurrent(); }, 120000))
        return f;

    QDoubleSpinBox *spin = Form(window).gaugeStartAngleSpinBox;
    int done = 0;
    QElapsedTimer sinceLast;
    QTimer repeat;
    repeat.setInterval(kRepeatMs);
    QObject::connect(&repeat, &QTimer::timeout, [&] {
        // Always down: every step is a picture not drawn before.
        spin->stepBy(-1);
        sinceLast.start();
        if (++done == edits)
            repeat.stop();
    });
    app.longest = 0;
    const double cpu = threadCpuMs();
    repeat.start();
    waitFor([&] { return done == edits && window.renderArea->isPreviewCurrent(); }, 120000);
    f.readyMs = sinceLast.nsecsElapsed() / 1e6;
    f.stallMs = app.longest;
    f.stallCpuMs = app.longestCpu;
    f.stallEvent = app.longestEvent;
    f.layers = window.renderArea->layers;
    f.guiCpuMs = threadCpuMs() - cpu;
    return f;
}

// The one-thread, one-pass preview: the whole gauge drawn on the GUI thread
// at every repaint, as the preview did before. Each edit stalls the window
// for one drawing, and the picture is ready when it ends.
double onePassPreviewMs(const QList<gaugeData> &layers, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QImage image(512, 512, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        paintGaugeLayers(&painter, 512, layers);
        painter.end();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The SVG export, written to `path`. The one place that names the SVG
// function, so that the benchmark follows it when it changes.
void exportSvg(const QList<gaugeData> &layers, int size, const QString &path)
{
    QString error;
    if (!writeGaugeSvg(layers, size, path, &error))
        std::printf("SVG export failed: %s\n", qPrintable(error));
}

// The PNG as it was made before: one thread draws, the toolkit encodes.
QByteArray onePassPng(const QList<gaugeData> &layers, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    const QList<gaugeData> unhinted = withUnhintedLabels(layers);
    QPainter painter(&image);
    paintGaugeLayers(&painter, size, unhinted);
    painter.end();
    image.convertTo(QImage::Format_ARGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int edits = quick ? 10 : 20;
    QTemporaryDir dir;
    QElapsedTimer whole;
    whole.start();

    std::printf("load average at start: %s; %d cores\n", qPrintable(loadAverage()),
                QThread::idealThreadCount());
    std::printf("preview: %d edits %d ms apart; async = worker + kept layers, one-pass = "
                "drawing on the GUI thread\n",
                edits, kRepeatMs);
    std::printf("%-28s %21s %21s %12s\n", "gauge", "longest stall ms", "edit to picture ms",
                "GUI CPU ms");
    std::printf("%-28s %10s %10s %10s %10s %12s\n", "", "async", "one-pass", "async", "one-pass",
                "async");
    const QList<Case> all = cases(quick);
    for (const Case &c : all) {
        const QString file = dir.filePath(QStringLiteral("case.gauge"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(writeGaugeDocument(c.layers)) < 0)
            return 1;
        out.close();
        const EditFigures f = editInWindow(app, c, file, edits);
        // The last picture drawn on the GUI thread: the stall of each edit
        // and the wait for the picture in one.
        const double onePass = onePassPreviewMs(f.layers, c.heavy ? 1 : 5);
        std::printf("%-28s %10.1f %10.1f %10.1f %10.1f %12.1f  (longest: event %d, %.1f ms CPU)\n",
                    qPrintable(c.name), f.stallMs, onePass, f.readyMs, onePass, f.guiCpuMs,
                    f.stallEvent, f.stallCpuMs);
        std::fflush(stdout);
    }

    std::printf("\nexports, in process: ms wall / ms CPU / MB peak above the process before\n");
    std::printf("%-28s %5s %24s %24s %24s\n", "gauge", "size", "PNG", "PNG one-pass",
                "SVG (one pass)");
    for (const Case &c : all) {
        const QList<gaugeData> layers = layerData(c.layers);
        for (int size : {512, 4096}) {
            if (quick && size == 4096 && c.heavy)
                continue;
            QByteArray bytes;
            const Measured png = measure([&] {
                if (!gaugePng(layers, size, &bytes))
                    std::printf("gaugePng failed\n");
            });
            const Measured old = measure([&] { bytes = onePassPng(layers, size); });
            // The SVG's content does not depend on the size; a dense one is
            // written once.
            Measured svg;
            const bool svgToo = !c.heavy || size == 4096;
            if (svgToo)
                svg = measure(
                    [&] { exportSvg(layers, size, dir.filePath(QStringLiteral("x.svg"))); });
            auto cell = [](const Measured &m) {
                return QStringLiteral("%1 / %2 / %3")
                    .arg(m.ms, 0, 'f', 0)
                    .arg(m.cpuMs, 0, 'f', 0)
                    .arg(m.peakMb, 0, 'f', 0);
            };
            std::printf("%-28s %5d %24s %24s %24s\n", qPrintable(c.name), size,
                        qPrintable(cell(png)), qPrintable(cell(old)),
                        svgToo ? qPrintable(cell(svg)) : "-");
            std::fflush(stdout);
        }
    }
    std::printf("\nload average at end: %s; whole run %.0f s\n", qPrintable(loadAverage()),
                whole.elapsed() / 1000.0);
    return 0;
}
