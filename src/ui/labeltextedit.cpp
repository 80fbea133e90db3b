#include "ui/labeltextedit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

LabelTextEdit::LabelTextEdit(QWidget *parent) : QPlainTextEdit(parent), m_margin(new QWidget(this))
{
    m_margin->setObjectName(QStringLiteral("labelTextMargin"));
    m_margin->installEventFilter(this);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &LabelTextEdit::updateMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy != 0)
            m_margin->scroll(0, dy);
        else
            m_margin->update(0, rect.y(), m_margin->width(), rect.height());
    });
    updateMargin();
}

void LabelTextEdit::setHints(const QStringList &hints)
{
    if (hints == m_hints)
        return;
    m_hints = hints;
    updateMargin();
    m_margin->update();
}

QStringList LabelTextEdit::texts() const
{
    QStringList lines = toPlainText().split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void LabelTextEdit::showTexts(const QStringList &texts)
{
    if (texts == this->texts())
        return;
    setPlainText(texts.join(QLatin1Char('\n')));
}

int LabelTextEdit::marginWidth() const
{
    int widest = fontMetrics().horizontalAdvance(QStringLiteral("-000\u00b0"));
    for (const QString &hint : m_hints)
        widest = qMax(widest, fontMetrics().horizontalAdvance(hint));
    return widest + 8;
}

void LabelTextEdit::updateMargin()
{
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_margin->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void LabelTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    updateMargin();
}

bool LabelTextEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_margin && event->type() == QEvent::Paint) {
        paintMargin(static_cast<QPaintEvent *>(event));
        return true;
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void LabelTextEdit::paintMargin(QPaintEvent *event)
{
    QPainter painter(m_margin);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    QTextBlock block = firstVisibleBlock();
    double top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const double height = blockBoundingRect(block).height();
        const int line = block.blockNumber();
        const QString hint = line < m_hints.size() ? m_hints.at(line) : QStringLiteral("\u2013");
        painter.drawText(QRectF(0, top, m_margin->width() - 4, height),
                         Qt::AlignRight | Qt::AlignVCenter, hint);
        block = block.next();
        top += height;
    }
}
