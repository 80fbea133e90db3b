#include "export/ffmpegwriter.h"

#include "export/stagedfile.h"
#include "export/videowriter.h"
#include "concurrency/parallel.h"

#include <QIODevice>
#include <QtEndian>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstdarg>
#include <mutex>

namespace {

// The container is written, and an MP4 read back, in pieces of this size.
constexpr int ioBufferSize = 1 << 20;
// Editors seek to any frame quickly.
constexpr int keyFrameSeconds = 1;

struct Codec
{
    const char *encoder;
    const char *muxer;
    AVPixelFormat pixels;
    bool yuv;
};

Codec codecOf(videoFormat format)
{
    switch (format) {
    case videoFormat::quickTimeAnimation:
        return {"qtrle", "mov", AV_PIX_FMT_ARGB, false};
    case videoFormat::proRes4444:
        return {"prores_ks", "mov", AV_PIX_FMT_YUVA444P10LE, true};
    case videoFormat::vp9:
        return {"libvpx-vp9", "webm", AV_PIX_FMT_YUVA420P, true};
    case videoFormat::h264:
    case videoFormat::pngSequence:
        break;
    }
    return {"libx264", "mp4", AV_PIX_FMT_YUV420P, true};
}

// Each encoder's own settings: quality first, then speed.
AVDictionary *encoderOptions(videoFormat format)
{
    AVDictionary *options = nullptr;
    switch (format) {
    case videoFormat::proRes4444:
        av_dict_set(&options, "profile", "4444", 0);
        av_dict_set(&options, "alpha_bits", "16", 0);
        // The vendor that editors which check it expect.
        av_dict_set(&options, "vendor", "apl0", 0);
        break;
    case videoFormat::vp9:
        // Constant quality. Of the "good" speeds, 4 takes the least time
        // with Debian 12's libvpx (5 takes more).
        av_dict_set(&options, "crf", "24", 0);
        av_dict_set(&options, "deadline", "good", 0);
        av_dict_set(&options, "cpu-used", "4", 0);
        av_dict_set(&options, "row-mt", "1", 0);
        break;
    case videoFormat::h264:
        av_dict_set(&options, "crf", "18", 0);
        av_dict_set(&options, "preset", "fast", 0);
        av_dict_set(&options, "profile", "high", 0);
        break;
    case videoFormat::quickTimeAnimation:
    case videoFormat::pngSequence:
        break;
    }
    return options;
}

// The libraries' last error message on this thread. They would otherwise
// print their notes and statistics on the standard error of the program.
thread_local QString lastLibraryMessage;

void keepLibraryMessage(void *, int level, const char *format, va_list arguments)
{
    if (level > AV_LOG_ERROR)
        return;
    char line[1024];
    int printPrefix = 0;
    va_list copy;
    va_copy(copy, arguments);
    av_log_format_line2(nullptr, level, format, copy, line, sizeof line, &printPrefix);
    va_end(copy);
    lastLibraryMessage = QString::fromUtf8(line).trimmed();
}

void quietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_callback(keepLibraryMessage); });
}

