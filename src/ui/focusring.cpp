#include "ui/focusring.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

FocusRing::FocusRing(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::watch(QAbstractButton *button)
{
    button->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::ShortcutFocusReason
            || (reason == Qt::ActiveWindowFocusReason && m_sleeping == button))
            showOn(button);
        m_sleeping = nullptr;
        break;
    }
    case QEvent::FocusOut:
        if (m_button == button) {
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason)
                m_sleeping = button;
            showOn(nullptr);
        }
        break;
    case QEvent::Resize:
        if (m_button == button)
            setGeometry(button->rect());
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::showOn(QAbstractButton *button)
{
    m_button = button;
    if (!button) {
        hide();
        return;
    }
    // A child of the button: it moves, hides and goes with it, and is drawn
    // after it.
    setParent(button);
    setGeometry(button->rect());
    show();
    raise();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    // Two rings, one inside the other; the inside shows the button.
    auto ring = [](const QRect &outside) {
        QPainterPath path;
        path.addRect(outside);
        path.addRect(outside.adjusted(width, width, -width, -width));
        return path; // filled odd-even: only the band between the two
    };
    QPainter painter(this);
    painter.fillPath(ring(rect()), Qt::black);
    painter.fillPath(ring(rect().adjusted(width, width, -width, -width)), Qt::white);
}
