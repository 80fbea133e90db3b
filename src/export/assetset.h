#pragma once

#include "model/namedlayer.h"
#include "render/gaugepainter.h"
#include "targets/ctables.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <functional>

// The pictures and numbers an engine, a display or a web page needs to show
// the gauge with live needles: the face without needles, and each needle
// upright (pointing at 12 o'clock) on a picture of its own, which the
// program turns about the needle's pivot to the angle of its value.
//
// Compositing face.png, then for each needle in order its shadow (turned
// about its pivot, then moved by its offset), its body (turned about its
// pivot) and its hub cap (not turned), each pivot laid on the face's pivot,
// gives the PNG export with the needles at those angles, to within
// antialiasing.

// One upright picture of a needle's part, with the point it turns about in
// its own pixels (from the top left corner of the picture, not of a pixel).
struct AssetPicture
{
    // Premultiplied ARGB32, as drawn; null when the needle has no such part.
    QImage image;
    QPointF pivot;
};

struct NeedleAsset
{
    QString name;
    QString layerName;
    // The name of its files, a C identifier unique in the set: "speed"
    // gives speed.png, speed_hub.png and speed_shadow.png.
    QString id;
    double value = 0.0;
    double angle = 0.0; // of its value, degrees clockwise from 12 o'clock
    bool free = false;
    double startValue = 0.0;
    double endValue = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
    AssetPicture body;
    AssetPicture hub;
    AssetPicture shadow;
    // How far the shadow lies from the needle, in pixels, whatever its angle.
    QPointF shadowOffset;
    // See needleAngleTable.
    QList<NeedleAngle> table;
};

struct AssetSet
{
    int size = 0;
    QImage face; // premultiplied ARGB32, as drawn; its pivot is its centre
    QList<NeedleAsset> needles;
    // The layers it was drawn from, with the needles' values, for the
    // targets that draw the gauge themselves.
    QList<gaugeData> layers;
};

// One file of a set, with its name in the folder.
struct AssetFile
{
    QString name;
    QByteArray bytes;
};

// Draws the set of the gauge at `size` pixels, for the needles the PNG
// export draws (those that can be drawn), in the order it draws them.
// Returns false with a one-line reason in `error` (when given) when the
// size is out of the export range, a needle's angle table cannot be made,
// memory runs out or `control` cancelled it.
[[nodiscard]] bool makeAssetSet(const QList<namedLayer> &layers, int size, AssetSet *set,
                                QString *error = nullptr,
                                const GaugePaintControl &control = GaugePaintControl());

// The set's files: face.png, the needles' pictures and gauge.json, the same
// bytes for the same set. Returns false with the reason in `error` (when
// given) when a picture cannot be encoded or `cancelled` answers true.
[[nodiscard]] bool assetSetFiles(const AssetSet &set, QList<AssetFile> *files,
                                 QString *error = nullptr,
                                 const std::function<bool()> &cancelled = {});

// gauge.json alone.
QByteArray assetSetJson(const AssetSet &set);

// Writes the files into `folder`, made with its parents when missing: every
// file goes to a temporary file first, and they are put in place only when
// all are complete, so that a failure leaves the folder's files as they
// were (and a folder made for them is removed again). Returns false with
// the reason in `error` (when given).
[[nodiscard]] bool writeAssetFolder(const QList<AssetFile> &files, const QString &folder,
                                    QString *error = nullptr);

// makeAssetSet, assetSetFiles and writeAssetFolder in turn.
[[nodiscard]] bool writeAssetSet(const QList<namedLayer> &layers, int size, const QString &folder,
                                 QString *error = nullptr,
                                 const GaugePaintControl &control = GaugePaintControl());
