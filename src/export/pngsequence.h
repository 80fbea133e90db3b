#pragma once

#include "export/videobackend.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

class QTemporaryDir;

// A PNG file a frame, named by sequenceFramePath. The frames are written
// into a hidden temporary folder beside them and moved into place together
// at finish: frames of the same names that are already there are replaced
// then, and put back if a later one cannot be moved. Frames of a longer
// earlier sequence beyond the new last one are left alone.
class PngSequenceWriter : public VideoBackend
{
    Q_DECLARE_TR_FUNCTIONS(PngSequenceWriter)

public:
    PngSequenceWriter();
    ~PngSequenceWriter() override;

    [[nodiscard]] bool open(const VideoSettings &settings, QString *error) override;
    [[nodiscard]] bool write(const QImage &frame, bool opaque, QString *error) override;
    [[nodiscard]] bool finish(QString *error) override;
    void abandon() override;

private:
    static bool replaceable(const QString &target, QString *error);
    bool moveIntoPlace(QString *error);

    QString m_path;
    std::unique_ptr<QTemporaryDir> m_staging;
    QStringList m_targets; // of the frames written so far, in order
};
