#include "ui/colorbutton.h"

#include <QPalette>
#include <QWidget>

QString colorStyleSheet(const QColor &color)
{
    return QStringLiteral("background-color: ") + color.name() + QLatin1Char('}');
}

void setWidgetColor(QWidget *widget, const QColor &color)
{
    widget->setStyleSheet(colorStyleSheet(color));
}

QColor widgetColor(const QWidget *widget)
{
    // A widget that was never polished (not yet shown) has not applied its
    // style sheet to its palette yet.
    widget->ensurePolished();
    return widget->palette().brush(QPalette::Current, QPalette::Window).color();
}
