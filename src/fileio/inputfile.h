#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

enum class InputFileStatus {
    Read,       // `bytes` holds the whole file
    CannotOpen, // missing, unreadable, or not a regular file; `error` says why
    TooLarge,   // longer than the limit; nothing is kept
};

// Reads the regular file at `path` whole, when it holds at most `limit`
// bytes. Anything else is refused before a byte is read: a named pipe would
// block the program until some other program writes to it, and a device may
// never end. Never reads more than `limit` + 1 bytes, even from a file that
// grows while it is read. On any status but Read, `bytes` is empty and
// `error` (when given) holds a one-line reason.
[[nodiscard]] InputFileStatus readInputFile(const QString &path, qint64 limit, QByteArray *bytes,
                                            QString *error = nullptr);
