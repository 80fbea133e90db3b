#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <QTimer>
#include <QVariant>

#include <functional>

// Answers the modal dialogs a test makes the window open, in the order they
// appear: each queued handler receives the next modal widget. A modal widget
// that no handler is left for is recorded in `unexpected` and closed, so a
// test fails instead of hanging.
class ModalResponder : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    ModalResponder()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &ModalResponder::poll);
        timer.start();
    }

    void expect(Handler handler) { handlers.enqueue(std::move(handler)); }
    int pending() const { return int(handlers.size()); }

    QStringList unexpected;

    // Types `name` (a path, or a name in the dialog's folder) into the file
    // dialog and accepts it, as a user would. QFileDialog::selectFile leaves
    // the name field alone while it has focus.
    static void typeFileName(QFileDialog *dialog, const QString &name)
    {
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(name);
        else
            dialog->selectFile(name);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept is protected
    }

    // Handlers for the common cases.
    static Handler chooseFile(const QString &path, QString *directory = nullptr,
                              QString *caption = nullptr)
    {
        return [=](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog)
                return widget->close(), void();
            if (directory)
                *directory = dialog->directory().absolutePath();
            if (caption)
                *caption = dialog->windowTitle();
            typeFileName(dialog, path);
        };
    }
    static Handler cancel()
    {
        return [](QWidget *widget) {
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
            else
                widget->close();
        };
    }
    // Records a message box's title and text, then presses `button`.
    static Handler pressButton(QMessageBox::StandardButton button, QString *title = nullptr,
                               QString *text = nullptr)
    {
        return [=](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box)
                return widget->close(), void();
            if (title)
                *title = box->windowTitle();
            if (text)
                *text = box->text();
            if (QAbstractButton *b = box->button(button))
                b->click();
            else
                box->close();
        };
    }

private:
    void poll()
    {
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || widget->property("answeredByTest").toBool() || !widget->isVisible())
            return;
        widget->setProperty("answeredByTest", true);
        if (handlers.isEmpty()) {
            unexpected << widget->windowTitle();
            widget->close();
            return;
        }
        // Run outside this timer event: the handler may open a nested dialog
        // (a confirmation), and the toolkit does not fire a timer again while
        // its own event is still being handled.
        // A dialog still open after its handler (a save dialog whose
        // confirmation was declined) gets the next handler.
        QTimer::singleShot(0, widget, [handler = handlers.dequeue(), widget] {
            QPointer<QWidget> guard(widget);
            handler(widget);
            if (guard)
                guard->setProperty("answeredByTest", false);
        });
    }

    QTimer timer;
    QQueue<Handler> handlers;
};
