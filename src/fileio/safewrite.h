#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes what `produce` writes to the device it is given into the output at
// `path` (see OutputFile): an existing regular file stays intact until the
// new content is complete, a device or a pipe is written directly and never
// replaced, and nothing at all is written when `produce` fails. Returns
// false with the reason in `error` (when given): the reason `produce` gave,
// or why the output cannot be opened, written or committed.
[[nodiscard]] bool writeOutputFile(const QString &path,
                                   const std::function<bool(QIODevice *, QString *)> &produce,
                                   QString *error = nullptr);

// writeOutputFile with bytes already made.
[[nodiscard]] bool writeFileSafely(const QString &path, const QByteArray &bytes,
                                   QString *error = nullptr);

// Writes all of `bytes` to `device`. A short write comes without a reason;
// writing the rest once more meets the system's error ("No space left on
// device"). Returns false with the device's error text in `error`.
[[nodiscard]] bool writeAllBytes(QIODevice *device, const QByteArray &bytes,
                                 QString *error = nullptr);
