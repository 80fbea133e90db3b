#include "render/facepictures.h"

#include "render/gaugepainter.h"
#include "render/svgsanitizer.h"

#include <QBuffer>
#include <QCache>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// A renderer for one drawing on one thread. It never animates: an animated
// picture would start a timer on whatever thread made it.
class StillSvgRenderer : public QSvgRenderer
{
public:
    explicit StillSvgRenderer(const QByteArray &svg)
    {
        setFramesPerSecond(0);
        load(svg);
    }
};

QImageReader *rasterReader(QBuffer *buffer, const DecodedPicture &picture, QImageReader *reader)
{
    buffer->setData(picture.data);
    buffer->open(QIODevice::ReadOnly);
    reader->setDevice(buffer);
    reader->setFormat(picture.format == pictureFormat::png ? "png" : "jpeg");
    reader->setAutoTransform(true);
    return reader;
}

// Only the header is read here: the size, and whether the data are such a
// picture at all.
void checkRaster(DecodedPicture *picture)
{
    QBuffer buffer;
    QImageReader reader;
    rasterReader(&buffer, *picture, &reader);
    const QByteArray formatName = reader.format();
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        picture->problem =
            DecodedPicture::tr("The picture cannot be read as %1: %2")
                .arg(QString::fromLatin1(formatName.toUpper()), reader.errorString());
        return;
    }
    if (qint64(size.width()) * size.height() > pictureMaxPixels) {
        picture->problem = DecodedPicture::tr("The picture has %1 x %2 pixels; a picture may "
                                              "have at most %3 million.")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(pictureMaxPixels / 1'000'000);
        return;
    }
    // Turned upright by its orientation tag, a JPEG picture swaps sides.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    picture->size = turned ? QSizeF(size.height(), size.width()) : QSizeF(size);
    picture->pixels = qint64(size.width()) * size.height();
}

void decodeSvg(DecodedPicture *picture)
{
    SanitizedSvg clean = sanitizeSvg(picture->data, pictureMaxPixels);
    picture->problem = clean.problem;
    if (!picture->problem.isEmpty())
        return;
    // One picture whose images alone would take a whole drawing's allowance
    // can never be drawn.
    const qint64 allowance = GaugePaintLimits().picturePixels;
    if (clean.pixels > allowance) {
        picture->problem =
            DecodedPicture::tr("The SVG picture holds images of %1 million pixels; a drawing may "
                               "decode at most %2 million.")
                .arg(clean.pixels / 1'000'000)
                .arg(allowance / 1'000'000);
        return;
    }
    picture->drawnSvg = clean.svg;
    picture->elements = clean.elements;
    picture->pixels = clean.pixels;
    if (!clean.viewBox) {
        picture->problem = DecodedPicture::tr("The picture cannot be read as SVG.");
        return;
    }
    const QSizeF size = *clean.viewBox;
    if (!(size.width() > 0.0) || !(size.height() > 0.0) || !qIsFinite(size.width())
        || !qIsFinite(size.height())) {
        picture->problem = DecodedPicture::tr("The SVG picture has no size: it needs a view box "
                                              "or a width and a height.");
        return;
    }
    picture->size = size;
}

std::shared_ptr<DecodedPicture> decode(const QByteArray &data, pictureFormat format)
{
    auto picture = std::make_shared<DecodedPicture>();
    picture->format = format;
    picture->data = data;
    if (data.isEmpty())
        picture->problem = DecodedPicture::tr("The picture has no data.");
    else if (format == pictureFormat::unknown)
        picture->problem = DecodedPicture::tr("The picture is not PNG, JPEG or SVG.");
    else if (format == pictureFormat::svg)
        decodeSvg(picture.get());
    else
        checkRaster(picture.get());
    return picture;
}

// Pictures are found by their bytes' address: every copy of a layer shares
// its pictures' bytes, and an entry holds its bytes, so no other picture can
// take that address while the entry lives.
struct Key
{
    quintptr address;
    qsizetype size;
    pictureFormat format;

    bool operator==(const Key &o) const
    {
        return address == o.address && size == o.size && format == o.format;
    }
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return qHashMulti(seed, key.address, key.size, int(key.format));
}

using Entry = std::shared_ptr<const DecodedPicture>;

class PictureCache
{
public:
    Entry find(const QByteArray &data, pictureFormat format)
    {
        const Key key{quintptr(data.constData()), data.size(), format};
        {
            const QMutexLocker lock(&m_mutex);
            if (const Entry *entry = m_pictures.object(key))
                return *entry;
        }
        // Decoded outside the lock: another thread may decode the same
        // picture meanwhile, and the later result simply replaces the first.
        const Entry entry = decode(data, format);
        const QMutexLocker lock(&m_mutex);
        // Counted as decoded, which it will be once drawn.
        const qint64 cost = entry->pixels * 4 + data.size();
        m_pictures.insert(key, new Entry(entry), qMax<qint64>(1, cost / 1024));
        forgetGoneImages();
        return entry;
    }

    void rememberImage(const QImage &image, const Entry &entry)
    {
        const QMutexLocker lock(&m_mutex);
        m_images.insert(image.cacheKey(), entry);
        forgetGoneImages();
    }

    Entry findImage(const QImage &image)
    {
        const QMutexLocker lock(&m_mutex);
        return m_images.value(image.cacheKey()).lock();
    }

private:
    void forgetGoneImages()
    {
        for (auto it = m_images.begin(); it != m_images.end();)
            it = it->expired() ? m_images.erase(it) : std::next(it);
    }

    QMutex m_mutex;
    // Costs in KiB: 256 MiB of decoded pictures, a few of the largest.
    QCache<Key, Entry> m_pictures{256 * 1024};
    QHash<qint64, std::weak_ptr<const DecodedPicture>> m_images;
};

PictureCache &cache()
{
    // Never destroyed: pictures may still be drawn on a worker thread while
    // the program ends.
    static auto *instance = new PictureCache;
    return *instance;
}

} // namespace

QImage DecodedPicture::image() const
{
    std::call_once(m_decoding, [this] {
        if (!usable() || format == pictureFormat::svg)
            return;
        QBuffer buffer;
        QImageReader reader;
        rasterReader(&buffer, *this, &reader);
        if (reader.read(&m_image))
            cache().rememberImage(m_image, shared_from_this());
    });
    return m_image;
}

void DecodedPicture::draw(QPainter *painter, const QRectF &target) const
{
    if (!usable())
        return;
    if (format == pictureFormat::svg) {
        StillSvgRenderer renderer(drawnSvg);
        renderer.render(painter, target);
        return;
    }
    const QImage decoded = image();
    if (decoded.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, decoded);
}

std::shared_ptr<const DecodedPicture> decodedPicture(const QByteArray &data, pictureFormat format)
{
    return cache().find(data, format);
}

bool pictureFileOf(const QImage &image, QByteArray *bytes, QByteArray *mimeType)
{
    const Entry entry = cache().findImage(image);
    if (!entry)
        return false;
    // A JPEG taken upright by its orientation tag no longer shows its file's
    // pixels as they are stored; a viewer might not turn it the same way.
    QBuffer buffer;
    buffer.setData(entry->data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.transformation() != QImageIOHandler::TransformationNone)
        return false;
    *bytes = entry->data;
    *mimeType = entry->format == pictureFormat::png ? "image/png" : "image/jpeg";
    return true;
}
