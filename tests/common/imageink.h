#pragma once

#include <QImage>
#include <QRect>

// Counts the pixels in `area` (the whole image when none is given) that are
// not fully transparent.
inline int inkedPixels(const QImage &image, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area & image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}
