#include "render/softshadow.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Radii of three box blurs whose sum of variances is sigma^2.
std::vector<int> boxRadii(double sigma)
{
    const double ideal = std::sqrt(12.0 * sigma * sigma / 3.0 + 1.0);
    int lower = int(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double m =
        (12.0 * sigma * sigma - 3.0 * lower * lower - 12.0 * lower - 9.0) / (-4.0 * lower - 4.0);
    const int smaller = int(std::lround(m));
    std::vector<int> radii;
    for (int i = 0; i < 3; ++i)
        radii.push_back(((i < smaller ? lower : upper) - 1) / 2);
    return radii;
}

// Sums of at most 255 * (2 * 1000 + 1) pixels divided by a box of at most
// 2001 pixels: (sum * m) >> 32 with m = floor(2^32 / width) + 1 is the exact
// quotient while sum * (m * width - 2^32) stays below 2^32, which those
// bounds keep (2^19 * 2^11).
constexpr double sigmaMax = 1000.0;

struct Divider
{
    explicit Divider(int width)
        : half(quint32(width / 2)), multiplier((quint64(1) << 32) / quint64(width) + 1)
    {
    }
    quint8 operator()(quint32 sum) const
    {
        return quint8((quint64(sum + half) * multiplier) >> 32);
    }
    quint32 half;
    quint64 multiplier;
};

// One box blur of radius r along each row of `from`, into `to`.
void boxRows(const quint8 *from, quint8 *to, int w, int h, int r)
{
    const Divider divide(2 * r + 1);
    for (int y = 0; y < h; ++y) {
        const quint8 *in = from + qsizetype(y) * w;
        quint8 *out = to + qsizetype(y) * w;
        quint32 sum = 0;
        for (int i = 0; i <= std::min(r, w - 1); ++i)
            sum += in[i];
        for (int i = 0; i < w; ++i) {
            out[i] = divide(sum);
            if (i + r + 1 < w)
                sum += in[i + r + 1];
            if (i - r >= 0)
                sum -= in[i - r];
        }
    }
}

// The same down each column, a row at a time so that memory is read in
// order: `sums` holds the running sum of every column.
void boxColumns(const quint8 *from, quint8 *to, int w, int h, int r,
                std::vector<quint32> &sums)
{
    const Divider divide(2 * r + 1);
    sums.assign(size_t(w), 0);
    for (int y = 0; y <= std::min(r, h - 1); ++y) {
        const quint8 *in = from + qsizetype(y) * w;
        for (int x = 0; x < w; ++x)
            sums[size_t(x)] += in[x];
    }
    for (int y = 0; y < h; ++y) {
        quint8 *out = to + qsizetype(y) * w;
        for (int x = 0; x < w; ++x)
            out[x] = divide(sums[size_t(x)]);
        if (y + r + 1 < h) {
            const quint8 *in = from + qsizetype(y + r + 1) * w;
            for (int x = 0; x < w; ++x)
                sums[size_t(x)] += in[x];
        }
        if (y - r >= 0) {
            const quint8 *in = from + qsizetype(y - r) * w;
            for (int x = 0; x < w; ++x)
                sums[size_t(x)] -= in[x];
        }
    }
}

} // namespace

void blurAlpha(QImage *image, double sigma)
{
    if (!image || image->isNull() || !(sigma > 0.0) || !std::isfinite(sigma)
        || image->format() != QImage::Format_Alpha8)
        return;
    const int w = image->width();
    const int h = image->height();
    // The image's rows may be padded; the passes work on packed copies.
    std::vector<quint8> plane(size_t(w) * size_t(h));
    std::vector<quint8> scratch(plane.size());
    for (int y = 0; y < h; ++y)
        std::copy_n(image->constScanLine(y), w, plane.data() + qsizetype(y) * w);
    std::vector<quint32> sums;
    for (const int r : boxRadii(std::min(sigma, sigmaMax))) {
        if (r <= 0)
            continue;
        boxRows(plane.data(), scratch.data(), w, h, r);
        boxColumns(scratch.data(), plane.data(), w, h, r, sums);
    }
    for (int y = 0; y < h; ++y)
        std::copy_n(plane.data() + qsizetype(y) * w, w, image->scanLine(y));
}
