#include "render/previewrenderer.h"

#include "render/bandpainter.h"
#include "render/gaugepainter.h"
#include "render/needlepainter.h"
#include "concurrency/parallel.h"
#include "render/ticklayout.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// Layer pictures are kept while they take no more than this together; a
// gauge of more layers (from a file) is drawn in one pass every time.
constexpr qint64 kMaxKeptBytes = 128LL * 1024 * 1024;
// A layer of fewer ticks is drawn by one thread.
constexpr qint64 kMinTickLinesForParts = 20'000;

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
    const QSize size = target.visible.isNull() ? QSize(pixels, pixels) : target.visible.size();
    QImage image = blankImage(size.width(), size.height());
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(target.devicePixelRatio);
    // Labels get the point size they would get on the screen.
    image.setDotsPerMeterX(qRound(target.dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(target.dpiY / 0.0254));
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
                                picture.before.arcs - picture.after.arcs,
                                false,
                                picture.before.face - picture.after.face};
    if (before.tickLines < used.tickLines || before.labels < used.labels
        || before.labelCharacters < used.labelCharacters || before.arcs < used.arcs
        || !before.face.covers(used.face))
        return false;
    *after = {before.tickLines - used.tickLines,
              before.labels - used.labels,
              before.labelCharacters - used.labelCharacters,
              before.arcs - used.arcs,
              false,
              before.face - used.face};
    return true;
}

// The layer without its needles: what its kept picture shows. Needles are
// drawn over all the layers' pictures every time, so moving one never
// draws a layer again.
gaugeData faceOf(gaugeData layer)
{
    layer.needles.clear();
    return layer;
}

// Starts a drawing of the target's picture on `painter`, on an image made
// by blankPicture: the part the target shows lies on the image.
void beginPicture(QPainter *painter, const PreviewRenderer::Target &target)
{
    if (!target.visible.isNull())
        painter->translate(-QPointF(target.visible.topLeft()) / target.devicePixelRatio);
    beginGaugePainting(painter, target.size);
}

// Lets the painter skip what cannot reach a part of the picture.
void keepVisible(GaugePaintControl *control, const PreviewRenderer::Target &target)
{
    if (!target.visible.isNull())
        control->keptPixels = QRect(QPoint(0, 0), target.visible.size());
}

} // namespace

struct PreviewRenderer::Result
{
    quint64 generation = 0;
    QImage picture;
    QList<gaugeData> layers;
    Target target;
    Work work;
};

struct PreviewRenderer::Shared
{
    std::mutex mutex;
    // A request has come, or the renderer is going.
    std::condition_variable changed;
    bool pending = false;
    bool ending = false;
    QList<gaugeData> layers;
    Target target;
    quint64 generation = 0;
    // The newest request's number; a drawing for an older one stops.
    std::atomic<quint64> newest{0};
    // The newest finished picture that the GUI thread has not taken yet.
    std::optional<Result> finished;
    // Only the worker thread touches these.
    std::vector<LayerPicture> kept;
};

bool PreviewRenderer::Target::operator==(const Target &other) const
{
    return size == other.size && devicePixelRatio == other.devicePixelRatio && dpiX == other.dpiX
        && dpiY == other.dpiY && visible == other.visible;
}

PreviewRenderer::PreviewRenderer(QObject *parent)
    : QObject(parent), m_shared(std::make_unique<Shared>())
{
}

PreviewRenderer::~PreviewRenderer()
{
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->pending = false;
        m_shared->ending = true;
        m_shared->newest = ~quint64(0);
    }
    m_shared->changed.notify_one();
    if (m_worker.joinable())
        m_worker.join();
}

void PreviewRenderer::request(const QList<gaugeData> &layers, const Target &target)
{
    ++m_requested;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->layers = layers;
        m_shared->target = target;
        m_shared->generation = m_requested;
        m_shared->pending = true;
        m_shared->newest = m_requested;
    }
    m_shared->changed.notify_one();
    // A thread of its own rather than one of the toolkit's pool: what goes
    // to it and back goes under the mutex, where thread checkers see it
    // handed over; they cannot see the locks inside the pool.
    if (!m_worker.joinable())
        m_worker = std::thread([this] { work(); });
}

