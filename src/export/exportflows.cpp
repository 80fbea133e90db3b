#include "app/window.h"

void Window::saveSVG() {}
void Window::savePNG() {}
void Window::saveKeyframes() {}
