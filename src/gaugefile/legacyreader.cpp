#include "gaugefile/legacyreader.h"

#include <QList>
#include <QStringView>

#include <cmath>

namespace {

// Field layout of the files earlier versions wrote: one layer, values grouped
// by attribute (the three counts, then the three inner radii, ...), the font
// description of the labels in fields 48 to n-2 (it has commas of its own)
// and the label colour in the last field.
constexpr int fontField = 48;
constexpr int minimumFields = 50;

// QFont::fromString splits the description once more and warns with the
// whole text when it rejects it; a real description has fewer than twenty
// fields, so a text with many more is treated as rejected without that.
constexpr int maximumFontDescriptionCommas = 64;

// 0 when the field does not convert. A field that overflows converts to
// infinity but reports failure, and "inf" and "nan" convert to numbers no
// gauge file can hold (the JSON document has no infinity), so a layer
// would change on its first save; neither is a usable number.
double number(QStringView field)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int integer(QStringView field)
{
    return field.toInt(); // 0 when it does not convert or does not fit 32 bits
}

bool flag(QStringView field)
{
    return integer(field) != 0;
}

QColor color(QStringView field)
{
    // An unrecognised colour is kept as the invalid colour it converts to.
    return QColor::fromString(field);
}

} // namespace

bool readLegacyLayer(gaugeData &layer, const QString &text)
{
    // Only the commas that end fields 0 to 49 are located, plus the last
    // one, so a huge text is never split into millions of pieces.
    QList<qsizetype> commas;
    commas.reserve(minimumFields);
    for (qsizetype at = text.indexOf(u','); at >= 0 && commas.size() < minimumFields;
         at = text.indexOf(u',', at + 1))
        commas.append(at);
    if (commas.size() < minimumFields - 1)
        return false; // 49 fields or fewer

    const QStringView all(text);
    auto field = [&](int index) {
        const qsizetype begin = index == 0 ? 0 : commas.at(index - 1) + 1;
        const qsizetype end = index < commas.size() ? commas.at(index) : all.size();
        return all.mid(begin, end - begin);
    };

    layer.startAngle = number(field(0));
    layer.angleLength = number(field(1));
    layer.bias = number(field(2));
    layer.midpointBias = flag(field(3));
    layer.roundedTickCaps = flag(field(4));
    for (int i = 0; i < 3; ++i) {
        layer.divisionCount[i] = integer(field(5 + i));
        layer.divisionInnerRadius[i] = number(field(8 + i));
        layer.divisionOuterRadius[i] = number(field(11 + i));
        layer.divisionWidth[i] = number(field(14 + i));
        layer.divisionColor[i] = color(field(17 + i));
    }
    layer.roundedArcCaps = flag(field(20));
    for (int i = 0; i < 4; ++i) {
        layer.arcStartAngle[i] = number(field(21 + i));
        layer.arcAngleLength[i] = number(field(25 + i));
        layer.arcRadius[i] = number(field(29 + i));
        layer.arcWidth[i] = number(field(33 + i));
        layer.arcColor[i] = color(field(37 + i));
    }
    layer.tickCountEnabled = flag(field(41));
    layer.tickCountStart = number(field(42));
    layer.tickCountIncrement = number(field(43));
    layer.tickCountDecimalPlaces = integer(field(44));
    layer.tickCountRadius = number(field(45));
    layer.tickCountSkipFirst = flag(field(46));
    layer.tickCountRotate = flag(field(47));

    const qsizetype lastComma = all.lastIndexOf(u',');
    layer.tickCountColor = color(all.mid(lastComma + 1));

    // Fields 48 to n-2 joined again with their commas: the text between the
    // comma that ends field 47 and the last comma.
    const qsizetype fontBegin = commas.at(fontField - 1) + 1;
    const QStringView description = all.mid(fontBegin, lastComma - fontBegin);
    const bool plausible = description.count(u',') <= maximumFontDescriptionCommas;
    if (!plausible || !layer.tickCountFont.fromString(description.toString()))
        layer.tickCountFont = QFont(field(fontField).toString(), integer(field(fontField + 1)));
    return true;
}
