#include "export/pngwriter.h"

#include "concurrency/parallel.h"

#include <QCoreApplication>
#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Rows converted to straight alpha at a time.
constexpr int kConversionRows = 32;
// Fewer rows than this per band are not worth a thread.
constexpr int kMinBandRows = 256;
constexpr qsizetype kIdatChunk = 256 * 1024;

enum Filter : uchar { FilterNone = 0, FilterSub = 1, FilterUp = 2 };

// A straight ARGB32 pixel as the bytes R, G, B, A in memory.
inline quint32 rgbaOf(QRgb p)
{
    return qToLittleEndian<quint32>(quint32(qRed(p)) | quint32(qGreen(p)) << 8
                                    | quint32(qBlue(p)) << 16 | quint32(qAlpha(p)) << 24);
}

// zlib's running checksum over `size` bytes. A run of zero bytes leaves the
// first sum as it is and adds it to the second once per byte, which costs
// nothing to work out; the exports' rows are mostly such runs.
uLong adlerOf(uLong adler, const uchar *data, size_t size)
{
    constexpr size_t block = 64;
    constexpr uLong base = 65521;
    auto zeroBlock = [](const uchar *at) {
        quint64 any = 0;
        for (size_t i = 0; i < block; i += 8) {
            quint64 word;
            std::memcpy(&word, at + i, 8);
            any |= word;
        }
        return any == 0;
    };
    size_t i = 0;
    while (i < size) {
        size_t zeros = i;
        while (zeros + block <= size && zeroBlock(data + zeros))
            zeros += block;
        if (zeros > i) {
            const uLong a = adler & 0xffff;
            const uLong b = ((adler >> 16) + quint64(a) * (zeros - i)) % base;
            adler = (b << 16) | a;
            i = zeros;
        }
        size_t inked = i;
        while (inked < size && (inked + block > size || !zeroBlock(data + inked)))
            inked = std::min(size, inked + block);
        if (inked > i) {
            adler = adler32_z(adler, data + i, inked - i);
            i = inked;
        }
    }
    return adler;
}

// Turns rows of straight ARGB32 pixels into filtered PNG rows (a filter
// byte, then R, G, B, A per pixel) and deflates them into one band's part
// of the image's zlib stream.
class BandEncoder
{
public:
    explicit BandEncoder(int width)
        : m_width(width), m_previous(width, 0), m_current(width, 0), m_filtered(width * 4 + 1, 0)
    {
        m_ok = deflateInit2(&m_stream, 1, Z_DEFLATED, -15, 8, Z_RLE) == Z_OK;
    }
    ~BandEncoder() { deflateEnd(&m_stream); }
    BandEncoder(const BandEncoder &) = delete;
    BandEncoder &operator=(const BandEncoder &) = delete;

    // The row above the band, which the first row's "up" filter refers to.
    void setPreviousRow(const QRgb *pixels)
    {
        for (int x = 0; x < m_width; ++x)
            m_previous[x] = rgbaOf(pixels[x]);
    }

    void addRow(const QRgb *pixels)
    {
        filterRow(pixels);
        m_adler = adlerOf(m_adler, m_filtered.data(), m_filtered.size());
        write(m_filtered.data(), m_filtered.size(), Z_NO_FLUSH);
        m_previous.swap(m_current);
    }

    // Ends the band on a byte boundary, or the whole stream for the last.
    void finish(bool last) { write(nullptr, 0, last ? Z_FINISH : Z_SYNC_FLUSH); }

    bool ok() const { return m_ok; }
    const std::vector<uchar> &deflated() const { return m_out; }
    uLong adler() const { return m_adler; }
    qint64 inputBytes() const { return m_inputBytes; }

private:
    // Picks the filter that leaves the most pixels zero, which is what the
    // run-length strategy compresses: none for transparent stretches, sub
    // for runs of one colour along the row, up for edges repeated from the
    // row above.
    void filterRow(const QRgb *pixels)
    {
        quint32 *cur = m_current.data();
        const quint32 *up = m_previous.data();
        int none = 0, sub = 0, vertical = 0;
        quint32 left = 0;
        for (int x = 0; x < m_width; ++x) {
            const quint32 p = rgbaOf(pixels[x]);
            cur[x] = p;
            none += p != 0;
            sub += p != left;
            vertical += p != up[x];
            left = p;
        }
        const uchar *curBytes = reinterpret_cast<const uchar *>(cur);
        const uchar *upBytes = reinterpret_cast<const uchar *>(up);
        uchar *out = m_filtered.data() + 1;
        const int n = m_width * 4;
        if (none <= sub && none <= vertical) {
            m_filtered[0] = FilterNone;
            std::memcpy(out, curBytes, n);
        } else if (sub <= vertical) {
            m_filtered[0] = FilterSub;
            std::memcpy(out, curBytes, std::min(n, 4));
            for (int i = 4; i < n; ++i)
                out[i] = uchar(curBytes[i] - curBytes[i - 4]);
        } else {
            m_filtered[0] = FilterUp;
            for (int i = 0; i < n; ++i)
                out[i] = uchar(curBytes[i] - upBytes[i]);
        }
    }

    void write(const uchar *data, size_t size, int flush)
    {
        if (!m_ok)
            return;
        m_inputBytes += qint64(size);
        m_stream.next_in = const_cast<uchar *>(data);
        m_stream.avail_in = uInt(size);
        do {
            if (m_out.size() - m_used < 4096)
                m_out.resize(std::max<size_t>(m_out.size() * 2, 64 * 1024));
            m_stream.next_out = m_out.data() + m_used;
            m_stream.avail_out = uInt(m_out.size() - m_used);
            const int status = deflate(&m_stream, flush);
            m_used = m_out.size() - m_stream.avail_out;
            if (status == Z_STREAM_ERROR) {
                m_ok = false;
                return;
            }
        } while (m_stream.avail_out == 0);
        if (flush != Z_NO_FLUSH)
            m_out.resize(m_used);
    }

