#include "app/window.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "pdfraster.h"
#include "testfiles.h"

#include "render/gui/renderarea.h"
#include "ui/physicaloutputdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// What the test sets in the Export PDF / Print dialog, or reads from it.
struct DialogValues
{
    double diameter = 62.0; // in `unit`
    QString unit = QStringLiteral("mm");
    QString page = QStringLiteral("A4");
    double hairline = 0.1;
    bool centreCross = false;
    bool scaleBar = false;
    bool fill = false;
};

template<typename T>
T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

void setValues(QWidget *dialog, const DialogValues &values)
{
    child<QComboBox>(dialog, "diameterUnitComboBox")->setCurrentText(values.unit);
    child<QDoubleSpinBox>(dialog, "diameterSpinBox")->setValue(values.diameter);
    child<QComboBox>(dialog, "pageComboBox")->setCurrentText(values.page);
    child<QDoubleSpinBox>(dialog, "hairlineSpinBox")->setValue(values.hairline);
    child<QCheckBox>(dialog, "centreCrossCheckBox")->setChecked(values.centreCross);
    child<QCheckBox>(dialog, "scaleBarCheckBox")->setChecked(values.scaleBar);
    child<QCheckBox>(dialog, "backgroundCheckBox")->setChecked(values.fill);
}

DialogValues readValues(QWidget *dialog)
{
    return {child<QDoubleSpinBox>(dialog, "diameterSpinBox")->value(),
            child<QComboBox>(dialog, "diameterUnitComboBox")->currentText(),
            child<QComboBox>(dialog, "pageComboBox")->currentText(),
            child<QDoubleSpinBox>(dialog, "hairlineSpinBox")->value(),
            child<QCheckBox>(dialog, "centreCrossCheckBox")->isChecked(),
            child<QCheckBox>(dialog, "scaleBarCheckBox")->isChecked(),
            child<QCheckBox>(dialog, "backgroundCheckBox")->isChecked()};
}

// Sets the dialog's values and presses one of its buttons (by object name;
// "cancel" rejects it). `seen`, when given, gets the dialog's default
// button and whether its fit warning shows.
struct DialogSeen
{
    QString defaultButton;
    bool warning = false;
    QString warningText;
    DialogValues before;
};

ModalAnswers::Handler answerPhysical(const DialogValues *values, const char *button,
                                     DialogSeen *seen = nullptr)
{
    return answerAs<PhysicalOutputDialog>([values, button, seen](PhysicalOutputDialog *dialog) {
        if (seen) {
            seen->before = readValues(dialog);
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->isDefault())
                    seen->defaultButton = b->objectName();
        }
        if (values)
            setValues(dialog, *values);
        if (seen) {
            auto *warning = child<QLabel>(dialog, "fitWarningLabel");
            seen->warning = warning->isVisibleTo(dialog);
            seen->warningText = warning->text();
        }
        if (QByteArray(button) == "cancel")
            return dialog->reject();
        child<QPushButton>(dialog, button)->click();
    });
}

// The window's only layer becomes a black hairline circle at radius 1.0,
// the dial's edge, which shows on paper.
void drawDialEdge(Window *window)
{
    gaugeData layer = window->renderArea->layers.at(0);
    layer.divisionCount = {0, 1, 1};
    layer.tickCountEnabled = false;
    layer.arcAngleLength = {360.0, 0.0, 0.0, 0.0};
    layer.arcRadius[0] = 1.0;
    layer.arcWidth[0] = 0.0;
    layer.arcColor[0] = Qt::black;
    window->document()->setLayer(0, layer, QString());
}

} // namespace

class TestPdfFlows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuEntries_data();
    void menuEntries();
    void exportPdf();
    void optionsKeptUntilClosed();
    void failedExportReported_data();
    void failedExportReported();
    void cancelledExportWritesNothing();
    void printToPdf_data();
    void printToPdf();
    void printBeyondPrintableArea_data();
    void printBeyondPrintableArea();
    void printDialog();
    void printPreview();

