#include "targets/targetset.h"

#include "targets/cidentifier.h"
#include "targets/ctables.h"
#include "targets/lvgl8image.h"
#include "targets/needletable.h"
#include "targets/tftheader.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// One picture of the set as the C sources name it.
struct NamedPicture
{
    QString identifier;
    const AssetPicture *picture;
    bool turns; // the body and the shadow turn; the face and the hub do not
};

QList<NamedPicture> pictures(const AssetSet &set, const QString &base, const AssetPicture &face)
{
    QList<NamedPicture> list{{base + QStringLiteral("_face"), &face, false}};
    for (const NeedleAsset &needle : set.needles) {
        const QString id = base + QLatin1Char('_') + needle.id;
        if (!needle.shadow.image.isNull())
            list.append({id + QStringLiteral("_shadow"), &needle.shadow, true});
        list.append({id, &needle.body, true});
        if (!needle.hub.image.isNull())
            list.append({id + QStringLiteral("_hub"), &needle.hub, false});
    }
    return list;
}

QPoint pixelPivot(const AssetPicture &picture)
{
    return QPoint(int(std::lround(picture.pivot.x())), int(std::lround(picture.pivot.y())));
}

LvglColorFormat needleFormat(LvglColorFormat format)
{
    switch (format) {
    case LvglColorFormat::Rgb565:
    case LvglColorFormat::Rgb565Swapped:
        return LvglColorFormat::Rgb565A8;
    case LvglColorFormat::Xrgb8888:
    case LvglColorFormat::Rgb888:
        return LvglColorFormat::Argb8888;
    case LvglColorFormat::Argb8888:
    case LvglColorFormat::Rgb565A8:
        break;
    }
    return format;
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 17);
}

// A float literal of C: "132.0f".
QByteArray floatLiteral(double value)
{
    QByteArray text = QByteArray::number(double(float(value)), 'g', 9);
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text + 'f';
}

// The header that declares the pictures, their pivots and the tables.
bool lvglHeader(const AssetSet &set, const QList<NamedPicture> &list, const QString &base,
                bool lvgl9, QByteArray *header, QString *error)
{
    const QByteArray guard = base.toUpper().toLatin1() + "_H";
    QByteArray text = "/* " + base.toUtf8()
        + ".h: the gauge's pictures for LVGL. The needle pictures point at 12 o'clock;\n"
          " * the angle tables are in tenths of a degree clockwise from 3 o'clock, so\n"
          " * lv_image_set_rotation takes an angle + 900. */\n";
    text += "#ifndef " + guard + "\n#define " + guard + "\n\n#include <stdint.h>\n";
    text += "#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n"
            "#elif defined(LV_LVGL_H_INCLUDE_SYSTEM)\n#include <lvgl.h>\n#else\n"
            "#include \"lvgl/lvgl.h\"\n#endif\n\n";
    const QByteArray type = lvgl9 ? "lv_image_dsc_t" : "lv_img_dsc_t";
    for (const NamedPicture &p : list)
        text += "extern const " + type + ' ' + p.identifier.toLatin1() + ";\n";
    // The face's pivot is where the needles' pivots go, rounded as theirs
    // are, so that the pictures keep the export's pixel grid.
    text += '\n';
    for (const NamedPicture &p : list) {
        QByteArray pivot;
        const QString name = p.picture == list.constFirst().picture ? base : p.identifier;
        if (!cPivotDefines(name, pixelPivot(*p.picture), &pivot, error))
            return false;
        text += pivot;
    }
    for (const NeedleAsset &needle : set.needles) {
        QByteArray table;
        if (!cAngleTable(needle.table, base + QLatin1Char('_') + needle.id,
                         AngleUnit::TenthsFromThreeOClock, &table, error))
            return false;
        text += '\n' + table;
    }
    text += "\nlv_obj_t *" + base.toLatin1() + "_create(lv_obj_t *parent);\n";
    for (const NeedleAsset &needle : set.needles)
        text += "void " + base.toLatin1() + "_set_" + needle.id.toLatin1() + "(float value);\n";
    text += "\n#endif\n";
    *header = text;
    return true;
}

