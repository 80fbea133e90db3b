#include "export/exportprogress.h"

#include "render/parallel.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressRefreshMs = 100;

// Exports run in a pool of their own, not in the application's global one.
// The raster engine hands some of its own work to the global pool unless
// it already runs in it, and transformed pictures then come out a level or
// two different at a few pixels; drawn from this pool they are exactly what
// the command-line tool draws on its main thread.
QThreadPool &exportPool()
{
    static QThreadPool pool;
    return pool;
}

} // namespace

bool runExport(QWidget *parent, const QString &label, int delayMs, ExportProgress &progress,
               const std::function<bool(QString *error)> &work, QString *error)
{
    QString reason;
    QFuture<bool> future = QtConcurrent::run(&exportPool(), [&work, &reason] {
        workerStarted();
        return work(&reason);
    });

    QEventLoop loop;
    QFutureWatcher<bool> watcher;
    QObject::connect(&watcher, &QFutureWatcher<bool>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);

    QProgressDialog dialog(label, QProgressDialog::tr("Cancel"), 0,
                           progress.total > 0 ? kProgressSteps : 0, parent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // Shown by the timer below, not by the dialog's own estimate.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.hide();
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog,
                     [&progress] { progress.cancelled = true; });

    QTimer refresh;
    refresh.setInterval(kProgressRefreshMs);
    QObject::connect(&refresh, &QTimer::timeout, &dialog, [&dialog, &progress] {
        if (dialog.wasCanceled())
            progress.cancelled = true;
        if (progress.total > 0) {
            const qint64 done = std::min(progress.done.load(), progress.total);
            dialog.setValue(int(done * kProgressSteps / progress.total));
        }
    });
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &dialog, [&dialog, &refresh, &progress] {
        if (progress.cancelled)
            return;
        dialog.setValue(0);
        dialog.show();
        refresh.start();
    });
    if (!future.isFinished()) {
        delay.start(delayMs);
        loop.exec();
    }
    // The loop also ends when the application quits: the work must not
    // outlive what it writes to.
    if (!future.isFinished()) {
        progress.cancelled = true;
        future.waitForFinished();
    }
    refresh.stop();
    dialog.hide();

    const bool ok = future.result();
    if (!ok && error)
        *error = reason;
    return ok && !progress.cancelled;
}
