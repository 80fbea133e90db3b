#include "ui/fontbutton.h"

FontButton::FontButton(QWidget *parent) : QPushButton(parent) {}

void FontButton::setChosenFont(const QFont &font)
{
    // Compared with all its attributes: QFont's == leaves out some.
    const bool changed = font != m_font || font.key() != m_font.key();
    m_font = font;
    setFont(font);
    if (changed)
        emit chosenFontChanged(font);
}
