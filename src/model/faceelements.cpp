#include "model/faceelements.h"

#include <cmath>

namespace {

// NaN equals NaN here, so that an element read from a damaged file equals
// itself and an unchanged gauge is seen as unchanged.
bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

bool faceText::operator==(const faceText &o) const
{
    return text == o.text && sameNumber(x, o.x) && sameNumber(y, o.y) && family == o.family
        && sameNumber(size, o.size) && bold == o.bold && italic == o.italic && color == o.color
        && sameNumber(rotation, o.rotation) && align == o.align && fileObject == o.fileObject;
}

bool facePicture::operator==(const facePicture &o) const
{
    return data == o.data && format == o.format && sameNumber(x, o.x) && sameNumber(y, o.y)
        && sameNumber(width, o.width) && sameNumber(rotation, o.rotation)
        && sameNumber(opacity, o.opacity) && fileObject == o.fileObject;
}

QString pictureFormatName(pictureFormat format)
{
    switch (format) {
    case pictureFormat::png:
        return QStringLiteral("png");
    case pictureFormat::jpeg:
        return QStringLiteral("jpeg");
    case pictureFormat::svg:
        return QStringLiteral("svg");
    case pictureFormat::unknown:
        break;
    }
    return QString();
}

pictureFormat pictureFormatFromName(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("png"))
        return pictureFormat::png;
    if (lower == QLatin1String("jpeg") || lower == QLatin1String("jpg"))
        return pictureFormat::jpeg;
    if (lower == QLatin1String("svg"))
        return pictureFormat::svg;
    return pictureFormat::unknown;
}

pictureFormat sniffPictureFormat(const QByteArray &data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return pictureFormat::png;
    if (data.startsWith("\xff\xd8\xff"))
        return pictureFormat::jpeg;
    // An SVG document names its root element early, after an XML
    // declaration, comments or a document type at most.
    const QByteArray head = data.left(4096);
    if (head.contains("<svg") && head.trimmed().startsWith('<'))
        return pictureFormat::svg;
    return pictureFormat::unknown;
}

QString textAlignName(textAlign align)
{
    switch (align) {
    case textAlign::left:
        return QStringLiteral("left");
    case textAlign::right:
        return QStringLiteral("right");
    case textAlign::center:
        break;
    }
    return QStringLiteral("center");
}

bool textAlignFromName(const QString &name, textAlign *align)
{
    for (const textAlign a : {textAlign::left, textAlign::center, textAlign::right}) {
        if (name == textAlignName(a)) {
            *align = a;
            return true;
        }
    }
    return false;
}
