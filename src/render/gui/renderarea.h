#pragma once

#include "model/gaugedata.h"
#include "render/previewrenderer.h"

#include <QList>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class GaugeDocument;
class QPainter;

// The layers of the gauge a preview shows, read as a list of gaugeData:
// the document's own list, never a copy. Assigning or appending edits the
// document, each as one undo step.
class DocumentLayers
{
public:
    explicit DocumentLayers(GaugeDocument *const *document) : m_document(document) {}

    const QList<gaugeData> &list() const;
    operator const QList<gaugeData> &() const { return list(); }

    qsizetype size() const { return list().size(); }
    qsizetype count() const { return list().size(); }
    bool isEmpty() const { return list().isEmpty(); }
    const gaugeData &at(qsizetype i) const { return list().at(i); }
    const gaugeData &first() const { return list().first(); }
    const gaugeData &last() const { return list().last(); }
    QList<gaugeData>::const_iterator begin() const { return list().cbegin(); }
    QList<gaugeData>::const_iterator end() const { return list().cend(); }
    bool operator==(const QList<gaugeData> &other) const { return list() == other; }
    bool operator!=(const QList<gaugeData> &other) const { return list() != other; }

    DocumentLayers &operator=(const QList<gaugeData> &layers);
    void append(const gaugeData &layer);

    DocumentLayers(const DocumentLayers &) = delete;
    DocumentLayers &operator=(const DocumentLayers &) = delete;

private:
    GaugeDocument *const *m_document;
};

// The live preview of the gauge: the layers of a document, drawn on a
// worker thread (PreviewRenderer), redrawn when the document says they
// changed. Until the new picture arrives it shows the last finished one; a
// drawing that takes longer than a moment shows a small busy sign in the
// corner. paintGauge draws directly, for callers that need the picture at
// once.
//
// `layers` and `currentGauge` are the preview's view of the document: the
// document's layers, and the editing copy of its selected layer, which the
// setter slots change and saveLayerData stores into a layer of the
// document. Without a document of its own given (setDocument), a preview
// keeps one, empty at first.
class RenderArea : public QWidget
{
    Q_OBJECT

public:
    explicit RenderArea(QWidget *parent = nullptr);
    ~RenderArea() override;

    // Shows and edits `document` (which must outlive the preview or be
    // handed back with null, which returns to the preview's own).
    void setDocument(GaugeDocument *document);
    GaugeDocument *document() const { return m_document; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Draws every layer on the square (0, 0)-(size, size).
    void paintGauge(QPainter *painter, int size);

    // The picture on show is that of the document's layers as they are, at
    // the widget's current pixel ratio.
    bool isPreviewCurrent() const;
    // Shows `posed` in place of the document's until showDocument(): the
    // gauge with its needles at other values, while they sweep. The
    // document does not change; the faces' kept pictures are reused.
    void showPosed(const QList<gaugeData> &posed);
    void showDocument();
    bool isPosed() const { return m_posed.has_value(); }
    // What the preview draws: the posed layers, else the document's.
    const QList<gaugeData> &shownLayers() const;

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
    DocumentLayers layers;

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
    void manualRedraw();
    void loadLayer(int inIndex);
    void saveLayerData(int inIndex);
    void setBackground(QPalette::ColorRole inRole);
    gaugeData defaultGauge();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void watch(GaugeDocument *document);
    PreviewRenderer::Target previewTarget() const;
    void requestPicture();
    void takeCurrentLayer();
    void pictureReady();
    void showBusySign();
    QRect busySignRect() const;

    GaugeDocument *m_ownDocument = nullptr;
    GaugeDocument *m_document = nullptr;
    PreviewRenderer *m_preview = nullptr;
    // What the newest request was for.
    quint64 m_requestedRevision = 0;
    PreviewRenderer::Target m_requestedTarget;
    bool m_requestedOnce = false;
    std::optional<QList<gaugeData>> m_posed;
    // Counts the poses shown, and which the newest request was for.
    quint64 m_pose = 0;
    quint64 m_requestedPose = 0;
    QTimer m_busyDelay;
    QTimer m_busyTurn;
    bool m_busySignShown = false;
    int m_busyAngle = 0;
};
