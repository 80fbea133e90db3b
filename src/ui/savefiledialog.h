#pragma once

#include <QString>

class QWidget;

// Asks for a file to write, starting in `startFolder`. A name typed without
// a suffix gets `suffix`, and the toolkit confirms before an existing file is
// replaced. Returns an empty text when the user cancels. The chosen file's
// folder is remembered as the folder last used.
QString askSavePath(QWidget *parent, const QString &caption, const QString &filter,
                    const QString &suffix, const QString &startFolder);

// Asks for an existing file to read, starting in `startFolder`; otherwise as
// askSavePath.
QString askOpenPath(QWidget *parent, const QString &caption, const QString &filter,
                    const QString &startFolder);

// The warning shown when a file could not be written: "Unable to save file",
// naming the file and giving the reason.
void reportSaveFailure(QWidget *parent, const QString &path, const QString &reason);
