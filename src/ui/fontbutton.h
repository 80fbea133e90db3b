#pragma once

#include <QFont>
#include <QPushButton>

// A button that holds a font and shows its text in it.
class FontButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QFont chosenFont READ chosenFont WRITE setChosenFont NOTIFY chosenFontChanged)

public:
    explicit FontButton(QWidget *parent = nullptr);

    QFont chosenFont() const { return m_font; }
    void setChosenFont(const QFont &font);

signals:
    void chosenFontChanged(const QFont &font);

private:
    QFont m_font;
};
