#include "app/window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Dialwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2.0"));
    Window window;
    window.show();
    return app.exec();
}
