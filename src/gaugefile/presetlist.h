#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the preset list: the name shown and the file it loads.
struct PresetEntry
{
    QString name;
    QString path;
};

// The presets of the given folders, sorted by name. A preset is a file named
// NAME.gauge (hidden files and subfolders are not read); a NAME found in a
// later folder replaces the one of an earlier folder, so a user's own preset
// shadows a shipped one. Missing or unreadable folders add nothing.
QList<PresetEntry> listPresets(const QStringList &folders);
