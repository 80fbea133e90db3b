#include "gaugefile/gaugefilereader.h"

#include "fileio/inputfile.h"
#include "fileio/safewrite.h"
#include "gaugefile/gaugedocument.h"

#include <QCoreApplication>

gaugeFileStatus readGaugeFile(const QString &path, QList<namedLayer> &layers, QString *error)
{
    layers.clear();
    QByteArray bytes;
    QString reason;
    switch (readInputFile(path, maximumGaugeFileSize, &bytes, &reason)) {
    case InputFileStatus::Read:
        break;
    case InputFileStatus::CannotOpen:
        if (error)
            *error = reason;
        return gaugeFileStatus::CannotOpen;
    case InputFileStatus::TooLarge:
        if (error) {
            *error = QCoreApplication::translate(
                         "GaugeFile", "The file is larger than %1 MiB, far too large for a gauge file.")
                         .arg(maximumGaugeFileSize / (1024 * 1024));
        }
        return gaugeFileStatus::Rejected;
    }
    return readGaugeDocument(bytes, layers, error) ? gaugeFileStatus::Loaded
                                                   : gaugeFileStatus::Rejected;
}

bool writeGaugeFile(const QString &path, const QList<namedLayer> &layers, QString *error)
{
    return writeOutputFile(
        path,
        [&layers](QIODevice *device, QString *reason) {
            return writeGaugeDocument(layers, device, reason);
        },
        error);
}
