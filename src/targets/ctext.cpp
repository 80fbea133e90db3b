#include "targets/ctext.h"

#include "fileio/boundedoutput.h"
#include "targets/cidentifier.h"

#include <cstring>
#include <new>

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

} // namespace

void appendHexBytes(QByteArray *text, const char *bytes, qsizetype count, const char *separator)
{
    // Written in place: appending piece by piece takes several times as
    // long for the megabytes of a large picture.
    const qsizetype separatorLength = qsizetype(qstrlen(separator));
    const qsizetype start = text->size();
    text->resize(start + count * (4 + separatorLength));
    char *out = text->data() + start;
    for (qsizetype i = 0; i < count; ++i) {
        const auto byte = uchar(bytes[i]);
        *out++ = '0';
        *out++ = 'x';
        *out++ = hexDigits[byte >> 4];
        *out++ = hexDigits[byte & 0xf];
        std::memcpy(out, separator, size_t(separatorLength));
        out += separatorLength;
    }
}

void appendHex16(QByteArray *text, quint16 value)
{
    const char hex[6] = {'0',
                         'x',
                         hexDigits[value >> 12],
                         hexDigits[(value >> 8) & 0xf],
                         hexDigits[(value >> 4) & 0xf],
                         hexDigits[value & 0xf]};
    text->append(hex, 6);
}

bool checkIdentifier(const QString &identifier, QString *error)
{
    if (isCIdentifier(identifier))
        return true;
    if (error) {
        *error =
            EmbeddedTargets::tr("\"%1\" cannot name a variable in C.").arg(identifier.left(80));
    }
    return false;
}

bool reserveSource(QByteArray *text, qint64 bytes, qint64 byteLimit, QString *error)
{
    if (bytes > byteLimit) {
        if (error) {
            *error = EmbeddedTargets::tr("The C source would be larger than %1 MB.")
                         .arg(megabytes(byteLimit));
        }
        return false;
    }
    try {
        text->reserve(qsizetype(bytes));
    } catch (const std::bad_alloc &) {
        if (error)
            *error = outOfMemoryError();
        return false;
    }
    return true;
}

bool allocateZeroed(QByteArray *bytes, qint64 size, QString *error)
{
    try {
        *bytes = QByteArray(qsizetype(size), '\0');
    } catch (const std::bad_alloc &) {
        if (error)
            *error = outOfMemoryError();
        return false;
    }
    return true;
}

QString outOfMemoryError()
{
    return QCoreApplication::translate("Export", "Out of memory.");
}

QString emptyPictureError()
{
    return EmbeddedTargets::tr("The picture has no pixels.");
}
