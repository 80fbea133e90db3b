#pragma once

#include "model/gaugedata.h"
#include "render/previewrenderer.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QScrollBar;
class QPushButton;
class GaugeDocument;
class InspectionCanvas;

// A window of its own that shows the gauge enlarged, up to the largest
// export size, so that fine ticks and small labels can be checked before
// an export. At a zoom of N pixels it shows the pixels a PNG export of
// N x N pixels has: the same painter, the same resolution for labels.
// Only the part on show is drawn, on a worker thread, at the zoomed
// resolution; the wheel and the keys zoom, dragging and the scroll bars
// pan. Beyond one pixel of the largest export on each screen pixel it
// enlarges that export's pixels, in steps of two, so that they can be told
// apart. Escape and Ctrl+W close it.
class InspectionView : public QWidget
{
    Q_OBJECT

public:
    explicit InspectionView(QWidget *parent = nullptr);

    // The gauge to show, as it is now.
    void setLayers(const QList<gaugeData> &layers);
    // Shows the layers of `document` and follows every change of them while
    // the view is on show.
    void follow(GaugeDocument *document);

    // The edge, in screen pixels, of the picture the view shows: up to the
    // largest export size, the size of the PNG export whose pixels it shows;
    // beyond, that export's pixels enlarged (at most maximumMagnification
    // times).
    int pictureSize() const;
    // The size of the PNG export whose pixels are on show.
    int exportSize() const;
    static constexpr int maximumMagnification = 8;
    // The picture pixel at the top left of the canvas (negative while the
    // picture is smaller than the canvas and centred in it).
    QPointF pictureOrigin() const;
    // Zooms to `size` pixels (kept from 64 to 4096, and beyond in steps of
    // two up to maximumMagnification times 4096), keeping the picture's
    // point under `anchor` (canvas coordinates; the canvas centre when
    // null) where it is.
    void zoomTo(int size, QPointF anchor = QPointF(-1, -1));
    // The whole picture in the canvas; it keeps fitting as the window is
    // resized, until the user zooms.
    void fit();
    // One pixel of the largest export on each pixel of the screen.
    void showActualSize();
    // Moves the picture by `pixels` of the canvas.
    void pan(QPointF pixels);

    QWidget *canvas() const;
    QScrollBar *horizontalScrollBar() const { return m_horizontalBar; }
    QScrollBar *verticalScrollBar() const { return m_verticalBar; }
    // The colour the dial is shown on; never part of the picture.
    void setDialColor(const QColor &color);
    // The picture on show is that of the current layers and view.
    bool isPictureCurrent() const;
    // The picture on show, with the target it was drawn for.
    const QImage &picture() const;
    PreviewRenderer::Target pictureTarget() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    friend class InspectionCanvas;

    void changed();
    void updateStatus();
    PreviewRenderer::Target wantedTarget() const;
    void paintCanvas(QPainter *painter);
    void clampOrigin();
    void updateScrollBars();
    int snappedSize(int size) const;
    QSizeF canvasPixels() const;

    InspectionCanvas *m_canvas = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_fitButton = nullptr;
    QPushButton *m_actualSizeButton = nullptr;
    PreviewRenderer *m_renderer = nullptr;
    QTimer m_busyDelay;
    QScrollBar *m_horizontalBar = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    QColor m_dialColor = Qt::black;

    QPointer<GaugeDocument> m_document;
    QList<gaugeData> m_layers;
    int m_size = 512;
    QPointF m_origin;
    bool m_fitting = true;

    // What the newest request was for.
    PreviewRenderer::Target m_requestedTarget;
    bool m_requested = false;
};
