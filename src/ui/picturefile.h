#pragma once

#include "model/faceelements.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;
struct gaugeData;

// The one way a picture file the user picks becomes part of the gauge, for
// the face's pictures and the needles' alike: read whole but bounded, known
// by its bytes (or an SVG by its name), drawable, and within what a gauge
// file may carry with the gauge's other pictures.

// The bytes of every picture of the layers: the faces' and the needles'.
// A gauge file holds at most gaugePictureByteLimit of them.
qint64 gaugePictureBytes(const QList<gaugeData> &layers);

// Reads the picture file at `path` into `data` and `format`, given that the
// gauge's other pictures take `otherBytes`. False, after telling the user
// why in a message parented to `parent` and titled `caption`, when it
// cannot be taken.
[[nodiscard]] bool readPictureFile(QWidget *parent, const QString &caption, const QString &path,
                                   qint64 otherBytes, QByteArray *data, pictureFormat *format);

// "Pictures (*.png *.jpg *.jpeg *.svg);;All files (*)", for a file dialog.
QString pictureFileFilter();
