#include "app/window_p.h"

#include "export/gui/exportrunner.h"
#include "export/pdfexport.h"
#include "model/gaugedocument.h"
#include "ui/physicaloutputdialog.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <memory>

// The gauge at its true size, as a PDF or on paper. Each entry opens the
// Export PDF / Print dialog with its own default button; the options chosen
// there are kept until the program closes. The PDF and the print run are
// made on a worker thread, as every export is.

namespace {

using Action = PhysicalOutputDialog::Action;

// The printable part of the printer's page, in millimetres from the paper's
// top-left corner.
QRectF printableArea(const QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return layout.fullRect().marginsRemoved(layout.minimumMargins());
}

QSizeF paperSize(const QPrinter &printer)
{
    return pageSizeMm(printer.pageLayout());
}

// Draws the page on the printer; `cancel`, when set, abandons the print
// run instead. False when the printer could not be started or the run was
// cancelled.
bool paintOn(QPrinter *printer, const QList<gaugeData> &layers,
             const PhysicalOutputOptions &options, const std::atomic_bool *cancel = nullptr)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    paintPhysicalGauge(&painter, layers, options, paperSize(*printer),
                       [cancel] { return cancel && cancel->load(); });
    if (cancel && cancel->load()) {
        printer->abort();
        return false;
    }
    return painter.end();
}

// A printer drawing from the paper's corner at the printer's own
// resolution, on the page the options ask for, which the print dialog may
// still change.
void setUpPrinter(QPrinter *printer, const PhysicalOutputOptions &options)
{
    printer->setFullPage(true);
    printer->setPageSize(physicalPageSize(options));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setDocName(pdfTitle());
    printer->setCreator(pdfCreator());
}

} // namespace

void Window::exportPdfOrPrint()
{
    runPhysicalOutput(int(Action::ExportPdf));
}

void Window::printGauge()
{
    runPhysicalOutput(int(Action::Print));
}

void Window::printPreview()
{
    runPhysicalOutput(int(Action::PrintPreview));
}

void Window::runPhysicalOutput(int preferred)
{
    if (d->exports->isRunning())
        return;
    PhysicalOutputDialog dialog(this);
    dialog.setOptions(d->physicalOutput);
    dialog.setUnit(d->physicalOutputUnit);
    dialog.setDefaultAction(Action(preferred));
    if (dialog.exec() != QDialog::Accepted)
        return;
    d->physicalOutput = dialog.options();
    d->physicalOutputUnit = dialog.unit();
    const PhysicalOutputOptions options = d->physicalOutput;
    // The gauge as it is now; the window may change it while it is made.
    const QList<gaugeData> layers = d->document->layerData();

    switch (dialog.chosenAction()) {
    case Action::ExportPdf: {
        const QString path = askSavePath(this, tr("Export PDF"), tr("PDF file (*.pdf)"),
                                         QStringLiteral("pdf"), fileDialogFolder());
        if (path.isEmpty())
            return;
        exportToFile(path, 0, [layers, options, path](ExportProgress &progress, QString *error) {
            return writeGaugePdf(layers, options, path, error, &progress.cancelled);
        });
        break;
    }
    case Action::PrintPreview: {
        QPrinter printer(QPrinter::HighResolution);
        setUpPrinter(&printer, options);
        QPrintPreviewDialog preview(&printer, this);
        preview.setWindowTitle(tr("Print Preview"));
        // Drawn again whenever the preview's page setup changes it.
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                [&layers, &options](QPrinter *target) {
                    target->setFullPage(true);
                    paintOn(target, layers, options);
                });
        preview.exec();
        break;
    }
    case Action::Print:
        printOnPaper(layers, options);
        break;
    }
}

void Window::printOnPaper(const QList<gaugeData> &layers, const PhysicalOutputOptions &options)
{
    // The printer goes with the print run, which outlives this call.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    setUpPrinter(printer.get(), options);
    const bool chosen = d->services.choosePrinter ? d->services.choosePrinter(printer.get()) : [&] {
        QPrintDialog dialog(printer.get(), this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!chosen)
        return;
    const PhysicalPlacement placement = placeOnPage(options, paperSize(*printer));
    if (!fitsInside(placement, printableArea(*printer))) {
        QMessageBox box(QMessageBox::Warning, tr("Gauge Does Not Fit"),
                        tr("The gauge does not fit in the printable area of the page. It is "
                           "printed at its true size, not shrunk, so what lies beyond the "
                           "printable area is left out."),
                        QMessageBox::Cancel, this);
        QPushButton *printAnyway = box.addButton(tr("Print Anyway"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        if (box.clickedButton() != printAnyway)
            return;
    }
    d->exports->start(
        tr("Printing…"), 0,
        [printer, layers, options](ExportProgress &progress, QString *) {
            return paintOn(printer.get(), layers, options, &progress.cancelled);
        },
        [this, printer](bool printed, bool cancelled, const QString &) {
            if (printed || cancelled)
                return;
            const QString target = printer->outputFileName().isEmpty()
                ? printer->printerName()
                : QFileInfo(printer->outputFileName()).fileName();
            QMessageBox::warning(this, tr("Unable to print"),
                                 tr("The gauge could not be sent to %1.").arg(target));
        });
}
