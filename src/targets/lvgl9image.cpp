#include "targets/lvgl9image.h"

#include "targets/pixelrules.h"

#include <QImage>
#include <QtEndian>

#include <algorithm>

namespace {

// Bytes per pixel of the colour rows (RGB565A8 counts its RGB565 plane).
int bytesPerPixel(LvglColorFormat format)
{
    switch (format) {
    case LvglColorFormat::Argb8888:
    case LvglColorFormat::Xrgb8888:
        return 4;
    case LvglColorFormat::Rgb888:
        return 3;
    case LvglColorFormat::Rgb565:
    case LvglColorFormat::Rgb565Swapped:
    case LvglColorFormat::Rgb565A8:
        return 2;
    }
    return 4;
}

// The data size LVGL states for `height` rows of `stride` bytes: an A8
// plane of half the stride follows RGB565A8's colour rows.
qint64 dataSizeOf(LvglColorFormat format, qint64 stride, qint64 height)
{
    const qint64 rows = stride * height;
    return format == LvglColorFormat::Rgb565A8 ? rows + stride / 2 * height : rows;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

bool isValid(const LvglImage &image)
{
    return image.width > 0 && image.width <= lvgl9FieldMax && image.height > 0
        && image.height <= lvgl9FieldMax && image.stride <= lvgl9FieldMax
        && image.stride >= image.width * bytesPerPixel(image.format)
        && (image.format != LvglColorFormat::Rgb565A8 || image.stride % 2 == 0)
        && image.data.size() == dataSizeOf(image.format, image.stride, image.height);
}

QString notConvertedError()
{
    return EmbeddedTargets::tr("The LVGL image's size, stride and data do not agree.");
}

// One straight ARGB32 row in the format's colour bytes.
void convertRow(const QRgb *pixels, int width, LvglColorFormat format, QRgb background, uchar *out,
                uchar *alphaOut)
{
    const int bgRed = qRed(background);
    const int bgGreen = qGreen(background);
    const int bgBlue = qBlue(background);
    for (int x = 0; x < width; ++x) {
        const QRgb p = pixels[x];
        const int a = qAlpha(p);
        int r = qRed(p);
        int g = qGreen(p);
        int b = qBlue(p);
        switch (format) {
        case LvglColorFormat::Argb8888:
            *out++ = uchar(b);
            *out++ = uchar(g);
            *out++ = uchar(r);
            *out++ = uchar(a);
            break;
        case LvglColorFormat::Xrgb8888:
        case LvglColorFormat::Rgb888:
            *out++ = uchar(lvgl9Flattened(b, a, bgBlue));
            *out++ = uchar(lvgl9Flattened(g, a, bgGreen));
            *out++ = uchar(lvgl9Flattened(r, a, bgRed));
            if (format == LvglColorFormat::Xrgb8888)
                *out++ = 0xff;
            break;
        case LvglColorFormat::Rgb565:
        case LvglColorFormat::Rgb565Swapped: {
            const quint16 c =
                rgb565Truncated(lvgl9Flattened(r, a, bgRed), lvgl9Flattened(g, a, bgGreen),
                                lvgl9Flattened(b, a, bgBlue));
            if (format == LvglColorFormat::Rgb565)
                qToLittleEndian(c, out);
            else
                qToBigEndian(c, out);
            out += 2;
            break;
        }
        case LvglColorFormat::Rgb565A8:
            qToLittleEndian(rgb565Truncated(r, g, b), out);
            out += 2;
            *alphaOut++ = uchar(a);
            break;
        }
    }
}

void appendLine(QByteArray *text, const char *line)
{
    text->append(line);
    text->append('\n');
}

} // namespace

QByteArray lvglFormatName(LvglColorFormat format)
{
    switch (format) {
    case LvglColorFormat::Argb8888:
        return QByteArrayLiteral("ARGB8888");
    case LvglColorFormat::Xrgb8888:
        return QByteArrayLiteral("XRGB8888");
    case LvglColorFormat::Rgb565:
        return QByteArrayLiteral("RGB565");
    case LvglColorFormat::Rgb565Swapped:
        return QByteArrayLiteral("RGB565_SWAPPED");
    case LvglColorFormat::Rgb565A8:
        return QByteArrayLiteral("RGB565A8");
    case LvglColorFormat::Rgb888:
        return QByteArrayLiteral("RGB888");
    }
    return QByteArray();
}

int lvglFormatCode(LvglColorFormat format)
{
    // lv_color_format_t (src/misc/lv_color.h,
    // https://lvgl.io/docs/open/api/misc/lv_color_h).
    switch (format) {
    case LvglColorFormat::Argb8888:
        return 0x10;
    case LvglColorFormat::Xrgb8888:
        return 0x11;
    case LvglColorFormat::Rgb565:
        return 0x12;
    case LvglColorFormat::Rgb565Swapped:
        return 0x1b;
    case LvglColorFormat::Rgb565A8:
        return 0x14;
    case LvglColorFormat::Rgb888:
        return 0x0f;
    }
    return 0;
}

bool toLvglImage(const QImage &image, LvglColorFormat format, LvglImage *result, QString *error,
                 const LvglImageOptions &options)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return fail(error, emptyPictureError());
    if (image.width() > lvgl9FieldMax || image.height() > lvgl9FieldMax) {
        return fail(error,
                    EmbeddedTargets::tr("The picture is %1 x %2 pixels; LVGL 9 takes at most %3 "
                                        "pixels each way.")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(lvgl9FieldMax));
    }
    if (!isPowerOfTwo(options.strideAlign) || options.strideAlign > lvglStrideAlignMax) {
        return fail(error,
                    EmbeddedTargets::tr("Rows can be aligned to a power of two of bytes up to %1, "
                                        "not to %2.")
                        .arg(lvglStrideAlignMax)
                        .arg(options.strideAlign));
    }
    const qint64 rowBytes = qint64(image.width()) * bytesPerPixel(format);
    const qint64 stride =
        (rowBytes + options.strideAlign - 1) / options.strideAlign * options.strideAlign;
    if (stride > lvgl9FieldMax) {
        return fail(error,
                    EmbeddedTargets::tr("A row of %1 pixels takes %2 bytes in %3; LVGL 9 takes "
                                        "rows of at most %4 bytes.")
                        .arg(image.width())
                        .arg(stride)
                        .arg(QString::fromLatin1(lvglFormatName(format)))
                        .arg(lvgl9FieldMax));
    }
    const qint64 dataSize = dataSizeOf(format, stride, image.height());
    if (dataSize > lvglDataSizeMax) {
        return fail(error,
                    EmbeddedTargets::tr("The picture takes %1 bytes in %2; LVGL takes at most %3.")
                        .arg(dataSize)
                        .arg(QString::fromLatin1(lvglFormatName(format)))
                        .arg(lvglDataSizeMax));
    }

