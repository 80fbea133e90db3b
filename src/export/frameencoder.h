#pragma once

#include "export/videowriter.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

// Encodes an animation's frames on a thread of its own while the next ones
// are drawn. At most `queueLimit` frames wait for the encoder besides the one
// it is encoding, so the memory stays that of a few frames however long the
// animation is; the drawer waits in push() while the queue is full.
//
//   auto writer = std::make_unique<VideoWriter>();
//   if (!writer->open(settings, &error)) ...
//   FrameEncoder encoder(std::move(writer));
//   for (each frame)
//       if (!encoder.push(draw(frame), &error)) ... stop drawing, show error
//   if (!encoder.finish(&error)) ...
class FrameEncoder
{
    Q_DECLARE_TR_FUNCTIONS(FrameEncoder)

public:
    static constexpr int defaultQueueLimit = 3;

    // Takes over an open sink and starts its thread.
    explicit FrameEncoder(std::unique_ptr<FrameSink> sink, int queueLimit = defaultQueueLimit);
    // Cancels, unless finish() has returned.
    ~FrameEncoder();
    FrameEncoder(const FrameEncoder &) = delete;
    FrameEncoder &operator=(const FrameEncoder &) = delete;

    // Queues the next frame, waiting while the queue is full. Returns false
    // with the reason in `error` (when given) once the sink has failed (its
    // own reason: the disk is full, ...), after cancel() or after finish().
    [[nodiscard]] bool push(QImage frame, QString *error = nullptr);
    // Waits until every queued frame is encoded and finishes the sink.
    // Returns false with the reason if any of that failed.
    [[nodiscard]] bool finish(QString *error = nullptr);
    // From any thread: drops the queued frames, stops the sink at its next
    // step and abandons it. Returns when nothing of the video is left.
    void cancel();

    int queueLimit() const { return m_limit; }
    // Frames waiting now, and the most that ever waited at once.
    int queued() const;
    int peakQueued() const;

private:
    void run();
    void join();

    std::unique_ptr<FrameSink> m_sink;
    const int m_limit;
    std::atomic_bool m_cancel{false};

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QImage> m_queue;
    int m_peak = 0;
    bool m_finishing = false; // finish() asked; no more frames come
    bool m_done = false;      // the thread has ended
    bool m_ok = false;        // ... and the sink finished
    QString m_failure;        // why the sink failed, once it did

    std::once_flag m_joined;
    std::thread m_thread;
};
