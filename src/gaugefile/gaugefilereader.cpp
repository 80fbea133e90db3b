#include "gaugefile/gaugefilereader.h"

#include "gaugefile/gaugedocument.h"

#include <QCoreApplication>
#include <QFile>

gaugeFileStatus readGaugeFile(const QString &path, QList<namedLayer> &layers, QString *error)
{
    layers.clear();
    auto fail = [error](gaugeFileStatus status, const QString &reason) {
        if (error)
            *error = reason;
        return status;
    };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(gaugeFileStatus::CannotOpen, file.errorString());

    const QString tooLarge = QCoreApplication::translate(
        "GaugeFile", "The file is larger than %1 MiB, far too large for a gauge file.")
                                 .arg(maximumGaugeFileSize / (1024 * 1024));
    if (file.size() > maximumGaugeFileSize)
        return fail(gaugeFileStatus::Rejected, tooLarge);

    // Read at most one byte past the limit: devices and pipes report no
    // size, and a file may grow while it is read.
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(file.size());
    while (bytes.size() <= maximumGaugeFileSize) {
        const qint64 wanted = qMin<qint64>(1 << 20, maximumGaugeFileSize + 1 - bytes.size());
        const QByteArray chunk = file.read(wanted);
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(gaugeFileStatus::CannotOpen, file.errorString());
    if (bytes.size() > maximumGaugeFileSize)
        return fail(gaugeFileStatus::Rejected, tooLarge);
    file.close();

    return readGaugeDocument(bytes, layers, error) ? gaugeFileStatus::Loaded
                                                   : gaugeFileStatus::Rejected;
}