    // Converted a band of rows at a time, so that a large picture is not
    // held twice over.
    constexpr int bandRows = 64;
    LvglImage converted;
    if (!allocateZeroed(&converted.data, dataSize, error))
        return false;
    uchar *data = reinterpret_cast<uchar *>(converted.data.data());
    uchar *alpha = format == LvglColorFormat::Rgb565A8 ? data + stride * image.height() : nullptr;
    for (int top = 0; top < image.height(); top += bandRows) {
        const int rows = qMin(bandRows, image.height() - top);
        const QImage band =
            image.copy(0, top, image.width(), rows).convertToFormat(QImage::Format_ARGB32);
        if (band.isNull())
            return fail(error, outOfMemoryError());
        for (int y = 0; y < rows; ++y) {
            const int row = top + y;
            convertRow(reinterpret_cast<const QRgb *>(band.constScanLine(y)), image.width(), format,
                       options.background, data + stride * row,
                       alpha ? alpha + stride / 2 * row : nullptr);
        }
    }
    converted.format = format;
    converted.width = image.width();
    converted.height = image.height();
    converted.stride = int(stride);
    *result = std::move(converted);
    return true;
}

bool lvgl9BinFile(const LvglImage &image, QByteArray *bin, QString *error)
{
    if (!isValid(image))
        return fail(error, notConvertedError());
    uchar header[12] = {};
    header[0] = 0x19; // LV_IMAGE_HEADER_MAGIC: LVGL 9
    header[1] = uchar(lvglFormatCode(image.format));
    qToLittleEndian(quint16(0), header + 2); // flags: neither premultiplied nor compressed
    qToLittleEndian(quint16(image.width), header + 4);
    qToLittleEndian(quint16(image.height), header + 6);
    qToLittleEndian(quint16(image.stride), header + 8);
    QByteArray file;
    if (!allocateZeroed(&file, sizeof header + image.data.size(), error))
        return false;
    std::copy(header, header + sizeof header, file.begin());
    std::copy(image.data.begin(), image.data.end(), file.begin() + sizeof header);
    *bin = std::move(file);
    return true;
}

