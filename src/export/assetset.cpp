#include "export/assetset.h"

#include "export/imageexport.h"
#include "export/pngwriter.h"
#include "fileio/outputfile.h"
#include "fileio/safewrite.h"
#include "render/drawingspace.h"
#include "render/needledial.h"
#include "render/needlepainter.h"
#include "targets/cidentifier.h"
#include "targets/needletable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct AssetSetTexts
{
    Q_DECLARE_TR_FUNCTIONS(AssetSet)
};

// Antialiasing reaches a pixel beyond a shape's edge; one more keeps the
// pictures' borders transparent, so that a turned picture shows no seam.
constexpr int pictureMargin = 2;

// The part of the needle drawn upright, about a pivot at the centre of an
// export of `size`, on a picture just large enough for `area` (drawing
// units from the pivot) and `margin` pixels more. The picture's pixels line
// up with the export's, so that upright it is the export's own.
AssetPicture uprightPicture(const gaugeNeedle &needle, needlePart part, const QRectF &area,
                            double margin, int size, const QImage &face)
{
    const double scale = size / double(DrawingSpace::size);
    const QPointF pivot(size / 2.0, size / 2.0);
    const QRectF pixels(pivot + area.topLeft() * scale, area.size() * scale);
    const int left = int(std::floor(pixels.left() - margin));
    const int top = int(std::floor(pixels.top() - margin));
    const int right = int(std::ceil(pixels.right() + margin));
    const int bottom = int(std::ceil(pixels.bottom() + margin));
    AssetPicture picture;
    QImage image(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return picture;
    image.setDotsPerMeterX(face.dotsPerMeterX());
    image.setDotsPerMeterY(face.dotsPerMeterY());
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-left, -top);
        beginGaugePainting(&painter, size);
        paintNeedlePart(&painter, needle, 0.0, part);
    }
    picture.image = image;
    picture.pivot = pivot - QPointF(left, top);
    return picture;
}

// The C identifier `name` gives, unlike every name in `taken` as the file
// systems that ignore case see them.
QString freeId(const QString &name, QStringList *taken)
{
    const QString base = cIdentifier(name);
    QString id = base;
    for (int n = 2; taken->contains(id, Qt::CaseInsensitive); ++n)
        id = QStringLiteral("%1_%2").arg(base).arg(n);
    for (const QString &file : {id, id + QStringLiteral("_hub"), id + QStringLiteral("_shadow")})
        taken->append(file);
    return id;
}

bool makeNeedle(const namedLayer &layer, const gaugeNeedle &needle, int size, const QImage &face,
                QStringList *taken, NeedleAsset *asset, QString *error)
{
    const NeedleDial dial(layer.data);
    asset->name = needle.name;
    asset->layerName = layer.name;
    asset->id = freeId(needle.name, taken);
    asset->value = needle.value;
    asset->angle = needleAngle(layer.data, needle);
    asset->free = needle.free;
    asset->startValue = dial.startValue();
    asset->endValue = dial.endValue();
    asset->startAngle = dial.startAngle();
    asset->endAngle = dial.endAngle();
    QString reason;
    if (!needleAngleTable(layer.data, &asset->table, &reason)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(needle.name, reason);
        return false;
    }
    const QRectF bodyArea = needle.shape == needleShape::picture
        ? needlePictureRect(needle)
        : needleBodyPath(needle).boundingRect();
    const QRectF hubArea = needleHubPath(needle).boundingRect();
    asset->body = uprightPicture(needle, needlePart::body, bodyArea, pictureMargin, size, face);
    bool drawn = !asset->body.image.isNull();
    if (needle.hub.shown) {
        asset->hub = uprightPicture(needle, needlePart::hub, hubArea, pictureMargin, size, face);
        drawn = drawn && !asset->hub.image.isNull();
    }
    if (needle.shadow.shown) {
        // Blurred upright and turned afterwards, which a round blur allows;
        // the offset is laid on after turning, as the light does not turn.
        gaugeNeedle still = needle;
        still.shadow.dx = 0.0;
        still.shadow.dy = 0.0;
        const double blurPixels = needle.shadow.blur * size / double(DrawingSpace::size);
        asset->shadow = uprightPicture(still, needlePart::shadow, bodyArea.united(hubArea),
                                       3.0 * blurPixels + 2.0 + pictureMargin, size, face);
        asset->shadowOffset =
            QPointF(needle.shadow.dx, needle.shadow.dy) * (size / double(DrawingSpace::size));
        drawn = drawn && !asset->shadow.image.isNull();
    }
    if (!drawn && error)
        *error = QCoreApplication::translate("Export", "Out of memory.");
    return drawn;
}

