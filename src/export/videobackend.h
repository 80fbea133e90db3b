#pragma once

#include "export/videoformat.h"

#include <QImage>
#include <QString>

#include <atomic>

// The part of a VideoWriter that writes one kind of output. It is given
// frames ready to be written and makes its own files whole or not at all.
class VideoBackend
{
public:
    virtual ~VideoBackend() = default;

    // The settings have passed checkVideoSettings.
    [[nodiscard]] virtual bool open(const VideoSettings &settings, QString *error) = 0;
    // `frame` is premultiplied ARGB32 of the video's size, over the
    // background already; `opaque` says that every pixel has alpha 255, so
    // its pixels are straight as they are.
    [[nodiscard]] virtual bool write(const QImage &frame, bool opaque, QString *error) = 0;
    [[nodiscard]] virtual bool finish(QString *error) = 0;
    virtual void abandon() = 0;

    // Set from any thread: long steps stop soon and fail.
    const std::atomic_bool *cancel = nullptr;

protected:
    bool cancelled() const { return cancel && cancel->load(); }
};
