// Prints each hand-written part of the drawing and export pipeline beside
// the library route it stands in for, on the case it exists for:
//
//   PNG        encodePng against libspng (one thread, several filter and
//              zlib settings) and the toolkit's QImageWriter, from the
//              premultiplied picture to the PNG bytes, at 512 and 4096,
//              and their sizes on a preset with a band of colour
//   round caps the painter's capsule filler against the toolkit's stroker
//              (a round-capped QPen, one drawLine a tick) on the densest
//              width-3 round-capped layer
//   SVG        the streamed SvgStream against QSvgGenerator on the densest
//              layer: time and peak memory, and whether a hostile font
//              family leaves the document well-formed
//
//   build/bench/bench_handwritten [--quick] [png] [caps] [svg]
//
// Names of parts run only those; --quick runs each case fewer times.
// Not a test: figures only, which depend on the machine and its load (the
// load average is printed with them). Times are medians of several runs,
// wall clock, with the process's CPU time beside them where threads help.

#include "../tests/common/samplegauges.h"

#include "export/imageexport.h"
#include "export/pngwriter.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "render/gaugepainter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

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

struct Timing
{
    double ms = 0;
    double cpuMs = 0;
};

// The run of median wall time among `runs` runs, with its CPU time.
Timing median(int runs, const std::function<void()> &work)
{
    std::vector<Timing> all;
    for (int i = 0; i < runs; ++i) {
        const double cpu = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        work();
        all.push_back({timer.nsecsElapsed() / 1e6, processCpuMs() - cpu});
    }
    std::sort(all.begin(), all.end(), [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
    return all[all.size() / 2];
}

// Peak resident memory, in kB, and its reset (Linux: writing 5 to
// clear_refs restarts the peak at the current size).
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

// The peak memory `work` takes above what the process held before, in MB.
double peakMb(const std::function<void()> &work)
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
    reset.close();
    const qint64 before = statusKb("VmRSS:");
    work();
    return std::max<qint64>(0, statusKb("VmHWM:") - before) / 1024.0;
}

// ---- PNG ------------------------------------------------------------------

struct SpngSettings
{
    const char *name;
    int filters;  // SPNG_FILTER_CHOICE_* bits; -1 for the library's default
    int level;    // zlib level; -1 for the library's default
    int strategy; // zlib strategy; -1 for the library's default
};

// libspng's route from the premultiplied picture: the toolkit converts a
// few rows at a time to straight RGBA bytes, which libspng filters and
// deflates row by row on this thread.
QByteArray spngPng(const QImage &image, const SpngSettings &s)
{
    spng_ctx *ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    if (!ctx)
        return {};
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    if (s.filters >= 0)
        spng_set_option(ctx, SPNG_FILTER_CHOICE, s.filters);
    if (s.level >= 0)
        spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, s.level);
    if (s.strategy >= 0)
        spng_set_option(ctx, SPNG_IMG_COMPRESSION_STRATEGY, s.strategy);
    spng_ihdr ihdr{};
    ihdr.width = uint32_t(image.width());
    ihdr.height = uint32_t(image.height());
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    spng_set_ihdr(ctx, &ihdr);
    spng_phys phys{uint32_t(image.dotsPerMeterX()), uint32_t(image.dotsPerMeterY()), 1};
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        spng_set_phys(ctx, &phys);
    int status = spng_encode_image(ctx, nullptr, 0, SPNG_FMT_PNG,
                                   SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    const size_t rowBytes = size_t(image.width()) * 4;
    constexpr int chunkRows = 32;
    for (int y = 0; status == 0 && y < image.height(); y += chunkRows) {
        const int rows = std::min(chunkRows, image.height() - y);
        const QImage chunk = QImage(image.constScanLine(y), image.width(), rows,
                                    image.bytesPerLine(), QImage::Format_ARGB32_Premultiplied)
                                 .convertToFormat(QImage::Format_RGBA8888);
        for (int r = 0; r < rows && status == 0; ++r)
            status = spng_encode_row(ctx, chunk.constScanLine(r), rowBytes);
    }
    QByteArray png;
    if (status == SPNG_EOI) {
        size_t size = 0;
        int error = 0;
        void *bytes = spng_get_png_buffer(ctx, &size, &error);
        if (bytes && error == 0)
            png = QByteArray(static_cast<const char *>(bytes), qsizetype(size));
        std::free(bytes);
    }
    spng_ctx_free(ctx);
    return png;
}

// The toolkit's route: the whole picture converted, then its PNG writer.
QByteArray toolkitPng(const QImage &image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(straight);
    return bytes;
}

// The file decodes to exactly the picture's straight-alpha pixels.
bool samePixels(const QByteArray &png, const QImage &image)
{
    QImage decoded;
    return decoded.loadFromData(png, "png")
        && decoded.convertToFormat(QImage::Format_ARGB32)
        == image.convertToFormat(QImage::Format_ARGB32);
}

void benchPng(bool quick)
{
    std::printf("\nPNG, from the premultiplied picture to the bytes: ms wall (ms CPU), kB\n");
    std::printf("%-28s %5s  %-44s %18s %9s %s\n", "gauge", "size", "route", "ms (CPU)", "kB",
                "pixels");
    const SpngSettings spngRoutes[] = {
        {"libspng defaults", -1, -1, -1},
        {"libspng all filters, level 1, Z_RLE", SPNG_FILTER_CHOICE_ALL, 1, Z_RLE},
        {"libspng none/sub/up, level 1, Z_RLE",
         SPNG_FILTER_CHOICE_NONE | SPNG_FILTER_CHOICE_SUB | SPNG_FILTER_CHOICE_UP, 1, Z_RLE},
        {"libspng sub, level 1, Z_RLE", SPNG_FILTER_CHOICE_SUB, 1, Z_RLE},
        {"libspng none, level 1, Z_RLE", SPNG_FILTER_CHOICE_NONE, 1, Z_RLE},
        {"libspng none/sub/up, level 6, default strategy",
         SPNG_FILTER_CHOICE_NONE | SPNG_FILTER_CHOICE_SUB | SPNG_FILTER_CHOICE_UP, 6,
         Z_DEFAULT_STRATEGY},
    };
    // The preset adds a wide band of colour, which rows without a filter
    // leave to the run-length strategy as runs of four different bytes.
    QList<namedLayer> vu;
    if (readGaugeFile(QStringLiteral(DIALWRIGHT_PRESETS_DIR "/VU.gauge"), vu)
        != gaugeFileStatus::Loaded)
        std::printf("presets/VU.gauge cannot be read\n");
    const struct
    {
        const char *name;
        QList<gaugeData> layers;
    } gauges[] = {{"default gauge", {gaugeData()}},
                  {"typical three layers", typicalGauge()},
                  {"preset VU (a red band)", layerData(vu)}};
    for (const auto &gauge : gauges) {
        for (const int size : {512, 4096}) {
            const QImage image = gaugeImagePremultiplied(gauge.layers, size);
            const int runs = quick ? 3 : size == 512 ? 21 : 7;
            auto row = [&](const char *route, const std::function<QByteArray()> &encode) {
                QByteArray png;
                const Timing t = median(runs, [&] { png = encode(); });
                std::printf("%-28s %5d  %-44s %9.1f (%6.1f) %9.1f %s\n", gauge.name, size, route,
                            t.ms, t.cpuMs, png.size() / 1024.0,
                            samePixels(png, image) ? "equal" : "DIFFERENT");
                std::fflush(stdout);
            };
            row("encodePng (all cores)", [&] {
                QByteArray png;
                if (!encodePng(image, &png))
                    png.clear();
                return png;
            });
            for (const SpngSettings &s : spngRoutes)
                row(s.name, [&] { return spngPng(image, s); });
            row("QImageWriter", [&] { return toolkitPng(image); });
        }
    }
}

// ---- round caps -------------------------------------------------------------

// Draws `layers` with the gauge painter. `stroked` clips the painter to the
// whole image, which changes no pixel but makes the painter hand every
// round-capped tick to the toolkit's stroker, as it did before it had the
// capsule filler.
double drawMs(const QList<gaugeData> &layers, int size, bool stroked, int runs)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    return median(runs,
                  [&] {
                      image.fill(Qt::transparent);
                      QPainter painter(&image);
                      if (stroked)
                          painter.setClipRect(image.rect());
                      paintGaugeLayers(&painter, size, layers);
                  })
        .ms;
}

