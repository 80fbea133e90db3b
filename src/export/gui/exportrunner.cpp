#include "export/gui/exportrunner.h"

#include "concurrency/parallel.h"

#include <QProgressDialog>

#include <algorithm>
#include <limits>

GaugePaintControl paintControl(ExportProgress &progress)
{
    GaugePaintControl control;
    control.cancelled = [&progress] { return progress.cancelled.load(); };
    control.ticksDone = &progress.done;
    return control;
}

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressRefreshMs = 100;

} // namespace

ExportRunner::ExportRunner(QWidget *window, int delayMs)
    : QObject(window), m_window(window), m_delayMs(delayMs)
{
    setObjectName(QStringLiteral("exportRunner"));
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &ExportRunner::showProgress);
    m_refresh.setInterval(kProgressRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &ExportRunner::refresh);
}

ExportRunner::~ExportRunner()
{
    // The work must not outlive what it reports to.
    if (m_worker.joinable()) {
        m_progress->cancelled = true;
        m_worker.join();
    }
    delete m_dialog;
}

bool ExportRunner::start(const QString &label, qint64 total, Work work, Done done,
                         Describe describe)
{
    if (m_running)
        return false;
    m_running = true;
    m_progress = std::make_shared<ExportProgress>();
    m_progress->total = total;
    m_error = std::make_shared<QString>();
    m_done = std::move(done);
    m_describe = std::move(describe);
    m_started.start();

    delete m_dialog;
    m_dialog = new QProgressDialog(label, QProgressDialog::tr("Cancel"), 0,
                                   total > 0 ? kProgressSteps : 0, m_window);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    // Shown by the timer below, not by the dialog's own estimate.
    m_dialog->setMinimumDuration(std::numeric_limits<int>::max());
    m_dialog->hide();
    connect(m_dialog, &QProgressDialog::canceled, this, &ExportRunner::cancel);

    m_written = std::make_shared<bool>(false);
    // The work gets a thread of its own. Not one of the toolkit's global
    // pool: the raster engine hands some of its own work to that pool unless
    // it already runs in it, and transformed pictures would then come out a
    // level or two apart at a few pixels from what the command-line tool
    // draws on its main thread. Nor one of any pool: starting and joining a
    // thread are hand-overs that thread checkers see; a pool's locks they
    // cannot see.
    m_worker = std::thread([this, work = std::move(work), progress = m_progress,
                            error = m_error, written = m_written] {
        workerStarted();
        *written = work(*progress, error.get());
        // Asked by name, the queued call carries nothing from this thread.
        QMetaObject::invokeMethod(this, "workFinished", Qt::QueuedConnection);
    });
    m_delay.start(m_delayMs);
    return true;
}

void ExportRunner::cancel()
{
    if (m_running)
        m_progress->cancelled = true;
}

void ExportRunner::showProgress()
{
    if (!m_running || m_progress->cancelled || !m_dialog)
        return;
    m_dialog->setValue(0);
    m_dialog->show();
    m_refresh.start();
}

void ExportRunner::refresh()
{
    if (!m_dialog || !m_running)
        return;
    if (m_progress->total > 0) {
        const qint64 done = std::min(m_progress->done.load(), m_progress->total);
        m_dialog->setValue(int(done * kProgressSteps / m_progress->total));
        if (m_describe)
            m_dialog->setLabelText(
                m_describe(done, m_progress->total, m_started.nsecsElapsed() / 1e9));
    }
}

void ExportRunner::workFinished()
{
    m_delay.stop();
    m_refresh.stop();
    if (m_dialog)
        m_dialog->hide();
    m_worker.join();
    const bool cancelled = m_progress->cancelled;
    const bool written = *m_written && !cancelled;
    const QString error = *m_error;
    m_running = false;
    const Done done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done(written, cancelled, error);
    emit finished(written);
}
