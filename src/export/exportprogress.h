#pragma once

#include <QString>

#include <atomic>
#include <functional>

class QWidget;

// What a running export shares with the window: the user's cancellation and
// the work done so far, both read and written from either thread.
struct ExportProgress
{
    std::atomic<bool> cancelled{false};
    std::atomic<qint64> done{0};
    // The amount of work `done` counts up to; 0 when it cannot be told.
    qint64 total = 0;
};

// Runs `work` on a worker thread and returns once it has finished, while
// the window's events go on being handled (it repaints, and the preview
// keeps drawing). When the work is still running after `delayMs`, a
// window-modal progress dialog with `label` and a Cancel button appears;
// Cancel sets `cancelled`, which the work is expected to notice soon.
// When the application quits meanwhile, the work is cancelled and waited
// for. Returns false with the reason in `error` when the work failed, and
// false with `cancelled` set when it was cancelled.
[[nodiscard]] bool runExport(QWidget *parent, const QString &label, int delayMs,
                             ExportProgress &progress,
                             const std::function<bool(QString *error)> &work, QString *error);
