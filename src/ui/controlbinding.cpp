#include "app/window.h"

#include "render/renderarea.h"
#include "ui/colorbutton.h"
#include "ui/faceoverlay.h"
#include "ui/labeltextedit.h"

#include <QColorDialog>
#include <QFontComboBox>
#include <QFontDialog>
#include <QSignalBlocker>

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

void Window::levelChanged(int level)
{
    const LevelControls &c = levelControls[level];
    renderArea->setDivisions(level, c.count->value(), c.innerRadius->value(),
                             c.outerRadius->value(), c.width->value(), widgetColor(c.color));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::arcChanged(int arc)
{
    const ArcControls &c = arcControls[arc];
    renderArea->setArc(arc, c.startAngle->value(), c.angleLength->value(), c.radius->value(),
                       c.width->value(), widgetColor(c.color));
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::divisions1Changed()
{
    levelChanged(0);
}

void Window::divisions2Changed()
{
    levelChanged(1);
}

void Window::divisions3Changed()
{
    levelChanged(2);
}

void Window::arc1Changed()
{
    arcChanged(0);
}

void Window::arc2Changed()
{
    arcChanged(1);
}

void Window::arc3Changed()
{
    arcChanged(2);
}

void Window::arc4Changed()
{
    arcChanged(3);
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

// The colour dialog opens on the element's colour, and answers an invalid
// colour when it is cancelled; the element then keeps the colour it had
// rather than turning black. The colour reaches the layer only through the
// button: the binding slot reads it back.
void pickColor(Window *window, QWidget *button, WindowSlot binding)
{
    const QColor color = window->getColor(widgetColor(button));
    if (!color.isValid())
        return;
    setWidgetColor(button, color);
    (window->*binding)();
}

} // namespace

void Window::divisions1ColorChanged()
{
    pickColor(this, levelControls[0].color, levelControls[0].changed);
}

void Window::divisions2ColorChanged()
{
    pickColor(this, levelControls[1].color, levelControls[1].changed);
}

void Window::divisions3ColorChanged()
{
    pickColor(this, levelControls[2].color, levelControls[2].changed);
}

void Window::arc1ColorChanged()
{
    pickColor(this, arcControls[0].color, arcControls[0].changed);
}

void Window::arc2ColorChanged()
{
    pickColor(this, arcControls[1].color, arcControls[1].changed);
}

void Window::arc3ColorChanged()
{
    pickColor(this, arcControls[2].color, arcControls[2].changed);
}

void Window::arc4ColorChanged()
{
    pickColor(this, arcControls[3].color, arcControls[3].changed);
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

QColor Window::getColor(const QColor &initial)
{
    return QColorDialog::getColor(initial, this, tr("Choose a Color"));
}

QFont Window::getFont()
{
    // A cancelled dialog hands back the initial font, so nothing changes.
    bool accepted = false;
    return QFontDialog::getFont(&accepted, tickCountFontButton->font(), this, QString());
}

QList<FormConnection> Window::formConnections() const
{
    QList<FormConnection> rows{
        {gaugeStartAngleSpinBox, &Window::angleChanged},
        {gaugeAngleLengthSpinBox, &Window::angleChanged},
        {gaugeBiasSpinBox, &Window::angleChanged},
        {biasTypeComboBox, &Window::angleChanged},
        {scaleControls.type, &Window::scaleTypeChanged},
        {scaleControls.from, &Window::scaleChanged},
        {scaleControls.to, &Window::scaleChanged},
        {scaleControls.exponent, &Window::scaleChanged},
        {scaleControls.points, &Window::scalePointsChanged},
    };
    // Field by field, each for every group in turn.
    auto eachLevel = [&](auto field) {
        for (const LevelControls &level : levelControls)
            rows.append({level.*field, level.changed});
    };
    auto eachArc = [&](auto field) {
        for (const ArcControls &arc : arcControls)
            rows.append({arc.*field, arc.changed});
    };
    eachLevel(&LevelControls::count);
    eachLevel(&LevelControls::innerRadius);
    eachLevel(&LevelControls::outerRadius);
    eachLevel(&LevelControls::width);
    eachArc(&ArcControls::startAngle);
    eachArc(&ArcControls::angleLength);
    eachArc(&ArcControls::radius);
    eachArc(&ArcControls::width);
    for (const LevelControls &level : levelControls)
        rows.append({level.color, level.colorChanged});
    for (const ArcControls &arc : arcControls)
        rows.append({arc.color, arc.colorChanged});

    rows += QList<FormConnection>{
        {tickCountRadiusSpinBox, &Window::tickSettingsChanged},
        {tickCountDecimalPlacesSpinBox, &Window::tickDecimalsChanged},
        {tickCountStartSpinBox, &Window::tickSettingsChanged},
        {tickCountIncrementSpinBox, &Window::tickSettingsChanged},
        {tickCountFontButton, &Window::tickFontButton},
        {tickColorButton, &Window::tickColorChanged},
        {tickCountRotateCheckBox, &Window::tickSettingsChanged},
        {tickCountCheckBox, &Window::tickSettingsChanged},
        {skipFirstTickCheckBox, &Window::tickSettingsChanged},
        {roundedTickCapsCheckBox, &Window::capsChanged},
        {roundedArcCapsCheckBox, &Window::capsChanged},
        {saveSVGButton, &Window::saveSVG},
        {savePNGButton, &Window::savePNG},
        {saveKeyFrameButton, &Window::saveKeyframes},
        {presetComboBox, &Window::presetChanged},
        {saveButton, &Window::saveGauge},
        {SaveLayerButton, &Window::saveLayer},
        {loadButton, &Window::loadGauge},
    };
    // The face section, field by field.
    const FaceControls &f = faceControls;
    rows.append({f.labelTexts, &Window::labelTextsChanged});
    for (QObject *field : QList<QObject *>{f.text, f.textX, f.textY, f.textSize, f.textRotation,
                                           f.textFamily, f.textBold, f.textItalic, f.textAlign})
        rows.append({field, &Window::faceTextChanged});
    rows.append({f.textColor, &Window::faceTextColorChanged});
    for (QObject *field : QList<QObject *>{f.pictureX, f.pictureY, f.pictureWidth,
                                           f.pictureRotation, f.pictureOpacity})
        rows.append({field, &Window::facePictureChanged});
    rows.append({f.pictureReplace, &Window::replaceFacePicture});
    return rows;
}

QList<QObject *> Window::layerEditingControls() const
{
    QList<QObject *> controls{gaugeStartAngleSpinBox, gaugeAngleLengthSpinBox, gaugeBiasSpinBox,
                              biasTypeComboBox, roundedTickCapsCheckBox, roundedArcCapsCheckBox};
    for (const LevelControls &c : levelControls)
        controls += {c.count, c.innerRadius, c.outerRadius, c.width, c.color};
    for (const ArcControls &c : arcControls)
        controls += {c.startAngle, c.angleLength, c.radius, c.width, c.color};
    controls += {tickCountRadiusSpinBox, tickCountDecimalPlacesSpinBox, tickCountStartSpinBox,
                 tickCountIncrementSpinBox, tickCountFontButton, tickColorButton,
                 tickCountRotateCheckBox, tickCountCheckBox, skipFirstTickCheckBox};
    // Added last, so the controls above keep their places (and merge keys).
    controls += {scaleControls.type, scaleControls.from, scaleControls.to, scaleControls.exponent,
                 scaleControls.points};
    // Then the face section's, the preview's overlay (which drags elements)
    // last.
    const FaceControls &f = faceControls;
    controls += {f.labelTexts,     f.text,           f.textX,    f.textY,        f.textSize,
                 f.textRotation,   f.textFamily,     f.textBold, f.textItalic,   f.textAlign,
                 f.textColor,      f.pictureX,       f.pictureY, f.pictureWidth, f.pictureRotation,
                 f.pictureOpacity, f.pictureReplace, f.overlay};
    return controls;
}

std::vector<QSignalBlocker> Window::blockFormSignals() const
{
    const QList<QObject *> controls = layerEditingControls();
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(controls.size());
    for (QObject *control : controls)
        blockers.emplace_back(control);
    return blockers;
}

void Window::blockWidgetSignals(bool inEnable)
{
    for (QObject *control : layerEditingControls())
        control->blockSignals(inEnable);
}

void Window::setActiveGauge()
{
    const gaugeData &gauge = renderArea->currentGauge;
    const auto blocked = blockFormSignals();

    gaugeStartAngleSpinBox->setValue(gauge.startAngle);
    gaugeAngleLengthSpinBox->setValue(gauge.angleLength);
    gaugeBiasSpinBox->setValue(gauge.bias);
    biasTypeComboBox->setCurrentIndex(gauge.midpointBias ? 1 : 0);
    roundedTickCapsCheckBox->setChecked(gauge.roundedTickCaps);

    for (int i = 0; i < int(levelControls.size()); ++i) {
        const LevelControls &c = levelControls[i];
        c.count->setValue(gauge.divisionCount[i]);
        c.innerRadius->setValue(gauge.divisionInnerRadius[i]);
        c.outerRadius->setValue(gauge.divisionOuterRadius[i]);
        c.width->setValue(gauge.divisionWidth[i]);
        setWidgetColor(c.color, gauge.divisionColor[i]);
    }

    roundedArcCapsCheckBox->setChecked(gauge.roundedArcCaps);

    for (int i = 0; i < int(arcControls.size()); ++i) {
        const ArcControls &c = arcControls[i];
        c.startAngle->setValue(gauge.arcStartAngle[i]);
        c.angleLength->setValue(gauge.arcAngleLength[i]);
        c.radius->setValue(gauge.arcRadius[i]);
        c.width->setValue(gauge.arcWidth[i]);
        setWidgetColor(c.color, gauge.arcColor[i]);
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
    showScale(gauge.scale);
    showFace();
}
