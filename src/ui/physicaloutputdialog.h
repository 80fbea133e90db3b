#pragma once

#include "export/physicalpage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// "Export PDF / Print": the size of the dial on paper and the page around
// it, and what to do with them. The options are read back with options()
// once the dialog is accepted; chosenAction() says which button accepted it.
class PhysicalOutputDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Action { ExportPdf, PrintPreview, Print };

    explicit PhysicalOutputDialog(QWidget *parent = nullptr);

    void setOptions(const PhysicalOutputOptions &options);
    PhysicalOutputOptions options() const;

    // The button that Enter presses.
    void setDefaultAction(Action action);
    Action chosenAction() const { return m_chosen; }

    // The unit the diameter is shown and typed in.
    void setUnit(PhysicalSize::LengthUnit unit);
    PhysicalSize::LengthUnit unit() const;

private:
    void unitChanged();
    void chooseBackground();
    void updateFitWarning();
    void finish(Action action);

    QDoubleSpinBox *m_diameter;
    QComboBox *m_unit;
    QComboBox *m_page;
    QDoubleSpinBox *m_hairline;
    QCheckBox *m_centreCross;
    QCheckBox *m_scaleBar;
    QCheckBox *m_fillBackground;
    QPushButton *m_backgroundButton;
    QLabel *m_fitWarning;
    QPushButton *m_exportPdfButton;
    QPushButton *m_printPreviewButton;
    QPushButton *m_printButton;

    // The diameter as it was set or typed, so that switching units back and
    // forth does not wear it down by rounding.
    double m_diameterMm = 62.0;
    PhysicalSize::LengthUnit m_shownUnit = PhysicalSize::LengthUnit::Millimetre;
    QColor m_background = Qt::black;
    Action m_chosen = Action::ExportPdf;
};
