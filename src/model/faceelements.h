#pragma once

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QString>

// What a dial face carries besides ticks, arcs and number labels: free texts
// and pictures, placed by their centre (or, for a text, its anchor) as
// fractions of the gauge radius from the centre of the dial, x to the right
// and y downwards, so (0, 0.4) lies below the hub. Rotations are degrees
// clockwise on screen.
//
// Nothing is range-checked here: render/facepainter.h decides whether an
// element can be drawn and says why not. A number a file could not read as
// a number is NaN, which is never drawn.

// Most texts and pictures one layer may hold, in a file or in the painter's
// work: far more than a face needs, few enough to draw in a moment.
constexpr qsizetype layerElementLimit = 200;
// Longest text the painter draws; a longer one is left out.
constexpr qsizetype textCharacterLimit = 10'000;
// Most label texts of one layer: more than a paint call draws labels.
constexpr qsizetype labelTextLimit = 5'000;
// Largest picture, and most bytes of pictures in one gauge file. A gauge
// file carries its pictures in base64 and is read up to 64 MiB.
constexpr qint64 pictureByteLimit = 4'000'000;
constexpr qint64 gaugePictureByteLimit = 16'000'000;

enum class textAlign { left, center, right };

// A free text on the face: one line or more, anchored at (x, y). The anchor
// is the middle of the text block's height and its left edge, its middle or
// its right edge; every line is aligned the same way.
struct faceText
{
    QString text;
    double x = 0.0;
    double y = 0.4;
    QString family = QStringLiteral("Sans Serif");
    // The height of the font in drawing units (the dial is 500 across), so
    // that the text scales with the dial.
    double size = 20.0;
    bool bold = false;
    bool italic = false;
    QColor color = QColor(Qt::white);
    double rotation = 0.0;
    textAlign align = textAlign::center;
    // The object a file held, kept when the fields cannot say exactly what
    // it said (a value of the wrong kind, a key this version does not know),
    // so that the element saves back as it was loaded. Any edit drops it.
    QJsonObject fileObject;

    bool operator==(const faceText &other) const;
    bool operator!=(const faceText &other) const { return !(*this == other); }
};

enum class pictureFormat { png, jpeg, svg, unknown };

// A picture on the face, PNG, JPEG or SVG, whose bytes live in the gauge so
// that a gauge file stays one file. Its centre is (x, y), its width a
// fraction of the gauge radius; its height follows from its aspect.
struct facePicture
{
    QByteArray data;
    pictureFormat format = pictureFormat::png;
    double x = 0.0;
    double y = -0.4;
    double width = 0.4;
    double rotation = 0.0;
    double opacity = 1.0;
    QJsonObject fileObject; // as for faceText

    bool operator==(const facePicture &other) const;
    bool operator!=(const facePicture &other) const { return !(*this == other); }
};

// "png", "jpeg", "svg"; empty for an unknown format.
QString pictureFormatName(pictureFormat format);
// The format a file names ("jpg" is "jpeg"), or pictureFormat::unknown.
pictureFormat pictureFormatFromName(const QString &name);
// The format of a picture's bytes by their signature, or unknown.
pictureFormat sniffPictureFormat(const QByteArray &data);

QString textAlignName(textAlign align);
// "left", "center" or "right"; false for anything else.
bool textAlignFromName(const QString &name, textAlign *align);
