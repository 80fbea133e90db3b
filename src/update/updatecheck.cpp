#include "app/window.h"

#include <QNetworkReply>

void Window::checkForUpdates() {}
void Window::onUpdateCheckFinished(QNetworkReply *) {}
