#pragma once

#include "export/physicalpage.h"
#include "model/gaugedata.h"

#include <QList>
#include <QString>

#include <atomic>

class QIODevice;

// Most bytes a PDF export may have. The densest layer the form can make
// gives about 17 MB.
constexpr qint64 pdfByteLimit = 256'000'000;

// The document title and creator the PDF carries: "Dialwright 2 Gauge" and
// "Dialwright" with the program's version.
QString pdfTitle();
QString pdfCreator();

// Writes a one-page vector PDF of the gauge at its true size (see
// paintPhysicalGauge) to `device`: the page the options ask for, the gauge
// centred on it. Returns false with a one-line reason in `error` (when
// given) if the diameter or hairline width is out of range, the PDF would be
// larger than `byteLimit` (part of it may then have reached the device), the
// device fails or `cancel` is set. Needs no GUI thread.
[[nodiscard]] bool writeGaugePdf(const QList<gaugeData> &layers,
                                 const PhysicalOutputOptions &options, QIODevice *device,
                                 QString *error = nullptr, const std::atomic_bool *cancel = nullptr,
                                 qint64 byteLimit = pdfByteLimit);

// The same into the file at `path`, whole or not at all (see OutputFile):
// on failure an existing file keeps its content.
[[nodiscard]] bool writeGaugePdf(const QList<gaugeData> &layers,
                                 const PhysicalOutputOptions &options, const QString &path,
                                 QString *error = nullptr,
                                 const std::atomic_bool *cancel = nullptr);