    const int m_width;
    // The rows as PNG pixels, R, G, B, A in memory.
    std::vector<quint32> m_previous;
    std::vector<quint32> m_current;
    std::vector<uchar> m_filtered;
    z_stream m_stream{};
    bool m_ok = false;
    std::vector<uchar> m_out;
    size_t m_used = 0;
    uLong m_adler = adler32(0, nullptr, 0);
    qint64 m_inputBytes = 0;
};

void appendChunk(QByteArray *png, const char *type, const uchar *data, qsizetype size)
{
    uchar length[4];
    qToBigEndian(quint32(size), length);
    png->append(reinterpret_cast<const char *>(length), 4);
    png->append(type, 4);
    uLong crc = crc32(0, reinterpret_cast<const uchar *>(type), 4);
    if (size > 0) {
        // zlib takes a null buffer as a request for the initial value.
        png->append(reinterpret_cast<const char *>(data), size);
        crc = crc32_z(crc, data, size_t(size));
    }
    uchar crcBytes[4];
    qToBigEndian(quint32(crc), crcBytes);
    png->append(reinterpret_cast<const char *>(crcBytes), 4);
}

} // namespace

bool encodePng(const QImage &image, QByteArray *png, QString *error,
               const std::function<bool()> &cancelled)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull())
        return fail(
            QCoreApplication::translate("Export",
                                        "Only premultiplied ARGB32 images can be encoded."));

    const int width = image.width();
    const int height = image.height();
    const int bands = std::clamp(height / kMinBandRows, 1, parallelJobs());
    auto bandTop = [&](int b) {
        return int(qint64(height) * b / bands);
    };

    std::vector<std::unique_ptr<BandEncoder>> encoders(bands);
    std::atomic<bool> stopped{false};
    runInParallel(bands, [&](int b) {
        auto encoder = std::make_unique<BandEncoder>(width);
        const int top = bandTop(b);
        const int bottom = bandTop(b + 1);
        // The straight-alpha pixels come from the toolkit's own conversion,
        // chunk by chunk, so they are exactly what a converted image holds.
        auto straight = [&image, width](int y, int rows) {
            return QImage(image.constScanLine(y), width, rows, image.bytesPerLine(),
                          QImage::Format_ARGB32_Premultiplied)
                .convertToFormat(QImage::Format_ARGB32);
        };
        if (top > 0)
            encoder->setPreviousRow(
                reinterpret_cast<const QRgb *>(straight(top - 1, 1).constScanLine(0)));
        for (int y = top; y < bottom && encoder->ok(); y += kConversionRows) {
            if (stopped.load(std::memory_order_relaxed) || (cancelled && cancelled())) {
                stopped = true;
                break;
            }
            const int rows = std::min(kConversionRows, bottom - y);
            const QImage chunk = straight(y, rows);
            if (chunk.isNull()) {
                stopped = true;
                break;
            }
            for (int r = 0; r < rows; ++r)
                encoder->addRow(reinterpret_cast<const QRgb *>(chunk.constScanLine(r)));
        }
        encoder->finish(b == bands - 1);
        encoders[b] = std::move(encoder);
    });
    if (stopped)
        return fail(cancelled && cancelled()
                        ? QCoreApplication::translate("Export", "Cancelled.")
                        : QCoreApplication::translate("Export", "Out of memory."));

    // One zlib stream: header, the bands' deflate data in order, and the
    // checksum of all rows, combined from the bands' own.
    std::vector<uchar> stream = {0x78, 0x01};
    uLong adler = adler32(0, nullptr, 0);
    for (const auto &encoder : encoders) {
        if (!encoder->ok())
            return fail(
                QCoreApplication::translate("Export", "The image could not be compressed."));
        stream.insert(stream.end(), encoder->deflated().begin(), encoder->deflated().end());
        adler = adler32_combine(adler, encoder->adler(), z_off_t(encoder->inputBytes()));
    }
    uchar adlerBytes[4];
    qToBigEndian(quint32(adler), adlerBytes);
    stream.insert(stream.end(), adlerBytes, adlerBytes + 4);

    QByteArray out;
    out.reserve(qsizetype(stream.size()) + 1024);
    out.append("\x89PNG\r\n\x1a\n", 8);
    uchar header[13];
    qToBigEndian(quint32(width), header);
    qToBigEndian(quint32(height), header + 4);
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    header[10] = 0; // deflate
    header[11] = 0; // adaptive filtering per row
    header[12] = 0; // not interlaced
    appendChunk(&out, "IHDR", header, sizeof header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        uchar physical[9];
        qToBigEndian(quint32(image.dotsPerMeterX()), physical);
        qToBigEndian(quint32(image.dotsPerMeterY()), physical + 4);
        physical[8] = 1; // per metre
        appendChunk(&out, "pHYs", physical, sizeof physical);
    }
    for (size_t at = 0; at < stream.size(); at += kIdatChunk) {
        appendChunk(&out, "IDAT", stream.data() + at,
                    qsizetype(std::min<size_t>(kIdatChunk, stream.size() - at)));
    }
    appendChunk(&out, "IEND", nullptr, 0);
    *png = out;
    return true;
}
