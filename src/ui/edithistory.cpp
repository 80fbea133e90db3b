#include "app/window.h"

#include "model/gaugeeditcommand.h"
#include "render/renderarea.h"
#include "ui/faceoverlay.h"
#include "ui/labeltextedit.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUndoStack>

// The undo history keeps whole snapshots of the gauge. `recordedGauge` is
// the gauge as the last step left it; a step compares the gauge after the
// change with it, so every road that changes the gauge (a control, the layer
// list, a load) is recorded the same way, and a change that changes nothing
// leaves no step.

namespace {

// A gauge is small; 500 steps of even a ten-layer gauge are a few megabytes.
constexpr int undoLimit = 1000;

} // namespace

void Window::setUpHistory()
{
    undoStack = new QUndoStack(this);
    undoStack->setUndoLimit(undoLimit);
    connect(undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    startHistory();

    // Every layer-editing spin box passes the Undo and Redo keys on to the
    // window's actions, rather than to the undo of its own line edit.
    for (QObject *control : layerEditingControls()) {
        if (auto *spinBox = qobject_cast<QAbstractSpinBox *>(control)) {
            spinBox->installEventFilter(this);
            for (QLineEdit *edit : spinBox->findChildren<QLineEdit *>())
                edit->installEventFilter(this);
            // Typing a value and pressing Enter, or leaving the box, ends
            // the run of edits that merge into one step.
            connect(spinBox, &QAbstractSpinBox::editingFinished, this, &Window::endEditRun);
        }
    }
    // Selecting a layer is no step, but the next step starts from it, and an
    // undo shows the layer that it changes.
    connect(layerList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (stepDepth > 0)
            return;
        recordedGauge.currentRow = row;
        endEditRun();
        updateLayerActions();
    });
}

void Window::startHistory()
{
    undoStack->clear();
    recordedGauge = snapshot();
    endEditRun();
    updateWindowTitle();
    updateLayerActions();
}

GaugeSnapshot Window::snapshot() const
{
    GaugeSnapshot gauge;
    gauge.currentRow = layerList->currentRow();
    for (int i = 0; i < layerList->count() && i < renderArea->layers.size(); ++i)
        gauge.layers.append(namedLayer{layerList->item(i)->text(), renderArea->layers.at(i)});
    return gauge;
}

void Window::applySnapshot(const GaugeSnapshot &gauge)
{
    {
        // Names are shown exactly as stored, with no rename handling.
        const QSignalBlocker quietList(layerList);
        while (layerList->count() > gauge.layers.size())
            delete layerList->takeItem(layerList->count() - 1);
        renderArea->layers.clear();
        for (int i = 0; i < gauge.layers.size(); ++i) {
            const namedLayer &layer = gauge.layers.at(i);
            if (i < layerList->count())
                setLayerItemName(layerList->item(i), layer.name);
            else
                addLayerItem(layer.name);
            renderArea->layers.append(layer.data);
        }
        layerList->setCurrentRow(gauge.currentRow);
    }
    renderArea->loadLayer(gauge.currentRow);
    setActiveGauge();
    renderArea->manualRedraw();
    updateLayerActions();
}

void Window::beginEditStep(const QString &text, int mergeKey)
{
    if (stepDepth++ > 0)
        return;
    stepText = text;
    stepMergeKey = mergeKey;
}

void Window::endEditStep()
{
    if (stepDepth <= 0 || --stepDepth > 0 || !undoStack)
        return;
    updateLayerActions();
    // Which tick each label text labels may have changed.
    faceControls.labelTexts->setHints(labelHints());
    const GaugeSnapshot after = snapshot();
    if (after.sameLayers(recordedGauge)) {
        recordedGauge.currentRow = after.currentRow;
        return;
    }
    auto *step = new GaugeEditCommand(
        stepText, recordedGauge, after,
        [this](const GaugeSnapshot &gauge) {
            applySnapshot(gauge);
            recordedGauge = gauge;
            endEditRun();
            // The preset box names a preset only right after it was loaded.
            presetComboBox->setCurrentIndex(-1);
        },
        stepMergeKey, editRun);
    recordedGauge = after;
    undoStack->push(step);
}

void Window::endEditRun()
{
    ++editRun;
}

