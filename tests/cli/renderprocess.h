#pragma once

// Runs the real dialwright-render as a separate process, the way a build
// system would: no display, no platform chosen by the caller and no screen
// settings.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTest>

struct RenderRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `settings` are extra environment variables, NAME=value.
inline RenderRun runRender(const QStringList &arguments, const QStringList &settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR",
                             "QT_FONT_DPI"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DIALWRIGHT_RENDER), arguments);
    RenderRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    // Qt's own notice about a missing XDG_RUNTIME_DIR (as in containers)
    // is not the tool's output.
    const QList<QByteArray> lines = process.readAllStandardError().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
            continue;
        run.err += lines[i];
        if (i + 1 < lines.size())
            run.err += '\n';
    }
    return run;
}