// An example that builds the gauge from lv_image objects and sets a
// needle's value through its table.
QByteArray lvglExample(const AssetSet &set, const QList<NamedPicture> &list, const QString &base,
                       bool lvgl9)
{
    const QByteArray b = base.toLatin1();
    const QByteArray create = lvgl9 ? "lv_image_create" : "lv_img_create";
    const QByteArray setSrc = lvgl9 ? "lv_image_set_src" : "lv_img_set_src";
    const QByteArray setPivot = lvgl9 ? "lv_image_set_pivot" : "lv_img_set_pivot";
    const QByteArray setRotation = lvgl9 ? "lv_image_set_rotation" : "lv_img_set_angle";
    QByteArray text = "/* An example: the gauge built from image objects, its needles set by value. */\n";
    text += "#include \"" + b + ".h\"\n\n";
    for (const NamedPicture &p : list)
        text += "static lv_obj_t *" + p.identifier.toLatin1() + "_obj;\n";
    text += "\n/* The table's angle at `value`, interpolated linearly, held at its ends. */\n"
            "#define " + b.toUpper() + "_ANGLE_AT(table, count, value, result) do { \\\n"
            "    int i_ = 1; \\\n"
            "    if ((value) <= table[0].value) { result = table[0].angle; break; } \\\n"
            "    while (i_ < (count) - 1 && table[i_].value < (value)) ++i_; \\\n"
            "    if ((value) >= table[i_].value || table[i_].value <= table[i_ - 1].value) { \\\n"
            "        result = table[i_].angle; break; } \\\n"
            "    result = table[i_ - 1].angle + (int32_t)((float)(table[i_].angle - "
            "table[i_ - 1].angle) \\\n"
            "        * ((value) - table[i_ - 1].value) / (table[i_].value - table[i_ - 1].value)); "
            "\\\n} while (0)\n\n";
    text += "lv_obj_t *" + b + "_create(lv_obj_t *parent)\n{\n";
    text += "    lv_obj_t *face = " + b + "_face_obj = " + create + "(parent);\n";
    text += "    " + setSrc + "(face, &" + b + "_face);\n";
    for (const NamedPicture &p : list) {
        if (p.identifier == base + QStringLiteral("_face"))
            continue;
        const QByteArray id = p.identifier.toLatin1();
        const QByteArray upper = id.toUpper();
        QByteArray x = b.toUpper() + "_PIVOT_X - " + upper + "_PIVOT_X";
        QByteArray y = b.toUpper() + "_PIVOT_Y - " + upper + "_PIVOT_Y";
        if (p.identifier.endsWith(QStringLiteral("_shadow"))) {
            // The shadow lies off the needle by the same pixels at any angle.
            for (const NeedleAsset &needle : set.needles) {
                if (p.identifier == base + QLatin1Char('_') + needle.id + QStringLiteral("_shadow")) {
                    x += " + " + QByteArray::number(qRound(needle.shadowOffset.x()));
                    y += " + " + QByteArray::number(qRound(needle.shadowOffset.y()));
                }
            }
        }
        text += "    " + id + "_obj = " + create + "(face);\n";
        text += "    " + setSrc + '(' + id + "_obj, &" + id + ");\n";
        text += "    lv_obj_set_pos(" + id + "_obj, " + x + ", " + y + ");\n";
        if (p.turns)
            text += "    " + setPivot + '(' + id + "_obj, " + upper + "_PIVOT_X, " + upper
                + "_PIVOT_Y);\n";
    }
    for (const NeedleAsset &needle : set.needles)
        text += "    " + b + "_set_" + needle.id.toLatin1() + "(" + floatLiteral(needle.value) + ");\n";
    text += "    return face;\n}\n";
    for (const NeedleAsset &needle : set.needles) {
        const QByteArray id = b + '_' + needle.id.toLatin1();
        text += "\nvoid " + b + "_set_" + needle.id.toLatin1() + "(float value)\n{\n";
        text += "    int32_t angle;\n";
        text += "    " + b.toUpper() + "_ANGLE_AT(" + id + "_angles, " + id.toUpper()
            + "_ANGLE_COUNT, value, angle);\n";
        // LVGL 8 takes an int16_t from 0 to 3600.
        text += lvgl9 ? "    angle += 900;\n" : "    angle = ((angle + 900) % 3600 + 3600) % 3600;\n";
        for (const QByteArray &part : {QByteArray("_shadow"), QByteArray()}) {
            if (!part.isEmpty() && needle.shadow.image.isNull())
                continue;
            text += "    " + setRotation + '(' + id + part + "_obj, " + (lvgl9 ? "" : "(int16_t)")
                + "angle);\n";
        }
        text += "}\n";
    }
    return text;
}

