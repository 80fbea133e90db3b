#include "app/window.h"

#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "render/renderarea.h"
#include "ui/savefiledialog.h"
#include "version.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>

// The gauge as a document: the file it belongs to, and whether it has
// changed since it was last opened or saved, which the undo history knows
// (its clean state). New and Open start a new history; the form's Load and
// the preset list merge into the gauge as steps of the current one.

void Window::updateWindowTitle()
{
    QString title = QStringLiteral("Dialwright ") + dialwrightVersion();
    if (!documentPath.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(documentPath).fileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(undoStack && !undoStack->isClean());
}

void Window::adoptDocument(const QString &path)
{
    documentPath = QFileInfo(path).absoluteFilePath();
    undoStack->setClean();
    endEditRun();
    addRecentFile(documentPath);
    refreshRecentMenu();
    updateWindowTitle();
}

QString Window::fileDialogFolder() const
{
    QStringList candidates;
    if (!documentPath.isEmpty())
        candidates << QFileInfo(documentPath).absolutePath();
    candidates << lastUsedFolder()
               << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return firstWritableFolder(candidates);
}

bool Window::maybeSave(const QString &question)
{
    if (undoStack->isClean())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Unsaved Changes"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(documentPath.isEmpty()
                               ? tr("The gauge has never been saved.")
                               : tr("%1 has changes that are not saved.")
                                     .arg(QFileInfo(documentPath).fileName()));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDocument();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool Window::saveDocument()
{
    if (documentPath.isEmpty())
        return saveDocumentAs();
    QString error;
    if (!writeGaugeFile(documentPath, collectLayers(), &error)) {
        reportSaveFailure(this, documentPath, error);
        return false;
    }
    adoptDocument(documentPath);
    // The file may be one of the presets.
    getPresetsFromFolder();
    return true;
}

bool Window::saveDocumentAs()
{
    const QString path = saveGaugeFile(collectLayers(), tr("Save Gauge"), fileDialogFolder());
    if (path.isEmpty())
        return false;
    adoptDocument(path);
    return true;
}

void Window::newDocument()
{
    if (!maybeSave(tr("Save changes to the gauge before starting a new gauge?")))
        return;
    // One default layer, as a freshly started window has.
    applySnapshot(GaugeSnapshot{{namedLayer{tr("Layer 1"), renderArea->defaultGauge()}}, 0});
    presetComboBox->setCurrentIndex(-1);
    documentPath.clear();
    startHistory();
}

void Window::openDocument()
{
    const QString path = askOpenPath(this, tr("Open Gauge"), tr("Gauge files (*.gauge)"),
                                     fileDialogFolder());
    if (!path.isEmpty())
        openDocumentFile(path, tr("Save changes to the gauge before opening another gauge?"));
}

bool Window::openDocumentFile(const QString &path, const QString &question)
{
    // Read first: a file that cannot be used is reported before anything
    // is asked, and leaves the gauge as it is.
    QList<namedLayer> loaded;
    if (!readUsableGaugeFile(path, loaded))
        return false;
    if (!question.isEmpty() && !maybeSave(question))
        return false;

    // The layers are named as in a freshly started window that loads the
    // file, so opening and loading agree.
    nameLayersAsFreshGauge(loaded, QFileInfo(path).completeBaseName());
    applySnapshot(GaugeSnapshot{loaded, 0});
    presetComboBox->setCurrentIndex(-1);
    documentPath = QFileInfo(path).absoluteFilePath();
    startHistory();
    addRecentFile(documentPath);
    refreshRecentMenu();
    return true;
}

void Window::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        removeRecentFile(path);
        refreshRecentMenu();
        QMessageBox::information(this, tr("Open Recent"),
                                 tr("%1 no longer exists. It has been removed from the recent "
                                    "files.")
                                     .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openDocumentFile(path, tr("Save changes to the gauge before opening another gauge?"));
}

void Window::closeEvent(QCloseEvent *event)
{
    if (maybeSave(tr("Save changes to the gauge before closing?")))
        event->accept();
    else
        event->ignore();
}