QString Window::controlStepName(const QObject *control) const
{
    static const char *const levelNames[] = {QT_TR_NOOP("Primary"), QT_TR_NOOP("Secondary"),
                                             QT_TR_NOOP("Tertiary")};
    for (int i = 0; i < int(levelControls.size()); ++i) {
        const LevelControls &c = levelControls[i];
        const QString level = tr(levelNames[i]);
        if (control == c.count)
            return tr("%1 Count").arg(level);
        if (control == c.innerRadius)
            return tr("%1 Inner Radius").arg(level);
        if (control == c.outerRadius)
            return tr("%1 Outer Radius").arg(level);
        if (control == c.width)
            return tr("%1 Line Width").arg(level);
        if (control == c.color)
            return tr("%1 Color").arg(level);
    }
    for (int i = 0; i < int(arcControls.size()); ++i) {
        const ArcControls &c = arcControls[i];
        if (control == c.startAngle)
            return tr("Arc %1 Start").arg(i + 1);
        if (control == c.angleLength)
            return tr("Arc %1 Length").arg(i + 1);
        if (control == c.radius)
            return tr("Arc %1 Radius").arg(i + 1);
        if (control == c.width)
            return tr("Arc %1 Line Width").arg(i + 1);
        if (control == c.color)
            return tr("Arc %1 Color").arg(i + 1);
    }
    const std::pair<const QObject *, QString> others[] = {
        {gaugeStartAngleSpinBox, tr("Start Angle")},
        {gaugeAngleLengthSpinBox, tr("Angle Length")},
        {gaugeBiasSpinBox, tr("Bias")},
        {biasTypeComboBox, tr("Bias Type")},
        {roundedTickCapsCheckBox, tr("Rounded Tick Caps")},
        {roundedArcCapsCheckBox, tr("Rounded Arc Caps")},
        {tickCountRadiusSpinBox, tr("Tick Count Radius")},
        {tickCountStartSpinBox, tr("Tick Count Start")},
        {tickCountDecimalPlacesSpinBox, tr("Tick Count Decimal Places")},
        {tickCountIncrementSpinBox, tr("Tick Count Increment")},
        {tickCountFontButton, tr("Tick Count Font")},
        {tickColorButton, tr("Tick Count Color")},
        {tickCountCheckBox, tr("Show Tick Counts")},
        {tickCountRotateCheckBox, tr("Rotate Tick Counts")},
        {skipFirstTickCheckBox, tr("Skip First Tick")},
        {scaleControls.type, tr("Scale")},
        {scaleControls.from, tr("Scale From")},
        {scaleControls.to, tr("Scale To")},
        {scaleControls.exponent, tr("Scale Exponent")},
        {scaleControls.points, tr("Scale Points")},
        {faceControls.labelTexts, tr("Label Texts")},
        {faceControls.text, tr("Text")},
        {faceControls.textX, tr("Text X")},
        {faceControls.textY, tr("Text Y")},
        {faceControls.textSize, tr("Text Size")},
        {faceControls.textRotation, tr("Text Rotation")},
        {faceControls.textFamily, tr("Text Font")},
        {faceControls.textBold, tr("Text Bold")},
        {faceControls.textItalic, tr("Text Italic")},
        {faceControls.textAlign, tr("Text Alignment")},
        {faceControls.textColor, tr("Text Color")},
        {faceControls.pictureX, tr("Picture X")},
        {faceControls.pictureY, tr("Picture Y")},
        {faceControls.pictureWidth, tr("Picture Width")},
        {faceControls.pictureRotation, tr("Picture Rotation")},
        {faceControls.pictureOpacity, tr("Picture Opacity")},
        {faceControls.pictureReplace, tr("Picture")},
    };
    for (const auto &[widget, name] : others)
        if (control == widget)
            return name;
    return QString();
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    // Typing in a text of the face ends its run of edits when the text is
    // left, as leaving a spin box does.
    if (event->type() == QEvent::FocusOut
        && (watched == faceControls.labelTexts || watched == faceControls.text))
        endEditRun();
    // A spin box's line edit claims Ctrl+Z and friends for its own text
    // undo, which would undo keystrokes the gauge has already taken. Left
    // unclaimed, the keys reach the window's Undo and Redo.
    if (event->type() == QEvent::ShortcutOverride && undoAction && redoAction) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : {undoAction, redoAction})
            if (action->shortcuts().contains(pressed))
                return true;
    }
    return QWidget::eventFilter(watched, event);
}
