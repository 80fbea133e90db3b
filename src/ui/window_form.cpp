#include "app/window_p.h"

#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/arceditor.h"
#include "ui/colorbutton.h"
#include "ui/faceeditor.h"
#include "ui/fontbutton.h"
#include "ui/labeleditor.h"
#include "ui/needleeditor.h"
#include "ui/scaleeditor.h"
#include "ui/spaneditor.h"
#include "ui/tickleveleditor.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QAction>
#include <QColorDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <vector>

// The form is a set of editors over the document's current layer. An edit
// of a control runs the window's slot for its group (the numbered slots
// forward one group's values), which writes the group into the current
// layer through the document, as one undo step named after the control. The
// form shows the document again whenever it changes other than by the
// user's typing: another layer selected, an undo, a load.

namespace {

// Connects the signal a control reports its edits with (see EditorField)
// to a function object of the window.
template<typename Receiver>
void connectEdit(QObject *sender, Window *window, Receiver receiver)
{
    if (auto *spinBox = qobject_cast<QDoubleSpinBox *>(sender))
        QObject::connect(spinBox, &QDoubleSpinBox::valueChanged, window, receiver);
    else if (auto *intSpinBox = qobject_cast<QSpinBox *>(sender))
        QObject::connect(intSpinBox, &QSpinBox::valueChanged, window, receiver);
    else if (auto *comboBox = qobject_cast<QComboBox *>(sender))
        QObject::connect(comboBox, &QComboBox::activated, window, receiver);
    else if (auto *button = qobject_cast<QAbstractButton *>(sender))
        QObject::connect(button, &QAbstractButton::clicked, window, receiver);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(sender))
        QObject::connect(text, &QPlainTextEdit::textChanged, window, receiver);
    else if (auto *line = qobject_cast<QLineEdit *>(sender))
        QObject::connect(line, &QLineEdit::textEdited, window, receiver);
    else
        Q_UNREACHABLE();
}

// A control whose edits come one keystroke or arrow press at a time; a
// run of them is one undo step.
bool isTyped(const QObject *control)
{
    return qobject_cast<const QAbstractSpinBox *>(control)
        || qobject_cast<const QPlainTextEdit *>(control)
        || qobject_cast<const QLineEdit *>(control);
}

} // namespace

