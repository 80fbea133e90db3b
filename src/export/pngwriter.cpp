#include "export/pngwriter.h"

#include "render/parallel.h"

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

// The cost of a filtered byte as the usual heuristic counts it: its
// distance from zero as a signed value.
inline int byteCost(uchar b)
{
    return b < 128 ? b : 256 - b;
}

// First and one past the last non-zero byte of a row; (n, n) for a zero row.
std::pair<int, int> inkedSpan(const uchar *row, int n)
{
    int first = 0;
    while (first < n && row[first] == 0)
        ++first;
    if (first == n)
        return {n, n};
    int end = n;
    while (row[end - 1] == 0)
        --end;
    return {first, end};
}

// Turns rows of straight ARGB32 pixels into filtered PNG rows (a filter
// byte, then R, G, B, A per pixel) and deflates them into one band's part
// of the image's zlib stream.
class BandEncoder
{
public:
    explicit BandEncoder(int width)
        : m_n(width * 4), m_previous(m_n, 0), m_current(m_n, 0), m_filtered(m_n + 1, 0)
    {
        m_ok = deflateInit2(&m_stream, 1, Z_DEFLATED, -15, 8, Z_RLE) == Z_OK;
    }
    ~BandEncoder() { deflateEnd(&m_stream); }
    BandEncoder(const BandEncoder &) = delete;
    BandEncoder &operator=(const BandEncoder &) = delete;

    // The row above the band, which the first row's "up" filter refers to.
    void setPreviousRow(const QRgb *pixels) { toRgba(pixels, m_previous.data()); }

    void addRow(const QRgb *pixels)
    {
        toRgba(pixels, m_current.data());
        filterRow();
        m_adler = adler32_z(m_adler, m_filtered.data(), m_filtered.size());
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
    void toRgba(const QRgb *pixels, uchar *rgba) const
    {
        for (int x = 0; x < m_n / 4; ++x) {
            const QRgb p = pixels[x];
            rgba[4 * x] = uchar(qRed(p));
            rgba[4 * x + 1] = uchar(qGreen(p));
            rgba[4 * x + 2] = uchar(qBlue(p));
            rgba[4 * x + 3] = uchar(qAlpha(p));
        }
    }

    // Picks the filter whose output is closest to zero. Outside the span
    // where this row or the one above has ink, every filter gives zeros, so
    // only that span is looked at.
    void filterRow()
    {
        const uchar *cur = m_current.data();
        const uchar *up = m_previous.data();
        uchar *out = m_filtered.data() + 1;
        const auto [curFirst, curEnd] = inkedSpan(cur, m_n);
        const auto [upFirst, upEnd] = inkedSpan(up, m_n);
        const int first = std::min(curFirst, upFirst);
        const int end = std::max(curEnd == m_n ? m_n : std::min(m_n, curEnd + 4), upEnd);
        std::memset(out, 0, m_n);
        m_filtered[0] = FilterNone;
        if (curFirst == m_n || first >= end)
            return;

        long none = 0, sub = 0, vertical = 0;
        for (int i = first; i < end; ++i) {
            const uchar left = i >= 4 ? cur[i - 4] : 0;
            none += byteCost(cur[i]);
            sub += byteCost(uchar(cur[i] - left));
            vertical += byteCost(uchar(cur[i] - up[i]));
        }
        if (none <= sub && none <= vertical) {
            std::memcpy(out + first, cur + first, end - first);
        } else if (sub <= vertical) {
            m_filtered[0] = FilterSub;
            for (int i = first; i < end; ++i)
                out[i] = uchar(cur[i] - (i >= 4 ? cur[i - 4] : 0));
        } else {
            m_filtered[0] = FilterUp;
            for (int i = first; i < end; ++i)
                out[i] = uchar(cur[i] - up[i]);
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

    const int m_n;
    std::vector<uchar> m_previous;
    std::vector<uchar> m_current;
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

QString tr(const char *text)
{
    return QCoreApplication::translate("Export", text);
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
        return fail(tr("Only premultiplied ARGB32 images can be encoded."));

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
        return fail(cancelled && cancelled() ? tr("Cancelled.") : tr("Out of memory."));

    // One zlib stream: header, the bands' deflate data in order, and the
    // checksum of all rows, combined from the bands' own.
    std::vector<uchar> stream = {0x78, 0x01};
    uLong adler = adler32(0, nullptr, 0);
    for (const auto &encoder : encoders) {
        if (!encoder->ok())
            return fail(tr("The image could not be compressed."));
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
