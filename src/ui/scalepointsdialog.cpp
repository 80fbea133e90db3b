#include "ui/scalepointsdialog.h"

#include "render/scalemap.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString numberText(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 12) : QString();
}

} // namespace

ScalePointsDialog::ScalePointsDialog(const valueScale &scale, QWidget *parent)
    : QDialog(parent), m_scale(scale)
{
    setWindowTitle(tr("Calibration Points"));

    auto *intro = new QLabel(tr("Where each value stands, as a fraction of the span: 0 at its "
                                "start, 1 at its end. Values increase from row to row; between "
                                "the points the scale follows a smooth curve that never turns "
                                "back."),
                             this);
    intro->setWordWrap(true);

    table = new QTableWidget(0, 2, this);
    table->setObjectName(QStringLiteral("scalePointsTable"));
    table->setHorizontalHeaderLabels({tr("Value"), tr("Fraction")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setToolTip(tr("Calibration points: a value and the fraction of the span where it "
                         "stands"));
    table->setAccessibleName(tr("Calibration points"));

    addButton = new QPushButton(tr("Add"), this);
    addButton->setToolTip(tr("Add a point after the selected one"));
    removeButton = new QPushButton(tr("Remove"), this);
    removeButton->setToolTip(tr("Remove the selected points"));
    pasteButton = new QPushButton(tr("Paste"), this);
    pasteButton->setToolTip(tr("Replace the points with two columns copied from a spreadsheet "
                               "or a CSV file: value and fraction, separated by a tab or a "
                               "comma"));
    for (QPushButton *button : {addButton, removeButton, pasteButton})
        button->setAutoDefault(false);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("scalePointsStatus"));
    status->setWordWrap(true);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *side = new QVBoxLayout;
    side->addWidget(addButton);
    side->addWidget(removeButton);
    side->addWidget(pasteButton);
    side->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addWidget(table, 1);
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(middle, 1);
    layout->addWidget(status);
    layout->addWidget(buttons);
    resize(420, 380);

    connect(addButton, &QPushButton::clicked, this, &ScalePointsDialog::addPoint);
    connect(removeButton, &QPushButton::clicked, this, &ScalePointsDialog::removePoints);
    connect(pasteButton, &QPushButton::clicked, this, &ScalePointsDialog::pastePoints);
    connect(new QShortcut(QKeySequence::Paste, table), &QShortcut::activated, this,
            &ScalePointsDialog::pastePoints);
    connect(table, &QTableWidget::itemChanged, this, &ScalePointsDialog::checkPoints);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setPoints(scale.points);
}

QList<QPointF> ScalePointsDialog::points() const
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    QList<QPointF> result;
    for (int row = 0; row < table->rowCount(); ++row) {
        double value = nan;
        double fraction = nan;
        if (!cellNumber(row, 0, &value) || !cellNumber(row, 1, &fraction))
            value = fraction = nan;
        result.append(QPointF(value, fraction));
    }
    return result;
}

void ScalePointsDialog::setRow(int row, const QPointF &point)
{
    table->setItem(row, 0, new QTableWidgetItem(numberText(point.x())));
    table->setItem(row, 1, new QTableWidgetItem(numberText(point.y())));
}

void ScalePointsDialog::setPoints(const QList<QPointF> &points)
{
    {
        const QSignalBlocker quiet(table);
        table->setRowCount(int(points.size()));
        for (int row = 0; row < int(points.size()); ++row)
            setRow(row, points.at(row));
    }
    checkPoints();
}

bool ScalePointsDialog::cellNumber(int row, int column, double *value) const
{
    const QTableWidgetItem *item = table->item(row, column);
    const QString text = item ? item->text().trimmed() : QString();
    bool ok = false;
    *value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        *value = QLocale().toDouble(text, &ok);
    return ok && std::isfinite(*value);
}

void ScalePointsDialog::addPoint()
{
    if (table->rowCount() >= scalePointLimit)
        return;
    const QList<QPointF> current = points();
    const int row = table->currentRow() >= 0 ? table->currentRow() : int(current.size()) - 1;
    QPointF point(0.0, 0.0);
    if (row >= 0 && row + 1 < current.size()) {
        point = (current.at(row) + current.at(row + 1)) / 2.0;
    } else if (row >= 1) {
        const QPointF last = current.at(row);
        point = QPointF(last.x() + (last.x() - current.at(row - 1).x()), last.y());
    } else if (row == 0) {
        point = QPointF(current.at(0).x() + 1.0, current.at(0).y());
    }
    {
        const QSignalBlocker quiet(table);
        table->insertRow(row + 1);
        setRow(row + 1, point);
    }
    table->setCurrentCell(row + 1, 0);
    checkPoints();
}

void ScalePointsDialog::removePoints()
{
    QList<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && table->currentRow() >= 0)
        rows.append(table->currentRow());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        table->removeRow(row);
    checkPoints();
}

void ScalePointsDialog::pastePoints()
{
    QList<QPointF> pasted;
    QString error;
    if (!readScalePointsText(QGuiApplication::clipboard()->text(), &pasted, &error)) {
        status->setText(tr("Nothing pasted. %1").arg(error));
        return;
    }
    setPoints(pasted);
}

void ScalePointsDialog::checkPoints()
{
    addButton->setEnabled(table->rowCount() < scalePointLimit);
    QString problem;
    for (int row = 0; row < table->rowCount() && problem.isEmpty(); ++row) {
        for (int column = 0; column < 2; ++column) {
            double value = 0.0;
            if (!cellNumber(row, column, &value)) {
                problem = tr("Row %1: the %2 is not a number.")
                              .arg(row + 1)
                              .arg(column == 0 ? tr("value") : tr("fraction"));
                break;
            }
        }
    }
    buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (problem.isEmpty()) {
        valueScale checked = m_scale;
        checked.type = scaleType::table;
        checked.points = points();
        problem = ScaleMap(checked).problem();
    }
    status->setText(problem);
}
