#include "targets/tftheader.h"

#include "targets/pixelrules.h"

#include <QImage>

#include <new>

namespace {

constexpr int valuesPerLine = 16;

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

quint16 swapped(quint16 value)
{
    return quint16(value << 8 | value >> 8);
}

} // namespace

bool tftPixels(const QImage &image, const TftSpriteOptions &options, QList<quint16> *pixels,
               QString *error)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return fail(error, emptyPictureError());
    if (image.width() > tftSideMax || image.height() > tftSideMax) {
        return fail(error,
                    EmbeddedTargets::tr("The picture is %1 x %2 pixels; a TFT sprite takes at "
                                        "most %3 pixels each way.")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(tftSideMax));
    }
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    if (straight.isNull())
        return fail(error, outOfMemoryError());

    const int bgRed = qRed(options.background);
    const int bgGreen = qGreen(options.background);
    const int bgBlue = qBlue(options.background);
    QList<quint16> result;
    try {
        result.reserve(qsizetype(image.width()) * image.height());
    } catch (const std::bad_alloc &) {
        return fail(error, outOfMemoryError());
    }
    for (int y = 0; y < straight.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const int a = qAlpha(row[x]);
            quint16 colour = rgb565Truncated(flattenedExactly(qRed(row[x]), a, bgRed),
                                             flattenedExactly(qGreen(row[x]), a, bgGreen),
                                             flattenedExactly(qBlue(row[x]), a, bgBlue));
            if (options.transparentColor) {
                if (a == 0)
                    colour = *options.transparentColor;
                else if (colour == *options.transparentColor)
                    colour ^= 1;
            }
            result.append(options.swapBytes ? swapped(colour) : colour);
        }
    }
    *pixels = std::move(result);
    return true;
}

bool tftHeader(const QImage &image, const QString &identifier, QByteArray *header, QString *error,
               const TftSpriteOptions &options, qint64 byteLimit)
{
    if (!checkIdentifier(identifier, error))
        return false;
    QList<quint16> pixels;
    if (!tftPixels(image, options, &pixels, error))
        return false;
    QByteArray table;
    if (!options.angles.isEmpty()
        && !cAngleTable(options.angles, identifier, AngleUnit::Degrees, &table, error, byteLimit))
        return false;
    QByteArray pivot;
    if (options.pivot && !cPivotDefines(identifier, *options.pivot, &pivot, error))
        return false;

    const QByteArray name = identifier.toLatin1();
    const QByteArray macro = name.toUpper();
    // Eight characters a value, an indent and a line break every sixteen.
    const qint64 bound = qint64(pixels.size()) * 8 + pixels.size() / valuesPerLine * 6
        + table.size() + 2048 + 8 * name.size();
    QByteArray text;
    if (!reserveSource(&text, bound, byteLimit, error))
        return false;

    text += "/* " + name + ": " + QByteArray::number(image.width()) + " x "
        + QByteArray::number(image.height()) + " pixels, RGB565";
    text += options.swapBytes ? ", the two bytes of each value swapped for sending as they lie "
                                "in memory (no setSwapBytes). */\n"
                              : ", one colour a value (setSwapBytes(true) to send them). */\n";
    text += "#pragma once\n\n#include <stdint.h>\n";
    text += "#if defined(__AVR__)\n#include <avr/pgmspace.h>\n"
            "#elif defined(ESP8266) || defined(ESP32) || defined(ARDUINO_ARCH_RP2040)\n"
            "#include <pgmspace.h>\n#endif\n#ifndef PROGMEM\n#define PROGMEM\n#endif\n\n";
    text += "#define " + macro + "_WIDTH " + QByteArray::number(image.width()) + "\n";
    text += "#define " + macro + "_HEIGHT " + QByteArray::number(image.height()) + "\n";
    if (options.transparentColor) {
        text += "#define " + macro + "_TRANSPARENT ";
        appendHex16(&text, *options.transparentColor);
        text += '\n';
    }
    text += pivot;
    text += "\nstatic const uint16_t " + name + '[' + macro + "_WIDTH * " + macro
        + "_HEIGHT] PROGMEM = {";
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        text += i % valuesPerLine == 0 ? "\n    " : " ";
        appendHex16(&text, pixels.at(i));
        text += ',';
    }
    text += "\n};\n";
    if (!table.isEmpty())
        text += '\n' + table;
    *header = std::move(text);
    return true;
}
