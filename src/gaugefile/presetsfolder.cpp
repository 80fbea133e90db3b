#include "app/window.h"

QString Window::presetsFolder() const
{
    return applicationDirectory + QStringLiteral("/Presets/");
}

void Window::presetChanged() {}
void Window::getPresetsFromFolder() {}
