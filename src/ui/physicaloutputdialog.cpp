#include "ui/physicaloutputdialog.h"

#include "ui/colorbutton.h"
#include "ui/focusring.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using PhysicalSize::LengthUnit;

namespace {

constexpr LengthUnit units[] = {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Inch};
constexpr PhysicalPage pages[] = {PhysicalPage::A4, PhysicalPage::Letter, PhysicalPage::Fit};

int decimalsOf(LengthUnit unit)
{
    return unit == LengthUnit::Millimetre ? 2 : 3;
}

} // namespace

PhysicalOutputDialog::PhysicalOutputDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Export PDF / Print"));

    auto *note = new QLabel(
        tr("The gauge is drawn at its true size: the dial's edge (radius 1.0) measures the "
           "diameter on paper, and every line and label scales with it."));
    note->setWordWrap(true);

    m_diameter = new QDoubleSpinBox;
    m_diameter->setObjectName(QStringLiteral("diameterSpinBox"));
    m_unit = new QComboBox;
    m_unit->setObjectName(QStringLiteral("diameterUnitComboBox"));
    for (LengthUnit unit : units)
        m_unit->addItem(PhysicalSize::unitSymbol(unit), int(unit));
    // Named for assistive technology: the unit has no label of its own.
    m_diameter->setAccessibleName(tr("Diameter"));
    m_unit->setAccessibleName(tr("Unit of the diameter"));
    auto *diameterRow = new QHBoxLayout;
    diameterRow->addWidget(m_diameter, 1);
    diameterRow->addWidget(m_unit);

    m_page = new QComboBox;
    m_page->setObjectName(QStringLiteral("pageComboBox"));
    for (PhysicalPage page : pages)
        m_page->addItem(pageName(page), int(page));
    m_page->setToolTip(tr("Fit: a square page around the drawing, with a margin."));

    m_hairline = new QDoubleSpinBox;
    m_hairline->setObjectName(QStringLiteral("hairlineSpinBox"));
    m_hairline->setDecimals(2);
    m_hairline->setSingleStep(0.01);
    m_hairline->setRange(PhysicalSize::hairlineMinMm, PhysicalSize::hairlineMaxMm);
    m_hairline->setSuffix(tr(" mm"));
    m_hairline->setToolTip(tr("Lines of width 0 have no width of their own; on paper they are "
                              "drawn this wide."));

    m_centreCross = new QCheckBox(tr("Centre &cross"));
    m_centreCross->setObjectName(QStringLiteral("centreCrossCheckBox"));
    m_scaleBar = new QCheckBox(tr("50 mm &scale bar below the dial"));
    m_scaleBar->setObjectName(QStringLiteral("scaleBarCheckBox"));
    m_scaleBar->setToolTip(tr("Measure it on the print to check that the printer did not "
                              "scale the page."));
    m_fillBackground = new QCheckBox(tr("&Fill the dial with"));
    m_fillBackground->setObjectName(QStringLiteral("backgroundCheckBox"));
    m_fillBackground->setToolTip(tr("White marks do not show on white paper."));
    m_backgroundButton = new QPushButton;
    m_backgroundButton->setObjectName(QStringLiteral("backgroundColorButton"));
    m_backgroundButton->setToolTip(tr("Choose the dial's colour"));
    m_backgroundButton->setAccessibleName(tr("Dial colour"));
    auto *backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(m_fillBackground);
    backgroundRow->addWidget(m_backgroundButton);
    backgroundRow->addStretch(1);

    m_fitWarning = new QLabel;
    m_fitWarning->setObjectName(QStringLiteral("fitWarningLabel"));
    m_fitWarning->setWordWrap(true);
    m_fitWarning->setStyleSheet(QStringLiteral("color: #c62828;"));

    auto *form = new QFormLayout;
    auto *diameterLabel = new QLabel(tr("&Diameter:"));
    diameterLabel->setBuddy(m_diameter);
    form->addRow(diameterLabel, diameterRow);
    form->addRow(tr("&Page:"), m_page);
    form->addRow(tr("&Hairline width:"), m_hairline);
    form->addRow(QString(), m_centreCross);
    form->addRow(QString(), m_scaleBar);
    form->addRow(QString(), backgroundRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_exportPdfButton = buttons->addButton(tr("&Export PDF..."), QDialogButtonBox::AcceptRole);
    m_exportPdfButton->setObjectName(QStringLiteral("exportPdfButton"));
    m_printPreviewButton =
        buttons->addButton(tr("Print Pre&view..."), QDialogButtonBox::AcceptRole);
    m_printPreviewButton->setObjectName(QStringLiteral("printPreviewButton"));
    m_printButton = buttons->addButton(tr("P&rint..."), QDialogButtonBox::AcceptRole);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    // Each button says what it does; the box's own accepted signal is not
    // used.
    connect(m_exportPdfButton, &QPushButton::clicked, this, [this] { finish(Action::ExportPdf); });
    connect(m_printPreviewButton, &QPushButton::clicked, this,
            [this] { finish(Action::PrintPreview); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { finish(Action::Print); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(m_fitWarning);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_diameter, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        m_diameterMm = std::clamp(PhysicalSize::toMillimetres(value, m_shownUnit),
                                  PhysicalSize::diameterMinMm, PhysicalSize::diameterMaxMm);
        updateFitWarning();
    });
    connect(m_unit, &QComboBox::currentIndexChanged, this, &PhysicalOutputDialog::unitChanged);
    connect(m_page, &QComboBox::currentIndexChanged, this, &PhysicalOutputDialog::updateFitWarning);
    connect(m_scaleBar, &QCheckBox::toggled, this, &PhysicalOutputDialog::updateFitWarning);
    connect(m_fillBackground, &QCheckBox::toggled, m_backgroundButton, &QWidget::setEnabled);
    connect(m_backgroundButton, &QPushButton::clicked, this,
            &PhysicalOutputDialog::chooseBackground);

    // The colour button's face is its colour: the keyboard focus is marked
    // by a ring that shows on any colour, as in the main window.
    auto *ring = new FocusRing(this);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        ring->watch(button);

    setOptions(PhysicalOutputOptions());
}

void PhysicalOutputDialog::setOptions(const PhysicalOutputOptions &options)
{
    m_diameterMm =
        std::clamp(options.diameterMm, PhysicalSize::diameterMinMm, PhysicalSize::diameterMaxMm);
    unitChanged();
    m_page->setCurrentIndex(m_page->findData(int(options.page)));
    m_hairline->setValue(options.hairlineMm);
    m_centreCross->setChecked(options.centreCross);
    m_scaleBar->setChecked(options.scaleBar);
    m_fillBackground->setChecked(options.background.isValid());
    m_backgroundButton->setEnabled(options.background.isValid());
    if (options.background.isValid())
        m_background = options.background;
    setWidgetColor(m_backgroundButton, m_background);
    updateFitWarning();
}

PhysicalOutputOptions PhysicalOutputDialog::options() const
{
    PhysicalOutputOptions options;
    options.diameterMm = m_diameterMm;
    options.hairlineMm = m_hairline->value();
    options.page = PhysicalPage(m_page->currentData().toInt());
    options.centreCross = m_centreCross->isChecked();
    options.scaleBar = m_scaleBar->isChecked();
    options.background = m_fillBackground->isChecked() ? m_background : QColor();
    return options;
}

void PhysicalOutputDialog::setDefaultAction(Action action)
{
    QPushButton *button = m_exportPdfButton;
    if (action == Action::Print)
        button = m_printButton;
    else if (action == Action::PrintPreview)
        button = m_printPreviewButton;
    button->setDefault(true);
    button->setFocus();
}

void PhysicalOutputDialog::setUnit(LengthUnit unit)
{
    m_unit->setCurrentIndex(m_unit->findData(int(unit)));
}

LengthUnit PhysicalOutputDialog::unit() const
{
    return LengthUnit(m_unit->currentData().toInt());
}

// Shows the same diameter in the unit now chosen.
void PhysicalOutputDialog::unitChanged()
{
    m_shownUnit = unit();
    const QSignalBlocker blocker(m_diameter);
    m_diameter->setDecimals(decimalsOf(m_shownUnit));
    m_diameter->setSingleStep(m_shownUnit == LengthUnit::Millimetre ? 1.0 : 0.1);
    m_diameter->setRange(PhysicalSize::fromMillimetres(PhysicalSize::diameterMinMm, m_shownUnit),
                         PhysicalSize::fromMillimetres(PhysicalSize::diameterMaxMm, m_shownUnit));
    m_diameter->setSuffix(QLatin1Char(' ') + PhysicalSize::unitSymbol(m_shownUnit));
    m_diameter->setValue(PhysicalSize::fromMillimetres(m_diameterMm, m_shownUnit));
}

void PhysicalOutputDialog::chooseBackground()
{
    const QColor color = QColorDialog::getColor(m_background, this, tr("Dial Colour"));
    if (!color.isValid())
        return;
    m_background = color;
    setWidgetColor(m_backgroundButton, color);
}

// A fixed page is never shrunk to hold a larger gauge; the user hears of it
// before anything is written or printed.
void PhysicalOutputDialog::updateFitWarning()
{
    const PhysicalOutputOptions current = options();
    const bool fits = fitsOnPage(current);
    m_fitWarning->setText(
        fits ? QString()
             : tr("The gauge does not fit on the %1 page at this diameter. It will not be shrunk: "
                  "what lies beyond the page is cut off. Choose Fit or a smaller diameter.")
                   .arg(pageName(current.page)));
    m_fitWarning->setVisible(!fits);
    // Room for the warning, below the form's rows rather than taken from
    // them.
    if (isVisible())
        adjustSize();
}

void PhysicalOutputDialog::finish(Action action)
{
    m_chosen = action;
    accept();
}
