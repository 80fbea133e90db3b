#include "app/window.h"

#include "render/renderarea.h"
#include "ui/colorbutton.h"

#include <QColorDialog>
#include <QFontDialog>

#include <iterator>

// Every binding slot sends its whole group of controls to the preview, then
// copies the editing copy into the layer selected in the list. The groups do
// not overlap, so an edit never disturbs another group's values.

void Window::angleChanged()
{
    renderArea->setAngles(gaugeStartAngleSpinBox->value(), gaugeAngleLengthSpinBox->value(),
                          gaugeBiasSpinBox->value(), biasTypeComboBox->currentIndex() != 0);
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::capsChanged()
{
    renderArea->setRoundCaps(roundedTickCapsCheckBox->isChecked(),
                             roundedArcCapsCheckBox->isChecked());
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::divisions1Changed()
{
    renderArea->setDivisions1(gaugeDivisions1SpinBox->value(),
                              gaugeDivisions1InnerRadiusSpinBox->value(),
                              gaugeDivisions1OuterRadiusSpinBox->value(),
                              gaugeDivisions1WidthSpinBox->value(),
                              widgetColor(gaugeDivisions1ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::divisions2Changed()
{
    renderArea->setDivisions2(gaugeDivisions2SpinBox->value(),
                              gaugeDivisions2InnerRadiusSpinBox->value(),
                              gaugeDivisions2OuterRadiusSpinBox->value(),
                              gaugeDivisions2WidthSpinBox->value(),
                              widgetColor(gaugeDivisions2ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::divisions3Changed()
{
    renderArea->setDivisions3(gaugeDivisions3SpinBox->value(),
                              gaugeDivisions3InnerRadiusSpinBox->value(),
                              gaugeDivisions3OuterRadiusSpinBox->value(),
                              gaugeDivisions3WidthSpinBox->value(),
                              widgetColor(gaugeDivisions3ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::arc1Changed()
{
    renderArea->setArc1(arc1StartAngleSpinBox->value(), arc1AngleLengthSpinBox->value(),
                        arc1RadiusSpinBox->value(), arc1WidthSpinBox->value(),
                        widgetColor(arc1ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::arc2Changed()
{
    renderArea->setArc2(arc2StartAngleSpinBox->value(), arc2AngleLengthSpinBox->value(),
                        arc2RadiusSpinBox->value(), arc2WidthSpinBox->value(),
                        widgetColor(arc2ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::arc3Changed()
{
    renderArea->setArc3(arc3StartAngleSpinBox->value(), arc3AngleLengthSpinBox->value(),
                        arc3RadiusSpinBox->value(), arc3WidthSpinBox->value(),
                        widgetColor(arc3ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::arc4Changed()
{
    renderArea->setArc4(arc4StartAngleSpinBox->value(), arc4AngleLengthSpinBox->value(),
                        arc4RadiusSpinBox->value(), arc4WidthSpinBox->value(),
                        widgetColor(arc4ColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::tickSettingsChanged()
{
    renderArea->setTickCounts(tickCountCheckBox->isChecked(), tickCountStartSpinBox->value(),
                              tickCountIncrementSpinBox->value(),
                              tickCountDecimalPlacesSpinBox->value(),
                              tickCountRadiusSpinBox->value(),
                              tickCountRotateCheckBox->isChecked(),
                              skipFirstTickCheckBox->isChecked(), tickCountFontButton->font(),
                              widgetColor(tickColorButton));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::tickDecimalsChanged()
{
    tickCountStartSpinBox->setDecimals(tickCountDecimalPlacesSpinBox->value());
    tickCountIncrementSpinBox->setDecimals(tickCountDecimalPlacesSpinBox->value());
    tickSettingsChanged();
}

namespace {

// The colour dialog answers an invalid colour when it is cancelled; the
// element then keeps the colour it had rather than turning black. The colour
// reaches the layer only through the button: the binding slot reads it back.
void pickColor(Window *window, QWidget *button, void (Window::*binding)())
{
    const QColor color = window->getColor();
    if (!color.isValid())
        return;
    setWidgetColor(button, color);
    (window->*binding)();
}

} // namespace

void Window::divisions1ColorChanged()
{
    pickColor(this, gaugeDivisions1ColorButton, &Window::divisions1Changed);
}

void Window::divisions2ColorChanged()
{
    pickColor(this, gaugeDivisions2ColorButton, &Window::divisions2Changed);
}

void Window::divisions3ColorChanged()
{
    pickColor(this, gaugeDivisions3ColorButton, &Window::divisions3Changed);
}

void Window::arc1ColorChanged()
{
    pickColor(this, arc1ColorButton, &Window::arc1Changed);
}

void Window::arc2ColorChanged()
{
    pickColor(this, arc2ColorButton, &Window::arc2Changed);
}

void Window::arc3ColorChanged()
{
    pickColor(this, arc3ColorButton, &Window::arc3Changed);
}

void Window::arc4ColorChanged()
{
    pickColor(this, arc4ColorButton, &Window::arc4Changed);
}

void Window::tickColorChanged()
{
    pickColor(this, tickColorButton, &Window::tickSettingsChanged);
}

void Window::tickFontButton()
{
    tickCountFontButton->setFont(getFont());
    tickSettingsChanged();
}

QColor Window::getColor()
{
    // Always opens on black, whatever the button shows.
    return QColorDialog::getColor(Qt::black, this, tr("Choose a Color"));
}

QFont Window::getFont()
{
    // A cancelled dialog hands back the initial font, so nothing changes.
    bool accepted = false;
    return QFontDialog::getFont(&accepted, tickCountFontButton->font(), this, QString());
}

void Window::blockWidgetSignals(bool inEnable)
{
    QObject *const controls[] = {
        gaugeStartAngleSpinBox, gaugeAngleLengthSpinBox, gaugeBiasSpinBox, biasTypeComboBox,
        roundedTickCapsCheckBox,
        gaugeDivisions1SpinBox, gaugeDivisions1InnerRadiusSpinBox,
        gaugeDivisions1OuterRadiusSpinBox, gaugeDivisions1WidthSpinBox,
        gaugeDivisions1ColorButton,
        gaugeDivisions2SpinBox, gaugeDivisions2InnerRadiusSpinBox,
        gaugeDivisions2OuterRadiusSpinBox, gaugeDivisions2WidthSpinBox,
        gaugeDivisions2ColorButton,
        gaugeDivisions3SpinBox, gaugeDivisions3InnerRadiusSpinBox,
        gaugeDivisions3OuterRadiusSpinBox, gaugeDivisions3WidthSpinBox,
        gaugeDivisions3ColorButton,
        roundedArcCapsCheckBox,
        arc1StartAngleSpinBox, arc1AngleLengthSpinBox, arc1RadiusSpinBox, arc1WidthSpinBox,
        arc1ColorButton,
        arc2StartAngleSpinBox, arc2AngleLengthSpinBox, arc2RadiusSpinBox, arc2WidthSpinBox,
        arc2ColorButton,
        arc3StartAngleSpinBox, arc3AngleLengthSpinBox, arc3RadiusSpinBox, arc3WidthSpinBox,
        arc3ColorButton,
        arc4StartAngleSpinBox, arc4AngleLengthSpinBox, arc4RadiusSpinBox, arc4WidthSpinBox,
        arc4ColorButton,
        tickCountRadiusSpinBox, tickCountDecimalPlacesSpinBox, tickCountStartSpinBox,
        tickCountIncrementSpinBox, tickCountFontButton, tickColorButton,
        tickCountRotateCheckBox, tickCountCheckBox, skipFirstTickCheckBox,
    };
    static_assert(std::size(controls) == 50, "every layer-editing control is listed once");
    for (QObject *control : controls)
        control->blockSignals(inEnable);
}

void Window::setActiveGauge()
{
    const gaugeData &gauge = renderArea->currentGauge;
    blockWidgetSignals(true);

    gaugeStartAngleSpinBox->setValue(gauge.startAngle);
    gaugeAngleLengthSpinBox->setValue(gauge.angleLength);
    gaugeBiasSpinBox->setValue(gauge.bias);
    biasTypeComboBox->setCurrentIndex(gauge.midpointBias ? 1 : 0);
    roundedTickCapsCheckBox->setChecked(gauge.roundedTickCaps);

    struct Level
    {
        QSpinBox *count;
        QDoubleSpinBox *inner, *outer, *width;
        QWidget *color;
    };
    const Level levels[] = {
        {gaugeDivisions1SpinBox, gaugeDivisions1InnerRadiusSpinBox,
         gaugeDivisions1OuterRadiusSpinBox, gaugeDivisions1WidthSpinBox,
         gaugeDivisions1ColorButton},
        {gaugeDivisions2SpinBox, gaugeDivisions2InnerRadiusSpinBox,
         gaugeDivisions2OuterRadiusSpinBox, gaugeDivisions2WidthSpinBox,
         gaugeDivisions2ColorButton},
        {gaugeDivisions3SpinBox, gaugeDivisions3InnerRadiusSpinBox,
         gaugeDivisions3OuterRadiusSpinBox, gaugeDivisions3WidthSpinBox,
         gaugeDivisions3ColorButton},
    };
    for (int i = 0; i < 3; ++i) {
        levels[i].count->setValue(gauge.divisionCount[i]);
        levels[i].inner->setValue(gauge.divisionInnerRadius[i]);
        levels[i].outer->setValue(gauge.divisionOuterRadius[i]);
        levels[i].width->setValue(gauge.divisionWidth[i]);
        setWidgetColor(levels[i].color, gauge.divisionColor[i]);
    }

    roundedArcCapsCheckBox->setChecked(gauge.roundedArcCaps);

    struct Arc
    {
        QDoubleSpinBox *start, *length, *radius, *width;
        QWidget *color;
    };
    const Arc arcs[] = {
        {arc1StartAngleSpinBox, arc1AngleLengthSpinBox, arc1RadiusSpinBox, arc1WidthSpinBox,
         arc1ColorButton},
        {arc2StartAngleSpinBox, arc2AngleLengthSpinBox, arc2RadiusSpinBox, arc2WidthSpinBox,
         arc2ColorButton},
        {arc3StartAngleSpinBox, arc3AngleLengthSpinBox, arc3RadiusSpinBox, arc3WidthSpinBox,
         arc3ColorButton},
        {arc4StartAngleSpinBox, arc4AngleLengthSpinBox, arc4RadiusSpinBox, arc4WidthSpinBox,
         arc4ColorButton},
    };
    for (int i = 0; i < 4; ++i) {
        arcs[i].start->setValue(gauge.arcStartAngle[i]);
        arcs[i].length->setValue(gauge.arcAngleLength[i]);
        arcs[i].radius->setValue(gauge.arcRadius[i]);
        arcs[i].width->setValue(gauge.arcWidth[i]);
        setWidgetColor(arcs[i].color, gauge.arcColor[i]);
    }

    tickCountRadiusSpinBox->setValue(gauge.tickCountRadius);
    tickCountDecimalPlacesSpinBox->setValue(gauge.tickCountDecimalPlaces);
    // The decimals first: a spin box rounds the value it is given to the
    // decimals it has at that moment.
    tickCountStartSpinBox->setDecimals(gauge.tickCountDecimalPlaces);
    tickCountIncrementSpinBox->setDecimals(gauge.tickCountDecimalPlaces);
    tickCountStartSpinBox->setValue(gauge.tickCountStart);
    tickCountIncrementSpinBox->setValue(gauge.tickCountIncrement);
    tickCountFontButton->setFont(gauge.tickCountFont);
    setWidgetColor(tickColorButton, gauge.tickCountColor);
    tickCountRotateCheckBox->setChecked(gauge.tickCountRotate);
    tickCountCheckBox->setChecked(gauge.tickCountEnabled);
    skipFirstTickCheckBox->setChecked(gauge.tickCountSkipFirst);

    blockWidgetSignals(false);
}