bool lvgl9CSource(const LvglImage &image, const QString &identifier, QByteArray *source,
                  QString *error, qint64 byteLimit)
{
    if (!checkIdentifier(identifier, error))
        return false;
    if (!isValid(image))
        return fail(error, notConvertedError());

    const QByteArray name = identifier.toLatin1();
    const QByteArray attribute = "LV_ATTRIBUTE_" + name.toUpper();
    // Five characters a byte and a line break and indent a row; the rest
    // is a fixed text with the name in it a few times.
    const qint64 rows =
        image.format == LvglColorFormat::Rgb565A8 ? 2 * qint64(image.height) : image.height;
    const qint64 bound = image.data.size() * 5 + rows * 5 + 1024 + 8 * name.size();
    QByteArray text;
    if (!reserveSource(&text, bound, byteLimit, error))
        return false;

    text += '\n';
    appendLine(&text, "#if defined(LV_LVGL_H_INCLUDE_SIMPLE)");
    appendLine(&text, "#include \"lvgl.h\"");
    appendLine(&text, "#elif defined(LV_LVGL_H_INCLUDE_SYSTEM)");
    appendLine(&text, "#include <lvgl.h>");
    appendLine(&text, "#else");
    appendLine(&text, "#include \"lvgl/lvgl.h\"");
    appendLine(&text, "#endif");
    text += '\n';
    appendLine(&text, "#ifndef LV_ATTRIBUTE_MEM_ALIGN");
    appendLine(&text, "#define LV_ATTRIBUTE_MEM_ALIGN");
    appendLine(&text, "#endif");
    text += '\n';
    text += "#ifndef " + attribute + "\n#define " + attribute + "\n#endif\n\n";
    text += "static const\nLV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST " + attribute
        + "\nuint8_t " + name + "_map[] = {\n";

    const char *data = image.data.constData();
    const qint64 colourBytes = qint64(image.stride) * image.height;
    for (qint64 at = 0; at < colourBytes; at += image.stride) {
        text += "\n    ";
        appendHexBytes(&text, data + at, image.stride, ",");
    }
    if (image.format == LvglColorFormat::Rgb565A8) {
        text += "\n\n    /* alpha */";
        const int alphaStride = image.stride / 2;
        for (qint64 at = colourBytes; at < image.data.size(); at += alphaStride) {
            text += "\n    ";
            appendHexBytes(&text, data + at, alphaStride, ",");
        }
    }
    text += "\n\n};\n\n";

    // Members left out are zero, so the same source fits the releases of
    // LVGL 9 whose lv_image_dsc_t ends in a reserved pointer and those whose
    // does not.
    text += "const lv_image_dsc_t " + name + " = {\n";
    text += "  .header.magic = LV_IMAGE_HEADER_MAGIC,\n";
    text += "  .header.cf = LV_COLOR_FORMAT_" + lvglFormatName(image.format) + ",\n";
    text += "  .header.flags = 0,\n";
    text += "  .header.w = " + QByteArray::number(image.width) + ",\n";
    text += "  .header.h = " + QByteArray::number(image.height) + ",\n";
    text += "  .header.stride = " + QByteArray::number(image.stride) + ",\n";
    text += "  .data_size = sizeof(" + name + "_map),\n";
    text += "  .data = " + name + "_map,\n";
    text += "};\n\n";
    *source = std::move(text);
    return true;
}
