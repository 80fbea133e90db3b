#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;

// A ring around the button that has the keyboard focus: black outside,
// white inside, so that it shows on a button of any colour, including the
// colour buttons whose style sheet decides their whole face. It is a child
// of the button it marks, drawn over it and passing the mouse through, and
// leaves the button's own painting and style sheet alone.
//
// Watch a button with watch(); the ring shows when the button gains the
// focus from the keyboard (Tab, Backtab or a mnemonic), not from a click.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget *parent = nullptr);

    void watch(QAbstractButton *button);
    // The button the ring is on, or null.
    QAbstractButton *button() const { return m_button; }

    static constexpr int width = 2; // of each of the two colours

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showOn(QAbstractButton *button);

    QPointer<QAbstractButton> m_button;
    // The button the ring was on when the window lost the focus, to show it
    // again when the window comes back.
    QPointer<QAbstractButton> m_sleeping;
};
