#include "app/window.h"

void Window::loadReference() {}
void Window::clearReference() {}
