#pragma once

#include "app/window.h"

// Makes everything that happens to the gauge during its lifetime one undo
// step, named `text`; nested steps become part of the outermost one. A step
// that changes nothing leaves no trace in the history.
class EditStep
{
public:
    EditStep(Window *window, const QString &text, int mergeKey = -1) : m_window(window)
    {
        m_window->beginEditStep(text, mergeKey);
    }
    ~EditStep() { m_window->endEditStep(); }
    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

private:
    Window *m_window;
};
