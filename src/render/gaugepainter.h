#pragma once

#include "model/gaugedata.h"

#include <QList>

#include <functional>

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
    // the pictures drawn past `pictureBytes` or their elements (those of SVG
    // pictures; a PNG or JPEG picture is one) past `pictureElements`.
    qint64 elementsPerLayer = layerElementLimit;
    qint64 elements = 2'000;
    qint64 textCharacters = textCharacterLimit;
    qint64 textCharactersInAll = 200'000;
    qint64 pictureBytes = 64'000'000;
    qint64 pictureElements = 50'000;
    // Digits after the point in a label. The form offers 0 to 6; a file may
    // ask for two billion, which the number formatter cannot produce.
    int labelDecimals = 100;
};

// Draws every layer onto the square (0, 0)-(size, size) of the painter's
// device: the centre dot, then per layer its arcs; per primary tick, the
// tick, its label and the secondary and tertiary ticks that follow it; then
// its pictures and its texts. The
// painter must be active; its pen, brush, font, hints and transformation are
// changed and not restored. When `stopped` is given, it is asked now and then
// (between layers and every few thousand ticks), and painting ends as soon as
// it answers true: the output gave up, or the picture is no longer wanted.
void paintGaugeLayers(QPainter *painter, int size, const QList<gaugeData> &layers,
                      const GaugePaintLimits &limits = GaugePaintLimits(),
                      const std::function<bool()> &stopped = {});
