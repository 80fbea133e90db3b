#include "ui/colorbutton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPalette>
#include <QWidget>

QString colorStyleSheet(const QColor &color)
{
    return QStringLiteral("background-color: ") + color.name() + QLatin1Char('}');
}

void setWidgetColor(QWidget *widget, const QColor &color)
{
    widget->setStyleSheet(colorStyleSheet(color));
    // A screen reader cannot see the button's face: its description says
    // the colour, after the tool tip that says what the button is for.
    if (qobject_cast<QAbstractButton *>(widget)) {
        const QString tip = widget->toolTip();
        widget->setAccessibleDescription(
            tip.isEmpty()
                ? QCoreApplication::translate("ColorButton", "Current colour: %1").arg(color.name())
                : QCoreApplication::translate("ColorButton", "%1. Current colour: %2")
                      .arg(tip, color.name()));
    }
}

QColor widgetColor(const QWidget *widget)
{
    // A widget that was never polished (not yet shown) has not applied its
    // style sheet to its palette yet.
    widget->ensurePolished();
    return widget->palette().brush(QPalette::Current, QPalette::Window).color();
}
