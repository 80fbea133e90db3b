#include "app/window.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

QString Window::presetsFolder() const
{
    return applicationDirectory + QStringLiteral("/Presets/");
}

void Window::presetChanged()
{
    loadGaugeFile(presetsFolder() + presetComboBox->currentText() + QStringLiteral(".gauge"));
}

void Window::getPresetsFromFolder()
{
    // Every entry is listed under its file name without ".gauge", the exact
    // text presetChanged turns back into the path, so names with further
    // dots ("Oil.v2.gauge") load too. Names ending in "gauge" with no dot
    // before it could not be found again that way and are left out.
    const QString suffix = QStringLiteral(".gauge");
    QStringList names;
    QDirIterator it(presetsFolder(), QDir::Files);
    while (it.hasNext()) {
        const QString fileName = QFileInfo(it.next()).fileName();
        if (fileName.endsWith(suffix) && fileName.size() > suffix.size())
            names.append(fileName.chopped(suffix.size()));
    }

    presetComboBox->clear();
    for (const QString &name : std::as_const(names))
        presetComboBox->insertItem(presetComboBox->count(), name);
}
