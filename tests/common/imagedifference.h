#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

// How far two pictures of one size are apart, on their premultiplied
// channels (what is seen once they are laid over anything): the largest
// difference of any channel and the share of pixels that differ at all.
struct ImageDifference
{
    int largest = 0;
    double share = 0.0;
};

inline ImageDifference imageDifference(const QImage &a, const QImage &b)
{
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ImageDifference d;
    if (pa.size() != pb.size())
        return {256, 1.0};
    qint64 differing = 0;
    for (int y = 0; y < pa.height(); ++y) {
        const uchar *ra = pa.constScanLine(y);
        const uchar *rb = pb.constScanLine(y);
        for (int x = 0; x < pa.width() * 4; x += 4) {
            int worst = 0;
            for (int c = 0; c < 4; ++c)
                worst = std::max(worst, std::abs(ra[x + c] - rb[x + c]));
            differing += worst > 0;
            d.largest = std::max(d.largest, worst);
        }
    }
    d.share = pa.isNull() ? 0.0 : double(differing) / (double(pa.width()) * pa.height());
    return d;
}
