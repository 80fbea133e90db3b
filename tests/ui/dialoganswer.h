#pragma once

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers the next modal dialog of type Dialog that the window opens: a timer
// polls for it while the window's call blocks in the dialog's event loop.
// Returns a flag that is true once an answer has closed the dialog, so a test
// can tell that the dialog really opened. A dialog that the answer did not
// close is answered again on the next tick; after a few seconds any modal
// dialog left open is rejected, so a failing test cannot hang the run.
template <typename Dialog>
std::shared_ptr<bool> answerNextDialog(std::function<void(Dialog *)> answer)
{
    auto answered = std::make_shared<bool>(false);
    auto attempts = std::make_shared<int>(0);
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<Dialog *>(modal);
        if (dialog && dialog->isVisible()) {
            answer(dialog);
            if (!dialog->isVisible()) {
                *answered = true;
                timer->stop();
                timer->deleteLater();
                return;
            }
        }
        if (++*attempts > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                QMetaObject::invokeMethod(modal, "reject");
        }
    });
    timer->start(10);
    return answered;
}
