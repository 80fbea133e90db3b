#include "app/startup.h"
#include "app/window.h"
#include "i18n/translations.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

// --help and --version are answered without a window, so that they work
// where there is no display.
bool asksOnlyForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "-v"
            || argument == "--version" || argument == "--help-all")
            return true;
    }
    return false;
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Dialwright"));
    QCoreApplication::setApplicationVersion(dialwrightVersion());
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        installTranslations(QLocale(), &app);
        QCommandLineParser parser;
        describeCommandLine(parser);
        // Prints the text asked for and ends the program.
        parser.process(app);
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
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
        QTimer::singleShot(0, &window, [&window, file] { window.openDocumentFile(file, QString(), true); });
    return app.exec();
}
