#include "render/previewrenderer.h"

#include "render/bandpainter.h"
#include "render/gaugepainter.h"

#include <QMutex>
#include <QPainter>
#include <QThreadPool>
#include <QWaitCondition>

#include <atomic>
#include <vector>

namespace {

// Layer pictures are kept while they take no more than this together; a
// gauge of more layers (from a file) is drawn in one pass every time.
constexpr qint64 kMaxKeptBytes = 128LL * 1024 * 1024;

struct LayerPicture
{
    gaugeData layer;
    PreviewRenderer::Target target;
    GaugePaintBudget before; // the allowance it was drawn with
    GaugePaintBudget after;  // and what was left of it
    bool cut = false;        // something was left out for want of allowance
    QImage image;
};

QImage blankPicture(const PreviewRenderer::Target &target)
{
    const int pixels = qRound(target.size * target.devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(target.devicePixelRatio);
    // Labels get the point size they would get on the screen.
    image.setDotsPerMeterX(qRound(target.dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(target.dpiY / 0.0254));
    image.fill(Qt::transparent);
    return image;
}

// A kept picture shows `layer` drawn with `before` if it was drawn with the
// same allowance, or drawn in full with no more than `before` needs. The
// allowance left after it is then returned in `after`.
bool reusable(const LayerPicture &picture, const gaugeData &layer,
              const PreviewRenderer::Target &target, const GaugePaintBudget &before,
              GaugePaintBudget *after)
{
    if (picture.target != target || picture.layer != layer || picture.image.isNull())
        return false;
    if (picture.before == before) {
        *after = picture.after;
        return true;
    }
    if (picture.cut)
        return false;
    const GaugePaintBudget used{picture.before.tickLines - picture.after.tickLines,
                                picture.before.labels - picture.after.labels,
                                picture.before.labelCharacters - picture.after.labelCharacters,
                                picture.before.arcs - picture.after.arcs, false};
    if (before.tickLines < used.tickLines || before.labels < used.labels
        || before.labelCharacters < used.labelCharacters || before.arcs < used.arcs)
        return false;
    *after = {before.tickLines - used.tickLines, before.labels - used.labels,
              before.labelCharacters - used.labelCharacters, before.arcs - used.arcs, false};
    return true;
}

} // namespace

struct PreviewRenderer::Shared
{
    QMutex mutex;
    QWaitCondition stopped;
    bool running = false;
    bool pending = false;
    QList<gaugeData> layers;
    Target target;
    quint64 generation = 0;
    // The newest request's number; a drawing for an older one stops.
    std::atomic<quint64> newest{0};
    // Only the running job touches these.
    std::vector<LayerPicture> kept;
};

struct PreviewRenderer::Result
{
    quint64 generation = 0;
    QImage picture;
    QList<gaugeData> layers;
    Target target;
    Work work;
};

bool PreviewRenderer::Target::operator==(const Target &other) const
{
    return size == other.size && devicePixelRatio == other.devicePixelRatio && dpiX == other.dpiX
        && dpiY == other.dpiY;
}

PreviewRenderer::PreviewRenderer(QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
{
}

PreviewRenderer::~PreviewRenderer()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->pending = false;
    m_shared->newest = ~quint64(0);
    while (m_shared->running)
        m_shared->stopped.wait(&m_shared->mutex);
}

void PreviewRenderer::request(const QList<gaugeData> &layers, const Target &target)
{
    ++m_requested;
    QMutexLocker lock(&m_shared->mutex);
    m_shared->layers = layers;
    m_shared->target = target;
    m_shared->generation = m_requested;
    m_shared->pending = true;
    m_shared->newest = m_requested;
    if (!m_shared->running) {
        m_shared->running = true;
        QThreadPool::globalInstance()->start(
            [shared = m_shared, owner = this] { work(shared, owner); });
    }
}

namespace {

// Draws `layers` for `target` from the kept layer pictures, drawing only the
// layers that have none. Returns false when `cancelled` stopped it.
bool drawPicture(const QList<gaugeData> &layers, const PreviewRenderer::Target &target,
                 std::vector<LayerPicture> &kept, const std::function<bool()> &cancelled,
                 QImage *picture, PreviewRenderer::Work *work)
{
    const GaugePaintLimits limits;
    QImage base = blankPicture(target);
    if (base.isNull()) {
        kept.clear();
        *picture = base;
        return true;
    }
    const qint64 pixels = qint64(base.width()) * base.height();
    auto paintLayers = [&](QImage *image, const QList<gaugeData> &drawn, bool hub,
                           GaugePaintBudget *budget) {
        qint64 tickLines = 0;
        for (const gaugeData &layer : drawn)
            tickLines += gaugeLayerTickLines(layer);
        const GaugePaintBudget start = *budget;
        return paintInBands(
            image, bandsFor(pixels, std::min(tickLines, limits.tickLines)),
            [&](QPainter *painter, const QRect &keptPixels) {
                GaugePaintControl control;
                control.cancelled = cancelled;
                control.keptPixels = keptPixels;
                GaugePaintBudget left = start;
                beginGaugePainting(painter, target.size);
                if (hub)
                    paintGaugeHub(painter);
                for (const gaugeData &layer : drawn) {
                    if (!paintGaugeLayer(painter, layer, left, limits, control))
                        return false;
                }
                // Every band walks the same ticks and leaves the same allowance.
                if (keptPixels.top() <= 0)
                    *budget = left;
                return true;
            });
    };

    if (qint64(layers.size()) * base.sizeInBytes() > kMaxKeptBytes) {
        kept.clear();
        GaugePaintBudget budget = GaugePaintBudget::from(limits);
        if (!paintLayers(&base, layers, true, &budget))
            return false;
        work->layersDrawn = int(layers.size());
        *picture = base;
        return true;
    }

    std::vector<LayerPicture> next;
    next.reserve(layers.size());
    std::vector<bool> taken(kept.size(), false);
    GaugePaintBudget budget = GaugePaintBudget::from(limits);
    for (qsizetype i = 0; i < layers.size(); ++i) {
        if (cancelled())
            return false;
        const gaugeData &layer = layers.at(i);
        // The picture kept at the same place first, then any other one (a
        // layer added or removed shifts the rest).
        qsizetype found = -1;
        GaugePaintBudget after;
        auto tryKept = [&](qsizetype j) {
            if (found < 0 && j < qsizetype(kept.size()) && !taken[j]
                && reusable(kept[j], layer, target, budget, &after))
                found = j;
        };
        tryKept(i);
        for (qsizetype j = 0; j < qsizetype(kept.size()); ++j)
            tryKept(j);
        if (found >= 0) {
            taken[found] = true;
            LayerPicture reused = kept[found];
            reused.before = budget;
            reused.after = after;
            budget = after;
            next.push_back(reused);
            ++work->layersReused;
            continue;
        }
        LayerPicture drawn{layer, target, budget, budget, false, blankPicture(target)};
        if (drawn.image.isNull())
            return false;
        drawn.after.cut = false;
        if (!paintLayers(&drawn.image, {layer}, false, &drawn.after))
            return false;
        drawn.cut = drawn.after.cut;
        budget = drawn.after;
        next.push_back(drawn);
        ++work->layersDrawn;
    }
    kept.swap(next);

    QPainter painter(&base);
    beginGaugePainting(&painter, target.size);
    paintGaugeHub(&painter);
    painter.resetTransform();
    for (const LayerPicture &layer : kept)
        painter.drawImage(QPointF(0, 0), layer.image);
    painter.end();
    *picture = base;
    return true;
}

} // namespace

void PreviewRenderer::work(std::shared_ptr<Shared> shared, PreviewRenderer *owner)
{
    for (;;) {
        Result result;
        {
            QMutexLocker lock(&shared->mutex);
            if (!shared->pending) {
                shared->running = false;
                shared->stopped.wakeAll();
                return;
            }
            shared->pending = false;
            result.generation = shared->generation;
            result.layers = shared->layers;
            result.target = shared->target;
        }
        const quint64 generation = result.generation;
        const auto cancelled = [&shared, generation] {
            return shared->newest.load(std::memory_order_relaxed) != generation;
        };
        if (!drawPicture(result.layers, result.target, shared->kept, cancelled, &result.picture,
                         &result.work))
            continue;
        // The owner waits for this loop to end before it goes, so it is
        // still there; the queued call is dropped if it goes meanwhile.
        QMetaObject::invokeMethod(
            owner, [owner, result] { owner->accept(result); }, Qt::QueuedConnection);
    }
}

void PreviewRenderer::accept(const Result &result)
{
    // A picture for an older request than the newest is never shown.
    if (result.generation != m_requested)
        return;
    m_shown = result.generation;
    m_picture = result.picture;
    m_pictureLayers = result.layers;
    m_pictureTarget = result.target;
    m_pictureWork = result.work;
    emit pictureReady();
}
