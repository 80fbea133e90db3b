#pragma once

#include <QStringList>

class QIODevice;

// Exit statuses of dialwright-render.
enum RenderToolStatus {
    RenderToolSuccess = 0,
    RenderToolFailed = 1,     // the gauge file could not be read or an output not written
    RenderToolUsageError = 2, // bad command line; the usage went to standard error
};

// Runs dialwright-render with `arguments` (the program name first, as
// QCoreApplication::arguments gives them). Outputs named "-" go to
// `standardOutput`; messages go to `standardError`. Needs a QGuiApplication
// for the fonts of the labels.
int runRenderTool(const QStringList &arguments, QIODevice &standardOutput,
                  QIODevice &standardError);
