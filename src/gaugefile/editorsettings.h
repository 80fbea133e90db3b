#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// What the editor remembers between sessions, kept with QSettings under the
// organisation and application names of the running program: the recently
// used gauge files and the folder a file dialog last went to. Nothing here
// needs a widget.

constexpr int maximumRecentFiles = 10;

// `recent` with `path` (made absolute) moved to the front, each file listed
// once, at most maximumRecentFiles long.
QStringList withRecentFile(const QStringList &recent, const QString &path);

QStringList recentFiles();
void setRecentFiles(const QStringList &files);
void addRecentFile(const QString &path);
void removeRecentFile(const QString &path);

// The folder of the file last chosen in any file dialog; empty at first.
QString lastUsedFolder();
void rememberFolderOf(const QString &filePath);

// The colour the preview and the inspection view show the dial on; black
// at first. It is the editor's, not the gauge's: no file or export has it.
QColor dialColor();
void setDialColor(const QColor &color);

// The user's own presets, beside the shipped ones:
// QStandardPaths::AppDataLocation + "/Presets". Not created here.
QString userPresetsFolder();

// The first candidate that is an existing folder the user may write to,
// else the home folder. Empty candidates are skipped.
QString firstWritableFolder(const QStringList &candidates);
