#include "render/bandpainter.h"

#include "concurrency/parallel.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Fewer ticks than this are drawn faster by one thread than it takes to set
// up and join the others, even on the largest image, and the extra images
// would only add to the memory an export takes.
constexpr qint64 kMinTickLinesForBands = 20'000;
// The extra images of one drawing together stay below this.
constexpr qint64 kMaxExtraBytes = 160LL * 1024 * 1024;

// A blank image like `like`, at its resolution.
QImage blankLike(const QImage &like)
{
    QImage image = blankImage(like.width(), like.height());
    image.setDotsPerMeterX(like.dotsPerMeterX());
    image.setDotsPerMeterY(like.dotsPerMeterY());
    image.setDevicePixelRatio(like.devicePixelRatio());
    return image;
}

} // namespace

QImage blankImage(int width, int height)
{
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    if (width <= 0 || height <= 0 || bytesPerLine > std::numeric_limits<int>::max())
        return QImage();
    // calloc gets large blocks from the system untouched: zero, and mapped
    // page by page only as they are written.
    void *memory = std::calloc(size_t(height), size_t(bytesPerLine));
    if (!memory)
        return QImage();
    return QImage(
        static_cast<uchar *>(memory), width, height, bytesPerLine,
        QImage::Format_ARGB32_Premultiplied, [](void *data) { std::free(data); }, memory);
}

bool paintInBands(QImage *image, int bands, const BandPaint &paint)
{
    bands = std::clamp(bands, 1, std::max(1, image->height()));
    if (bands == 1) {
        QPainter painter(image);
        return paint(&painter, QRect());
    }

    const int width = image->width();
    const int height = image->height();
    auto bandRect = [&](int b) {
        const int top = int(qint64(height) * b / bands);
        const int bottom = int(qint64(height) * (b + 1) / bands);
        return QRect(0, top, width, bottom - top);
    };

    std::vector<QImage> scratch;
    scratch.reserve(bands - 1);
    for (int b = 1; b < bands; ++b) {
        scratch.push_back(blankLike(*image));
        if (scratch.back().isNull()) {
            // Not enough memory for the extra images: one thread then.
            QPainter painter(image);
            return paint(&painter, QRect());
        }
    }

    std::vector<char> finished(bands, 0);
    runInParallel(bands, [&](int b) {
        QPainter painter(b == 0 ? image : &scratch[b - 1]);
        finished[b] = paint(&painter, bandRect(b));
    });

    for (int b = 1; b < bands; ++b) {
        const QRect rows = bandRect(b);
        std::memcpy(image->scanLine(rows.top()), scratch[b - 1].constScanLine(rows.top()),
                    size_t(image->bytesPerLine()) * rows.height());
    }
    return std::all_of(finished.begin(), finished.end(), [](char f) { return f != 0; });
}

int bandsFor(qint64 pixels, qint64 tickLines)
{
    if (tickLines < kMinTickLinesForBands)
        return 1;
    const int cores = parallelJobs();
    const qint64 bytes = std::max<qint64>(1, pixels * 4);
    const int affordable = int(std::min<qint64>(cores, 1 + kMaxExtraBytes / bytes));
    return std::max(1, affordable);
}
