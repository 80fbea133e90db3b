#pragma once

// The small picture the embedded targets' tests convert, 3 x 2 pixels of
// straight ARGB32:
//
//   opaque red        (4, 2, 4)          mid grey (128)
//   half-transparent  fully transparent  opaque white
//   (200, 100, 50, 128)
//
// (4, 2, 4) rounds to the RGB565 colour (1, 1, 1) but truncates to black;
// mid grey and white show LVGL 9's converter's flattening, which takes a
// step off opaque channels.

#include <QByteArray>
#include <QImage>

inline QImage samplePicture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(4, 2, 4, 255));
    image.setPixel(2, 0, qRgba(128, 128, 128, 255));
    image.setPixel(0, 1, qRgba(200, 100, 50, 128));
    image.setPixel(1, 1, qRgba(0, 0, 0, 0));
    image.setPixel(2, 1, qRgba(255, 255, 255, 255));
    return image;
}

// "00 f8 10" as bytes.
inline QByteArray hexBytes(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}
