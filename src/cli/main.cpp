#include "cli/rendertool.h"
#include "i18n/translations.h"
#include "version.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The tool never opens a window: without a platform chosen by the
    // caller it draws offscreen, so it runs where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dialwright-render"));
    QCoreApplication::setApplicationVersion(dialwrightVersion());
    // The help and every message in the user's language, where it is shipped.
    installTranslations(QLocale(), &app);

    // On the descriptors themselves, so that a failing write (a full disk
    // behind a redirection) is seen here and not lost in a stdio buffer.
    QFile standardOutput;
    QFile standardError;
    standardOutput.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    standardError.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    return runRenderTool(QCoreApplication::arguments(), standardOutput, standardError);
}
