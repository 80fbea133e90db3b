#include "fileio/safewrite.h"

#include "fileio/outputfile.h"

#include <QIODevice>

bool writeOutputFile(const QString &path,
                     const std::function<bool(QIODevice *, QString *)> &produce, QString *error)
{
    OutputFile output(path);
    if (!output.open(error))
        return false;
    if (!produce(output.device(), error)) {
        output.discard();
        return false;
    }
    return output.commit(error);
}

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeOutputFile(
        path, [&bytes](QIODevice *device, QString *reason) {
            return writeAllBytes(device, bytes, reason);
        },
        error);
}

bool writeAllBytes(QIODevice *device, const QByteArray &bytes, QString *error)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 chunk = device->write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            if (error)
                *error = device->errorString();
            return false;
        }
        written += chunk;
    }
    return true;
}
