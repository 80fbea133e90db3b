#pragma once

// Answers the window's modal dialogs from a widget test, so that no dialog
// ever waits for a person.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Answers the modal dialogs a test makes the window open, one queued handler
// per dialog in the order they appear. A dialog still open after its handler
// (a save dialog whose confirmation was declined) gets the next handler, or,
// when none is queued, the same one again. A dialog that no handler is left
// for, or that is still open after a few seconds, is rejected and its title
// kept in unanswered(), so that a failing test is reported instead of hanging
// the run. Only the newest living instance answers.
class ModalAnswers : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalAnswers(QList<Handler> handlers = {}) : m_handlers(std::move(handlers))
    {
        s_living.append(this);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start(10);
    }
    ~ModalAnswers() override { s_living.removeOne(this); }
    ModalAnswers(const ModalAnswers &) = delete;
    ModalAnswers &operator=(const ModalAnswers &) = delete;

    void expect(Handler handler) { m_handlers.append(std::move(handler)); }
    // Answers every dialog that no queued handler is left for, instead of
    // rejecting it.
    void setFallback(Handler handler) { m_fallback = std::move(handler); }

    int pending() const { return int(m_handlers.size()); }
    QStringList unanswered() const { return m_unanswered; }
    // Every queued handler was used and no dialog had to be closed for want
    // of an answer.
    bool allAnswered() const { return m_handlers.isEmpty() && m_unanswered.isEmpty(); }

private:
    struct Answering
    {
        // Guarded: a dialog may be gone, and the next one built where it was.
        QPointer<QWidget> dialog;
        Handler last;
        QElapsedTimer since;
        bool busy = false; // its handler is queued or running
    };

    // Long enough for a dialog to appear on a machine loaded by sanitizers
    // or other builds; a test that hangs still ends well within its time-out.
    static constexpr qint64 giveUpMs = 30000;

    void poll()
    {
        if (s_living.last() != this)
            return;
        m_answering.removeIf([](const std::shared_ptr<Answering> &a) {
            return !a->dialog || (!a->busy && !a->dialog->isVisible());
        });
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        std::shared_ptr<Answering> answering;
        for (const auto &a : std::as_const(m_answering))
            if (a->dialog == modal)
                answering = a;
        if (!answering) {
            answering = std::make_shared<Answering>();
            answering->dialog = modal;
            answering->since.start();
            m_answering.append(answering);
        } else if (answering->busy) {
            return;
        }

        Handler handler;
        if (answering->since.elapsed() < giveUpMs) {
            if (!m_handlers.isEmpty())
                handler = m_handlers.takeFirst();
            else if (m_fallback)
                handler = m_fallback;
            else if (answering->last && !QTest::currentTestFailed())
                handler = answering->last; // answered again until it closes
        }
        if (!handler) {
            m_unanswered << modal->windowTitle();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject(); // a message box without an escape button ignores close()
            else
                modal->close();
            return;
        }
        answering->last = handler;
        answering->busy = true;
        // Answered from the event loop: an answer may open the next dialog (a
        // confirmation), whose nested loop must not run inside this timer's
        // slot, since a timer does not fire again while its slot is running.
        QMetaObject::invokeMethod(
            this,
            [answering, handler] {
                if (answering->dialog)
                    handler(answering->dialog);
                answering->busy = false;
            },
            Qt::QueuedConnection);
    }

    static inline QList<ModalAnswers *> s_living;
    QList<Handler> m_handlers;
    Handler m_fallback;
    QList<std::shared_ptr<Answering>> m_answering;
    QStringList m_unanswered;
    QTimer m_timer;
};

// A handler for dialogs of one type; any other dialog fails the test.
template <typename Dialog>
ModalAnswers::Handler answerAs(std::function<void(Dialog *)> answer)
{
    return [answer](QWidget *widget) {
        auto *dialog = qobject_cast<Dialog *>(widget);
        QVERIFY2(dialog, qPrintable(QStringLiteral("unexpected dialog: ") + widget->windowTitle()));
        answer(dialog);
    };
}

struct FileDialogSeen
{
    QString caption;
    QStringList filters;
    QString suffix;
    bool saveMode = false;
    QString directory;
    QWidget *parent = nullptr;
};

// Types `path` (or a name in the dialog's folder) into the file dialog and
// accepts it, as a user would; an empty path cancels the dialog. The name is
// typed because selectFile leaves a focused name field alone and races the
// dialog's background listing of the folder.
inline ModalAnswers::Handler chooseFile(const QString &path, FileDialogSeen *seen = nullptr)
{
    return answerAs<QFileDialog>([path, seen](QFileDialog *dialog) {
        if (seen) {
            *seen = FileDialogSeen{dialog->windowTitle(), dialog->nameFilters(),
                                   dialog->defaultSuffix(),
                                   dialog->acceptMode() == QFileDialog::AcceptSave,
                                   dialog->directory().absolutePath(), dialog->parentWidget()};
        }
        if (path.isEmpty())
            return dialog->reject();
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY2(nameEdit, "the file dialog has no name field");
        nameEdit->setText(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept is protected
    });
}

inline ModalAnswers::Handler cancelDialog()
{
    return answerAs<QDialog>([](QDialog *dialog) { dialog->reject(); });
}

struct BoxSeen
{
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons; // their texts as set, mnemonic marks included
    QList<QMessageBox::ButtonRole> roles;
    QString defaultButton;
    QWidget *parent = nullptr;
};

inline BoxSeen seeBox(const QMessageBox *box)
{
    BoxSeen seen{box->windowTitle(), box->text(), box->informativeText(), box->icon(),
                 box->textFormat(), {}, {}, {}, box->parentWidget()};
    for (QAbstractButton *button : box->buttons()) {
        seen.buttons << button->text();
        seen.roles << box->buttonRole(button);
    }
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->text();
    return seen;
}

// Presses one of the box's standard buttons.
inline ModalAnswers::Handler pressButton(QMessageBox::StandardButton which, BoxSeen *seen = nullptr)
{
    return answerAs<QMessageBox>([which, seen](QMessageBox *box) {
        if (seen)
            *seen = seeBox(box);
        QAbstractButton *button = box->button(which);
        QVERIFY2(button, qPrintable(QStringLiteral("no such button in ") + box->windowTitle()));
        button->click();
    });
}

// Presses the button that shows `text` (mnemonic marks aside).
inline ModalAnswers::Handler clickButton(const QString &text, BoxSeen *seen = nullptr)
{
    return answerAs<QMessageBox>([text, seen](QMessageBox *box) {
        if (seen)
            *seen = seeBox(box);
        for (QAbstractButton *button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == text)
                return button->click();
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    });
}
