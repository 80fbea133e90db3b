#include "app/window_p.h"

#include "gaugefile/editorsettings.h"
#include "gaugefile/gaugedocument.h"
#include "gaugefile/gaugefilereader.h"
#include "gaugefile/layernames.h"
#include "model/gaugedocument.h"
#include "ui/savefiledialog.h"
#include "version.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

// The gauge as a document: the file it belongs to, and whether it has
// changed since it was last opened or saved, which the undo history knows
// (its clean state). New and Open start a new history; the form's Load and
// the preset list merge into the gauge as steps of the current one.

void Window::updateWindowTitle()
{
    QString title = QStringLiteral("Dialwright ") + dialwrightVersion();
    const QString path = d->document->filePath();
    if (!path.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(path).fileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(!d->document->isClean());
}

void Window::adoptDocument(const QString &path)
{
    d->document->setFilePath(QFileInfo(path).absoluteFilePath());
    d->document->setClean();
    addRecentFile(d->document->filePath());
    refreshRecentMenu();
}

QString Window::fileDialogFolder() const
{
    QStringList candidates;
    if (!d->document->filePath().isEmpty())
        candidates << QFileInfo(d->document->filePath()).absolutePath();
    candidates << lastUsedFolder()
               << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return firstWritableFolder(candidates);
}

bool Window::maybeSave(const QString &question)
{
    if (d->document->isClean())
        return true;
    const QString path = d->document->filePath();
    QMessageBox box(QMessageBox::Warning, tr("Unsaved Changes"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(path.isEmpty() ? tr("The gauge has never been saved.")
                                          : tr("%1 has changes that are not saved.")
                                                .arg(QFileInfo(path).fileName()));
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
    const QString path = d->document->filePath();
    if (path.isEmpty())
        return saveDocumentAs();
    QString error;
    if (!writeGaugeFile(path, collectLayers(), &error)) {
        reportSaveFailure(this, path, error);
        return false;
    }
    adoptDocument(path);
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
    d->document->reset({namedLayer{tr("Layer 1"), gaugeData()}}, 0);
    d->document->setFilePath(QString());
    d->form.presetComboBox->setCurrentIndex(-1);
}

void Window::openDocument()
{
    const QString path = askOpenPath(this, tr("Open Gauge"), tr("Gauge files (*.gauge)"),
                                     fileDialogFolder());
    if (!path.isEmpty())
        openDocumentFile(path, tr("Save changes to the gauge before opening another gauge?"));
}

bool Window::openDocumentFile(const QString &path, const QString &question,
                              bool namedOnCommandLine)
{
    // Read first: a file that cannot be used is reported before anything
    // is asked, and leaves the gauge as it is.
    QList<namedLayer> loaded;
    if (!readUsableGaugeFile(path, loaded, namedOnCommandLine))
        return false;
    if (!question.isEmpty() && !maybeSave(question))
        return false;

    // The layers are named as in a freshly started window that loads the
    // file, so opening and loading agree.
    nameLayersAsFreshGauge(loaded, QFileInfo(path).completeBaseName());
    d->document->reset(loaded, 0);
    d->form.presetComboBox->setCurrentIndex(-1);
    d->document->setFilePath(QFileInfo(path).absoluteFilePath());
    addRecentFile(d->document->filePath());
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
