#include "app/window.h"

#include "gaugefile/editorsettings.h"
#include "gaugefile/presetlist.h"
#include "ui/editstep.h"

QString Window::presetsFolder() const
{
    return applicationDirectory + QStringLiteral("/Presets/");
}

QString Window::userPresetsFolder() const
{
    return ::userPresetsFolder();
}

void Window::presetChanged()
{
    const int index = presetComboBox->currentIndex();
    if (index < 0)
        return;
    const QString path = presetComboBox->itemData(index).toString();
    const EditStep step(this, tr("Load Preset"));
    // The box shows only a preset that was loaded.
    if (!loadGaugeFile(path))
        presetComboBox->setCurrentIndex(-1);
}

void Window::getPresetsFromFolder()
{
    // The shipped presets first, so that a user's preset of the same name
    // is the one listed.
    const QList<PresetEntry> presets = listPresets({presetsFolder(), userPresetsFolder()});
    presetComboBox->clear();
    for (const PresetEntry &preset : presets) {
        presetComboBox->addItem(preset.name, preset.path);
        presetComboBox->setItemData(presetComboBox->count() - 1, preset.path, Qt::ToolTipRole);
    }
    // Refilling loads nothing, so no preset is claimed; the placeholder
    // shows instead.
    presetComboBox->setCurrentIndex(-1);
}
