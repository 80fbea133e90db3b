#include "ui/faceoverlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

FaceOverlay::FaceOverlay(QWidget *preview) : QWidget(preview)
{
    setObjectName(QStringLiteral("faceOverlay"));
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
    setGeometry(preview->rect());
    preview->installEventFilter(this);
}

void FaceOverlay::setOutline(const QPolygonF &outline)
{
    if (outline == m_outline)
        return;
    m_outline = outline;
    update();
}

QPointF FaceOverlay::toDrawing(const QPointF &point) const
{
    return point;
}

QPointF FaceOverlay::fromDrawing(const QPointF &point) const
{
    return point;
}

bool FaceOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void FaceOverlay::paintEvent(QPaintEvent *)
{
    if (m_outline.isEmpty())
        return;
    QPolygonF shown;
    for (const QPointF &point : std::as_const(m_outline))
        shown << fromDrawing(point);
    // Dashes of white over black show on any dial.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawPolygon(shown);
    painter.setPen(QPen(Qt::white, 1.0, Qt::DashLine));
    painter.drawPolygon(shown);
}

void FaceOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    emit pressed(toDrawing(event->position()));
}

void FaceOverlay::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        emit dragged(toDrawing(event->position()));
}

void FaceOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    emit released();
}

void FaceOverlay::keyPressEvent(QKeyEvent *event)
{
    // One unit a press, ten with Shift, as drawing programs nudge.
    const double step = event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0;
    QPointF offset;
    switch (event->key()) {
    case Qt::Key_Left:
        offset = QPointF(-step, 0.0);
        break;
    case Qt::Key_Right:
        offset = QPointF(step, 0.0);
        break;
    case Qt::Key_Up:
        offset = QPointF(0.0, -step);
        break;
    case Qt::Key_Down:
        offset = QPointF(0.0, step);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_outline.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit nudged(offset);
}

void FaceOverlay::keyReleaseEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (!event->isAutoRepeat()
        && (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
            || key == Qt::Key_Down))
        emit nudgeFinished();
    QWidget::keyReleaseEvent(event);
}
