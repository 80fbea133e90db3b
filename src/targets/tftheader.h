#pragma once

#include "targets/ctables.h"
#include "targets/ctext.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <optional>

class QImage;

// TFT sprite libraries give a sprite's width and height as int16_t.
constexpr int tftSideMax = 32767;

struct TftSpriteOptions
{
    // false: each uint16_t is the RGB565 colour (0xf800 is red), for a
    // library told to swap the bytes as it sends them (setSwapBytes(true)).
    // true: the two bytes of each value are swapped (0x00f8 is red), so that
    // a little-endian processor's memory already holds them in the order a
    // display on SPI takes them.
    bool swapBytes = false;
    // RGB565 has no alpha: pixels are laid on this colour, rounding to the
    // nearest value (an opaque pixel keeps its colour), then truncated to
    // RGB565 as the libraries' color565() does.
    QRgb background = qRgb(0, 0, 0);
    // When set, an RGB565 colour (as the library's colour constants give
    // it) that fully transparent pixels get, for pushImage and pushRotated
    // with a transparent colour; any other pixel that would come out in it
    // is moved one step of blue away, so that the picture shows no holes.
    std::optional<quint16> transparentColor;
    // When set, where the needle turns (setPivot), in pixels from the
    // picture's top left corner.
    std::optional<QPoint> pivot;
    // When not empty, the needle's angle at each value, in whole degrees.
    QList<NeedleAngle> angles;
};

// The picture's straight-alpha pixels (image.convertToFormat(
// QImage::Format_ARGB32)) as the RGB565 values a TFT sprite header holds,
// rows from the top (see TftSpriteOptions). Returns false with a one-line
// reason in `error` (when given) for a picture without pixels or larger
// than tftSideMax either way, or when memory runs out.
[[nodiscard]] bool tftPixels(const QImage &image, const TftSpriteOptions &options,
                             QList<quint16> *pixels, QString *error = nullptr);

// A header for TFT sprite libraries, as their users write them by hand:
// <IDENTIFIER>_WIDTH and _HEIGHT, the pixels as
// "static const uint16_t identifier[] PROGMEM" (PROGMEM taken from the
// platform's pgmspace.h where it has one and empty elsewhere, so the same
// header builds for AVR, ESP32 and a desktop test), sixteen values a line,
// and as asked for, <IDENTIFIER>_TRANSPARENT, _PIVOT_X and _PIVOT_Y and the
// angle table of cAngleTable. Returns false with the reason in `error` (when
// given) as tftPixels and cAngleTable do, when `identifier` is not a C
// identifier (see isCIdentifier), or when the header would be larger than
// `byteLimit`.
[[nodiscard]] bool tftHeader(const QImage &image, const QString &identifier, QByteArray *header,
                             QString *error = nullptr,
                             const TftSpriteOptions &options = TftSpriteOptions(),
                             qint64 byteLimit = cSourceByteLimit);
