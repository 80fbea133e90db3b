#include "app/window.h"

void Window::saveGauge() {}
void Window::saveLayer() {}
void Window::loadGauge() {}
void Window::saveGaugeFile(const QList<namedLayer> &, const QString &, const QString &) {}
void Window::loadGaugeFile(const QString &) {}
void Window::mergeLoadedLayers(const QList<namedLayer> &, const QString &) {}
