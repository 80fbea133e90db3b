#include "export/gui/targetdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

TargetDialog::TargetDialog(QWidget *parent)
    : QDialog(parent), m_target(new QComboBox(this)), m_colorFormat(new QComboBox(this)),
      m_swapBytes(new QCheckBox(tr("Swap the bytes of RGB565 pixels (displays on SPI)"), this))
{
    setWindowTitle(tr("Export For"));
    const QString labels[] = {tr("LVGL 9 (C sources, .bin files, header and example)"),
                              tr("LVGL 8 (C sources, header and example)"),
                              tr("TFT sprites (RGB565 headers)"),
                              tr("FlightGear (2D instrument)"),
                              tr("Web page (HTML and ES module)"),
                              tr("Table (CSV and JSON)")};
    const QStringList names = targetNames();
    for (int i = 0; i < names.size(); ++i)
        m_target->addItem(labels[i], names.at(i));
    m_colorFormat->addItems(colorFormatNames());
    m_target->setObjectName(QStringLiteral("targetComboBox"));
    m_colorFormat->setObjectName(QStringLiteral("colorFormatComboBox"));
    m_swapBytes->setObjectName(QStringLiteral("swapBytesCheckBox"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Target:"), m_target);
    layout->addRow(tr("&Colour format:"), m_colorFormat);
    layout->addRow(QString(), m_swapBytes);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_target, &QComboBox::currentIndexChanged, this, &TargetDialog::refresh);
    connect(m_colorFormat, &QComboBox::currentIndexChanged, this, &TargetDialog::refresh);
    refresh();
}

void TargetDialog::refresh()
{
    const TargetOptions chosen = options();
    m_colorFormat->setEnabled(targetTakesColorFormat(chosen.kind));
    // LVGL 9 swaps the bytes of RGB565 only; its other formats have none to swap.
    const bool swappable = chosen.kind == TargetKind::Tft
        || (chosen.kind == TargetKind::Lvgl9 && chosen.colorFormat == LvglColorFormat::Rgb565);
    m_swapBytes->setEnabled(swappable);
    if (!swappable)
        m_swapBytes->setChecked(false);
}

TargetOptions TargetDialog::options() const
{
    TargetOptions chosen;
    (void)targetFromName(m_target->currentData().toString(), &chosen.kind);
    if (targetTakesColorFormat(chosen.kind))
        (void)colorFormatFromName(m_colorFormat->currentText(), &chosen.colorFormat);
    chosen.swapBytes = m_swapBytes->isEnabled() && m_swapBytes->isChecked();
    return chosen;
}
