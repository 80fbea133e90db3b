#include "ui/savefiledialog.h"

#include "gaugefile/editorsettings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString askSavePath(QWidget *parent, const QString &caption, const QString &filter,
                    const QString &suffix, const QString &startFolder)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(startFolder);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    const QString path = files.isEmpty() ? QString() : files.constFirst();
    rememberFolderOf(path);
    return path;
}

QString askOpenPath(QWidget *parent, const QString &caption, const QString &filter,
                    const QString &startFolder)
{
    const QString path = QFileDialog::getOpenFileName(parent, caption, startFolder, filter);
    rememberFolderOf(path);
    return path;
}

void reportSaveFailure(QWidget *parent, const QString &path, const QString &reason)
{
    QMessageBox::warning(parent, QCoreApplication::translate("SaveFile", "Unable to save file"),
                         QCoreApplication::translate("SaveFile", "%1 could not be saved.\n\n%2")
                             .arg(QFileInfo(path).fileName(), reason));
}
