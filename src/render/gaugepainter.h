#pragma once

#include "model/gaugedata.h"

#include <QList>
#include <QRect>

#include <atomic>
#include <functional>
#include <limits>

class QPainter;

// Upper bounds on the work of one paint call, so that any file, however
// damaged, is drawn in about a second. Every gauge the form can make lies
// inside them: its largest layer (100 divisions on each level) has 1,000,001
// tick lines and 101 labels. Ticks, labels and arcs are drawn in the usual
// order until their allowance is spent; whatever would come after that is
// left out.
struct GaugePaintLimits
{
    qint64 tickLines = 1'100'000;
    qint64 labels = 5'000;
    qint64 labelCharacters = 100'000;
    qint64 arcs = 2'000;
    // Texts and pictures: at most `elementsPerLayer` of each layer and
    // `elements` in all, pictures first; a text longer than `textCharacters`
    // (label texts included) is left out, texts end once `textCharactersInAll`
    // characters are spent, and a picture is left out once it would take
    // the pictures drawn past `pictureBytes`, their elements (those of SVG
    // pictures; a PNG or JPEG picture is one) past `pictureElements`, or the
    // pixels they decode (those of PNG and JPEG pictures, and of the images
    // inside SVG pictures; needle pictures too) past `picturePixels`.
    qint64 elementsPerLayer = layerElementLimit;
    qint64 elements = 2'000;
    qint64 textCharacters = textCharacterLimit;
    qint64 textCharactersInAll = 200'000;
    // Texts also end once the boxes of their glyphs (characters times the
    // square of the size, in square drawing units) cover `textArea`: two
    // hundred times the dial's own square in all, so that a few huge texts
    // cost no more than many small ones.
    qint64 textArea = 50'000'000;
    qint64 pictureBytes = 64'000'000;
    qint64 pictureElements = 50'000;
    qint64 picturePixels = 64'000'000;
    // Digits after the point in a label. The form offers 0 to 6; a file may
    // ask for two billion, which the number formatter cannot produce.
    int labelDecimals = 100;
};

// What a drawing may still draw: the limits less what the layers drawn so
// far have used. Layers drawn one at a time (the preview keeps each layer's
// picture) pass it from one layer to the next, so they show exactly what one
// drawing of the whole gauge shows.
// The allowance for the texts and pictures of the layers of one drawing.
struct FaceBudget
{
    qint64 elements = 0;
    qint64 characters = 0;
    qint64 pictureBytes = 0;
    qint64 pictureElements = 0;
    qint64 picturePixels = 0;
    qint64 textArea = 0;

    bool operator==(const FaceBudget &o) const
    {
        return elements == o.elements && characters == o.characters
            && pictureBytes == o.pictureBytes && pictureElements == o.pictureElements
            && picturePixels == o.picturePixels && textArea == o.textArea;
    }
    FaceBudget operator-(const FaceBudget &o) const
    {
        return {elements - o.elements,           characters - o.characters,
                pictureBytes - o.pictureBytes,   pictureElements - o.pictureElements,
                picturePixels - o.picturePixels, textArea - o.textArea};
    }
    // Whether this allowance holds everything of `o`.
    bool covers(const FaceBudget &o) const
    {
        return elements >= o.elements && characters >= o.characters
            && pictureBytes >= o.pictureBytes && pictureElements >= o.pictureElements
            && picturePixels >= o.picturePixels && textArea >= o.textArea;
    }
};

struct GaugePaintBudget
{
    qint64 tickLines = 0;
    qint64 labels = 0;
    qint64 labelCharacters = 0;
    qint64 arcs = 0;
    // Set when something was left out for want of allowance; not reset by
    // the painter, and not compared.
    bool cut = false;
    FaceBudget face;

    static GaugePaintBudget from(const GaugePaintLimits &limits);
    bool operator==(const GaugePaintBudget &other) const;
    bool operator!=(const GaugePaintBudget &other) const { return !(*this == other); }
};

// What of a gauge a drawing shows: everything, the face without its
// needles, or the needles alone.
enum class needleDrawing { with, none, only };

// Lets the caller of a long drawing stop it, follow it, and limit it to a
// part of the device. Everything here is optional.
struct GaugePaintControl
{
    needleDrawing needles = needleDrawing::with;
    // Asked between ticks, a few hundred ticks apart, on the drawing
    // thread: true abandons the drawing.
    std::function<bool()> cancelled;
    // Counts the tick lines done (drawn or left out), for a progress bar on
    // another thread.
    std::atomic<qint64> *ticksDone = nullptr;
    // Device pixels the caller will keep; when set, ticks that cannot reach
    // them are skipped. The pixels inside come out exactly as without it.
    QRect keptPixels;
    // The primary ticks [firstPrimary, endPrimary) of each layer are drawn,
    // each with its label and the ticks after it, and the arcs with the
    // part that starts at 0; the others are only counted against the
    // allowance. A layer drawn in such parts on several threads and laid
    // together in order shows the same elements as one drawing.
    qint64 firstPrimary = 0;
    qint64 endPrimary = std::numeric_limits<qint64>::max();
};

// Draws every layer onto the square (0, 0)-(size, size) of the painter's
// device: the centre dot, then per layer its arcs; per primary tick, the
// tick, its label and the secondary and tertiary ticks that follow it; then
// its pictures and its texts; over all of it the needles of every layer
// (unless `control` asks for the face alone, or for the needles alone). The
// painter must be active; its pen, brush, font, hints and transformation are
// changed and not restored. Returns false when `control` cancelled it.
bool paintGaugeLayers(QPainter *painter, int size, const QList<gaugeData> &layers,
                      const GaugePaintLimits &limits = GaugePaintLimits(),
                      const GaugePaintControl &control = GaugePaintControl());

// The steps of paintGaugeLayers, for drawing layers apart: the set-up (pen,
// antialiasing, the scale to `size`), the centre dot, and one layer drawn
// with what `budget` allows, which it then reduces by what the layer used.
// paintGaugeLayer returns false when `control` cancelled it.
void beginGaugePainting(QPainter *painter, int size);
void paintGaugeHub(QPainter *painter);
bool paintGaugeLayer(QPainter *painter, const gaugeData &layer, GaugePaintBudget &budget,
                     const GaugePaintLimits &limits = GaugePaintLimits(),
                     const GaugePaintControl &control = GaugePaintControl());

// The number of tick lines a layer draws when nothing limits it.
qint64 gaugeLayerTickLines(const gaugeData &layer);
// The tick lines all the layers draw within the painter's allowance.
qint64 gaugeTickLines(const QList<gaugeData> &layers);
