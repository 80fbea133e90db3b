#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QWidget>

// A transparent layer over the preview that outlines the selected text or
// picture and lets the user pick, drag and nudge elements. It draws nothing
// of the gauge, so the outline never reaches an export, and it decides
// nothing itself: it reports presses, drags and nudges in the drawing
// space's units, and the window answers them.
class FaceOverlay : public QWidget
{
    Q_OBJECT

public:
    // Covers `preview` and follows its size.
    explicit FaceOverlay(QWidget *preview);

    // The outline of the selected element, in the drawing space; empty for
    // none.
    void setOutline(const QPolygonF &outline);
    QPolygonF outline() const { return m_outline; }

    // Widget coordinates to the drawing space: the preview draws its
    // 512-unit square at the top-left corner, one unit a pixel.
    QPointF toDrawing(const QPointF &point) const;
    QPointF fromDrawing(const QPointF &point) const;

signals:
    // The button went down at `point`: pick what lies there.
    void pressed(QPointF point);
    // The pointer moved to `point` with the button down.
    void dragged(QPointF point);
    void released();
    // An arrow key: move the selection by `offset` drawing units. A held key
    // repeats; `finished` comes when it is let go.
    void nudged(QPointF offset);
    void nudgeFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QPolygonF m_outline;
    bool m_dragging = false;
};
