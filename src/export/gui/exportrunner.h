#pragma once

#include "render/gaugepainter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QProgressDialog;
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

// The painter's view of an export's progress: cancelled from the dialog,
// counting ticks for it.
GaugePaintControl paintControl(ExportProgress &progress);

// Runs the window's exports on a worker thread, one at a time, while the
// window goes on. When an export is still running after a moment, a
// window-modal progress dialog with a Cancel button appears; Cancel sets
// `cancelled`, which the work notices soon. The outcome comes back on the
// GUI thread, to the caller's `done` and as finished().
class ExportRunner : public QObject
{
    Q_OBJECT

public:
    // `done` receives whether the work succeeded, whether it was cancelled,
    // and the reason it failed.
    using Work = std::function<bool(ExportProgress &progress, QString *error)>;
    using Done = std::function<void(bool written, bool cancelled, const QString &error)>;
    // The dialog's text while the work runs, from the work done, its total
    // and the seconds since it started.
    using Describe = std::function<QString(qint64 done, qint64 total, double seconds)>;

    // The dialog is parented to `window` and shows after `delayMs`.
    ExportRunner(QWidget *window, int delayMs);
    // Cancels a running export and waits for it to stop.
    ~ExportRunner() override;

    bool isRunning() const { return m_running; }
    // Starts `work` unless an export is running; false when one is.
    bool start(const QString &label, qint64 total, Work work, Done done, Describe describe = {});
    // Asks the running export to stop.
    void cancel();

signals:
    void finished(bool written);

private:
    void showProgress();
    void refresh();
    // The worker has finished; called on the GUI thread.
    Q_INVOKABLE void workFinished();

    QWidget *m_window;
    int m_delayMs;
    bool m_running = false;
    std::shared_ptr<ExportProgress> m_progress;
    std::shared_ptr<QString> m_error;
    std::shared_ptr<bool> m_written;
    Done m_done;
    Describe m_describe;
    QElapsedTimer m_started;
    std::thread m_worker;
    QPointer<QProgressDialog> m_dialog;
    QTimer m_delay;
    QTimer m_refresh;
};
