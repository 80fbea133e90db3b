#pragma once

#include "export/videobackend.h"

#include <QCoreApplication>

#include <memory>

// A video file through FFmpeg's libraries: QuickTime Animation or ProRes
// 4444 in a QuickTime movie, VP9 in WebM, H.264 in MP4. The container is
// written through the program's own I/O onto a StagedFile, so it reaches
// the target only at finish. Frame n has the time stamp n in a time base
// of one frame; the YUV formats are converted with BT.709's matrix to
// limited range and tagged so (primaries, transfer, matrix and range).
// Encoders use every core; the containers carry no dates or library
// versions, so the same frames give the same file.
class FfmpegWriter : public VideoBackend
{
    Q_DECLARE_TR_FUNCTIONS(FfmpegWriter)

public:
    FfmpegWriter();
    ~FfmpegWriter() override;

    [[nodiscard]] bool open(const VideoSettings &settings, QString *error) override;
    [[nodiscard]] bool write(const QImage &frame, bool opaque, QString *error) override;
    [[nodiscard]] bool finish(QString *error) override;
    void abandon() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
