#include "app/startup.h"
#include "app/window.h"
#include "i18n/translations.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Dialwright"));
    QCoreApplication::setApplicationVersion(dialwrightVersion());
    // Where the settings and the user's own presets are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("Dialwright"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("dialwright.org"));
    // Lets Wayland desktops match the running window to the installed menu
    // entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dialwright.Dialwright"));
    // Before anything shows a text: the help, the window and its dialogs.
    installTranslations(QLocale(), &app);

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        std::fputs(qPrintable(QCoreApplication::translate("Startup", "dialwright: only the first "
                                                                     "file is opened\n")),
                   stderr);

    Window window;
    window.show();
    // Opened from the event loop, once the window is on screen, so that a
    // file that cannot be read is reported over the default gauge.
    const QString file = startupFile(parser.positionalArguments());
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openDocumentFile(file, QString()); });
    return app.exec();
}