void Window::setUpEditors()
{
    Ui::Window &f = d->form;
    d->span = new SpanEditor(
        {f.gaugeStartAngleSpinBox, f.gaugeAngleLengthSpinBox, f.gaugeBiasSpinBox,
         f.biasTypeComboBox},
        [this] { angleChanged(); }, this);
    d->caps = new CapsEditor(
        {f.roundedTickCapsCheckBox, f.roundedArcCapsCheckBox}, [this] { capsChanged(); }, this);
    using LevelSlot = void (Window::*)();
    const std::array<TickLevelEditor::Controls, 3> levels{{
        {f.gaugeDivisions1SpinBox, f.gaugeDivisions1InnerRadiusSpinBox,
         f.gaugeDivisions1OuterRadiusSpinBox, f.gaugeDivisions1WidthSpinBox,
         f.gaugeDivisions1ColorButton},
        {f.gaugeDivisions2SpinBox, f.gaugeDivisions2InnerRadiusSpinBox,
         f.gaugeDivisions2OuterRadiusSpinBox, f.gaugeDivisions2WidthSpinBox,
         f.gaugeDivisions2ColorButton},
        {f.gaugeDivisions3SpinBox, f.gaugeDivisions3InnerRadiusSpinBox,
         f.gaugeDivisions3OuterRadiusSpinBox, f.gaugeDivisions3WidthSpinBox,
         f.gaugeDivisions3ColorButton},
    }};
    const LevelSlot levelSlots[] = {&Window::divisions1Changed, &Window::divisions2Changed,
                                    &Window::divisions3Changed};
    const LevelSlot levelColorSlots[] = {&Window::divisions1ColorChanged,
                                         &Window::divisions2ColorChanged,
                                         &Window::divisions3ColorChanged};
    for (int i = 0; i < 3; ++i)
        d->levels[i] = new TickLevelEditor(
            i, levels[i], [this, slot = levelSlots[i]] { (this->*slot)(); },
            [this, slot = levelColorSlots[i]] { (this->*slot)(); }, this);
    const std::array<ArcEditor::Controls, 4> arcs{{
        {f.arc1StartAngleSpinBox, f.arc1AngleLengthSpinBox, f.arc1RadiusSpinBox, f.arc1WidthSpinBox,
         f.arc1ColorButton},
        {f.arc2StartAngleSpinBox, f.arc2AngleLengthSpinBox, f.arc2RadiusSpinBox, f.arc2WidthSpinBox,
         f.arc2ColorButton},
        {f.arc3StartAngleSpinBox, f.arc3AngleLengthSpinBox, f.arc3RadiusSpinBox, f.arc3WidthSpinBox,
         f.arc3ColorButton},
        {f.arc4StartAngleSpinBox, f.arc4AngleLengthSpinBox, f.arc4RadiusSpinBox, f.arc4WidthSpinBox,
         f.arc4ColorButton},
    }};
    const LevelSlot arcSlots[] = {&Window::arc1Changed, &Window::arc2Changed, &Window::arc3Changed,
                                  &Window::arc4Changed};
    const LevelSlot arcColorSlots[] = {&Window::arc1ColorChanged, &Window::arc2ColorChanged,
                                       &Window::arc3ColorChanged, &Window::arc4ColorChanged};
    for (int i = 0; i < 4; ++i)
        d->arcs[i] = new ArcEditor(
            i, arcs[i], [this, slot = arcSlots[i]] { (this->*slot)(); },
            [this, slot = arcColorSlots[i]] { (this->*slot)(); }, this);
    d->labels =
        new LabelEditor({f.tickCountRadiusSpinBox, f.tickCountDecimalPlacesSpinBox,
                         f.tickCountStartSpinBox, f.tickCountIncrementSpinBox,
                         f.tickCountFontButton, f.tickColorButton, f.tickCountRotateCheckBox,
                         f.tickCountCheckBox, f.skipFirstTickCheckBox},
                        {[this] { tickSettingsChanged(); }, [this] { tickDecimalsChanged(); },
                         [this] { tickFontButton(); },
                         [this] {
                             tickColorChanged();
                         }},
                        this);

    // The scale in a bar of its own under the angle bar, right after the
    // bias in the tab order.
    d->scale = new ScaleEditor(d->document, this, this);
    f.MainForm->insertLayout(f.MainForm->indexOf(f.MainBar) + 1, d->scale->bar());
    QWidget *previous = f.biasTypeComboBox;
    for (QWidget *w : d->scale->tabOrder()) {
        setTabOrder(previous, w);
        previous = w;
    }

    // The face under the layer list, in the column it shares with it; the
    // list takes what height is left.
    d->face = new FaceEditor(d->document, this, renderArea,
                             {[this](const QColor &initial) { return getColor(initial); },
                              [this] {
                                  return fileDialogFolder();
                              }},
                             this);
    auto *column = new QVBoxLayout;
    column->setObjectName(QStringLiteral("LayerColumn"));
    column->setSpacing(2);
    f.MainLayout->removeWidget(f.Layers);
    column->addWidget(f.Layers, 1);
    QTabWidget *sections = makeLayerSections();
    column->addWidget(sections);
    f.MainLayout->addLayout(column, 0, 3);
    // After the layer buttons in the tab order, as they stand on the screen;
    // the tabs that switch the sections after them.
    previous = f.SaveLayerButton;
    for (QWidget *w : d->face->tabOrder() + d->needles->tabOrder()
             + QList<QWidget *>{sections->tabBar(), f.presetComboBox}) {
        setTabOrder(previous, w);
        previous = w;
    }

    d->editors = {d->span, d->caps};
    for (TickLevelEditor *level : d->levels)
        d->editors.append(level);
    for (ArcEditor *arc : d->arcs)
        d->editors.append(arc);
    d->editors += {d->labels, d->scale, d->face, d->needles};
    for (LayerEditor *editor : std::as_const(d->editors))
        for (const EditorField &field : editor->fields())
            d->editingControls.append(field.control);
    d->face->setMoveMergeKey(int(d->editingControls.size()));
    d->needles->setSliderMergeKey(int(d->editingControls.size()) + 1);
    setUpNeedleExport();
}

