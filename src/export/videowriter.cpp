#include "export/videowriter.h"

#include "export/ffmpegwriter.h"
#include "export/pngsequence.h"
#include "export/videobackend.h"

#include <QImage>
#include <QPainter>

#include <cstring>

VideoWriter::VideoWriter() = default;

VideoWriter::~VideoWriter()
{
    abandon();
}

bool VideoWriter::open(const VideoSettings &settings, QString *error)
{
    abandon();
    if (!checkVideoSettings(settings, error))
        return false;
    std::unique_ptr<VideoBackend> backend;
    if (settings.format == videoFormat::pngSequence)
        backend = std::make_unique<PngSequenceWriter>();
    else
        backend = std::make_unique<FfmpegWriter>();
    backend->cancel = m_cancel;

    // What each frame is drawn over: the background colour, over black
    // where the format has no alpha.
    const bool alpha = videoFormatHasAlpha(settings.format);
    if (settings.background.isValid() || !alpha) {
        m_base = QImage(settings.size, settings.size, QImage::Format_ARGB32_Premultiplied);
        m_canvas = QImage(m_base.size(), m_base.format());
        if (m_base.isNull() || m_canvas.isNull())
            return fail(QCoreApplication::translate("Export", "Out of memory."), error);
        if (alpha) {
            m_base.fill(settings.background);
        } else {
            m_base.fill(Qt::black);
            if (settings.background.isValid())
                QPainter(&m_base).fillRect(m_base.rect(), settings.background);
        }
        m_baseOpaque = qAlpha(m_base.pixel(0, 0)) == 255;
    }

    if (!backend->open(settings, error)) {
        abandon();
        return false;
    }
    m_backend = std::move(backend);
    m_settings = settings;
    m_frames = 0;
    return true;
}

bool VideoWriter::writeFrame(const QImage &frame, QString *error)
{
    if (!m_backend)
        return fail(tr("The video is not open."), error);
    if (m_cancel && m_cancel->load())
        return fail(QCoreApplication::translate("Export", "Cancelled."), error);
    const int size = m_settings.size;
    if (frame.isNull())
        return fail(tr("A frame is missing: it could not be drawn."), error);
    if (frame.size() != QSize(size, size))
        return fail(tr("A frame has %1 × %2 pixels; the video has %3 × %3.")
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(size),
                    error);

    QImage pixels = frame.format() == QImage::Format_ARGB32_Premultiplied
        ? frame
        : frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bool opaque = false;
    if (!m_base.isNull()) {
        std::memcpy(m_canvas.bits(), m_base.constBits(), size_t(m_base.sizeInBytes()));
        m_canvas.setDotsPerMeterX(pixels.dotsPerMeterX());
        m_canvas.setDotsPerMeterY(pixels.dotsPerMeterY());
        QPainter painter(&m_canvas);
        painter.drawImage(0, 0, pixels);
        painter.end();
        pixels = m_canvas;
        opaque = m_baseOpaque;
    }
    if (pixels.isNull())
        return fail(QCoreApplication::translate("Export", "Out of memory."), error);
    if (!m_backend->write(pixels, opaque, error)) {
        abandon();
        return false;
    }
    ++m_frames;
    return true;
}

bool VideoWriter::finish(QString *error)
{
    if (!m_backend)
        return fail(tr("The video is not open."), error);
    if (m_frames == 0)
        return fail(tr("The animation has no frames."), error);
    const bool finished = m_backend->finish(error);
    abandon();
    return finished;
}

void VideoWriter::abandon()
{
    if (m_backend)
        m_backend->abandon();
    m_backend.reset();
    m_base = QImage();
    m_canvas = QImage();
}

void VideoWriter::watchCancel(const std::atomic_bool *cancel)
{
    m_cancel = cancel;
    if (m_backend)
        m_backend->cancel = cancel;
}

bool VideoWriter::fail(const QString &reason, QString *error)
{
    abandon();
    if (error)
        *error = reason;
    return false;
}
