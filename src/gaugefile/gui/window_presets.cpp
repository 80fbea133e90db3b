#include "app/window_p.h"

#include "gaugefile/editorsettings.h"
#include "gaugefile/presetlist.h"
#include "model/gaugedocument.h"

QString Window::presetsFolder() const
{
    return d->applicationDirectory + QStringLiteral("/Presets/");
}

void Window::presetChanged()
{
    QComboBox *box = d->form.presetComboBox;
    const int index = box->currentIndex();
    if (index < 0)
        return;
    const QString path = box->itemData(index).toString();
    const GaugeDocument::Step step(d->document, tr("Load Preset"));
    // The box shows only a preset that was loaded.
    if (!loadGaugeFile(path))
        box->setCurrentIndex(-1);
}

void Window::getPresetsFromFolder()
{
    // The shipped presets first, so that a user's preset of the same name
    // is the one listed.
    const QList<PresetEntry> presets = listPresets({presetsFolder(), userPresetsFolder()});
    QComboBox *box = d->form.presetComboBox;
    box->clear();
    for (const PresetEntry &preset : presets) {
        box->addItem(preset.name, preset.path);
        box->setItemData(box->count() - 1, preset.path, Qt::ToolTipRole);
    }
    // Refilling loads nothing, so no preset is claimed; the placeholder
    // shows instead.
    box->setCurrentIndex(-1);
}
