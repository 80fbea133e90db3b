#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "Startup", "Design the faces of round gauges: tick marks, arcs and numbers."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("Startup", "A gauge file to open."),
        QStringLiteral("[FILE]"));
}

QString startupFile(const QStringList &positionalArguments)
{
    if (positionalArguments.isEmpty())
        return QString();
    QString path = positionalArguments.first();
    // Some desktops hand over an address even where a path was asked for.
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    if (path.isEmpty())
        return QString();
    return QFileInfo(path).absoluteFilePath();
}