// Why a call into the libraries failed: their own message if they gave one.
QString libraryReason(int code)
{
    QString reason = lastLibraryMessage;
    lastLibraryMessage.clear();
    if (!reason.isEmpty())
        return reason;
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// One position in the staged file, through which the libraries write (and
// an MP4 reads back what was written) with the file's own error texts.
struct Io
{
    QIODevice *device = nullptr;
    qint64 position = 0;
    const std::atomic_bool *cancel = nullptr;
    QString failure; // the first failure's reason

    bool cancelled() const { return cancel && cancel->load(); }
    bool reach()
    {
        if (device->pos() == position || device->seek(position))
            return true;
        failure = device->errorString();
        return false;
    }
};

#if LIBAVFORMAT_VERSION_MAJOR < 61
using WrittenBytes = uint8_t *;
#else
using WrittenBytes = const uint8_t *;
#endif

int writeBytes(void *opaque, WrittenBytes data, int size)
{
    auto *io = static_cast<Io *>(opaque);
    if (io->cancelled())
        return AVERROR_EXIT;
    if (!io->failure.isEmpty() || !io->reach())
        return AVERROR(EIO);
    const char *at = reinterpret_cast<const char *>(data);
    for (qint64 left = size; left > 0;) {
        const qint64 written = io->device->write(at, left);
        if (written <= 0) {
            // A short write comes without a reason; the next one meets it.
            if (io->device->write(at, left) <= 0) {
                io->failure = io->device->errorString();
                return AVERROR(EIO);
            }
            continue;
        }
        at += written;
        left -= written;
    }
    io->position += size;
    return size;
}

int readBytes(void *opaque, uint8_t *data, int size)
{
    auto *io = static_cast<Io *>(opaque);
    if (io->cancelled())
        return AVERROR_EXIT;
    if (!io->reach())
        return AVERROR(EIO);
    const qint64 read = io->device->read(reinterpret_cast<char *>(data), size);
    if (read < 0) {
        io->failure = io->device->errorString();
        return AVERROR(EIO);
    }
    if (read == 0)
        return AVERROR_EOF;
    io->position += read;
    return int(read);
}

int64_t seekBytes(void *opaque, int64_t offset, int whence)
{
    auto *io = static_cast<Io *>(opaque);
    qint64 position = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return io->device->size();
    case SEEK_SET:
        position = offset;
        break;
    case SEEK_CUR:
        position = io->position + offset;
        break;
    case SEEK_END:
        position = io->device->size() + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (position < 0)
        return AVERROR(EINVAL);
    io->position = position;
    return position;
}

AVIOContext *makeIoContext(Io *io, bool writing)
{
    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    if (!buffer)
        return nullptr;
    AVIOContext *context =
        avio_alloc_context(buffer, ioBufferSize, writing ? 1 : 0, io, writing ? nullptr : readBytes,
                           writing ? writeBytes : nullptr, seekBytes);
    if (!context)
        av_free(buffer);
    return context;
}

void freeIoContext(AVIOContext **context)
{
    if (!*context)
        return;
    av_freep(&(*context)->buffer);
    avio_context_free(context);
}

} // namespace

struct FfmpegWriter::Private
{
    videoFormat format = videoFormat::h264;
    Codec codec = codecOf(videoFormat::h264);
    std::unique_ptr<StagedFile> staged;
    Io io;
    AVFormatContext *container = nullptr;
    AVStream *stream = nullptr; // owned by the container
    AVCodecContext *encoder = nullptr;
    SwsContext *scaler = nullptr;
    AVFrame *picture = nullptr; // in the encoder's pixel format
    AVFrame *source = nullptr;  // a frame's pixels, for the scaler
    AVPacket *packet = nullptr;
    qint64 frames = 0;

    void release()
    {
        avcodec_free_context(&encoder);
        sws_freeContext(scaler);
        scaler = nullptr;
        av_frame_free(&picture);
        av_frame_free(&source);
        av_packet_free(&packet);
        if (container) {
            freeIoContext(&container->pb);
            avformat_free_context(container);
            container = nullptr;
        }
        stream = nullptr;
    }

    // The reason a write into the container failed: the file's own if it
    // gave one ("No space left on device").
    QString writeReason(int code)
    {
        if (!io.failure.isEmpty())
            return io.failure;
        if (io.cancelled())
            return QCoreApplication::translate("Export", "Cancelled.");
        return tr("The video could not be written: %1").arg(libraryReason(code));
    }

    bool containerFailed() const
    {
        return !io.failure.isEmpty() || io.cancelled() || (container->pb && container->pb->error);
    }

    // Writes every packet the encoder has ready.
    bool drain(QString *error)
    {
        for (;;) {
            int result = avcodec_receive_packet(encoder, packet);
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return true;
            if (result < 0) {
                *error = tr("The video encoder failed: %1").arg(libraryReason(result));
                return false;
            }
            // Every frame lasts one frame, the last one too.
            if (packet->duration == 0)
                packet->duration = 1;
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            result = av_write_frame(container, packet);
            av_packet_unref(packet);
            if (result < 0 || containerFailed()) {
                *error = writeReason(result < 0 ? result : container->pb->error);
                return false;
            }
        }
    }

