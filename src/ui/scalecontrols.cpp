#include "ui/scalecontrols.h"

#include "app/window.h"
#include "render/renderarea.h"
#include "render/scalemap.h"
#include "ui/scalepointsdialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

ScaleValueSpinBox::ScaleValueSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(6);
    setRange(-1e9, 1e9);
}

QString ScaleValueSpinBox::textFromValue(double value) const
{
    QString text = QDoubleSpinBox::textFromValue(value);
    const QString point = locale().decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

namespace {

QLabel *fieldLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

void Window::setUpScaleControls()
{
    ScaleControls &c = scaleControls;
    auto *typeLabel = fieldLabel(tr("Scale:"), "scaleTypeLabel", this);
    c.type = new QComboBox(this);
    c.type->setObjectName(QStringLiteral("scaleTypeComboBox"));
    const std::pair<scaleType, QString> types[] = {
        {scaleType::even, tr("Even")},       {scaleType::log, tr("Logarithmic")},
        {scaleType::decibel, tr("Decibel")}, {scaleType::power, tr("Power")},
        {scaleType::table, tr("Table")},
    };
    for (const auto &[type, text] : types)
        c.type->addItem(text, int(type));
    c.type->setToolTip(tr("How values are laid along the span. Even spaces the ticks with the "
                          "bias; the other scales put each tick and label at its value and "
                          "leave the bias and the label start and increment unused."));

    c.fromLabel = fieldLabel(tr("From:"), "scaleFromLabel", this);
    c.from = new ScaleValueSpinBox(this);
    c.from->setObjectName(QStringLiteral("scaleFromSpinBox"));
    c.from->setToolTip(tr("Value at the start of the span (in dB on a decibel scale)"));
    c.toLabel = fieldLabel(tr("To:"), "scaleToLabel", this);
    c.to = new ScaleValueSpinBox(this);
    c.to->setObjectName(QStringLiteral("scaleToSpinBox"));
    c.to->setToolTip(tr("Value at the end of the span (in dB on a decibel scale)"));

    c.exponentLabel = fieldLabel(tr("Exponent:"), "scaleExponentLabel", this);
    auto *exponent = new ScaleValueSpinBox(this);
    exponent->setDecimals(3);
    exponent->setRange(0.01, 100.0);
    exponent->setSingleStep(0.1);
    c.exponent = exponent;
    c.exponent->setObjectName(QStringLiteral("scaleExponentSpinBox"));
    c.exponent->setToolTip(tr("Exponent of a power-law scale: 2 for a square-law meter "
                              "movement, 0.5 for its inverse"));

    c.points = new QPushButton(tr("Points..."), this);
    c.points->setObjectName(QStringLiteral("scalePointsButton"));
    c.points->setToolTip(tr("Edit the calibration table: the fraction of the span at which "
                            "each value stands"));

    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    c.problemIcon = new QLabel(this);
    c.problemIcon->setObjectName(QStringLiteral("scaleProblemIcon"));
    c.problemIcon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    c.problem = fieldLabel(QString(), "scaleProblemLabel", this);
    const QString problemTip = tr("This scale cannot be drawn as it is, so the layer is drawn "
                                  "evenly, with its bias, until it is put right.");
    c.problemIcon->setToolTip(problemTip);
    c.problem->setToolTip(problemTip);

    // A bar of its own under the angle bar, indented like it.
    auto *bar = new QHBoxLayout;
    bar->setObjectName(QStringLiteral("ScaleSettings"));
    bar->setContentsMargins(4, 0, 0, 0);
    bar->addWidget(typeLabel);
    bar->addWidget(c.type);
    for (QWidget *w : {static_cast<QWidget *>(c.fromLabel), static_cast<QWidget *>(c.from),
                       static_cast<QWidget *>(c.toLabel), static_cast<QWidget *>(c.to),
                       static_cast<QWidget *>(c.exponentLabel), static_cast<QWidget *>(c.exponent),
                       static_cast<QWidget *>(c.points)})
        bar->addWidget(w);
    bar->addSpacing(8);
    bar->addWidget(c.problemIcon);
    bar->addWidget(c.problem);
    bar->addStretch(1);
    MainForm->insertLayout(MainForm->indexOf(MainBar) + 1, bar);

    // Right after the bias controls in the tab order.
    QWidget::setTabOrder(biasTypeComboBox, c.type);
    QWidget::setTabOrder(c.type, c.from);
    QWidget::setTabOrder(c.from, c.to);
    QWidget::setTabOrder(c.to, c.exponent);
    QWidget::setTabOrder(c.exponent, c.points);

    showScale(valueScale());
}

void Window::showScale(const valueScale &scale)
{
    const ScaleControls &c = scaleControls;
    const QSignalBlocker quietType(c.type);
    const QSignalBlocker quietFrom(c.from);
    const QSignalBlocker quietTo(c.to);
    const QSignalBlocker quietExponent(c.exponent);
    c.type->setCurrentIndex(c.type->findData(int(scale.type))); // -1 for an unknown type
    c.from->setValue(scale.from);
    c.to->setValue(scale.to);
    c.exponent->setValue(scale.exponent);

    const bool known = !scale.isEven() && scale.type != scaleType::unknown;
    for (QWidget *w : {static_cast<QWidget *>(c.fromLabel), static_cast<QWidget *>(c.from),
                       static_cast<QWidget *>(c.toLabel), static_cast<QWidget *>(c.to)})
        w->setVisible(known);
    c.exponentLabel->setVisible(scale.type == scaleType::power);
    c.exponent->setVisible(scale.type == scaleType::power);
    c.points->setVisible(scale.type == scaleType::table);

    const QString problem = ScaleMap(scale).problem();
    c.problem->setText(problem.isEmpty() ? QString()
                                         : tr("%1 The layer is drawn evenly.").arg(problem));
    c.problem->setVisible(!problem.isEmpty());
    c.problemIcon->setVisible(!problem.isEmpty());
}

void Window::scaleTypeChanged()
{
    const auto type = scaleType(scaleControls.type->currentData().toInt());
    // Picking the type the layer has is no edit: a scale kept as a file
    // wrote it stays as it is.
    if (type == renderArea->currentGauge.scale.type)
        return;
    const valueScale scale = scaleOfType(renderArea->currentGauge.scale, type);
    renderArea->setScale(scale);
    renderArea->saveLayerData(layerList->currentRow());
    showScale(scale);
}

void Window::scaleChanged()
{
    valueScale scale = renderArea->currentGauge.scale;
    scale.fileObject = QJsonObject();
    scale.from = scaleControls.from->value();
    scale.to = scaleControls.to->value();
    scale.exponent = scaleControls.exponent->value();
    renderArea->setScale(scale);
    renderArea->saveLayerData(layerList->currentRow());
    showScale(scale);
}

void Window::scalePointsChanged()
{
    ScalePointsDialog dialog(renderArea->currentGauge.scale, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    valueScale scale = renderArea->currentGauge.scale;
    scale.fileObject = QJsonObject();
    scale.points = dialog.points();
    renderArea->setScale(scale);
    renderArea->saveLayerData(layerList->currentRow());
    showScale(scale);
}
