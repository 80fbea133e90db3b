#include "export/frameencoder.h"

#include "concurrency/parallel.h"

#include <algorithm>

FrameEncoder::FrameEncoder(std::unique_ptr<FrameSink> sink, int queueLimit)
    : m_sink(std::move(sink)), m_limit(std::max(1, queueLimit))
{
    m_sink->watchCancel(&m_cancel);
    m_thread = std::thread([this] { run(); });
}

FrameEncoder::~FrameEncoder()
{
    cancel();
}

void FrameEncoder::run()
{
    workerStarted();
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_cancel || !m_queue.empty() || m_finishing; });
        if (m_cancel)
            break;
        QString reason;
        if (m_queue.empty()) {
            lock.unlock();
            const bool finished = m_sink->finish(&reason);
            lock.lock();
            // A late cancel() does not take back a video that is in place.
            m_ok = finished;
            if (!finished)
                m_failure = m_cancel ? QCoreApplication::translate("Export", "Cancelled.") : reason;
            break;
        }
        QImage frame = std::move(m_queue.front());
        m_queue.pop_front();
        m_changed.notify_all();
        lock.unlock();
        const bool written = m_sink->writeFrame(frame, &reason);
        frame = QImage();
        lock.lock();
        if (!written) {
            m_failure = reason;
            break;
        }
    }
    if (!m_ok) {
        m_queue.clear();
        lock.unlock();
        m_sink->abandon();
        lock.lock();
    }
    m_done = true;
    m_changed.notify_all();
}

bool FrameEncoder::push(QImage frame, QString *error)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] {
        return m_cancel || m_done || m_finishing || int(m_queue.size()) < m_limit;
    });
    QString reason;
    if (m_cancel)
        reason = QCoreApplication::translate("Export", "Cancelled.");
    else if (m_done || m_finishing)
        reason = m_failure.isEmpty() ? tr("The video is already finished.") : m_failure;
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    m_queue.push_back(std::move(frame));
    m_peak = std::max(m_peak, int(m_queue.size()));
    m_changed.notify_all();
    return true;
}

bool FrameEncoder::finish(QString *error)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_finishing = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_done; });
    }
    join();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_ok && error)
        *error = m_cancel || m_failure.isEmpty()
            ? QCoreApplication::translate("Export", "Cancelled.")
            : m_failure;
    return m_ok;
}

void FrameEncoder::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_done && m_ok)
            return; // finished: the video stays
        m_cancel = true;
        m_queue.clear();
        m_changed.notify_all();
    }
    join();
}

void FrameEncoder::join()
{
    std::call_once(m_joined, [this] {
        if (m_thread.joinable())
            m_thread.join();
    });
}

int FrameEncoder::queued() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_queue.size());
}

int FrameEncoder::peakQueued() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_peak;
}