void benchRoundCaps(bool quick)
{
    std::printf("\nround caps, drawing the layer on one thread: ms\n");
    std::printf("%-40s %5s %14s %14s %8s\n", "layer", "size", "filled ms", "stroked ms", "ratio");
    const struct
    {
        const char *name;
        gaugeData layer;
    } layers[] = {
        {"densest, width 3 round (1,000,001 lines)", densestFormLayer(3, true)},
        // The same clip on flat caps, which both ways draw alike: what the
        // clip itself costs the stroked column.
        {"densest, width 3 flat (clip's own cost)", densestFormLayer(3, false)},
    };
    for (const auto &l : layers) {
        for (const int size : {512, 4096}) {
            const int runs = quick ? 1 : 3;
            const double filled = drawMs({l.layer}, size, false, runs);
            const double stroked = drawMs({l.layer}, size, true, runs);
            std::printf("%-40s %5d %14.1f %14.1f %8.2f\n", l.name, size, filled, stroked,
                        stroked / filled);
            std::fflush(stdout);
        }
    }
}

// ---- SVG ----------------------------------------------------------------------

void toolkitSvg(const QList<gaugeData> &layers, int size, QIODevice *device)
{
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(QSize(size, size));
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Dialwright 2 Gauge"));
    generator.setDescription(QStringLiteral("A gauge generated in Dialwright 2Saved to SVG."));
    QPainter painter(&generator);
    paintGaugeLayers(&painter, size, withUnhintedLabels(layers));
}

