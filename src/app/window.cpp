#include "app/window.h"

#include "render/renderarea.h"
#include "ui/colorbutton.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGridLayout>
#include <QNetworkAccessManager>

Window::Window(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    // The product page is a deployment setting shared with the update check.
    aboutLabel->setText(aboutLabel->text().arg(
        QStringLiteral(DIALWRIGHT_PRODUCT_URL).toHtmlEscaped()));

    renderArea = new RenderArea;
    addLayerItem(tr("Layer 1"));
    renderArea->layers.append(renderArea->defaultGauge());

    connect(gaugeStartAngleSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::angleChanged);
    connect(gaugeAngleLengthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::angleChanged);
    connect(gaugeBiasSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::angleChanged);
    connect(biasTypeComboBox, &QComboBox::activated, this, &Window::angleChanged);

    biasTypeComboBox->addItem(tr("Exponential"));
    biasTypeComboBox->addItem(tr("Midpoint"));

    connect(gaugeDivisions1SpinBox, &QSpinBox::valueChanged, this, &Window::divisions1Changed);
    connect(gaugeDivisions2SpinBox, &QSpinBox::valueChanged, this, &Window::divisions2Changed);
    connect(gaugeDivisions3SpinBox, &QSpinBox::valueChanged, this, &Window::divisions3Changed);
    connect(gaugeDivisions1InnerRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions1Changed);
    connect(gaugeDivisions2InnerRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions2Changed);
    connect(gaugeDivisions3InnerRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions3Changed);
    connect(gaugeDivisions1OuterRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions1Changed);
    connect(gaugeDivisions2OuterRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions2Changed);
    connect(gaugeDivisions3OuterRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions3Changed);
    connect(gaugeDivisions1WidthSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions1Changed);
    connect(gaugeDivisions2WidthSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions2Changed);
    connect(gaugeDivisions3WidthSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::divisions3Changed);

    connect(arc1StartAngleSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc1Changed);
    connect(arc2StartAngleSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc2Changed);
    connect(arc3StartAngleSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc3Changed);
    connect(arc4StartAngleSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc4Changed);
    connect(arc1AngleLengthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc1Changed);
    connect(arc2AngleLengthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc2Changed);
    connect(arc3AngleLengthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc3Changed);
    connect(arc4AngleLengthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc4Changed);
    connect(arc1RadiusSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc1Changed);
    connect(arc2RadiusSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc2Changed);
    connect(arc3RadiusSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc3Changed);
    connect(arc4RadiusSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc4Changed);
    connect(arc1WidthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc1Changed);
    connect(arc2WidthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc2Changed);
    connect(arc3WidthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc3Changed);
    connect(arc4WidthSpinBox, &QDoubleSpinBox::valueChanged, this, &Window::arc4Changed);

    connect(gaugeDivisions1ColorButton, &QAbstractButton::clicked, this,
            &Window::divisions1ColorChanged);
    connect(gaugeDivisions2ColorButton, &QAbstractButton::clicked, this,
            &Window::divisions2ColorChanged);
    connect(gaugeDivisions3ColorButton, &QAbstractButton::clicked, this,
            &Window::divisions3ColorChanged);
    connect(arc1ColorButton, &QAbstractButton::clicked, this, &Window::arc1ColorChanged);
    connect(arc2ColorButton, &QAbstractButton::clicked, this, &Window::arc2ColorChanged);
    connect(arc3ColorButton, &QAbstractButton::clicked, this, &Window::arc3ColorChanged);
    connect(arc4ColorButton, &QAbstractButton::clicked, this, &Window::arc4ColorChanged);

    connect(tickCountRadiusSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::tickSettingsChanged);
    connect(tickCountDecimalPlacesSpinBox, &QSpinBox::valueChanged, this,
            &Window::tickDecimalsChanged);
    connect(tickCountStartSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::tickSettingsChanged);
    connect(tickCountIncrementSpinBox, &QDoubleSpinBox::valueChanged, this,
            &Window::tickSettingsChanged);
    connect(tickCountFontButton, &QAbstractButton::clicked, this, &Window::tickFontButton);
    connect(tickColorButton, &QAbstractButton::clicked, this, &Window::tickColorChanged);
    connect(tickCountRotateCheckBox, &QAbstractButton::clicked, this,
            &Window::tickSettingsChanged);
    connect(tickCountCheckBox, &QAbstractButton::clicked, this, &Window::tickSettingsChanged);
    connect(skipFirstTickCheckBox, &QAbstractButton::clicked, this,
            &Window::tickSettingsChanged);
    connect(roundedTickCapsCheckBox, &QAbstractButton::clicked, this, &Window::capsChanged);
    connect(roundedArcCapsCheckBox, &QAbstractButton::clicked, this, &Window::capsChanged);

    connect(saveSVGButton, &QAbstractButton::clicked, this, &Window::saveSVG);
    connect(savePNGButton, &QAbstractButton::clicked, this, &Window::savePNG);
    connect(saveKeyFrameButton, &QAbstractButton::clicked, this, &Window::saveKeyframes);
    connect(presetComboBox, &QComboBox::activated, this, &Window::presetChanged);
    connect(saveButton, &QAbstractButton::clicked, this, &Window::saveGauge);
    connect(SaveLayerButton, &QAbstractButton::clicked, this, &Window::saveLayer);
    connect(loadButton, &QAbstractButton::clicked, this, &Window::loadGauge);

    // Row 0 is selected before the list is connected, so this runs no slot.
    layerList->setCurrentRow(0);
    layerList->setEditTriggers(QAbstractItemView::DoubleClicked
                               | QAbstractItemView::EditKeyPressed);

    connect(layerList, &QListWidget::currentItemChanged, this, &Window::layerChanged);
    connect(layerList, &QListWidget::itemChanged, this, &Window::layerRenamed);
    connect(AddLayerButton, &QAbstractButton::clicked, this, &Window::addLayer);
    connect(RemoveLayerButton, &QAbstractButton::clicked, this, &Window::removeLayer);
    connect(loadReferenceButton, &QAbstractButton::clicked, this, &Window::loadReference);
    connect(clearReferenceButton, &QAbstractButton::clicked, this, &Window::clearReference);
    connect(checkUpdatesButton, &QAbstractButton::clicked, this, [this] {
        manualUpdateCheck = true;
        checkForUpdates();
    });

    // Centred, the preview keeps its 512 x 512 size hint and lies exactly
    // over referenceLabel.
    auto *renderLayout = new QGridLayout;
    renderLayout->addWidget(renderArea, 0, 0, Qt::AlignCenter);
    RenderBox->setLayout(renderLayout);

    // Push the form's initial values into the editing copy. The colours are
    // fixed here rather than read back from the buttons.
    angleChanged();

    setWidgetColor(gaugeDivisions1ColorButton, Qt::white);
    setWidgetColor(gaugeDivisions2ColorButton, Qt::white);
    setWidgetColor(gaugeDivisions3ColorButton, Qt::white);
    renderArea->setDivisions1(gaugeDivisions1SpinBox->value(),
                              gaugeDivisions1InnerRadiusSpinBox->value(),
                              gaugeDivisions1OuterRadiusSpinBox->value(),
                              gaugeDivisions1WidthSpinBox->value(), Qt::white);
    renderArea->setDivisions2(gaugeDivisions2SpinBox->value(),
                              gaugeDivisions2InnerRadiusSpinBox->value(),
                              gaugeDivisions2OuterRadiusSpinBox->value(),
                              gaugeDivisions2WidthSpinBox->value(), Qt::white);
    renderArea->setDivisions3(gaugeDivisions3SpinBox->value(),
                              gaugeDivisions3InnerRadiusSpinBox->value(),
                              gaugeDivisions3OuterRadiusSpinBox->value(),
                              gaugeDivisions3WidthSpinBox->value(), Qt::white);

    setWidgetColor(arc4ColorButton, Qt::white);
    renderArea->setArc4(arc4StartAngleSpinBox->value(), arc4AngleLengthSpinBox->value(),
                        arc4RadiusSpinBox->value(), arc4WidthSpinBox->value(), Qt::white);

    setWidgetColor(tickColorButton, Qt::white);
    const QFont tickFont(QStringLiteral("Sans Serif"), 10, -1, false);
    // The font button is the label font's holder from the first edit on, so
    // it starts with the font the first layer gets.
    tickCountFontButton->setFont(tickFont);
    renderArea->setTickCounts(tickCountCheckBox->isChecked(), tickCountStartSpinBox->value(),
                              tickCountIncrementSpinBox->value(),
                              tickCountDecimalPlacesSpinBox->value(),
                              tickCountRadiusSpinBox->value(),
                              tickCountRotateCheckBox->isChecked(),
                              skipFirstTickCheckBox->isChecked(), tickFont, Qt::white);

    setWidgetColor(arc1ColorButton, Qt::green);
    renderArea->setArc1(arc1StartAngleSpinBox->value(), arc1AngleLengthSpinBox->value(),
                        arc1RadiusSpinBox->value(), arc1WidthSpinBox->value(), Qt::green);
    setWidgetColor(arc2ColorButton, Qt::yellow);
    renderArea->setArc2(arc2StartAngleSpinBox->value(), arc2AngleLengthSpinBox->value(),
                        arc2RadiusSpinBox->value(), arc2WidthSpinBox->value(), Qt::yellow);
    setWidgetColor(arc3ColorButton, Qt::red);
    renderArea->setArc3(arc3StartAngleSpinBox->value(), arc3AngleLengthSpinBox->value(),
                        arc3RadiusSpinBox->value(), arc3WidthSpinBox->value(), Qt::red);
    // Seen wherever no reference picture covers the label.
    setWidgetColor(referenceLabel, Qt::black);

    renderArea->setRoundCaps(roundedTickCapsCheckBox->isChecked(),
                             roundedArcCapsCheckBox->isChecked());
    renderArea->saveLayerData(layerList->currentRow());

    applicationDirectory = QCoreApplication::applicationDirPath();
    getPresetsFromFolder();
    setWindowTitle(QStringLiteral("Dialwright ") + QStringLiteral("2.2.0"));
    networkManager = new QNetworkAccessManager(this);
    checkForUpdates();
}