bool lvglFiles(const AssetSet &set, const TargetOptions &options, bool lvgl9,
               QList<AssetFile> *files, QString *error)
{
    const AssetPicture face{set.face, QPointF(set.size / 2.0, set.size / 2.0)};
    const QList<NamedPicture> list = pictures(set, options.baseName, face);
    for (const NamedPicture &p : list) {
        const QImage straight = p.picture->image.convertToFormat(QImage::Format_ARGB32);
        QByteArray source;
        QString reason;
        if (lvgl9) {
            LvglColorFormat format = options.colorFormat;
            if (format == LvglColorFormat::Rgb565 && options.swapBytes)
                format = LvglColorFormat::Rgb565Swapped;
            if (p.picture != &face)
                format = needleFormat(format);
            LvglImage image;
            QByteArray bin;
            if (!toLvglImage(straight, format, &image, &reason)
                || !lvgl9CSource(image, p.identifier, &source, &reason)
                || !lvgl9BinFile(image, &bin, &reason))
                return fail(error, p.identifier + QStringLiteral(": ") + reason);
            files->append({p.identifier + QStringLiteral(".bin"), bin});
        } else if (!lvgl8CSource(straight, p.identifier, &source, &reason)) {
            return fail(error, p.identifier + QStringLiteral(": ") + reason);
        }
        files->append({p.identifier + QStringLiteral(".c"), source});
    }
    QByteArray header;
    if (!lvglHeader(set, list, options.baseName, lvgl9, &header, error))
        return false;
    files->append({options.baseName + QStringLiteral(".h"), header});
    files->append({options.baseName + QStringLiteral("_example.c"),
                   lvglExample(set, list, options.baseName, lvgl9)});
    return true;
}

bool tftFiles(const AssetSet &set, const TargetOptions &options, QList<AssetFile> *files,
              QString *error)
{
    const AssetPicture face{set.face, QPointF(set.size / 2.0, set.size / 2.0)};
    for (const NamedPicture &p : pictures(set, options.baseName, face)) {
        TftSpriteOptions sprite;
        sprite.swapBytes = options.swapBytes;
        if (p.picture != &face) {
            // Sprites are pushed with black as their transparent colour.
            sprite.transparentColor = 0x0000;
            sprite.pivot = pixelPivot(*p.picture);
        }
        for (const NeedleAsset &needle : set.needles) {
            if (p.picture == &needle.body)
                sprite.angles = needle.table;
        }
        QByteArray header;
        if (!tftHeader(p.picture->image.convertToFormat(QImage::Format_ARGB32), p.identifier,
                       &header, error, sprite))
            return false;
        files->append({p.identifier + QStringLiteral(".h"), header});
    }
    return true;
}