    bool openEncoder(const VideoSettings &settings, QString *error);
    bool openContainer(const VideoSettings &settings, QString *error);
    bool openScaler(int size, QString *error);
};

namespace {

// The MP4 muxer reads the finished file once more to put its index in
// front. The read goes through the same staged file, at its own position.
int openReadBack(AVFormatContext *context, AVIOContext **pb, const char *, int flags,
                 AVDictionary **)
{
    if ((flags & AVIO_FLAG_WRITE) || !context->opaque)
        return AVERROR(EPERM);
    const Io *written = static_cast<const Io *>(context->opaque);
    auto reader = std::make_unique<Io>();
    reader->device = written->device;
    reader->cancel = written->cancel;
    *pb = makeIoContext(reader.get(), false);
    if (!*pb)
        return AVERROR(ENOMEM);
    reader.release();
    return 0;
}

void closeReadBack(AVIOContext *pb)
{
    std::unique_ptr<Io> reader(static_cast<Io *>(pb->opaque));
    freeIoContext(&pb);
}

#if LIBAVFORMAT_VERSION_MAJOR >= 60
int closeReadBackContext(AVFormatContext *, AVIOContext *pb)
{
    closeReadBack(pb);
    return 0;
}
#else
void closeReadBackContext(AVFormatContext *, AVIOContext *pb)
{
    closeReadBack(pb);
}
#endif

} // namespace

