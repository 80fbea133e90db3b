#pragma once

#include "targets/targetset.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// Asks which target File > Export For... writes, with the options that
// target takes; the others are disabled.
class TargetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TargetDialog(QWidget *parent = nullptr);

    // The chosen target and options; the base name is left as it is.
    TargetOptions options() const;

private:
    void refresh();

    QComboBox *m_target;
    QComboBox *m_colorFormat;
    QCheckBox *m_swapBytes;
};
