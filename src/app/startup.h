#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The command line of the program: dialwright [FILE], with --help and
// --version. The desktop entry passes the file the user opened.
void describeCommandLine(QCommandLineParser &parser);

// The gauge file to open at start-up, as an absolute path, from the
// positional arguments: the first one, a path or a file: address. Empty
// when there is none.
QString startupFile(const QStringList &positionalArguments);
