#include "export/pdfexport.h"

#include "fileio/boundedoutput.h"
#include "fileio/safewrite.h"
#include "version.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Device units per inch of the PDF's drawing: fine enough that rounding
// to them never shows, as the page itself is vector.
constexpr int pdfResolution = 1200;

bool checkOptions(const PhysicalOutputOptions &options, QString *error)
{
    return PhysicalSize::checkDiameter(options.diameterMm, error)
        && PhysicalSize::checkHairline(options.hairlineMm, error);
}

} // namespace

QString pdfTitle()
{
    return QCoreApplication::translate("Export", "Dialwright 2 Gauge");
}

QString pdfCreator()
{
    return QStringLiteral("Dialwright %1").arg(dialwrightVersion());
}

bool writeGaugePdf(const QList<gaugeData> &layers, const PhysicalOutputOptions &options,
                   QIODevice *device, QString *error, const std::atomic_bool *cancel,
                   qint64 byteLimit)
{
    if (!checkOptions(options, error))
        return false;
    BoundedOutput output(device, byteLimit,
                         QCoreApplication::translate("Export",
                                                     "The PDF would be larger than %1 MB.")
                             .arg(megabytes(byteLimit)),
                         cancel);
    QPdfWriter writer(&output);
    writer.setResolution(pdfResolution);
    writer.setTitle(pdfTitle());
    writer.setCreator(pdfCreator());
    const QPageSize pageSize = physicalPageSize(options);
    // No margins: the page's top-left corner is the painter's origin.
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));

    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QCoreApplication::translate("Export", "The PDF could not be started.");
        return false;
    }
    paintPhysicalGauge(&painter, layers, options, pageSizeMm(writer.pageLayout()),
                       [&output] { return output.stopped(); });
    // The writer puts out the page and the document's tables here.
    painter.end();
    if (output.stopped() || output.written() == 0) {
        if (error)
            *error = output.stopped()
                ? output.errorString()
                : QCoreApplication::translate("Export", "The PDF could not be written.");
        return false;
    }
    return true;
}

bool writeGaugePdf(const QList<gaugeData> &layers, const PhysicalOutputOptions &options,
                   const QString &path, QString *error, const std::atomic_bool *cancel)
{
    if (!checkOptions(options, error))
        return false;
    return writeOutputFile(
        path,
        [&](QIODevice *device, QString *reason) {
            return writeGaugePdf(layers, options, device, reason, cancel);
        },
        error);
}
