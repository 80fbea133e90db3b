#include "ui/scaleeditor.h"

#include "model/gaugedocument.h"
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

ScaleEditor::ScaleEditor(GaugeDocument *document, QWidget *form, QObject *parent)
    : LayerEditor(parent), m_document(document), m_form(form)
{
    setObjectName(QStringLiteral("scaleEditor"));
    auto *typeLabel = fieldLabel(tr("Scale:"), "scaleTypeLabel", form);
    m_type = new QComboBox(form);
    m_type->setObjectName(QStringLiteral("scaleTypeComboBox"));
    const std::pair<scaleType, QString> types[] = {
        {scaleType::even, tr("Even")},       {scaleType::log, tr("Logarithmic")},
        {scaleType::decibel, tr("Decibel")}, {scaleType::power, tr("Power")},
        {scaleType::table, tr("Table")},
    };
    for (const auto &[type, text] : types)
        m_type->addItem(text, int(type));
    m_type->setToolTip(tr("How values are laid along the span. Even spaces the ticks with the "
                          "bias; the other scales put each tick and label at its value and "
                          "leave the bias and the label start and increment unused."));

    m_fromLabel = fieldLabel(tr("From:"), "scaleFromLabel", form);
    m_from = new ScaleValueSpinBox(form);
    m_from->setObjectName(QStringLiteral("scaleFromSpinBox"));
    m_from->setToolTip(tr("Value at the start of the span (in dB on a decibel scale)"));
    m_toLabel = fieldLabel(tr("To:"), "scaleToLabel", form);
    m_to = new ScaleValueSpinBox(form);
    m_to->setObjectName(QStringLiteral("scaleToSpinBox"));
    m_to->setToolTip(tr("Value at the end of the span (in dB on a decibel scale)"));

    m_exponentLabel = fieldLabel(tr("Exponent:"), "scaleExponentLabel", form);
    auto *exponent = new ScaleValueSpinBox(form);
    exponent->setDecimals(3);
    exponent->setRange(0.01, 100.0);
    exponent->setSingleStep(0.1);
    m_exponent = exponent;
    m_exponent->setObjectName(QStringLiteral("scaleExponentSpinBox"));
    m_exponent->setToolTip(tr("Exponent of a power-law scale: 2 for a square-law meter "
                              "movement, 0.5 for its inverse"));

    m_points = new QPushButton(tr("Points..."), form);
    m_points->setObjectName(QStringLiteral("scalePointsButton"));
    m_points->setToolTip(tr("Edit the calibration table: the fraction of the span at which "
                            "each value stands"));

    const int iconSize = form->style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_problemIcon = new QLabel(form);
    m_problemIcon->setObjectName(QStringLiteral("scaleProblemIcon"));
    m_problemIcon->setPixmap(
        form->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    m_problem = fieldLabel(QString(), "scaleProblemLabel", form);
    const QString problemTip = tr("This scale cannot be drawn as it is, so the layer is drawn "
                                  "evenly, with its bias, until it is put right.");
    m_problemIcon->setToolTip(problemTip);
    m_problem->setToolTip(problemTip);

    // A bar of its own under the angle bar, indented like it.
    m_bar = new QHBoxLayout;
    m_bar->setObjectName(QStringLiteral("ScaleSettings"));
    m_bar->setContentsMargins(4, 0, 0, 0);
    m_bar->addWidget(typeLabel);
    m_bar->addWidget(m_type);
    for (QWidget *w : {static_cast<QWidget *>(m_fromLabel), static_cast<QWidget *>(m_from),
                       static_cast<QWidget *>(m_toLabel), static_cast<QWidget *>(m_to),
                       static_cast<QWidget *>(m_exponentLabel), static_cast<QWidget *>(m_exponent),
                       static_cast<QWidget *>(m_points)})
        m_bar->addWidget(w);
    m_bar->addSpacing(8);
    m_bar->addWidget(m_problemIcon);
    m_bar->addWidget(m_problem);
    m_bar->addStretch(1);

    const QSignalBlocker quiet(this);
    show(gaugeData());
}

QList<QWidget *> ScaleEditor::tabOrder() const
{
    return {m_type, m_from, m_to, m_exponent, m_points};
}

QList<EditorField> ScaleEditor::fields()
{
    const QString scale = tr("Scale");
    auto edited = [this] {
        valuesEdited();
    };
    return {
        {m_type, scale, scale,
         [this] {
             typeChosen();
         }},
        {m_from, tr("Scale From"), groupFieldName(scale, tr("from")), edited},
        {m_to, tr("Scale To"), groupFieldName(scale, tr("to")), edited},
        {m_exponent, tr("Scale Exponent"), groupFieldName(scale, tr("exponent")), edited},
        {m_points, tr("Scale Points"), groupFieldName(scale, tr("calibration points")),
         [this] {
             editPoints();
         }},
    };
}

void ScaleEditor::show(const gaugeData &layer)
{
    const valueScale &scale = layer.scale;
    m_type->setCurrentIndex(m_type->findData(int(scale.type))); // -1 for an unknown type
    m_from->setValue(scale.from);
    m_to->setValue(scale.to);
    m_exponent->setValue(scale.exponent);
    showDerived(layer);
}

// The fields a type uses, and why a scale cannot be drawn.
void ScaleEditor::showDerived(const gaugeData &layer)
{
    const valueScale &scale = layer.scale;
    const bool known = !scale.isEven() && scale.type != scaleType::unknown;
    for (QWidget *w : {static_cast<QWidget *>(m_fromLabel), static_cast<QWidget *>(m_from),
                       static_cast<QWidget *>(m_toLabel), static_cast<QWidget *>(m_to)})
        w->setVisible(known);
    m_exponentLabel->setVisible(scale.type == scaleType::power);
    m_exponent->setVisible(scale.type == scaleType::power);
    m_points->setVisible(scale.type == scaleType::table);

    const QString problem = ScaleMap(scale).problem();
    m_problem->setText(problem.isEmpty() ? QString()
                                         : tr("%1 The layer is drawn evenly.").arg(problem));
    m_problem->setVisible(!problem.isEmpty());
    m_problemIcon->setVisible(!problem.isEmpty());
}

void ScaleEditor::store(const valueScale &scale)
{
    gaugeData layer = m_document->currentLayer();
    layer.scale = scale;
    m_document->setLayer(m_document->currentRow(), layer, tr("Change Scale"));
}

void ScaleEditor::typeChosen()
{
    const auto type = scaleType(m_type->currentData().toInt());
    const valueScale &current = m_document->currentLayer().scale;
    // Picking the type the layer has is no edit: a scale kept as a file
    // wrote it stays as it is.
    if (type == current.type)
        return;
    const valueScale scale = scaleOfType(current, type);
    store(scale);
    // A new type brings its own From and To.
    const QSignalBlocker quietFrom(m_from);
    const QSignalBlocker quietTo(m_to);
    const QSignalBlocker quietExponent(m_exponent);
    m_from->setValue(scale.from);
    m_to->setValue(scale.to);
    m_exponent->setValue(scale.exponent);
}

void ScaleEditor::valuesEdited()
{
    valueScale scale = m_document->currentLayer().scale;
    scale.fileObject = QJsonObject();
    scale.from = m_from->value();
    scale.to = m_to->value();
    scale.exponent = m_exponent->value();
    store(scale);
}

void ScaleEditor::editPoints()
{
    ScalePointsDialog dialog(m_document->currentLayer().scale, m_form);
    if (dialog.exec() != QDialog::Accepted)
        return;
    valueScale scale = m_document->currentLayer().scale;
    scale.fileObject = QJsonObject();
    scale.points = dialog.points();
    store(scale);
}
