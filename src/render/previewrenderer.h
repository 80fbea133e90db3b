#pragma once

#include "model/gaugedata.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>

#include <memory>
#include <thread>

// Draws the preview's picture on a worker thread, so that the window never
// waits for a dense gauge. The caller hands over the layers (small values)
// and later receives a finished image; the newest request wins, and a
// drawing that a newer request makes stale is abandoned between ticks.
//
// Each layer's picture is kept, and an edit redraws only the layers that
// changed; the picture is those layers laid over each other in order. Each
// layer is drawn with the allowance (GaugePaintLimits) that the layers
// before it left over, so the picture shows exactly the elements of one
// drawing of the whole gauge. A dense layer is drawn in parts on all cores,
// laid together the same way. Where the antialiased edges of different
// layers or parts overlap, blending them one over the other rounds a
// little differently from one drawing; exports therefore always draw in
// one pass.
class PreviewRenderer : public QObject
{
    Q_OBJECT

public:
    // What the picture is drawn for: the edge length in the drawing's own
    // units (the image has edge x ratio pixels) and the resolution at which
    // label point sizes are resolved.
    struct Target
    {
        Target(int inSize = 512, qreal inDevicePixelRatio = 1.0, int inDpiX = 96, int inDpiY = 96,
               const QRect &inVisible = QRect())
            : size(inSize), devicePixelRatio(inDevicePixelRatio), dpiX(inDpiX), dpiY(inDpiY),
              visible(inVisible)
        {
        }

        int size;
        qreal devicePixelRatio;
        int dpiX;
        int dpiY;
        // The part of the picture to draw, in its pixels (edge size x
        // ratio); the image is then of this size and shows the pixels the
        // whole picture has there. Null for the whole picture. An enlarged
        // view draws only what it shows.
        QRect visible;

        bool operator==(const Target &other) const;
        bool operator!=(const Target &other) const { return !(*this == other); }
    };

    // How the newest picture was made: layers drawn anew, layers whose kept
    // picture was reused.
    struct Work
    {
        int layersDrawn = 0;
        int layersReused = 0;
    };

    explicit PreviewRenderer(QObject *parent = nullptr);
    // Abandons any drawing in progress and waits for its thread to end.
    ~PreviewRenderer() override;

    // Asks for a picture of `layers`; returns at once.
    void request(const QList<gaugeData> &layers, const Target &target);

    // The newest finished picture (null before the first one), with the
    // layers and target it shows.
    const QImage &picture() const { return m_picture; }
    const QList<gaugeData> &pictureLayers() const { return m_pictureLayers; }
    const Target &pictureTarget() const { return m_pictureTarget; }
    Work pictureWork() const { return m_pictureWork; }

    // A request is waiting or being drawn.
    bool isBusy() const { return m_requested != m_shown; }

signals:
    // picture() has changed.
    void pictureReady();

private:
    struct Shared;
    struct Result;

    // The worker thread's loop.
    void work();
    // Takes the picture the worker has finished, on the GUI thread.
    Q_INVOKABLE void takePicture();
    void accept(const Result &result);

    std::unique_ptr<Shared> m_shared;
    std::thread m_worker;
    quint64 m_requested = 0;
    quint64 m_shown = 0;
    QImage m_picture;
    QList<gaugeData> m_pictureLayers;
    Target m_pictureTarget;
    Work m_pictureWork;
};
