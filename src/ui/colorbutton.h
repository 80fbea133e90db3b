#pragma once

#include <QColor>
#include <QString>
#include <QToolButton>

// A button that holds a colour and shows it. The colour is the button's
// property; what the button shows is its colour style sheet,
// "background-color: " + the colour as #rrggbb + "}", from which the
// toolkit's style-sheet engine paints the button's face.
class ColorButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit ColorButton(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void colorChanged(const QColor &color);

private:
    QColor m_color;
};

// "background-color: " + the colour as #rrggbb + "}". The toolkit warns that
// it cannot parse the stray brace but still applies the colour.
QString colorStyleSheet(const QColor &color);

// Writes the colour's style sheet into the widget: a ColorButton takes it
// as its colour, any other widget (the reference label) just shows it.
void setWidgetColor(QWidget *widget, const QColor &color);

// The colour the widget's style sheet has put into its palette (brush of the
// current colour group, window role).
QColor widgetColor(const QWidget *widget);