private:
    // A window whose progress dialog shows after `delay`, printing on the
    // printer set up by `choose` (the print dialog when unset).
    Window *makeWindow(int delay, std::function<bool(QPrinter *)> choose = {});

    Window *window = nullptr;
    QTemporaryDir *dir = nullptr;
};

Window *TestPdfFlows::makeWindow(int delay, std::function<bool(QPrinter *)> choose)
{
    WindowServices services;
    services.exportProgressDelay = delay;
    services.choosePrinter = std::move(choose);
    return new Window(services);
}

void TestPdfFlows::init()
{
    // A slow run (sanitizers) must not bring up the progress dialog.
    window = makeWindow(600000);
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
}

void TestPdfFlows::cleanup()
{
    delete window;
    delete dir;
}

void TestPdfFlows::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("Export PDF / Print")
        << "Export P&DF / Print..." << QKeySequence() << "exportPdfButton";
    QTest::newRow("Print Preview") << "Print Previe&w..." << QKeySequence() << "printPreviewButton";
    QTest::newRow("Print") << "Prin&t..." << QKeySequence(Qt::CTRL | Qt::Key_P) << "printButton";
}

// Each entry opens the same dialog, its own action the default.
void TestPdfFlows::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, defaultButton);
    QAction *action = nullptr;
    for (QAction *candidate : Form(*window).menuBar->actions().constFirst()->menu()->actions())
        if (candidate->text() == entry)
            action = candidate;
    QVERIFY(action);
    QCOMPARE(action->shortcut(), shortcut);

    DialogSeen seen;
    ModalAnswers answers({answerPhysical(nullptr, "cancel", &seen)});
    action->trigger();
    QVERIFY(answers.allAnswered());
    QCOMPARE(seen.defaultButton, defaultButton);
    QVERIFY(QDir(dir->path()).isEmpty());
}

void TestPdfFlows::exportPdf()
{
    const QString path = dir->filePath(QStringLiteral("dial"));
    const QString start = QDir(window->fileDialogFolder()).absolutePath();
    DialogValues values;
    values.page = QStringLiteral("Fit");
    values.scaleBar = true;
    FileDialogSeen seen;
    ModalAnswers answers({answerPhysical(&values, "exportPdfButton"), chooseFile(path, &seen)});
    formAction(*window, "exportPdfAction")->trigger();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());
    QCOMPARE(seen.caption, QStringLiteral("Export PDF"));
    QCOMPARE(seen.filters, QStringList{QStringLiteral("PDF file (*.pdf)")});
    QCOMPARE(seen.suffix, QStringLiteral("pdf"));
    QVERIFY(seen.saveMode);
    QCOMPARE(seen.directory, start);
    // The typed name had no suffix: the dialog added it. A Fit page with the
    // scale bar at 62 mm.
    const QByteArray pdf = readBytes(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfMediaBox(pdf), QSizeF(328, 328));
}

void TestPdfFlows::optionsKeptUntilClosed()
{
    DialogValues chosen{2.5, QStringLiteral("in"), QStringLiteral("Letter"), 0.25, true, true,
                        true};
    DialogSeen second;
    DialogSeen third;
    // Chosen, then the file dialog cancelled: the choice is kept.
    ModalAnswers answers({answerPhysical(&chosen, "exportPdfButton"), cancelDialog(),
                          answerPhysical(nullptr, "cancel", &second)});
    formAction(*window, "exportPdfAction")->trigger();
    formAction(*window, "printPreviewAction")->trigger();
    QVERIFY(answers.allAnswered());
    const DialogValues &kept = second.before;
    QCOMPARE(kept.diameter, 2.5);
    QCOMPARE(kept.unit, QStringLiteral("in"));
    QCOMPARE(kept.page, QStringLiteral("Letter"));
    QCOMPARE(kept.hairline, 0.25);
    QVERIFY(kept.centreCross && kept.scaleBar && kept.fill);

    // Values changed and then cancelled are not kept.
    DialogValues dropped = chosen;
    dropped.diameter = 3.0;
    ModalAnswers again(
        {answerPhysical(&dropped, "cancel"), answerPhysical(nullptr, "cancel", &third)});
    formAction(*window, "printAction")->trigger();
    formAction(*window, "printAction")->trigger();
    QVERIFY(again.allAnswered());
    QCOMPARE(third.before.diameter, 2.5);

    // A new window, as after starting the program again, has the defaults.
    delete window;
    window = makeWindow(600000);
    DialogSeen fresh;
    ModalAnswers last({answerPhysical(nullptr, "cancel", &fresh)});
    formAction(*window, "exportPdfAction")->trigger();
    QVERIFY(last.allAnswered());
    QCOMPARE(fresh.before.diameter, 62.0);
    QCOMPARE(fresh.before.unit, QStringLiteral("mm"));
}

