#pragma once

#include "targets/ctext.h"

#include <QByteArray>
#include <QRgb>
#include <QString>

class QImage;

// LVGL 9's image header (lv_image_header_t in src/draw/lv_image_dsc.h,
// https://docs.lvgl.io/9.1/API/draw/lv_image_dsc.html) holds the width, the
// height and the stride (bytes per row) in 16 bits each.
constexpr int lvgl9FieldMax = 0xffff;
// lv_image_dsc_t's data_size is a uint32_t.
constexpr qint64 lvglDataSizeMax = 0xffff'ffffLL;
// The largest row alignment toLvglImage takes. LVGL's own
// LV_DRAW_BUF_STRIDE_ALIGN (lv_conf.h; see
// https://docs.lvgl.io/latest/en/html/API/draw/lv_draw_buf_h.html) is a
// power of two, 1 unless a GPU asks for more.
constexpr int lvglStrideAlignMax = 1024;

// The colour formats of LVGL 9 the exports write, with their pixel bytes in
// memory, as https://docs.lvgl.io/latest/en/html/details/main-modules/images/color_formats.html
// names them and LVGL's converter (scripts/LVGLImage.py,
// https://github.com/lvgl/lvgl/blob/master/scripts/LVGLImage.py,
// _png_to_colormap) packs them. RGB565_SWAPPED is known to the LVGL 9
// releases whose lv_color_format_t has it; a source for an older one does
// not compile rather than show the colours with their bytes swapped.
enum class LvglColorFormat {
    Argb8888,      // B, G, R, A; straight alpha
    Xrgb8888,      // B, G, R, 0xff; laid on the background colour
    Rgb565,        // the 16-bit value, low byte first; laid on the background
    Rgb565Swapped, // the same, high byte first, for displays on SPI
    Rgb565A8,      // the RGB565 rows (straight colour), then one alpha byte per pixel
    Rgb888,        // B, G, R; laid on the background colour
};

// The name after LV_COLOR_FORMAT_ in C: "RGB565A8".
QByteArray lvglFormatName(LvglColorFormat format);
// Its value in lv_color_format_t, which the .bin header stores.
int lvglFormatCode(LvglColorFormat format);

struct LvglImageOptions
{
    // The colour the formats without alpha lay the picture on, as the
    // converter's --background does (black unless given).
    QRgb background = qRgb(0, 0, 0);
    // Rows are padded with zero bytes to a multiple of this many bytes (a
    // power of two up to lvglStrideAlignMax), as the converter's --align
    // does (LVGLImageHeader.stride_align; RGB565A8's alpha rows get half
    // the stride). The converter's default, 1, gives the shortest rows,
    // width times bytes per pixel: the header states the stride, so LVGL
    // reads them as they are, and a GPU that needs more can be given more
    // here.
    int strideAlign = 1;
};

// A picture in one of LVGL 9's colour formats, as toLvglImage made it.
struct LvglImage
{
    LvglColorFormat format = LvglColorFormat::Argb8888;
    int width = 0;
    int height = 0;
    // Bytes from one row to the next; for RGB565A8 those of the RGB565
    // rows, while the alpha rows take half as many.
    int stride = 0;
    // The rows, top first; for RGB565A8 all RGB565 rows, then all alpha
    // rows.
    QByteArray data;
};

// The picture's straight-alpha pixels (those of
// image.convertToFormat(QImage::Format_ARGB32), which the PNG export
// writes) in `format`, byte for byte as LVGL 9's image converter writes the
// same PNG: colours truncated to RGB565, never dithered, straight alpha, no
// premultiplication, formats without alpha laid on the background with the
// converter's own rounding (see pixelrules.h). Returns false with a
// one-line reason in `error` (when given) for a picture without pixels, a
// size or a stride that LVGL 9's 16-bit header fields cannot hold, a stride
// alignment that is not a power of two up to lvglStrideAlignMax, or when
// memory runs out.
[[nodiscard]] bool toLvglImage(const QImage &image, LvglColorFormat format, LvglImage *result,
                               QString *error = nullptr,
                               const LvglImageOptions &options = LvglImageOptions());

// The file LVGL 9 reads from a file system ("S:face.bin"): the 12-byte
// header (magic 0x19, colour format, 16-bit flags 0, width, height, stride,
// 16 reserved bits, all little-endian) and the data, as the converter's
// --ofmt BIN writes it (LVGLImageHeader.binary, LVGLImage.to_bin). Returns false with the reason in
// `error` (when given) when `image` is not one toLvglImage made (its fields disagree with its
// data).
[[nodiscard]] bool lvgl9BinFile(const LvglImage &image, QByteArray *bin, QString *error = nullptr);

// A C source that defines the lv_image_dsc_t `identifier` (and the array
// `identifier`_map) for `image`, laid out as the converter's --ofmt C
// writes it (write_c_array_file): lvgl.h included the three ways it allows,
// the map placed with LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST
// LV_ATTRIBUTE_<IDENTIFIER> (the first and last defined empty where the
// project has not; lvgl.h brings the middle one), one row of the map per
// line, the alpha rows of RGB565A8 after the colour rows. Returns false with the reason in `error`
// (when given) when `identifier` is not a C identifier (see isCIdentifier), `image` is not one
// toLvglImage made, or the source would be larger than `byteLimit`.
[[nodiscard]] bool lvgl9CSource(const LvglImage &image, const QString &identifier,
                                QByteArray *source, QString *error = nullptr,
                                qint64 byteLimit = cSourceByteLimit);
