#pragma once

#include "model/gaugedata.h"
#include "render/previewrenderer.h"

#include <QList>
#include <QPalette>
#include <QTimer>
#include <QWidget>

class QPainter;

// The live preview of the gauge, and the owner of its data: every layer in
// `layers` and the editing copy of the selected layer in `currentGauge`.
// The setters change only the editing copy; the window copies it into the
// list with saveLayerData after each edit, and the preview draws the list.
//
// The picture is drawn on a worker thread (PreviewRenderer): a repaint that
// finds the list changed asks for a new picture and shows the last finished
// one until it arrives. A drawing that takes longer than a moment shows a
// small busy sign in the corner. paintGauge draws directly, for callers
// that need the picture at once.
class RenderArea : public QWidget
{
    Q_OBJECT

public:
    explicit RenderArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Draws every layer of `layers` on the square (0, 0)-(size, size).
    void paintGauge(QPainter *painter, int size);

    // The picture on show is that of the current `layers`, at the
    // widget's current pixel ratio. Turns true some time after a repaint
    // that found the list changed.
    bool isPreviewCurrent() const;
    // The busy sign is on show.
    bool isBusySignShown() const { return m_busySignShown; }
    // Milliseconds a drawing runs before the busy sign shows; tests shorten
    // it.
    int busySignDelay = 150;

    // The setters of one tick level (0 to 2) or one arc (0 to 3) by index,
    // behind the numbered slots.
    void setDivisions(int level, int inDivisions, double inInnerRadius, double inOuterRadius,
                      double inLineWidth, const QColor &inColor);
    void setArc(int arc, double inStartAngle, double inAngleLength, double inRadius,
                double inWidth, const QColor &inColor);

    gaugeData currentGauge;
    QList<gaugeData> layers;

public slots:
    void setAngles(double inStartAngle, double inAngleLength, double inBias, bool midpointBias);
    void setRoundCaps(bool inRoundTickCaps, bool inRoundArcCaps);
    void setDivisions1(int inDivisions, double inInnerRadius, double inOuterRadius,
                       double inLineWidth, QColor inColor = Qt::white);
    void setDivisions2(int inDivisions, double inInnerRadius, double inOuterRadius,
                       double inLineWidth, QColor inColor = Qt::white);
    void setDivisions3(int inDivisions, double inInnerRadius, double inOuterRadius,
                       double inLineWidth, QColor inColor = Qt::white);
    void setArc1(double inStartAngle, double inAngleLength, double inRadius, double inWidth,
                 QColor inColor = Qt::green);
    void setArc2(double inStartAngle, double inAngleLength, double inRadius, double inWidth,
                 QColor inColor = Qt::yellow);
    void setArc3(double inStartAngle, double inAngleLength, double inRadius, double inWidth,
                 QColor inColor = Qt::red);
    void setArc4(double inStartAngle, double inAngleLength, double inRadius, double inWidth,
                 QColor inColor = Qt::white);
    void setTickCounts(bool inEnable, double inStart, double inIncrement, int inDecPlaces,
                       double inRadius, bool inRotate, bool inSkipFirst,
                       QFont inFont = gaugeData::defaultTickCountFont(),
                       QColor inColor = Qt::white);
    void setScale(const valueScale &inScale);
    void manualRedraw();
    void loadLayer(int inIndex);
    void saveLayerData(int inIndex);
    void setBackground(QPalette::ColorRole inRole);
    gaugeData defaultGauge();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PreviewRenderer::Target previewTarget() const;
    void pictureReady();
    void showBusySign();
    QRect busySignRect() const;

    PreviewRenderer *m_preview = nullptr;
    // What the newest request was for.
    QList<gaugeData> m_requestedLayers;
    PreviewRenderer::Target m_requestedTarget;
    bool m_requestedOnce = false;
    QTimer m_busyDelay;
    QTimer m_busyTurn;
    bool m_busySignShown = false;
    int m_busyAngle = 0;
};