bool FfmpegWriter::Private::openEncoder(const VideoSettings &settings, QString *error)
{
    const AVCodec *found = avcodec_find_encoder_by_name(codec.encoder);
    if (!found) {
        *error = tr("The FFmpeg libraries of this system have no %1 encoder.")
                     .arg(QLatin1String(codec.encoder));
        return false;
    }
    encoder = avcodec_alloc_context3(found);
    packet = av_packet_alloc();
    if (!encoder || !packet) {
        *error = QCoreApplication::translate("Export", "Out of memory.");
        return false;
    }
    const int fps = settings.framesPerSecond;
    encoder->width = settings.size;
    encoder->height = settings.size;
    encoder->sample_aspect_ratio = {1, 1};
    encoder->pix_fmt = codec.pixels;
    encoder->time_base = {1, fps};
    encoder->framerate = {fps, 1};
    encoder->gop_size = fps * keyFrameSeconds;
    encoder->bit_rate = 0; // the quality settings decide
    encoder->thread_count = parallelJobs();
    if (codec.yuv) {
        encoder->color_range = AVCOL_RANGE_MPEG;
        encoder->colorspace = AVCOL_SPC_BT709;
        encoder->color_primaries = AVCOL_PRI_BT709;
        encoder->color_trc = AVCOL_TRC_BT709;
    }
    if (container->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary *options = encoderOptions(format);
    const int result = avcodec_open2(encoder, found, &options);
    av_dict_free(&options);
    if (result < 0) {
        *error = tr("The %1 encoder could not be started: %2")
                     .arg(QLatin1String(codec.encoder), libraryReason(result));
        return false;
    }
    return true;
}

bool FfmpegWriter::Private::openContainer(const VideoSettings &settings, QString *error)
{
    if (avformat_alloc_output_context2(&container, nullptr, codec.muxer, nullptr) < 0
        || !container) {
        *error = tr("The FFmpeg libraries of this system cannot write %1 files.")
                     .arg(QLatin1String(codec.muxer));
        return false;
    }
    // No dates and no library versions, so the same frames make the same file.
    container->flags |= AVFMT_FLAG_CUSTOM_IO | AVFMT_FLAG_BITEXACT;
    container->url = av_strdup(settings.path.toUtf8().constData());
    container->pb = makeIoContext(&io, true);
    container->opaque = &io;
    container->io_open = openReadBack;
#if LIBAVFORMAT_VERSION_MAJOR >= 60
    container->io_close2 = closeReadBackContext;
#else
    container->io_close = closeReadBackContext;
#endif
    stream = avformat_new_stream(container, nullptr);
    if (!container->url || !container->pb || !stream) {
        *error = QCoreApplication::translate("Export", "Out of memory.");
        return false;
    }
    return true;
}

bool FfmpegWriter::Private::openScaler(int size, QString *error)
{
    // Qt's ARGB32 is FFmpeg's native-endian RGB32. Chroma is taken from
    // every pixel, not from pairs, before it is subsampled (or not, 4:4:4).
    scaler = sws_alloc_context();
    source = av_frame_alloc();
    if (!scaler || !source) {
        *error = QCoreApplication::translate("Export", "Out of memory.");
        return false;
    }
    av_opt_set_int(scaler, "srcw", size, 0);
    av_opt_set_int(scaler, "srch", size, 0);
    av_opt_set_int(scaler, "src_format", AV_PIX_FMT_RGB32, 0);
    av_opt_set_int(scaler, "dstw", size, 0);
    av_opt_set_int(scaler, "dsth", size, 0);
    av_opt_set_int(scaler, "dst_format", codec.pixels, 0);
    av_opt_set_int(scaler, "sws_flags", SWS_BICUBIC | SWS_FULL_CHR_H_INP | SWS_ACCURATE_RND, 0);
    av_opt_set_int(scaler, "threads", parallelJobs(), 0);
    av_opt_set_int(scaler, "src_range", 1, 0);
    av_opt_set_int(scaler, "dst_range", 0, 0);
    if (sws_init_context(scaler, nullptr, nullptr) < 0) {
        *error = tr("The frames cannot be converted for the %1 encoder.")
                     .arg(QLatin1String(codec.encoder));
        return false;
    }
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    return true;
}

FfmpegWriter::FfmpegWriter() : d(std::make_unique<Private>()) {}

FfmpegWriter::~FfmpegWriter()
{
    abandon();
}

bool FfmpegWriter::open(const VideoSettings &settings, QString *error)
{
    abandon();
    quietLibraries();
    lastLibraryMessage.clear();
    QString reason;
    d->format = settings.format;
    d->codec = codecOf(settings.format);
    d->frames = 0;
    d->io = Io();
    d->io.cancel = cancel;
    d->staged = std::make_unique<StagedFile>(settings.path);

    bool ok = d->staged->open(&reason);
    if (ok) {
        d->io.device = d->staged->device();
        ok = d->openContainer(settings, &reason) && d->openEncoder(settings, &reason);
    }
    if (ok) {
        d->stream->time_base = d->encoder->time_base;
        d->stream->avg_frame_rate = d->encoder->framerate;
        d->stream->r_frame_rate = d->encoder->framerate;
        ok = avcodec_parameters_from_context(d->stream->codecpar, d->encoder) >= 0;
        if (!ok)
            reason = QCoreApplication::translate("Export", "Out of memory.");
    }
    if (ok) {
        AVDictionary *options = nullptr;
        if (settings.format == videoFormat::h264)
            av_dict_set(&options, "movflags", "+faststart", 0);
        const int result = avformat_write_header(d->container, &options);
        av_dict_free(&options);
        if (result < 0 || d->containerFailed()) {
            reason = d->writeReason(result);
            ok = false;
        }
    }
    if (ok && d->codec.yuv)
        ok = d->openScaler(settings.size, &reason);
    if (ok) {
        d->picture = av_frame_alloc();
        ok = d->picture;
        if (ok) {
            d->picture->format = d->codec.pixels;
            d->picture->width = settings.size;
            d->picture->height = settings.size;
            ok = av_frame_get_buffer(d->picture, 0) >= 0;
        }
        if (!ok)
            reason = QCoreApplication::translate("Export", "Out of memory.");
    }
    if (!ok) {
        abandon();
        if (error)
            *error = reason;
    }
    return ok;
}

bool FfmpegWriter::write(const QImage &frame, bool opaque, QString *error)
{
    QString reason;
    auto fail = [this, error, &reason] {
        abandon();
        if (error)
            *error = reason;
        return false;
    };
    if (!d->encoder) {
        reason = VideoWriter::tr("The video is not open.");
        return fail();
    }
    d->io.cancel = cancel;
    if (cancelled()) {
        reason = QCoreApplication::translate("Export", "Cancelled.");
        return fail();
    }
    // Straight alpha, as the PNG export's pixels; an opaque frame already is.
    const QImage straight = opaque ? frame : frame.convertToFormat(QImage::Format_ARGB32);
    if (straight.isNull() || av_frame_make_writable(d->picture) < 0) {
        reason = QCoreApplication::translate("Export", "Out of memory.");
        return fail();
    }
    const int size = straight.width();
    if (d->codec.yuv) {
        AVFrame *source = d->source;
        source->format = AV_PIX_FMT_RGB32;
        source->width = size;
        source->height = size;
        source->data[0] = const_cast<uint8_t *>(straight.constBits());
        source->linesize[0] = int(straight.bytesPerLine());
        // Referenced, not copied: the image outlives the conversion.
        source->buf[0] = av_buffer_create(
            source->data[0], int(straight.sizeInBytes()), [](void *, uint8_t *) {}, nullptr,
            AV_BUFFER_FLAG_READONLY);
        const int result =
            source->buf[0] ? sws_scale_frame(d->scaler, d->picture, source) : AVERROR(ENOMEM);
        av_frame_unref(source);
        if (result < 0) {
            reason = tr("A frame could not be converted: %1").arg(libraryReason(result));
            return fail();
        }
    } else {
        // QuickTime Animation's ARGB is A, R, G, B in memory on any machine.
        for (int y = 0; y < size; ++y) {
            const auto *from = reinterpret_cast<const quint32 *>(straight.constScanLine(y));
            auto *to = reinterpret_cast<quint32 *>(d->picture->data[0]
                                                   + qsizetype(y) * d->picture->linesize[0]);
            for (int x = 0; x < size; ++x)
                to[x] = qToBigEndian(from[x]);
        }
    }
    if (d->codec.yuv) {
        // ProRes writes these into every frame's header, and the scaler
        // has set them from the frame it was given.
        d->picture->color_range = d->encoder->color_range;
        d->picture->colorspace = d->encoder->colorspace;
        d->picture->color_primaries = d->encoder->color_primaries;
        d->picture->color_trc = d->encoder->color_trc;
    }
    d->picture->pts = d->frames;
    const int result = avcodec_send_frame(d->encoder, d->picture);
    if (result < 0) {
        reason = tr("The video encoder failed: %1").arg(libraryReason(result));
        return fail();
    }
    if (!d->drain(&reason))
        return fail();
    ++d->frames;
    return true;
}

bool FfmpegWriter::finish(QString *error)
{
    QString reason;
    bool ok = d->encoder != nullptr;
    if (!ok)
        reason = VideoWriter::tr("The video is not open.");
    d->io.cancel = cancel;
    if (ok) {
        const int result = avcodec_send_frame(d->encoder, nullptr);
        ok = result >= 0;
        if (!ok)
            reason = tr("The video encoder failed: %1").arg(libraryReason(result));
    }
    ok = ok && d->drain(&reason);
    if (ok) {
        const int result = av_write_trailer(d->container);
        if (result >= 0)
            avio_flush(d->container->pb);
        if (result < 0 || d->containerFailed()) {
            reason = d->writeReason(result < 0 ? result : d->container->pb->error);
            ok = false;
        }
    }
    if (ok) {
        d->release();
        ok = d->staged->commit(&reason);
    }
    abandon();
    if (!ok && error)
        *error = reason;
    return ok;
}

void FfmpegWriter::abandon()
{
    d->release();
    if (d->staged) {
        d->staged->discard();
        d->staged.reset();
    }
}
