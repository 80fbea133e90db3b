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

// One box blur of radius r along a line of `count` pixels `stride` apart,
// each of four channels.
void boxLine(quint32 *line, int count, int stride, int r, std::vector<quint32> &scratch)
{
    if (r <= 0)
        return;
    scratch.assign(size_t(count), 0);
    const int width = 2 * r + 1;
    quint64 sum[4] = {0, 0, 0, 0};
    auto channel = [](quint32 p, int c) {
        return quint64((p >> (8 * c)) & 0xff);
    };
    for (int i = 0; i <= std::min(r, count - 1); ++i)
        for (int c = 0; c < 4; ++c)
            sum[c] += channel(line[qsizetype(i) * stride], c);
    for (int i = 0; i < count; ++i) {
        quint32 out = 0;
        for (int c = 0; c < 4; ++c)
            out |= quint32((sum[c] + width / 2) / width) << (8 * c);
        scratch[size_t(i)] = out;
        const int enter = i + r + 1;
        const int leave = i - r;
        for (int c = 0; c < 4; ++c) {
            if (enter < count)
                sum[c] += channel(line[qsizetype(enter) * stride], c);
            if (leave >= 0)
                sum[c] -= channel(line[qsizetype(leave) * stride], c);
        }
    }
    for (int i = 0; i < count; ++i)
        line[qsizetype(i) * stride] = scratch[size_t(i)];
}

} // namespace

void blurImage(QImage *image, double sigma)
{
    if (!image || image->isNull() || !(sigma > 0.0) || !std::isfinite(sigma)
        || image->format() != QImage::Format_ARGB32_Premultiplied)
        return;
    const int w = image->width();
    const int h = image->height();
    const int stride = int(image->bytesPerLine() / 4);
    auto *pixels = reinterpret_cast<quint32 *>(image->bits());
    std::vector<quint32> scratch;
    for (const int r : boxRadii(std::min(sigma, 1000.0))) {
        for (int y = 0; y < h; ++y)
            boxLine(pixels + qsizetype(y) * stride, w, 1, r, scratch);
        for (int x = 0; x < w; ++x)
            boxLine(pixels + x, h, stride, r, scratch);
    }
}