// The document is well-formed and every label's font family reads back as
// `family`, with no attribute of its own.
bool familyReadsBack(const QByteArray &svg, const QString &family)
{
    QXmlStreamReader reader(svg);
    int families = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.hasAttribute(QStringLiteral("onload")))
            return false;
        if (reader.name() == QLatin1String("text")) {
            ++families;
            if (attributes.value(QStringLiteral("font-family")) != family)
                return false;
        }
    }
    return !reader.hasError() && families > 0;
}

void benchSvg(bool quick)
{
    std::printf("\nSVG of the densest layer, hairline, 4096, written to a file: ms, MB peak "
                "above the process before, MB written\n");
    std::printf("%-16s %10s %10s %10s\n", "route", "ms", "MB peak", "MB");
    const QList<gaugeData> layers{densestFormLayer(0)};
    const int size = 4096;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gauge.svg"));
    const int runs = quick ? 1 : 3;
    auto row = [&](const char *route, const std::function<void()> &write) {
        const double ms = median(runs, write).ms;
        const double mb = peakMb(write);
        std::printf("%-16s %10.0f %10.0f %10.1f\n", route, ms, mb, QFileInfo(path).size() / 1e6);
        std::fflush(stdout);
    };
    row("SvgStream", [&] {
        QString error;
        if (!writeGaugeSvg(layers, size, path, &error))
            std::printf("SVG export failed: %s\n", qPrintable(error));
    });
    row("QSvgGenerator", [&] {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            toolkitSvg(layers, size, &file);
    });

    // The reason the stream exists at all: a font family is a file's text.
    const QString family = QStringLiteral("Sans\" onload=\"alert(1)");
    gaugeData hostile;
    hostile.tickCountFont.setFamily(family);
    QByteArray generated;
    QBuffer buffer(&generated);
    buffer.open(QIODevice::WriteOnly);
    toolkitSvg({hostile}, 512, &buffer);
    std::printf("font family %s reads back as it is: SvgStream %s, QSvgGenerator %s\n",
                qPrintable(family),
                familyReadsBack(gaugeSvg({hostile}, 512), family) ? "yes" : "no",
                familyReadsBack(generated, family) ? "yes" : "no");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    QElapsedTimer whole;
    whole.start();
    std::printf("load average at start: %s; %d cores\n", qPrintable(loadAverage()),
                QThread::idealThreadCount());
    const QStringList parts =
        app.arguments().mid(1).filter(QRegularExpression(QStringLiteral("^[a-z]+$")));
    auto wanted = [&parts](const char *part) {
        return parts.isEmpty() || parts.contains(QLatin1String(part));
    };
    if (wanted("png"))
        benchPng(quick);
    if (wanted("caps"))
        benchRoundCaps(quick);
    if (wanted("svg"))
        benchSvg(quick);
    std::printf("\nload average at end: %s; whole run %.0f s\n", qPrintable(loadAverage()),
                whole.elapsed() / 1000.0);
    return 0;
}
