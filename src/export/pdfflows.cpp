#include "app/window.h"

#include "export/exportprogress.h"
#include "export/pdfexport.h"
#include "render/renderarea.h"
#include "ui/physicaloutputdialog.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopedValueRollback>

#include <atomic>

namespace {

using Action = PhysicalOutputDialog::Action;

// Runs `work` on a worker thread as every export runs (see runExport) and
// returns what it returned; `cancelled` says whether the user cancelled.
bool runOffGuiThread(Window *window, const QString &label,
                     const std::function<bool(const std::atomic_bool *cancel)> &work,
                     bool *cancelled)
{
    ExportProgress progress;
    QString error;
    const bool done = runExport(window, label, window->exportProgressDelay, progress,
                                [&](QString *) { return work(&progress.cancelled); }, &error);
    *cancelled = progress.cancelled;
    return done;
}

void exportPdf(Window *window, const PhysicalOutputOptions &options)
{
    const QString path =
        askSavePath(window, Window::tr("Export PDF"), Window::tr("PDF file (*.pdf)"),
                    QStringLiteral("pdf"), window->fileDialogFolder());
    if (path.isEmpty())
        return;
    // The gauge as it is now; the window may change it while the PDF is made.
    const QList<gaugeData> layers = window->renderArea->layers;
    QString error;
    bool cancelled = false;
    const bool written = runOffGuiThread(
        window, Window::tr("Saving %1…").arg(QFileInfo(path).fileName()),
        [&](const std::atomic_bool *cancel) {
            return writeGaugePdf(layers, options, path, &error, cancel);
        },
        &cancelled);
    if (!written && !cancelled)
        reportSaveFailure(window, path, error);
}

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

bool askPrinter(Window *window, QPrinter *printer)
{
    if (window->choosePrinter)
        return window->choosePrinter(printer);
    QPrintDialog dialog(printer, window);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
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

void print(Window *window, const PhysicalOutputOptions &options)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(&printer, options);
    if (!askPrinter(window, &printer))
        return;
    const PhysicalPlacement placement = placeOnPage(options, paperSize(printer));
    if (!fitsInside(placement, printableArea(printer))) {
        QMessageBox box(QMessageBox::Warning, Window::tr("Gauge Does Not Fit"),
                        Window::tr("The gauge does not fit in the printable area of the page. "
                                   "It is printed at its true size, not shrunk, so what lies "
                                   "beyond the printable area is left out."),
                        QMessageBox::Cancel, window);
        QPushButton *printAnyway =
            box.addButton(Window::tr("Print Anyway"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        if (box.clickedButton() != printAnyway)
            return;
    }
    const QList<gaugeData> layers = window->renderArea->layers;
    bool cancelled = false;
    const bool printed = runOffGuiThread(
        window, Window::tr("Printing…"),
        [&](const std::atomic_bool *cancel) { return paintOn(&printer, layers, options, cancel); },
        &cancelled);
    if (!printed && !cancelled) {
        const QString target = printer.outputFileName().isEmpty()
            ? printer.printerName()
            : QFileInfo(printer.outputFileName()).fileName();
        QMessageBox::warning(window, Window::tr("Unable to print"),
                             Window::tr("The gauge could not be sent to %1.").arg(target));
    }
}

void printPreview(Window *window, const PhysicalOutputOptions &options)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(&printer, options);
    QPrintPreviewDialog preview(&printer, window);
    preview.setWindowTitle(Window::tr("Print Preview"));
    // Drawn again whenever the preview's page setup changes it.
    const QList<gaugeData> layers = window->renderArea->layers;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&layers, &options](QPrinter *target) {
                         target->setFullPage(true);
                         paintOn(target, layers, options);
                     });
    preview.exec();
}

void runPhysicalOutput(Window *window, Action preferred)
{
    if (window->exportRunning)
        return;
    const QScopedValueRollback<bool> running(window->exportRunning, true);
    PhysicalOutputDialog dialog(window);
    dialog.setOptions(window->physicalOutput);
    dialog.setUnit(window->physicalOutputUnit);
    dialog.setDefaultAction(preferred);
    if (dialog.exec() != QDialog::Accepted)
        return;
    window->physicalOutput = dialog.options();
    window->physicalOutputUnit = dialog.unit();
    switch (dialog.chosenAction()) {
    case Action::ExportPdf:
        exportPdf(window, window->physicalOutput);
        break;
    case Action::PrintPreview:
        printPreview(window, window->physicalOutput);
        break;
    case Action::Print:
        print(window, window->physicalOutput);
        break;
    }
}

} // namespace

void Window::exportPdfOrPrint()
{
    runPhysicalOutput(this, Action::ExportPdf);
}

void Window::printGauge()
{
    runPhysicalOutput(this, Action::Print);
}

void Window::printPreview()
{
    runPhysicalOutput(this, Action::PrintPreview);
}