void TestPdfFlows::failedExportReported_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("folder missing") << false;
    QTest::newRow("disk full, previous file kept") << true;
}

void TestPdfFlows::failedExportReported()
{
    QFETCH(bool, existing);
    const QString path = existing ? dir->filePath(QStringLiteral("kept.pdf"))
                                  : dir->filePath(QStringLiteral("missing/folder/out.pdf"));
    if (existing)
        QVERIFY(writeBytes(path, "previous PDF"));
    BoxSeen box;
    QList<ModalAnswers::Handler> handlers{answerPhysical(nullptr, "exportPdfButton"),
                                          chooseFile(path)};
    if (existing)
        handlers << pressButton(QMessageBox::Yes); // replace it
    handlers << pressButton(QMessageBox::Ok, &box);
    ModalAnswers answers(handlers);
    {
        FileSizeLimit limit(4096);
        formAction(*window, "exportPdfAction")->trigger();
        QTRY_VERIFY(exportsIdle(*window));
    }
    QTRY_VERIFY(answers.allAnswered());
    QCOMPARE(box.title, QStringLiteral("Unable to save file"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.parent, window);
    QVERIFY2(box.text.contains(QFileInfo(path).fileName()), qPrintable(box.text));
    if (existing)
        QCOMPARE(readBytes(path), QByteArray("previous PDF"));
    else
        QVERIFY(!QFile::exists(path));
}

void TestPdfFlows::cancelledExportWritesNothing()
{
    // The densest layer the form can make takes seconds as a PDF.
    delete window;
    window = makeWindow(0);
    gaugeData dense;
    dense.divisionCount = {100, 100, 100};
    window->document()->setLayer(0, dense, QString());
    const QString path = dir->filePath(QStringLiteral("kept.pdf"));
    QVERIFY(writeBytes(path, "previous PDF"));
    bool editable = false;
    ModalAnswers answers({answerPhysical(nullptr, "exportPdfButton"), chooseFile(path),
                          pressButton(QMessageBox::Yes),
                          answerAs<QProgressDialog>([this, &editable](QProgressDialog *progress) {
                              // The window stays alive meanwhile, only blocked.
                              editable = window->isEnabled() && !exportsIdle(*window);
                              progress->findChild<QPushButton *>()->click();
                          })});
    formAction(*window, "exportPdfAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(exportsIdle(*window), 60000);
    QVERIFY(answers.allAnswered());
    QVERIFY(editable);
    QCOMPARE(readBytes(path), QByteArray("previous PDF"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});
}

void TestPdfFlows::printToPdf_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QSizeF>("mediaBox");
    QTest::newRow("A4") << "A4" << QSizeF(595, 842);
    QTest::newRow("Letter") << "Letter" << QSizeF(612, 792);
    QTest::newRow("Fit") << "Fit" << QSizeF(237, 237);
}

// Printed to a PDF file by the printer itself: the page the dialog chose,
// the dial at its size, centred.
void TestPdfFlows::printToPdf()
{
    QFETCH(QString, page);
    QFETCH(QSizeF, mediaBox);
    const QString path = dir->filePath(QStringLiteral("printed.pdf"));
    bool fullPage = false;
    delete window;
    window = makeWindow(600000, [&](QPrinter *printer) {
        fullPage = printer->fullPage();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return true;
    });
    drawDialEdge(window);
    DialogValues values;
    values.page = page;
    ModalAnswers answers({answerPhysical(&values, "printButton")});
    formAction(*window, "printAction")->trigger();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());
    QVERIFY(fullPage);

    QCOMPARE(pdfMediaBox(readBytes(path)), mediaBox);
    const QRectF drawing = placeOnPage(PhysicalOutputOptions(), mediaBox / pointsPerMm).drawingMm;
    QString error;
    const QImage image = rasterisePdf(path, 600, drawing, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QPointF centre;
    const double measured = 2.0 * fitInkCircle(image, &centre) * 25.4 / 600;
    qInfo("Printed to PDF on %s at 62 mm: measured diameter %.3f mm", qPrintable(page), measured);
    QVERIFY2(std::abs(measured - 62.0) <= 0.1, qPrintable(QString::number(measured)));
    QVERIFY(std::abs(centre.x() * 25.4 / 600 - drawing.width() / 2) <= 0.1);
}

void TestPdfFlows::printBeyondPrintableArea_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("cancelled") << "Cancel";
    QTest::newRow("printed anyway") << "Print Anyway";
}

