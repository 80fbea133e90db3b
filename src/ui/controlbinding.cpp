#include "app/window.h"

// Placeholder bindings until the full form lands.
void Window::angleChanged() {}
void Window::capsChanged() {}
void Window::divisions1Changed() {}
void Window::divisions2Changed() {}
void Window::divisions3Changed() {}
void Window::arc1Changed() {}
void Window::arc2Changed() {}
void Window::arc3Changed() {}
void Window::arc4Changed() {}
void Window::divisions1ColorChanged() {}
void Window::divisions2ColorChanged() {}
void Window::divisions3ColorChanged() {}
void Window::arc1ColorChanged() {}
void Window::arc2ColorChanged() {}
void Window::arc3ColorChanged() {}
void Window::arc4ColorChanged() {}
void Window::tickSettingsChanged() {}
void Window::tickDecimalsChanged() {}
void Window::tickFontButton() {}
void Window::tickColorChanged() {}
void Window::setActiveGauge() {}
QColor Window::getColor() { return QColor(); }
QFont Window::getFont() { return QFont(); }
void Window::blockWidgetSignals(bool) {}
