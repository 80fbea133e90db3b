#include "targets/targetset.h"

#include <QXmlStreamWriter>

// A 2D instrument for FlightGear's panels: the face and each needle's
// pictures as textured layers, in the order they are drawn. A layer's
// transformations move its coordinates in the order given and its texture
// is drawn centred on the result, y upwards, so a needle is turned about the
// instrument's centre first and then moved from its pivot to its picture's
// centre. Rotations are degrees clockwise, as the needle's angles are.

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

void textElement(QXmlStreamWriter &xml, const QString &name, const QString &text)
{
    xml.writeTextElement(name, text);
}

void shift(QXmlStreamWriter &xml, const QString &type, double offset)
{
    if (offset == 0.0)
        return;
    xml.writeStartElement("transformation");
    textElement(xml, "type", type);
    textElement(xml, "offset", number(offset));
    xml.writeEndElement();
}

// A layer of one picture whose pivot lies on the instrument's centre,
// turned by the needle's property through its table when `table` is given.
void pictureLayer(QXmlStreamWriter &xml, const QString &name, const QString &file,
                  const AssetPicture &picture, const QPointF &offset, const QString &property,
                  const QList<NeedleAngle> *table)
{
    const double w = picture.image.width();
    const double h = picture.image.height();
    xml.writeStartElement("layer");
    textElement(xml, "name", name);
    xml.writeStartElement("texture");
    textElement(xml, "path", file);
    textElement(xml, "x1", "0");
    textElement(xml, "y1", "0");
    textElement(xml, "x2", "1");
    textElement(xml, "y2", "1");
    xml.writeEndElement();
    textElement(xml, "w", number(w));
    textElement(xml, "h", number(h));
    xml.writeStartElement("transformations");
    shift(xml, "x-shift", offset.x());
    shift(xml, "y-shift", -offset.y());
    if (table) {
        xml.writeStartElement("transformation");
        textElement(xml, "type", "rotation");
        textElement(xml, "property", property);
        xml.writeStartElement("interpolation");
        for (const NeedleAngle &row : *table) {
            xml.writeStartElement("entry");
            textElement(xml, "ind", number(row.value));
            textElement(xml, "dep", number(row.angle));
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    shift(xml, "x-shift", w / 2.0 - picture.pivot.x());
    shift(xml, "y-shift", picture.pivot.y() - h / 2.0);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

bool flightGearFiles(const AssetSet &set, const QString &baseName, QList<AssetFile> *files,
                     QString *error)
{
    QList<AssetFile> pictures;
    if (!assetSetFiles(set, &pictures, error))
        return false;
    pictures.removeIf([](const AssetFile &file) { return !file.name.endsWith(".png"); });
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(QStringLiteral(
        " %1: put the PNG files beside this file (the texture paths are relative to it in "
        "the panel's folder, as the aircraft's instruments are given) and set the properties "
        "named in the rotations. ").arg(baseName));
    xml.writeStartElement("PropertyList");
    textElement(xml, "name", baseName);
    textElement(xml, "w-base", QString::number(set.size));
    textElement(xml, "h-base", QString::number(set.size));
    xml.writeStartElement("layers");
    const AssetPicture face{set.face, QPointF(set.size / 2.0, set.size / 2.0)};
    pictureLayer(xml, "face", "face.png", face, QPointF(), QString(), nullptr);
    for (const NeedleAsset &needle : set.needles) {
        const QString property =
            QStringLiteral("/instrumentation/%1/%2").arg(baseName, needle.id);
        if (!needle.shadow.image.isNull())
            pictureLayer(xml, needle.id + "_shadow", needle.id + "_shadow.png", needle.shadow,
                         needle.shadowOffset, property, &needle.table);
        pictureLayer(xml, needle.id, needle.id + ".png", needle.body, QPointF(), property,
                     &needle.table);
        if (!needle.hub.image.isNull())
            pictureLayer(xml, needle.id + "_hub", needle.id + "_hub.png", needle.hub, QPointF(),
                         QString(), nullptr);
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    *files = pictures;
    files->append({baseName + QStringLiteral(".xml"), text});
    return true;
}
