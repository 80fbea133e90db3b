#pragma once

#include <QColor>
#include <QString>

class QWidget;

// A colour button keeps its colour nowhere but in its style sheet; the
// style-sheet engine turns that into the button's palette, from which the
// colour is read back. These helpers are the two halves of that round trip.

// "background-color: " + the colour as #rrggbb + "}". The toolkit warns that
// it cannot parse the stray brace but still applies the colour.
QString colorStyleSheet(const QColor &color);

// Writes the colour's style sheet into the widget.
void setWidgetColor(QWidget *widget, const QColor &color);

// The colour the widget's style sheet has put into its palette (brush of the
// current colour group, window role).
QColor widgetColor(const QWidget *widget);
