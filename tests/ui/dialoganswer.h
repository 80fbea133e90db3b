#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers the next modal dialog of type Dialog that the window opens: a timer
// polls for it while the window's call blocks in the dialog's event loop.
// Returns a flag that turns true once the dialog has been answered, so a test
// can tell that the dialog really opened. Gives up after a few seconds so a
// dialog that never shows cannot hang the test run.
template <typename Dialog>
std::shared_ptr<bool> answerNextDialog(std::function<void(Dialog *)> answer)
{
    auto answered = std::make_shared<bool>(false);
    auto *timer = new QTimer(qApp);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *answered = true;
            answer(dialog);
        } else if (++*attempts > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return answered;
}
