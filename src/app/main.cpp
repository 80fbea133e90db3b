#include "app/window.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Dialwright"));
    QCoreApplication::setApplicationVersion(dialwrightVersion());
    // Lets Wayland desktops match the running window to the installed menu
    // entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dialwright.Dialwright"));
    Window window;
    window.show();
    return app.exec();
}