void TestPdfFlows::printBeyondPrintableArea()
{
    QFETCH(QString, answer);
    const QString path = dir->filePath(QStringLiteral("large.pdf"));
    delete window;
    window = makeWindow(600000, [&](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return true;
    });
    // 250 mm of dial, 256 of drawing: wider than A4's 210 mm. The dialog
    // says so first.
    DialogValues values;
    values.diameter = 250.0;
    DialogSeen seen;
    BoxSeen box;
    ModalAnswers answers(
        {answerPhysical(&values, "printButton", &seen), clickButton(answer, &box)});
    formAction(*window, "printAction")->trigger();
    QTRY_VERIFY(exportsIdle(*window));
    QVERIFY(answers.allAnswered());
    QVERIFY(seen.warning);
    QVERIFY2(seen.warningText.contains(QLatin1String("does not fit on the A4 page")),
             qPrintable(seen.warningText));
    QCOMPARE(box.title, QStringLiteral("Gauge Does Not Fit"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.defaultButton, QStringLiteral("Cancel"));
    QCOMPARE(QFile::exists(path), answer == QLatin1String("Print Anyway"));
    if (QFile::exists(path))
        QCOMPARE(pdfMediaBox(readBytes(path)), QSizeF(595, 842));
}

// Without a test's printer the print dialog asks, on the page chosen.
void TestPdfFlows::printDialog()
{
    DialogValues values;
    values.page = QStringLiteral("Letter");
    QPageSize::PageSizeId offered = QPageSize::A4;
    ModalAnswers answers({answerPhysical(&values, "printButton"),
                          answerAs<QPrintDialog>([&offered](QPrintDialog *dialog) {
                              offered = dialog->printer()->pageLayout().pageSize().id();
                              dialog->reject();
                          })});
    formAction(*window, "printAction")->trigger();
    QVERIFY(answers.allAnswered());
    QCOMPARE(offered, QPageSize::Letter);
}

void TestPdfFlows::printPreview()
{
    int pages = -1;
    ModalAnswers answers({answerPhysical(nullptr, "printPreviewButton"),
                          answerAs<QPrintPreviewDialog>([&pages](QPrintPreviewDialog *dialog) {
                              auto *preview = dialog->findChild<QPrintPreviewWidget *>();
                              QVERIFY(preview);
                              QTRY_COMPARE(preview->pageCount(), 1);
                              pages = preview->pageCount();
                              dialog->reject();
                          })});
    formAction(*window, "printPreviewAction")->trigger();
    QVERIFY(answers.allAnswered());
    QCOMPARE(pages, 1);
}

QTEST_MAIN(TestPdfFlows)
#include "test_pdfflows.moc"
