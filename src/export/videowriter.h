#pragma once

#include "export/videoformat.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <atomic>
#include <memory>

// Whatever takes an animation's frames one by one, in order: a VideoWriter,
// or a stand-in in the tests of the pipeline.
class FrameSink
{
public:
    virtual ~FrameSink() = default;
    // Frame n (counted from 0) is shown from time n / frames per second.
    [[nodiscard]] virtual bool writeFrame(const QImage &frame, QString *error) = 0;
    [[nodiscard]] virtual bool finish(QString *error) = 0;
    virtual void abandon() = 0;
    // When set (from any thread), long steps stop soon and fail.
    virtual void watchCancel(const std::atomic_bool *cancel) { (void)cancel; }
};

class VideoBackend;

// Writes one video file, or one PNG sequence, whole or not at all: the
// frames go to a temporary file (for a sequence a temporary folder) beside
// the target, and only finish() puts them in place, replacing a file (or
// the frames) of the same name. A failure or abandon() leaves any previous
// file as it was and nothing of the new one behind. A video for a pipe, a
// device or standard output waits in a temporary file and reaches it whole
// at finish(); a PNG sequence is written to files only.
//
// Frames are QImages of size x size pixels, best premultiplied ARGB32 as the
// program draws them (others are converted to it). They are written with
// straight alpha, the pixels of the PNG export, over the background colour
// when one is chosen; H.264 over black when none is.
//
// Not for several threads at once; FrameEncoder runs one on its own thread.
class VideoWriter : public FrameSink
{
    Q_DECLARE_TR_FUNCTIONS(VideoWriter)

public:
    VideoWriter();
    ~VideoWriter() override; // abandons a video that was not finished
    VideoWriter(const VideoWriter &) = delete;
    VideoWriter &operator=(const VideoWriter &) = delete;

    // Checks the settings (checkVideoSettings), sets up the encoder and
    // makes the temporary file or folder. Returns false with a one-line
    // reason in `error` (when given): the settings are refused, the folder
    // is missing or cannot be written, the path is a folder or a pipe
    // nobody reads, or this system's libraries lack the format's encoder.
    [[nodiscard]] bool open(const VideoSettings &settings, QString *error = nullptr);
    // Encodes the next frame. Returns false with the reason when the frame
    // has the wrong size, the disk is full or the encoder fails; the video
    // is then abandoned.
    [[nodiscard]] bool writeFrame(const QImage &frame, QString *error = nullptr) override;
    // Writes what the encoder still holds and the file's index, and puts
    // the file or the frames in place. A video of no frames is refused.
    [[nodiscard]] bool finish(QString *error = nullptr) override;
    void abandon() override;
    void watchCancel(const std::atomic_bool *cancel) override;

    // Of the video being written, or the last one finished.
    int framesWritten() const { return m_frames; }

private:
    bool fail(const QString &reason, QString *error);

    std::unique_ptr<VideoBackend> m_backend;
    VideoSettings m_settings;
    QImage m_base;   // the background, when frames are drawn over one
    QImage m_canvas; // a frame over it
    bool m_baseOpaque = false;
    const std::atomic_bool *m_cancel = nullptr;
    int m_frames = 0;
};