QJsonObject pictureObject(const AssetPicture &picture, const QString &file)
{
    const double w = picture.image.width();
    const double h = picture.image.height();
    return QJsonObject{
        {"file", file},
        {"width", picture.image.width()},
        {"height", picture.image.height()},
        {"pivot", QJsonObject{{"x", picture.pivot.x()},
                              {"y", picture.pivot.y()},
                              {"xFraction", picture.pivot.x() / w},
                              {"yFraction", picture.pivot.y() / h}}},
    };
}

QJsonObject needleObject(const NeedleAsset &needle)
{
    QJsonArray rows;
    for (const NeedleAngle &row : needle.table)
        rows.append(QJsonArray{row.value, row.angle});
    QJsonObject object{
        {"name", needle.name},
        {"layer", needle.layerName},
        {"value", needle.value},
        {"angle", needle.angle},
        {"free", needle.free},
        {"start", QJsonObject{{"value", needle.startValue}, {"angle", needle.startAngle}}},
        {"end", QJsonObject{{"value", needle.endValue}, {"angle", needle.endAngle}}},
        {"body", pictureObject(needle.body, needle.id + QStringLiteral(".png"))},
        {"table",
         QJsonObject{
             {"tolerance", needleTableTolerance},
             {"method",
              QStringLiteral("Linear interpolation between neighbouring rows stays within the "
                             "tolerance (degrees) of the needle's angle everywhere on the span. "
                             "The rows start as both ends, the middle, every primary tick and "
                             "a table scale's points; a gap is halved while the straight line "
                             "across it misses the angle by half the tolerance or more at a "
                             "quarter, half or three quarters of the way.")},
             {"columns", QJsonArray{"value", "angle"}},
             {"rows", rows}}},
    };
    if (!needle.hub.image.isNull())
        object.insert("hub", pictureObject(needle.hub, needle.id + QStringLiteral("_hub.png")));
    if (!needle.shadow.image.isNull()) {
        QJsonObject shadow =
            pictureObject(needle.shadow, needle.id + QStringLiteral("_shadow.png"));
        shadow.insert("offset", QJsonObject{{"x", needle.shadowOffset.x()},
                                            {"y", needle.shadowOffset.y()}});
        object.insert("shadow", shadow);
    }
    return object;
}

} // namespace

bool makeAssetSet(const QList<namedLayer> &layers, int size, AssetSet *set, QString *error,
                  const GaugePaintControl &control)
{
    if (size < exportSizeMin || size > exportSizeMax) {
        if (error)
            *error = QCoreApplication::translate("Export", "The size must be from %1 to %2 pixels.")
                         .arg(exportSizeMin)
                         .arg(exportSizeMax);
        return false;
    }
    GaugePaintControl faceOnly = control;
    faceOnly.needles = needleDrawing::none;
    const QImage face = gaugeImagePremultiplied(layerData(layers), size, faceOnly);
    if (face.isNull()) {
        if (error) {
            *error = control.cancelled && control.cancelled()
                ? QCoreApplication::translate("Export", "Cancelled.")
                : QCoreApplication::translate("Export", "Out of memory.");
        }
        return false;
    }
    AssetSet made;
    made.size = size;
    made.face = face;
    made.layers = layerData(layers);
    QStringList taken{QStringLiteral("face"), QStringLiteral("gauge")};
    // The needles the painter draws, in its order and within its limits.
    for (const namedLayer &layer : layers) {
        const qsizetype count = std::min(layer.data.needles.size(), layerNeedleLimit);
        for (qsizetype i = 0; i < count && made.needles.size() < paintNeedleLimit; ++i) {
            if (control.cancelled && control.cancelled()) {
                if (error)
                    *error = QCoreApplication::translate("Export", "Cancelled.");
                return false;
            }
            const gaugeNeedle &needle = layer.data.needles.at(i);
            if (!needleProblem(layer.data, needle).isEmpty())
                continue;
            NeedleAsset asset;
            if (!makeNeedle(layer, needle, size, face, &taken, &asset, error))
                return false;
            made.needles.append(asset);
        }
    }
    *set = made;
    return true;
}

