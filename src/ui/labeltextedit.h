#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The label texts of a layer, one a line, with a margin that tells beside
// each line which tick it labels: the tick's gauge angle, "skip" for a first
// tick whose label is skipped, and a dash for a line beyond the last tick.
class LabelTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LabelTextEdit(QWidget *parent = nullptr);

    // The margin's text for line i; lines beyond the list get a dash.
    void setHints(const QStringList &hints);
    QStringList hints() const { return m_hints; }

    // The lines as a list of label texts: empty lines at the end mean
    // nothing, and no text at all is no list.
    QStringList texts() const;
    // Shows `texts` unless the edit already shows them, so that typing is
    // never disturbed by its own echo.
    void showTexts(const QStringList &texts);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int marginWidth() const;
    void paintMargin(QPaintEvent *event);
    void updateMargin();

    QWidget *m_margin;
    QStringList m_hints;
};
