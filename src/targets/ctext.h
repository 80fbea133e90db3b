#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Helpers the writers of C sources share.

// Most bytes one generated C source may have, as for the program's other
// text outputs: five or six characters a byte make a 4096 x 4096 picture in
// RGB565 (33 MB of pixels) a source of about 170 MB.
constexpr qint64 cSourceByteLimit = 256'000'000;

// The context of the embedded targets' texts in the translations.
struct EmbeddedTargets
{
    Q_DECLARE_TR_FUNCTIONS(EmbeddedTargets)
};

// Appends "0x" and two lower-case hex digits of each byte, then `separator`.
void appendHexBytes(QByteArray *text, const char *bytes, qsizetype count, const char *separator);

// Appends a number in hex of four digits, "0xf800".
void appendHex16(QByteArray *text, quint16 value);

// Whether `identifier` may name the generated variables; when not, false
// with the reason in `error` (when given).
[[nodiscard]] bool checkIdentifier(const QString &identifier, QString *error);

// Makes room for a source of at most `bytes` bytes in `text`. Returns false
// with the reason in `error` (when given) when that is over `byteLimit` or
// the memory cannot be had.
[[nodiscard]] bool reserveSource(QByteArray *text, qint64 bytes, qint64 byteLimit, QString *error);

// A byte array of `size` bytes, all zero. False with "Out of memory." in
// `error` (when given) when the memory cannot be had.
[[nodiscard]] bool allocateZeroed(QByteArray *bytes, qint64 size, QString *error);

// The exports' own "Out of memory.".
QString outOfMemoryError();

// The reason given when a picture is null or has no pixels.
QString emptyPictureError();