void Window::connectForm()
{
    // The form's own order: the span and the scale; the tick levels and
    // arcs field by field, each for every group in turn; the labels, the
    // caps, the buttons of the file bar; the face.
    QList<EditorField> rows = d->span->fields() + d->scale->fields();
    for (int field = 0; field < 4; ++field)
        for (TickLevelEditor *level : d->levels)
            rows.append(level->fields().at(field));
    for (int field = 0; field < 4; ++field)
        for (ArcEditor *arc : d->arcs)
            rows.append(arc->fields().at(field));
    for (TickLevelEditor *level : d->levels)
        rows.append(level->fields().at(4));
    for (ArcEditor *arc : d->arcs)
        rows.append(arc->fields().at(4));
    rows += d->labels->fields() + d->caps->fields();

    for (const EditorField &row :
         std::as_const(rows) + d->face->fields() + d->needles->fields()) {
        if (!row.edited)
            continue;
        // The slot's work, and whatever it sets off, is one undo step.
        // Steps of one spin box or text merge while the user keeps at it; a
        // colour, a font, a choice or a check is a step of its own.
        const int mergeKey =
            isTyped(row.control) ? int(d->editingControls.indexOf(row.control)) : -1;
        const QString text = tr("Change %1").arg(row.stepName);
        connectEdit(row.control, this, [this, text, mergeKey] {
            ++d->editDepth;
            d->document->beginStep(text, mergeKey);
        });
        connectEdit(row.control, this, row.edited);
        connectEdit(row.control, this, [this] {
            d->document->endStep();
            --d->editDepth;
        });
    }

    Ui::Window &f = d->form;
    connect(f.saveSVGButton, &QAbstractButton::clicked, this, &Window::saveSVG);
    connect(f.savePNGButton, &QAbstractButton::clicked, this, &Window::savePNG);
    connect(f.saveKeyFrameButton, &QAbstractButton::clicked, this, &Window::saveKeyframes);
    connect(f.presetComboBox, &QComboBox::activated, this, &Window::presetChanged);
    connect(f.saveButton, &QAbstractButton::clicked, this, &Window::saveGauge);
    connect(f.SaveLayerButton, &QAbstractButton::clicked, this, &Window::saveLayer);
    connect(f.loadButton, &QAbstractButton::clicked, this, &Window::loadGauge);
}

void Window::followDocument()
{
    GaugeDocument *document = d->document;
    connect(document, &GaugeDocument::currentRowChanged, this, &Window::setActiveGauge);
    connect(document, &GaugeDocument::layersReset, this, &Window::setActiveGauge);
    connect(document, &GaugeDocument::layerChanged, this, [this](int row) {
        if (row != d->document->currentRow())
            return;
        if (d->editDepth == 0) {
            setActiveGauge();
            return;
        }
        const gaugeData &layer = d->document->currentLayer();
        for (LayerEditor *editor : std::as_const(d->editors))
            editor->showDerived(layer);
    });
    // The preset box names a preset only right after it was loaded.
    connect(document, &GaugeDocument::stepApplied, this,
            [this] { d->form.presetComboBox->setCurrentIndex(-1); });
    setActiveGauge();
}

void Window::commit(const LayerEditor &editor)
{
    // With no layer selected the edit reaches the preview's editing copy
    // only, as it always has.
    if (d->document->currentRow() < 0) {
        editor.apply(renderArea->currentGauge);
        return;
    }
    gaugeData layer = d->document->currentLayer();
    editor.apply(layer);
    d->document->setLayer(d->document->currentRow(), layer, tr("Change Layer"));
}

void Window::angleChanged()
{
    commit(*d->span);
}

void Window::capsChanged()
{
    commit(*d->caps);
}

void Window::divisions1Changed()
{
    commit(*d->levels[0]);
}

void Window::divisions2Changed()
{
    commit(*d->levels[1]);
}

void Window::divisions3Changed()
{
    commit(*d->levels[2]);
}

void Window::arc1Changed()
{
    commit(*d->arcs[0]);
}

void Window::arc2Changed()
{
    commit(*d->arcs[1]);
}

void Window::arc3Changed()
{
    commit(*d->arcs[2]);
}

void Window::arc4Changed()
{
    commit(*d->arcs[3]);
}

void Window::tickSettingsChanged()
{
    commit(*d->labels);
}

void Window::tickDecimalsChanged()
{
    d->labels->followDecimals();
    tickSettingsChanged();
}

// The colour dialog opens on the element's colour, and answers an invalid
// colour when it is cancelled; the element then keeps the colour it had
// rather than turning black. The colour reaches the layer through the
// button.
void Window::pickColor(ColorButton *button, void (Window::*binding)())
{
    const QColor color = getColor(button->color());
    if (!color.isValid())
        return;
    button->setColor(color);
    (this->*binding)();
}

void Window::divisions1ColorChanged()
{
    pickColor(d->levels[0]->controls().color, &Window::divisions1Changed);
}

void Window::divisions2ColorChanged()
{
    pickColor(d->levels[1]->controls().color, &Window::divisions2Changed);
}

