#pragma once

// Answers the window's modal dialogs from a widget test.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers the modal dialogs the window opens, one handler per dialog, in
// order. Each handler gets the dialog once it is the active modal widget.
class ModalAnswers : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalAnswers(QList<Handler> handlers) : m_handlers(std::move(handlers))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start(10);
    }

    bool allAnswered() const { return m_handlers.isEmpty(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (modal == m_last) {
            // A handler failed before it could answer: close the dialog so
            // that the failure is reported instead of the test hanging.
            if (!m_pending && m_since.elapsed() > 5000) {
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
            }
            return;
        }
        if (m_handlers.isEmpty())
            return;
        m_last = modal;
        m_since.start();
        m_pending = true;
        // Answered from the event loop: an answer may open the next dialog,
        // whose nested loop must not run inside this timer's slot (a timer
        // does not fire again while its slot is still running).
        QMetaObject::invokeMethod(
            this,
            [this, handler = m_handlers.takeFirst(), dialog = QPointer<QWidget>(modal)] {
                m_pending = false;
                if (dialog)
                    handler(dialog);
            },
            Qt::QueuedConnection);
    }

    QList<Handler> m_handlers;
    QTimer m_timer;
    // Guarded: the next dialog may be built where the last one was.
    QPointer<QWidget> m_last;
    QElapsedTimer m_since;
    bool m_pending = false;
};

struct DialogSeen
{
    QString caption;
    QStringList filters;
    QString suffix;
    bool saveMode = false;
    QString directory;
    QWidget *parent = nullptr;
};

inline ModalAnswers::Handler chooseFile(const QString &path, DialogSeen *seen = nullptr)
{
    return [path, seen](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        QVERIFY(dialog);
        if (seen) {
            *seen = DialogSeen{dialog->windowTitle(), dialog->nameFilters(),
                               dialog->defaultSuffix(),
                               dialog->acceptMode() == QFileDialog::AcceptSave,
                               dialog->directory().absolutePath(), dialog->parentWidget()};
        }
        // Typed as a user would: selectFile leaves a focused name field alone.
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameEdit);
        nameEdit->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}

inline ModalAnswers::Handler cancelDialog()
{
    return [](QWidget *widget) { qobject_cast<QDialog *>(widget)->reject(); };
}

struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget *parent = nullptr;
};

inline ModalAnswers::Handler closeBox(BoxSeen *seen)
{
    return [seen](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QVERIFY(box);
        *seen = BoxSeen{box->windowTitle(), box->text(), box->icon(), box->parentWidget()};
        box->accept();
    };
}

