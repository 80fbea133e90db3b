#pragma once

#include "model/valuescale.h"

#include <QDialog>
#include <QList>
#include <QPointF>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The calibration table of a scale: one row per point, its value and the
// fraction of the span where that value stands. Rows are added, removed, or
// replaced by points pasted from the clipboard (two columns from a
// spreadsheet or a CSV file). The dialog says what is wrong with the table
// as it is edited; a table of numbers can be accepted even when it cannot be
// drawn, as the form then says why, but a cell that is not a number cannot.
class ScalePointsDialog : public QDialog
{
    Q_OBJECT

public:
    // `scale` gives the points to start from and the span they are checked
    // against.
    explicit ScalePointsDialog(const valueScale &scale, QWidget *parent = nullptr);

    // The points as the table shows them, in row order.
    QList<QPointF> points() const;

    // A point after the selected row (or at the end): halfway to the next
    // point, or one step on from the last.
    void addPoint();
    // Removes the selected rows, or the current one.
    void removePoints();
    // Replaces the table with the points of the clipboard's text.
    void pastePoints();

    QTableWidget *table = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *pasteButton = nullptr;
    QLabel *status = nullptr;
    QDialogButtonBox *buttons = nullptr;

private:
    void setPoints(const QList<QPointF> &points);
    void setRow(int row, const QPointF &point);
    // Reads a cell; false when it holds no finite number.
    bool cellNumber(int row, int column, double *value) const;
    // Shows what is wrong with the table and allows OK only for numbers.
    void checkPoints();

    valueScale m_scale;
};
