#pragma once

// Runs dialwright-render: in this process through its streams, or as a
// separate process the way a build system would.

#include "cli/rendertool.h"

#include "toolrun.h"

#include <QBuffer>

// The tool in this process, its standard streams in memory.
inline ToolRun render(const QStringList &arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    ToolRun run;
    run.exitCode =
        runRenderTool(QStringList{QStringLiteral("dialwright-render")} + arguments, out, err);
    run.out = out.data();
    run.err = err.data();
    return run;
}

// The real tool as a separate process: no display, no platform chosen by
// the caller and no screen settings.

// That environment; `settings` are extra variables, NAME=value.
inline QProcessEnvironment renderEnvironment(const QStringList &settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR",
                             "QT_FONT_DPI"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));
    return environment;
}

inline ToolRun runRender(const QStringList &arguments, const QStringList &settings = {})
{
    ToolRun run = runTool(QStringLiteral(DIALWRIGHT_RENDER), arguments, renderEnvironment(settings));
    // Qt's own notice about a missing XDG_RUNTIME_DIR (as in containers)
    // is not the tool's output.
    const QList<QByteArray> lines = run.err.split('\n');
    run.err.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
            continue;
        run.err += lines[i];
        if (i + 1 < lines.size())
            run.err += '\n';
    }
    return run;
}