void Window::divisions3ColorChanged()
{
    pickColor(d->levels[2]->controls().color, &Window::divisions3Changed);
}

void Window::arc1ColorChanged()
{
    pickColor(d->arcs[0]->controls().color, &Window::arc1Changed);
}

void Window::arc2ColorChanged()
{
    pickColor(d->arcs[1]->controls().color, &Window::arc2Changed);
}

void Window::arc3ColorChanged()
{
    pickColor(d->arcs[2]->controls().color, &Window::arc3Changed);
}

void Window::arc4ColorChanged()
{
    pickColor(d->arcs[3]->controls().color, &Window::arc4Changed);
}

void Window::tickColorChanged()
{
    pickColor(d->labels->controls().color, &Window::tickSettingsChanged);
}

void Window::tickFontButton()
{
    d->labels->controls().font->setChosenFont(getFont());
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
    return QFontDialog::getFont(&accepted, d->labels->controls().font->chosenFont(), this,
                                QString());
}

void Window::blockWidgetSignals(bool inEnable)
{
    for (QObject *control : std::as_const(d->editingControls))
        control->blockSignals(inEnable);
}

void Window::setActiveGauge()
{
    const gaugeData &layer = d->document->currentLayer();
    std::vector<QSignalBlocker> blocked;
    blocked.reserve(d->editingControls.size());
    for (QObject *control : std::as_const(d->editingControls))
        blocked.emplace_back(control);
    for (LayerEditor *editor : std::as_const(d->editors))
        editor->show(layer);
}

void Window::setUpWheel()
{
    // In a form that scrolls, the wheel scrolls it, unless the pointer is
    // over a field the user is working in: a field takes the wheel only
    // when it has the focus, and does not take the focus from the wheel.
    for (QWidget *field : findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractSpinBox *>(field) || qobject_cast<QComboBox *>(field)) {
            field->setFocusPolicy(Qt::StrongFocus);
            field->installEventFilter(this);
        }
    }
}

void Window::setUpUndoKeys()
{
    // Every layer-editing spin box passes the Undo and Redo keys on to the
    // window's actions, rather than to the undo of its own line edit.
    for (QObject *control : std::as_const(d->editingControls)) {
        if (auto *spinBox = qobject_cast<QAbstractSpinBox *>(control)) {
            spinBox->installEventFilter(this);
            for (QLineEdit *edit : spinBox->findChildren<QLineEdit *>())
                edit->installEventFilter(this);
            // Typing a value and pressing Enter, or leaving the box, ends
            // the run of edits that merge into one step.
            connect(spinBox, &QAbstractSpinBox::editingFinished, d->document,
                    &GaugeDocument::endRun);
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(control)) {
            // Typing in a text ends its run of edits when the text is left.
            text->installEventFilter(this);
        } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
            line->installEventFilter(this);
            connect(line, &QLineEdit::editingFinished, d->document, &GaugeDocument::endRun);
        }
    }
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    // The dial goes on the label's black before the label draws its
    // reference picture over it.
    if (event->type() == QEvent::Paint && watched == d->form.referenceLabel)
        paintDial(d->form.referenceLabel);
    if (event->type() == QEvent::Wheel) {
        auto *field = qobject_cast<QWidget *>(watched);
        if (field && !field->hasFocus()
            && (qobject_cast<QAbstractSpinBox *>(field) || qobject_cast<QComboBox *>(field))) {
            // The innermost area around the field that can scroll: a
            // section that scrolls on its own, else the form.
            QAbstractScrollArea *area = d->formScrollArea;
            for (QWidget *p = field->parentWidget(); p && p != d->formScrollArea;
                 p = p->parentWidget()) {
                auto *inner = qobject_cast<QAbstractScrollArea *>(p);
                if (inner && inner->verticalScrollBar()->maximum() > 0) {
                    area = inner;
                    break;
                }
            }
            QCoreApplication::sendEvent(area->viewport(), event);
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && qobject_cast<QPlainTextEdit *>(watched))
        d->document->endRun();
    // A spin box's line edit claims Ctrl+Z and friends for its own text
    // undo, which would undo keystrokes the gauge has already taken. Left
    // unclaimed, the keys reach the window's Undo and Redo.
    if (event->type() == QEvent::ShortcutOverride && d->undoAction && d->redoAction) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : {d->undoAction, d->redoAction})
            if (action->shortcuts().contains(pressed))
                return true;
    }
    return QWidget::eventFilter(watched, event);
}
