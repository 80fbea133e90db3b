#pragma once

#include "targets/ctext.h"

#include <QByteArray>
#include <QString>

class QImage;

// LVGL 8's image header (lv_img_header_t in src/draw/lv_img_buf.h) holds
// the width and the height in 11 bits each. Its documentation says "<= 2048"
// (https://docs.lvgl.io/8.2/overview/image.html), but 2048 does not fit in
// 11 bits: it would be stored as 0.
constexpr int lvgl8SideMax = 2047;

// The colour depths LVGL 8 is built for (LV_COLOR_DEPTH, LV_COLOR_16_SWAP in
// lv_conf.h), each with its own pixel bytes for LV_IMG_CF_TRUE_COLOR_ALPHA.
enum class Lvgl8Depth {
    Depth8,         // RGB332, then alpha (also for LV_COLOR_DEPTH 1)
    Depth16,        // RGB565, low byte first, then alpha
    Depth16Swapped, // RGB565, high byte first, then alpha (LV_COLOR_16_SWAP 1)
    Depth32,        // B, G, R, A
};

// The picture's straight-alpha pixels (image.convertToFormat(
// QImage::Format_ARGB32)) as LV_IMG_CF_TRUE_COLOR_ALPHA data for `depth`,
// byte for byte as LVGL 8's image converter writes them without dithering
// (lv_img_conv, https://github.com/lvgl/lv_img_conv, which replaced the PHP
// converter of lv_utils): every channel rounded to the nearest step of its
// bits (see pixelrules.h), where LVGL 9's converter truncates; straight
// alpha. That converter reads the PNG through a canvas (the browser's, or
// node-canvas), which may keep pixels premultiplied, so its colours of
// translucent pixels can be a step off the PNG's own, by browser; opaque and
// fully transparent pixels come out the same. Returns false with a
// one-line reason in `error` (when given) for a picture without pixels or
// larger than lvgl8SideMax either way.
[[nodiscard]] bool toLvgl8Pixels(const QImage &image, Lvgl8Depth depth, QByteArray *pixels,
                                 QString *error = nullptr);

// A C source that defines the lv_img_dsc_t `identifier` (and the array
// `identifier`_map) with LV_IMG_CF_TRUE_COLOR_ALPHA, laid out as LVGL 8's
// converter writes it (get_c_header, format_to_c_array and get_c_footer in
// lib/convert.ts): the pixels for each colour depth in its own
// "#if LV_COLOR_DEPTH == ..." block (8 and 1, 16 without and with
// LV_COLOR_16_SWAP, 32), so that the one LVGL is built for is compiled in,
// one picture row per line, and data_size given as
// w * h * LV_IMG_PX_SIZE_ALPHA_BYTE. Returns false with the reason in
// `error` (when given) as toLvgl8Pixels does, when `identifier` is not a C
// identifier (see isCIdentifier), or when the source would be larger than
// `byteLimit`.
[[nodiscard]] bool lvgl8CSource(const QImage &image, const QString &identifier, QByteArray *source,
                                QString *error = nullptr, qint64 byteLimit = cSourceByteLimit);

// The .bin file LVGL 8 reads from a file system for one colour depth: a
// 4-byte little-endian header (colour format LV_IMG_CF_TRUE_COLOR_ALPHA = 5
// in bits 0-4, the width in bits 10-20, the height in bits 21-31: the bit
// fields of lv_img_header_t, as the converter's binary output writes them,
// cf | w << 10 | h << 21 in lib/convert.ts) and the pixels of toLvgl8Pixels.
// Returns false as toLvgl8Pixels does.
[[nodiscard]] bool lvgl8BinFile(const QImage &image, Lvgl8Depth depth, QByteArray *bin,
                                QString *error = nullptr);