namespace {

// Draws one layer's picture from the allowance `budget`, which it reduces by
// what the layer used. A dense layer is drawn in parts of its primary ticks,
// one per core, laid over each other in order: much the same picture, and
// where ticks of neighbouring parts overlap their edges round a little
// differently. Returns false when `cancelled` stopped it.
bool drawLayer(const gaugeData &layer, const PreviewRenderer::Target &target,
               const std::function<bool()> &cancelled, QImage *image, GaugePaintBudget *budget)
{
    const GaugePaintLimits limits;
    const qint64 primaries = TickLayout(layer).primaryCount();
    // A layer with texts or pictures is drawn whole: they lie over all its
    // ticks.
    const bool hasFace = !layer.texts.isEmpty() || !layer.pictures.isEmpty();
    const int parts = gaugeLayerTickLines(layer) >= kMinTickLinesForParts && !hasFace
        ? int(std::clamp<qint64>(primaries, 1, parallelJobs()))
        : 1;
    std::vector<QImage> images(parts);
    images[0] = *image;
    for (int p = 1; p < parts; ++p) {
        images[p] = blankPicture(target);
        if (images[p].isNull())
            return false;
    }
    const GaugePaintBudget start = *budget;
    std::vector<char> finished(parts, 0);
    runInParallel(parts, [&](int p) {
        QPainter painter(&images[p]);
        GaugePaintControl control;
        control.cancelled = cancelled;
        control.firstPrimary = parts == 1 ? 0 : primaries * p / parts;
        control.endPrimary =
            parts == 1 ? std::numeric_limits<qint64>::max() : primaries * (p + 1) / parts;
        keepVisible(&control, target);
        GaugePaintBudget left = start;
        beginPicture(&painter, target);
        finished[p] = paintGaugeLayer(&painter, layer, left, limits, control);
        // Every part counts the whole layer and leaves the same allowance.
        if (p == 0)
            *budget = left;
    });
    if (!std::all_of(finished.begin(), finished.end(), [](char f) { return f != 0; }))
        return false;
    if (parts > 1) {
        QPainter painter(&images[0]);
        for (int p = 1; p < parts; ++p)
            painter.drawImage(QPointF(0, 0), images[p]);
    }
    *image = images[0];
    return true;
}

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

    if (qint64(layers.size()) * base.sizeInBytes() > kMaxKeptBytes) {
        // Too many layers to keep: one drawing of all of them, as an export.
        kept.clear();
        QPainter painter(&base);
        GaugePaintControl control;
        control.cancelled = cancelled;
        keepVisible(&control, target);
        if (!target.visible.isNull())
            painter.translate(-QPointF(target.visible.topLeft()) / target.devicePixelRatio);
        if (!paintGaugeLayers(&painter, target.size, layers, limits, control))
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
        const gaugeData layer = faceOf(layers.at(i));
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
        if (!drawLayer(layer, target, cancelled, &drawn.image, &drawn.after))
            return false;
        drawn.cut = drawn.after.cut;
        budget = drawn.after;
        next.push_back(drawn);
        ++work->layersDrawn;
    }
    kept.swap(next);

    QPainter painter(&base);
    beginPicture(&painter, target);
    paintGaugeHub(&painter);
    painter.resetTransform();
    for (const LayerPicture &layer : kept)
        painter.drawImage(QPointF(0, 0), layer.image);
    beginPicture(&painter, target);
    if (!paintGaugeNeedles(&painter, layers, cancelled, budget.face.picturePixels))
        return false;
    painter.end();
    *picture = base;
    return true;
}

} // namespace

void PreviewRenderer::work()
{
    Shared &shared = *m_shared;
    std::unique_lock<std::mutex> lock(shared.mutex);
    for (;;) {
        shared.changed.wait(lock, [&shared] { return shared.pending || shared.ending; });
        if (shared.ending)
            return;
        shared.pending = false;
        Result result;
        result.generation = shared.generation;
        result.layers = shared.layers;
        result.target = shared.target;
        lock.unlock();

        workerStarted();
        const quint64 generation = result.generation;
        const auto cancelled = [&shared, generation] {
            return shared.newest.load(std::memory_order_relaxed) != generation;
        };
        const bool drawn = drawPicture(result.layers, result.target, shared.kept, cancelled,
                                       &result.picture, &result.work);
        lock.lock();
        if (!drawn || shared.ending)
            continue;
        shared.finished = std::move(result);
        lock.unlock();
        // Asked by name, the queued call carries nothing from this thread:
        // the picture goes over under the mutex. The owner waits for this
        // loop to end before it goes, and the call is dropped if it goes
        // before the call is made.
        QMetaObject::invokeMethod(this, "takePicture", Qt::QueuedConnection);
        lock.lock();
    }
}

void PreviewRenderer::takePicture()
{
    std::optional<Result> result;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        result.swap(m_shared->finished);
    }
    if (result)
        accept(*result);
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
