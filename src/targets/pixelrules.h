#pragma once

#include <QtGlobal>

// How the embedded targets' converters turn 8-bit channels into fewer bits.
// Each rule is written once here; the writers of every target use these.

// LVGL 9's converter (scripts/LVGLImage.py in the LVGL repository,
// https://github.com/lvgl/lvgl/blob/master/scripts/LVGLImage.py, function
// color_pre_multiply) lays a pixel on its background colour for the formats
// without alpha as (c * a + (255 - a) * background) >> 8. Dividing by 256
// rather than 255 takes one step off every opaque channel above 0 (opaque
// white comes out 254); the same picture must give the same bytes as that
// converter, so the rule is kept as it is.
inline int lvgl9Flattened(int channel, int alpha, int background)
{
    return (channel * alpha + (255 - alpha) * background) >> 8;
}

// RGB565 by dropping the low bits, as LVGL 9's converter packs RGB565 and
// RGB565A8 (_png_to_colormap: (r >> 3) << 11 | (g >> 2) << 5 | b >> 3, no
// dithering unless asked for) and as TFT sprite libraries' color565() does.
inline quint16 rgb565Truncated(int red, int green, int blue)
{
    return quint16((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3));
}

// LVGL 8's converter (lv_img_conv, https://github.com/lvgl/lv_img_conv,
// lib/convert.ts, classify_pixel) rounds a channel to the nearest of its
// `bits`-bit steps: Math.round(value / step) * step with halves rounded up,
// then clamps it to the largest step (0xF8 for five bits), since 0xFC and
// above would round up to 0x100. So (4, 2, 4) gives the RGB565 colour
// (1, 1, 1) where LVGL 9's converter gives (0, 0, 0). The result is still
// an 8-bit value with its low bits zero.
inline int lvgl8Classified(int channel, int bits)
{
    const int step = 1 << (8 - bits);
    return qMin((channel + step / 2) / step * step, 256 - step);
}

// A straight channel laid on a background with rounding to the nearest
// value, so that an opaque pixel keeps its colour; for the targets without
// a converter of their own to match.
inline int flattenedExactly(int channel, int alpha, int background)
{
    return (channel * alpha + background * (255 - alpha) + 127) / 255;
}
