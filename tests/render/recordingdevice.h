#pragma once

#include <QList>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

// A paint device that draws nothing and records what the painter asked for,
// in device coordinates, so tests can check the geometry of a drawing
// without rasterising it.
struct RecordedLine
{
    QLineF line;
    QPen pen;
};

struct RecordedText
{
    QString text;
    QPointF position;
    QTransform transform;
    QPen pen;
    QFont font;
};

struct RecordedPath
{
    QPainterPath path;
    QPen pen;
    QBrush brush;
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &newState) override
    {
        if (newState.state() & DirtyPen)
            m_pen = newState.pen();
        if (newState.state() & DirtyBrush)
            m_brush = newState.brush();
        if (newState.state() & DirtyTransform)
            m_transform = newState.transform();
        if (newState.state() & DirtyFont)
            m_font = newState.font();
        if (newState.state() & DirtyHints)
            hints = newState.renderHints();
    }

    void drawLines(const QLineF *drawn, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.append({m_transform.map(drawn[i]), m_pen});
        ++lineCalls;
    }

    void drawPath(const QPainterPath &path) override
    {
        paths.append({m_transform.map(path), m_pen, m_brush});
    }

    void drawEllipse(const QRectF &rect) override
    {
        QPainterPath path;
        path.addEllipse(rect);
        drawPath(path);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPainterPath path;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        drawPath(path);
    }

    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        texts.append({item.text(), position, m_transform, m_pen, m_font});
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    QList<RecordedLine> lines;
    QList<RecordedPath> paths;
    QList<RecordedText> texts;
    QPainter::RenderHints hints;
    int lineCalls = 0;

private:
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QFont m_font;
};

class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(int size = 512) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    RecordingEngine &engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return m_size;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        default:
            return 0;
        }
    }

private:
    int m_size;
    mutable RecordingEngine m_engine;
};
