#include "app/window.h"

#include "render/renderarea.h"
#include "ui/focusring.h"
#include "ui/labeltextedit.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>

#include <utility>

// What a screen reader says for each control of the form. The form's labels
// sit beside their fields and name them for the eye; here every control gets
// a name of its own, made from the name of its group and of its field, so
// that "Secondary ticks, inner radius" is told apart from the other two inner
// radii. The tool tips remain the controls' descriptions.

namespace {

// The widget that follows `label` in its layout: the next cell of its row in
// a grid, the next item in a box. That is where the form puts a label's
// field.
QWidget *fieldAfter(QLabel *label)
{
    QWidget *parent = label->parentWidget();
    if (!parent)
        return nullptr;
    for (QLayout *layout : parent->findChildren<QLayout *>()) {
        const int index = layout->indexOf(label);
        if (index < 0)
            continue;
        QLayoutItem *next = nullptr;
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            next = grid->itemAtPosition(row, column + columnSpan);
        } else if (qobject_cast<QBoxLayout *>(layout)) {
            next = layout->itemAt(index + 1);
        }
        return next ? next->widget() : nullptr;
    }
    return nullptr;
}

} // namespace

void Window::setUpAccessibility()
{
    // Every label is the buddy of the field after it, so assistive
    // technology can tell which label belongs to which field.
    for (QLabel *fieldLabel : findChildren<QLabel *>()) {
        QWidget *field = fieldAfter(fieldLabel);
        if (field && field->focusPolicy() != Qt::NoFocus && !fieldLabel->buddy())
            fieldLabel->setBuddy(field);
    }

    const QString levelNames[] = {tr("Primary ticks"), tr("Secondary ticks"), tr("Tertiary ticks")};
    const QString levelColorNames[] = {tr("Primary tick colour"), tr("Secondary tick colour"),
                                       tr("Tertiary tick colour")};
    // "Secondary ticks, inner radius": a group and one of its fields.
    auto fieldName = [](const QString &group, const QString &field) {
        return tr("%1, %2", "a group of controls, then one of its fields").arg(group, field);
    };
    for (int i = 0; i < int(levelControls.size()); ++i) {
        const LevelControls &c = levelControls[i];
        c.count->setAccessibleName(fieldName(levelNames[i], tr("divisions")));
        c.innerRadius->setAccessibleName(fieldName(levelNames[i], tr("inner radius")));
        c.outerRadius->setAccessibleName(fieldName(levelNames[i], tr("outer radius")));
        c.width->setAccessibleName(fieldName(levelNames[i], tr("line width")));
        c.color->setAccessibleName(levelColorNames[i]);
    }
    for (int i = 0; i < int(arcControls.size()); ++i) {
        const ArcControls &c = arcControls[i];
        const QString arc = tr("Arc %1").arg(i + 1);
        c.startAngle->setAccessibleName(fieldName(arc, tr("start angle")));
        c.angleLength->setAccessibleName(fieldName(arc, tr("length")));
        c.radius->setAccessibleName(fieldName(arc, tr("radius")));
        c.width->setAccessibleName(fieldName(arc, tr("line width")));
        c.color->setAccessibleName(tr("Arc %1 colour").arg(i + 1));
    }

    const QString labels = tr("Labels");
    const QString scale = tr("Scale");
    const QString text = tr("Text");
    const QString picture = tr("Picture");
    const std::pair<QWidget *, QString> names[] = {
        {gaugeStartAngleSpinBox, tr("Start angle")},
        {gaugeAngleLengthSpinBox, tr("Angle length")},
        {gaugeBiasSpinBox, tr("Bias")},
        {biasTypeComboBox, tr("Bias type")},
        {scaleControls.type, scale},
        {scaleControls.from, fieldName(scale, tr("from"))},
        {scaleControls.to, fieldName(scale, tr("to"))},
        {scaleControls.exponent, fieldName(scale, tr("exponent"))},
        {scaleControls.points, fieldName(scale, tr("calibration points"))},
        {presetComboBox, tr("Preset")},
        {saveButton, tr("Save gauge")},
        {loadButton, tr("Load gauge or preset")},
        {roundedTickCapsCheckBox, fieldName(tr("Ticks"), tr("rounded end caps"))},
        {roundedArcCapsCheckBox, fieldName(tr("Arcs"), tr("rounded end caps"))},
        {tickCountRadiusSpinBox, fieldName(labels, tr("radius"))},
        {tickCountStartSpinBox, fieldName(labels, tr("first value"))},
        {tickCountDecimalPlacesSpinBox, fieldName(labels, tr("decimal places"))},
        {tickCountIncrementSpinBox, fieldName(labels, tr("increment"))},
        {tickColorButton, tr("Label colour")},
        {tickCountFontButton, tr("Label font")},
        {pngSizeSpinBox, tr("Export size in pixels")},
        {renderArea, tr("Gauge preview")},
        {referenceLabel, tr("Reference picture")},
        {layerList, tr("Layers")},
        {menuBar, tr("Menu bar")},
        {faceControls.labelTexts, tr("Label texts")},
        {faceControls.elements, tr("Texts and pictures")},
        {faceControls.text, fieldName(text, tr("words"))},
        {faceControls.textX, fieldName(text, tr("X"))},
        {faceControls.textY, fieldName(text, tr("Y"))},
        {faceControls.textSize, fieldName(text, tr("size"))},
        {faceControls.textRotation, fieldName(text, tr("rotation"))},
        {faceControls.textFamily, fieldName(text, tr("font"))},
        {faceControls.textBold, fieldName(text, tr("bold"))},
        {faceControls.textItalic, fieldName(text, tr("italic"))},
        {faceControls.textAlign, fieldName(text, tr("alignment"))},
        {faceControls.textColor, tr("Text colour")},
        {faceControls.pictureX, fieldName(picture, tr("X"))},
        {faceControls.pictureY, fieldName(picture, tr("Y"))},
        {faceControls.pictureWidth, fieldName(picture, tr("width"))},
        {faceControls.pictureRotation, fieldName(picture, tr("rotation"))},
        {faceControls.pictureOpacity, fieldName(picture, tr("opacity"))},
    };
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(name);
    renderArea->setAccessibleDescription(
        tr("The gauge as it is drawn and exported. View > Inspect shows it enlarged."));

    // The coloured buttons show their colour and little else: a ring that
    // shows on any colour marks the one with the keyboard focus, and every
    // other button and check box alike.
    focusRing = new FocusRing(this);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        focusRing->watch(button);
}