QByteArray assetSetJson(const AssetSet &set)
{
    QJsonArray needles;
    for (const NeedleAsset &needle : set.needles)
        needles.append(needleObject(needle));
    AssetPicture face{set.face, QPointF(set.size / 2.0, set.size / 2.0)};
    const QJsonObject root{
        {"format", "dialwright-assets"},
        {"version", 1},
        {"size", set.size},
        {"face", pictureObject(face, QStringLiteral("face.png"))},
        {"angles",
         QJsonObject{
             {"convention", "Degrees clockwise from 12 o'clock. Every needle picture points at "
                            "12 o'clock: turn it clockwise by the angle about its pivot, laid on "
                            "the face's pivot."},
             {"lvgl", "LVGL turns a picture clockwise in tenths of a degree: "
                      "lv_image_set_rotation(needle, round(10 * angle)). Its own angles "
                      "(lv_arc, lv_scale) are tenths of a degree clockwise from 3 o'clock: "
                      "round(10 * (angle - 90))."},
             {"math", "Degrees counter-clockwise from 3 o'clock: 90 - angle."}}},
        {"drawing", "Draw face.png, then each needle in the order listed: its shadow turned about "
                    "its pivot and moved by its offset (pixels), its body turned about its pivot, "
                    "its hub as it is."},
        {"needles", needles},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool assetSetFiles(const AssetSet &set, QList<AssetFile> *files, QString *error,
                   const std::function<bool()> &cancelled)
{
    QList<AssetFile> made;
    const auto add = [&made, error, &cancelled](const QString &name, const QImage &image) {
        QByteArray png;
        const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!encodePng(premultiplied, &png, error, cancelled))
            return false;
        made.append({name, png});
        return true;
    };
    if (!add(QStringLiteral("face.png"), set.face))
        return false;
    for (const NeedleAsset &needle : set.needles) {
        if (!add(needle.id + QStringLiteral(".png"), needle.body.image)
            || (!needle.hub.image.isNull() && !add(needle.id + QStringLiteral("_hub.png"), needle.hub.image))
            || (!needle.shadow.image.isNull()
                && !add(needle.id + QStringLiteral("_shadow.png"), needle.shadow.image)))
            return false;
    }
    made.append({QStringLiteral("gauge.json"), assetSetJson(set)});
    *files = made;
    return true;
}

bool writeAssetFolder(const QList<AssetFile> &files, const QString &folder, QString *error)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        if (error)
            *error = AssetSetTexts::tr("%1 is not a folder.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const bool madeFolder = !info.exists();
    if (madeFolder && !QDir().mkpath(folder)) {
        if (error)
            *error = AssetSetTexts::tr("The folder %1 cannot be made.")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const auto undo = [&] {
        if (madeFolder)
            QDir(folder).removeRecursively();
        return false;
    };
    const QDir dir(folder);
    std::vector<std::unique_ptr<OutputFile>> outputs;
    for (const AssetFile &file : files) {
        auto output = std::make_unique<OutputFile>(dir.filePath(file.name));
        QString reason;
        if (!output->open(&reason) || !writeAllBytes(output->device(), file.bytes, &reason)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(file.name, reason);
            outputs.clear();
            return undo();
        }
        outputs.push_back(std::move(output));
    }
    for (size_t i = 0; i < outputs.size(); ++i) {
        QString reason;
        if (!outputs[i]->commit(&reason)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(files.at(qsizetype(i)).name, reason);
            outputs.clear();
            return undo();
        }
    }
    return true;
}

bool writeAssetSet(const QList<namedLayer> &layers, int size, const QString &folder,
                   QString *error, const GaugePaintControl &control)
{
    AssetSet set;
    QList<AssetFile> files;
    return makeAssetSet(layers, size, &set, error, control)
        && assetSetFiles(set, &files, error, control.cancelled)
        && writeAssetFolder(files, folder, error);
}
