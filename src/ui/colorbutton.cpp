#include "ui/colorbutton.h"

#include <QCoreApplication>
#include <QPalette>

ColorButton::ColorButton(QWidget *parent) : QToolButton(parent) {}

void ColorButton::setColor(const QColor &color)
{
    const bool changed = color != m_color;
    m_color = color;
    setStyleSheet(colorStyleSheet(color));
    // A screen reader cannot see the button's face: its description says
    // the colour, after the tool tip that says what the button is for.
    const QString tip = toolTip();
    setAccessibleDescription(
        tip.isEmpty()
            ? QCoreApplication::translate("ColorButton", "Current colour: %1").arg(color.name())
            : QCoreApplication::translate("ColorButton", "%1. Current colour: %2")
                  .arg(tip, color.name()));
    if (changed)
        emit colorChanged(color);
}

QString colorStyleSheet(const QColor &color)
{
    return QStringLiteral("background-color: ") + color.name() + QLatin1Char('}');
}

void setWidgetColor(QWidget *widget, const QColor &color)
{
    if (auto *button = qobject_cast<ColorButton *>(widget))
        button->setColor(color);
    else
        widget->setStyleSheet(colorStyleSheet(color));
}

QColor widgetColor(const QWidget *widget)
{
    // A widget that was never polished (not yet shown) has not applied its
    // style sheet to its palette yet.
    widget->ensurePolished();
    return widget->palette().brush(QPalette::Current, QPalette::Window).color();
}
