#include "targets/lvgl8image.h"

#include "targets/pixelrules.h"

#include <QImage>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

// LV_IMG_CF_TRUE_COLOR_ALPHA in LVGL 8's lv_img_cf_t.
constexpr quint32 trueColorAlpha = 5;

int bytesPerPixel(Lvgl8Depth depth)
{
    switch (depth) {
    case Lvgl8Depth::Depth8:
        return 2;
    case Lvgl8Depth::Depth16:
    case Lvgl8Depth::Depth16Swapped:
        return 3;
    case Lvgl8Depth::Depth32:
        return 4;
    }
    return 4;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool checkSize(const QImage &image, QString *error)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return fail(error, emptyPictureError());
    if (image.width() > lvgl8SideMax || image.height() > lvgl8SideMax) {
        return fail(error,
                    EmbeddedTargets::tr("The picture is %1 x %2 pixels; LVGL 8 takes at most %3 "
                                        "pixels each way.")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(lvgl8SideMax));
    }
    return true;
}

void convertRow(const QRgb *pixels, int width, Lvgl8Depth depth, uchar *out)
{
    for (int x = 0; x < width; ++x) {
        const QRgb p = pixels[x];
        const int a = qAlpha(p);
        switch (depth) {
        case Lvgl8Depth::Depth8:
            // The converter's c8 = r | g >> 3 | b >> 6 of the rounded values.
            *out++ = uchar(lvgl8Classified(qRed(p), 3) | lvgl8Classified(qGreen(p), 3) >> 3
                           | lvgl8Classified(qBlue(p), 2) >> 6);
            break;
        case Lvgl8Depth::Depth16:
        case Lvgl8Depth::Depth16Swapped: {
            const quint16 c =
                quint16(lvgl8Classified(qRed(p), 5) << 8 | lvgl8Classified(qGreen(p), 6) << 3
                        | lvgl8Classified(qBlue(p), 5) >> 3);
            if (depth == Lvgl8Depth::Depth16)
                qToLittleEndian(c, out);
            else
                qToBigEndian(c, out);
            out += 2;
            break;
        }
        case Lvgl8Depth::Depth32:
            *out++ = uchar(qBlue(p));
            *out++ = uchar(qGreen(p));
            *out++ = uchar(qRed(p));
            break;
        }
        *out++ = uchar(a);
    }
}

struct DepthBlock
{
    Lvgl8Depth depth;
    const char *condition;
    const char *comment;
};

// The blocks in the converter's order, with its conditions and comments.
constexpr std::array<DepthBlock, 4> depthBlocks = {{
    {Lvgl8Depth::Depth8, "#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8",
     "/*Pixel format: Alpha 8 bit, Red: 3 bit, Green: 3 bit, Blue: 2 bit*/"},
    {Lvgl8Depth::Depth16, "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0",
     "/*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit*/"},
    {Lvgl8Depth::Depth16Swapped, "#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0",
     "/*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 color bytes "
     "are swapped*/"},
    {Lvgl8Depth::Depth32, "#if LV_COLOR_DEPTH == 32",
     "/*Pixel format: Alpha 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/"},
}};

} // namespace

bool toLvgl8Pixels(const QImage &image, Lvgl8Depth depth, QByteArray *pixels, QString *error)
{
    if (!checkSize(image, error))
        return false;
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    if (straight.isNull())
        return fail(error, outOfMemoryError());
    const qint64 rowBytes = qint64(image.width()) * bytesPerPixel(depth);
    QByteArray result;
    if (!allocateZeroed(&result, rowBytes * image.height(), error))
        return false;
    uchar *out = reinterpret_cast<uchar *>(result.data());
    for (int y = 0; y < straight.height(); ++y) {
        convertRow(reinterpret_cast<const QRgb *>(straight.constScanLine(y)), straight.width(),
                   depth, out + rowBytes * y);
    }
    *pixels = std::move(result);
    return true;
}

bool lvgl8CSource(const QImage &image, const QString &identifier, QByteArray *source,
                  QString *error, qint64 byteLimit)
{
    if (!checkIdentifier(identifier, error) || !checkSize(image, error))
        return false;

    const QByteArray name = identifier.toLatin1();
    const QByteArray attribute = "LV_ATTRIBUTE_IMG_" + name.toUpper();
    // Six characters a byte of 2 + 3 + 3 + 4 bytes a pixel, a line break
    // and an indent a row in each block, and the fixed text.
    const qint64 pixelCount = qint64(image.width()) * image.height();
    const qint64 bound =
        pixelCount * 12 * 6 + qint64(image.height()) * 4 * 3 + 2048 + 8 * name.size();
    QByteArray text;
    if (!reserveSource(&text, bound, byteLimit, error))
        return false;

    text += "#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n#else\n"
            "#include \"lvgl/lvgl.h\"\n#endif\n\n\n";
    text += "#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n\n";
    text += "#ifndef " + attribute + "\n#define " + attribute + "\n#endif\n\n";
    text += "const LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST " + attribute + " uint8_t "
        + name + "_map[] = {";

    for (const DepthBlock &block : depthBlocks) {
        QByteArray pixels;
        if (!toLvgl8Pixels(image, block.depth, &pixels, error))
            return false;
        text += '\n';
        text += block.condition;
        text += "\n  ";
        text += block.comment;
        const qsizetype rowBytes = qsizetype(image.width()) * bytesPerPixel(block.depth);
        for (qsizetype at = 0; at < pixels.size(); at += rowBytes) {
            text += "\n  ";
            appendHexBytes(&text, pixels.constData() + at, rowBytes, ", ");
        }
        text += "\n#endif";
    }

    text += "\n};\n\nconst lv_img_dsc_t " + name + " = {\n";
    text += "  .header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA,\n";
    text += "  .header.always_zero = 0,\n";
    text += "  .header.reserved = 0,\n";
    text += "  .header.w = " + QByteArray::number(image.width()) + ",\n";
    text += "  .header.h = " + QByteArray::number(image.height()) + ",\n";
    text += "  .data_size = " + QByteArray::number(pixelCount) + " * LV_IMG_PX_SIZE_ALPHA_BYTE,\n";
    text += "  .data = " + name + "_map,\n";
    text += "};\n";
    *source = std::move(text);
    return true;
}

bool lvgl8BinFile(const QImage &image, Lvgl8Depth depth, QByteArray *bin, QString *error)
{
    QByteArray pixels;
    if (!toLvgl8Pixels(image, depth, &pixels, error))
        return false;
    // cf: 5 bits, always_zero: 3, reserved: 2, w: 11, h: 11, from the lowest
    // bit up, as lv_img_header_t lays them out on a little-endian target.
    const quint32 header =
        trueColorAlpha | quint32(image.width()) << 10 | quint32(image.height()) << 21;
    QByteArray file;
    if (!allocateZeroed(&file, 4 + pixels.size(), error))
        return false;
    qToLittleEndian(header, file.data());
    std::copy(pixels.begin(), pixels.end(), file.begin() + 4);
    *bin = std::move(file);
    return true;
}
