#pragma once

#include "render/groupingdevice.h"

#include <QByteArray>
#include <QPaintDevice>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <memory>

class BoundedOutput;
class SvgStreamEngine;

// A paint device that writes an SVG document while it is painted on, in the
// layout of the toolkit's SVG generator (the same elements, attributes and
// numbers, byte for byte, for the ticks, arcs, labels and texts the gauge
// painter draws and the shapes of SVG pictures), with these differences:
// every text is written as escaped XML, so whatever a font family, a label
// or the title holds the document stays well-formed and carries no attribute
// of its own; the document goes out to `output` in pieces as it is drawn
// instead of being gathered in memory, so its size is bounded by `output`
// while it is written; gradients are defined where they are first used; and
// a PNG or JPEG picture of the gauge is embedded as its own file's bytes.
class SvgStream : public QPaintDevice, public GroupingDevice
{
public:
    struct Settings
    {
        QSize size; // width and height, given in millimetres at `resolution`
        // When valid, the width and height in millimetres instead: a drawing
        // of a true size.
        QSizeF sizeMm;
        QRectF viewBox;
        int resolution = 96; // dots per inch
        QString title;
        QString description;
    };

    SvgStream(BoundedOutput *output, const Settings &settings);
    ~SvgStream() override;

    QPaintEngine *paintEngine() const override;

    // Something could not be written (the output refused it or failed);
    // the output then tells why.
    bool failed() const;

    void openGroup(const QList<Attribute> &attributes) override;
    void closeGroup() override;
    QString addShadowFilter(double sigma, const double rgba[4]) override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    Settings m_settings;
    std::unique_ptr<SvgStreamEngine> m_engine;
};

// Text as XML 1.0 can hold it: the characters it forbids (control characters
// other than tab, line feed and carriage return, unpaired surrogates, U+FFFE
// and U+FFFF) become U+FFFD.
QString xmlCharacters(const QString &text);

// `text` as the content of an element, in UTF-8, escaped by the toolkit's
// XML writer (&, <, > and "), and a carriage return as a character
// reference so that a reader does not turn it into a line feed.
QByteArray xmlText(const QString &text);

// `value` for an attribute in double quotes, in UTF-8, escaped by the
// toolkit's XML writer: as xmlText, and tab and line feed as character
// references too, so a reader gets them back instead of spaces.
QByteArray xmlAttribute(const QString &value);
