#include "fileio/safewrite.h"

#include <QSaveFile>

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    auto fail = [&file, error] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // A short write comes without a reason; writing the rest once more
    // meets the system's error ("No space left on device").
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
            return fail();
        written += chunk;
    }
    // Flushed before committing: small contents are still buffered here, and
    // commit() has been seen to report success after the flush inside it
    // failed, renaming a cut-off temporary file over the user's file.
    if (!file.flush()) {
        file.flush();
        return fail();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