bool tableFiles(const AssetSet &set, const QString &base, QList<AssetFile> *files)
{
    QJsonArray needles;
    for (const NeedleAsset &needle : set.needles) {
        QByteArray csv = "value,angle\n";
        QJsonArray rows;
        for (const NeedleAngle &row : needle.table) {
            csv += number(row.value) + ',' + number(row.angle) + '\n';
            rows.append(QJsonArray{row.value, row.angle});
        }
        files->append({base + QLatin1Char('_') + needle.id + QStringLiteral(".csv"), csv});
        needles.append(QJsonObject{{"name", needle.name}, {"layer", needle.layerName},
                                   {"free", needle.free}, {"rows", rows}});
    }
    const QJsonObject root{
        {"angle", "degrees clockwise from 12 o'clock; interpolate linearly between rows"},
        {"tolerance", needleTableTolerance},
        {"needles", needles}};
    files->append({base + QStringLiteral("_angles.json"),
                   QJsonDocument(root).toJson(QJsonDocument::Indented)});
    return true;
}

} // namespace

QStringList targetNames()
{
    return {QStringLiteral("lvgl9"), QStringLiteral("lvgl8"), QStringLiteral("tft"),
            QStringLiteral("flightgear"), QStringLiteral("web"), QStringLiteral("table")};
}

QString targetName(TargetKind kind)
{
    return targetNames().at(int(kind));
}

bool targetFromName(const QString &name, TargetKind *kind)
{
    const qsizetype i = targetNames().indexOf(name);
    if (i < 0)
        return false;
    *kind = TargetKind(i);
    return true;
}

QStringList colorFormatNames()
{
    return {QStringLiteral("ARGB8888"), QStringLiteral("XRGB8888"), QStringLiteral("RGB565"),
            QStringLiteral("RGB565A8"), QStringLiteral("RGB888")};
}

bool colorFormatFromName(const QString &name, LvglColorFormat *format)
{
    const LvglColorFormat formats[] = {LvglColorFormat::Argb8888, LvglColorFormat::Xrgb8888,
                                       LvglColorFormat::Rgb565, LvglColorFormat::Rgb565A8,
                                       LvglColorFormat::Rgb888};
    const qsizetype i = colorFormatNames().indexOf(name.toUpper());
    if (i < 0)
        return false;
    *format = formats[i];
    return true;
}

bool targetTakesColorFormat(TargetKind kind)
{
    return kind == TargetKind::Lvgl9;
}

bool targetTakesSwapBytes(TargetKind kind)
{
    return kind == TargetKind::Lvgl9 || kind == TargetKind::Tft;
}

QString targetBaseName(const QString &gaugePath)
{
    return gaugePath.isEmpty() ? QStringLiteral("gauge")
                               : cIdentifier(QFileInfo(gaugePath).completeBaseName());
}

bool targetFiles(const AssetSet &set, const TargetOptions &options, QList<AssetFile> *files,
                 QString *error)
{
    if (!isCIdentifier(options.baseName))
        return fail(error, EmbeddedTargets::tr("\"%1\" cannot name the target's files.")
                               .arg(options.baseName));
    if (options.swapBytes && options.kind == TargetKind::Lvgl9
        && options.colorFormat != LvglColorFormat::Rgb565)
        return fail(error, EmbeddedTargets::tr("Swapped bytes apply to RGB565 only."));
    QList<AssetFile> made;
    bool done = false;
    switch (options.kind) {
    case TargetKind::Lvgl9:
        done = lvglFiles(set, options, true, &made, error);
        break;
    case TargetKind::Lvgl8:
        done = lvglFiles(set, options, false, &made, error);
        break;
    case TargetKind::Tft:
        done = tftFiles(set, options, &made, error);
        break;
    case TargetKind::FlightGear:
        done = flightGearFiles(set, options.baseName, &made, error);
        break;
    case TargetKind::Web:
        done = webGaugeFiles(set, &made, error);
        break;
    case TargetKind::Table:
        done = tableFiles(set, options.baseName, &made);
        break;
    }
    if (done)
        *files = made;
    return done;
}
