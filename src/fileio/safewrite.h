#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` through QSaveFile, so an existing file stays
// intact until the new content is complete. Returns false with the reason in
// `error` (when given) if the file cannot be opened, written or committed.
[[nodiscard]] bool writeFileSafely(const QString &path, const QByteArray &bytes,
                                   QString *error = nullptr);
