#pragma once

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QString>

#include <cmath>

// The fields the sections built in code share with each other.

// A number field, named for the tests and the form's signal wiring.
inline QDoubleSpinBox *spinBox(QWidget *parent, const char *name, double min, double max,
                               double step, int decimals, const QString &toolTip,
                               const QString &suffix = QString())
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setToolTip(toolTip);
    return box;
}

// A label that gives its field's keyboard shortcut and names it to a screen
// reader.
inline QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, buddy->parentWidget());
    l->setBuddy(buddy);
    return l;
}

// A field in `grid` at (row, column + 1), its label at (row, column).
inline void addLabelledField(QGridLayout *grid, int row, int column, const QString &text,
                             QWidget *field)
{
    grid->addWidget(buddyLabel(text, field), row, column);
    grid->addWidget(field, row, column + 1);
}

// A number as a field shows it: one a file could not read is shown as 0
// until the field is edited.
inline double shownNumber(double value)
{
    return std::isfinite(value) ? value : 0.0;
}
