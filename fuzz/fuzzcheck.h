#pragma once

// What every fuzz target shares: quiet toolkit warnings and a way to fail
// that libFuzzer (and the corpus replay) reports as a crash.

#include <QtGlobal>

#include <cstdlib>

inline void fuzzMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &)
{
    // Readers warn about what they reject (QFont::fromString does, for
    // every description); only a fatal message matters here.
    if (type == QtFatalMsg)
        std::abort();
}

[[noreturn]] inline void broken(const char *what)
{
    qInstallMessageHandler(nullptr);
    qFatal("%s", what);
}
