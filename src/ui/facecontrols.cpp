#include "app/window.h"

#include "render/drawingspace.h"
#include "render/facepictures.h"
#include "render/renderarea.h"
#include "render/ticklayout.h"
#include "ui/colorbutton.h"
#include "ui/editstep.h"
#include "ui/faceoverlay.h"
#include "ui/labeltextedit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

#include <cmath>

// The face section edits the current layer's label texts, texts and
// pictures. Like every part of the form it writes into the editing copy and
// stores it into the selected layer, and every change is an undo step; which
// element is selected is kept by the element list alone.

namespace {

enum FieldsPage { noElementPage, textPage, picturePage };

QDoubleSpinBox *spinBox(QWidget *parent, const char *name, double min, double max, double step,
                        int decimals, const QString &toolTip, const QString &suffix = QString())
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setToolTip(toolTip);
    return box;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, buddy->parentWidget());
    l->setBuddy(buddy);
    return l;
}

// A number of the layer as a field shows it: one a file could not read is
// shown as 0 until the field is edited.
double shown(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// Positions are kept to the thousandth of a radius the fields show, so that
// a dragged element does not jump when a field is edited next.
double fieldRound(double value)
{
    return std::round(value * 1000.0) / 1000.0;
}

QString angleText(double degrees)
{
    QString text = QString::number(degrees, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text + QChar(0x00b0);
}

} // namespace

void Window::setUpFaceControls()
{
    FaceControls &c = faceControls;
    c.box = new QGroupBox(tr("Face"), this);
    c.box->setObjectName(QStringLiteral("FaceBox"));
    auto *layout = new QVBoxLayout(c.box);
    layout->setObjectName(QStringLiteral("faceLayout"));
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);

    c.labelTexts = new LabelTextEdit(c.box);
    c.labelTexts->setObjectName(QStringLiteral("labelTextsEdit"));
    c.labelTexts->setToolTip(
        tr("Label texts, one a line: the first line labels the first primary tick, the next "
           "line the next tick, and so on (the tick's angle is shown beside each line). An empty "
           "line leaves its tick without a label. With no text the labels are numbers."));
    c.labelTexts->setPlaceholderText(tr("Numbers (type texts to replace them)"));
    c.labelTexts->setTabChangesFocus(true);
    c.labelTexts->setUndoRedoEnabled(false);
    c.labelTexts->setFixedHeight(c.labelTexts->fontMetrics().lineSpacing() * 4 + 10);
    layout->addWidget(buddyLabel(tr("Label Texts:"), c.labelTexts));
    layout->addWidget(c.labelTexts);

    c.elements = new QListWidget(c.box);
    c.elements->setObjectName(QStringLiteral("faceElementList"));
    c.elements->setToolTip(tr("The layer's pictures and texts, in the order they are drawn. "
                              "Select one to edit it here, or click it on the preview; drag it "
                              "there or move it with the arrow keys."));
    c.elements->setFixedHeight(c.elements->fontMetrics().lineSpacing() * 4 + 8);
    layout->addWidget(buddyLabel(tr("Texts and Pictures:"), c.elements));
    layout->addWidget(c.elements);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    c.addText = new QPushButton(tr("Add Text"), c.box);
    c.addText->setObjectName(QStringLiteral("addFaceTextButton"));
    c.addText->setToolTip(tr("Add a text to the layer, below the hub"));
    c.addPicture = new QPushButton(tr("Add Picture..."), c.box);
    c.addPicture->setObjectName(QStringLiteral("addFacePictureButton"));
    c.addPicture->setToolTip(tr("Add a PNG, JPEG or SVG picture to the layer; the gauge file "
                                "carries it. An SVG picture stays vector in SVG and PDF."));
    c.remove = new QPushButton(tr("Remove"), c.box);
    c.remove->setObjectName(QStringLiteral("removeFaceElementButton"));
    c.remove->setToolTip(tr("Remove the selected text or picture"));
    for (QPushButton *b : {c.addText, c.addPicture, c.remove})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    c.fields = new QStackedWidget(c.box);
    c.fields->setObjectName(QStringLiteral("faceFields"));
    auto *none = new QLabel(tr("Select a text or a picture to edit it."), c.fields);
    none->setWordWrap(true);
    none->setAlignment(Qt::AlignCenter);
    c.fields->addWidget(none);
    c.fields->addWidget(makeTextFields());
    c.fields->addWidget(makePictureFields());
    layout->addWidget(c.fields);

    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    c.problemIcon = new QLabel(c.box);
    c.problemIcon->setObjectName(QStringLiteral("faceProblemIcon"));
    c.problemIcon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    c.problemIcon->setAlignment(Qt::AlignTop);
    c.problem = new QLabel(c.box);
    c.problem->setObjectName(QStringLiteral("faceProblemLabel"));
    c.problem->setWordWrap(true);
    c.problem->setToolTip(tr("Why the selected element is not drawn. It is kept in the gauge "
                             "and saved as it is."));
    auto *problem = new QHBoxLayout;
    problem->addWidget(c.problemIcon);
    problem->addWidget(c.problem, 1);
    layout->addLayout(problem);
    layout->addStretch(1);

    // Under the layer list, in the column it shares with it; the list takes
    // what height is left.
    auto *column = new QVBoxLayout;
    column->setObjectName(QStringLiteral("LayerColumn"));
    column->setSpacing(2);
    MainLayout->removeWidget(Layers);
    column->addWidget(Layers, 1);
    column->addWidget(c.box);
    MainLayout->addLayout(column, 0, 3);

    c.overlay = new FaceOverlay(renderArea);

    // After the layer buttons in the tab order, as they stand on the screen.
    QWidget *previous = SaveLayerButton;
    for (QWidget *w :
         QList<QWidget *>{c.labelTexts,     c.elements,     c.addText,         c.addPicture,
                          c.remove,         c.text,         c.textX,           c.textY,
                          c.textSize,       c.textRotation, c.textFamily,      c.textBold,
                          c.textItalic,     c.textAlign,    c.textColor,       c.pictureX,
                          c.pictureY,       c.pictureWidth, c.pictureRotation, c.pictureOpacity,
                          c.pictureReplace, presetComboBox}) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    connectFaceControls();
    showFace();
}

QWidget *Window::makeTextFields()
{
    FaceControls &c = faceControls;
    auto *page = new QWidget(c.fields);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setSpacing(2);

    c.text = new QPlainTextEdit(page);
    c.text->setObjectName(QStringLiteral("faceTextEdit"));
    c.text->setToolTip(tr("The text; each line is a line on the dial"));
    c.text->setTabChangesFocus(true);
    c.text->setUndoRedoEnabled(false);
    c.text->setFixedHeight(c.text->fontMetrics().lineSpacing() * 2 + 10);
    grid->addWidget(c.text, 0, 0, 1, 4);

    const QString radii = tr("in gauge radii from the centre");
    c.textX = spinBox(page, "faceTextXSpinBox", -2.0, 2.0, 0.01, 3,
                      tr("Where the text stands across, %1 (right is positive)").arg(radii));
    c.textY = spinBox(page, "faceTextYSpinBox", -2.0, 2.0, 0.01, 3,
                      tr("Where the text stands down, %1 (down is positive)").arg(radii));
    c.textSize = spinBox(page, "faceTextSizeSpinBox", 1.0, 500.0, 1.0, 1,
                         tr("Height of the font in drawing units: the dial is 500 across"));
    c.textRotation = spinBox(page, "faceTextRotationSpinBox", -360.0, 360.0, 1.0, 1,
                             tr("Rotation in degrees, clockwise"), QStringLiteral("\u00b0"));
    grid->addWidget(buddyLabel(tr("X:"), c.textX), 1, 0);
    grid->addWidget(c.textX, 1, 1);
    grid->addWidget(buddyLabel(tr("Y:"), c.textY), 1, 2);
    grid->addWidget(c.textY, 1, 3);
    grid->addWidget(buddyLabel(tr("Size:"), c.textSize), 2, 0);
    grid->addWidget(c.textSize, 2, 1);
    grid->addWidget(buddyLabel(tr("Rotation:"), c.textRotation), 2, 2);
    grid->addWidget(c.textRotation, 2, 3);

    c.textFamily = new QFontComboBox(page);
    c.textFamily->setObjectName(QStringLiteral("faceTextFamilyComboBox"));
    c.textFamily->setToolTip(tr("Font of the text"));
    c.textFamily->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.textFamily->setMinimumContentsLength(8);
    grid->addWidget(c.textFamily, 3, 0, 1, 4);

    auto *style = new QHBoxLayout;
    style->setSpacing(2);
    c.textBold = new QToolButton(page);
    c.textBold->setObjectName(QStringLiteral("faceTextBoldButton"));
    c.textBold->setText(tr("B"));
    c.textBold->setToolTip(tr("Bold"));
    QFont bold = c.textBold->font();
    bold.setBold(true);
    c.textBold->setFont(bold);
    c.textItalic = new QToolButton(page);
    c.textItalic->setObjectName(QStringLiteral("faceTextItalicButton"));
    c.textItalic->setText(tr("I"));
    c.textItalic->setToolTip(tr("Italic"));
    QFont italic = c.textItalic->font();
    italic.setItalic(true);
    c.textItalic->setFont(italic);
    for (QToolButton *b : {c.textBold, c.textItalic})
        b->setCheckable(true);
    c.textAlign = new QComboBox(page);
    c.textAlign->setObjectName(QStringLiteral("faceTextAlignComboBox"));
    c.textAlign->setToolTip(tr("Which part of the text stands at its position: its left edge, "
                               "its middle or its right edge"));
    const std::pair<textAlign, QString> aligns[] = {{textAlign::left, tr("Left")},
                                                    {textAlign::center, tr("Center")},
                                                    {textAlign::right, tr("Right")}};
    for (const auto &[align, text] : aligns)
        c.textAlign->addItem(text, int(align));
    c.textColor = new QToolButton(page);
    c.textColor->setObjectName(QStringLiteral("faceTextColorButton"));
    c.textColor->setText(QStringLiteral("..."));
    c.textColor->setToolTip(tr("Set Text Color"));
    style->addWidget(c.textBold);
    style->addWidget(c.textItalic);
    style->addWidget(c.textAlign, 1);
    style->addWidget(c.textColor);
    grid->addLayout(style, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *Window::makePictureFields()
{
    FaceControls &c = faceControls;
    auto *page = new QWidget(c.fields);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setSpacing(2);
    const QString radii = tr("in gauge radii from the centre");
    c.pictureX = spinBox(page, "facePictureXSpinBox", -2.0, 2.0, 0.01, 3,
                         tr("Where the picture's centre stands across, %1").arg(radii));
    c.pictureY = spinBox(page, "facePictureYSpinBox", -2.0, 2.0, 0.01, 3,
                         tr("Where the picture's centre stands down, %1").arg(radii));
    c.pictureWidth = spinBox(page, "facePictureWidthSpinBox", 0.01, 4.0, 0.01, 3,
                             tr("Width of the picture in gauge radii; its height follows"));
    c.pictureRotation = spinBox(page, "facePictureRotationSpinBox", -360.0, 360.0, 1.0, 1,
                                tr("Rotation in degrees, clockwise"), QStringLiteral("\u00b0"));
    c.pictureOpacity = spinBox(page, "facePictureOpacitySpinBox", 0.0, 1.0, 0.05, 2,
                               tr("Opacity: 1 is solid, 0 invisible"));
    c.pictureReplace = new QPushButton(tr("Replace..."), page);
    c.pictureReplace->setObjectName(QStringLiteral("facePictureReplaceButton"));
    c.pictureReplace->setToolTip(tr("Put another picture file in its place"));
    grid->addWidget(buddyLabel(tr("X:"), c.pictureX), 0, 0);
    grid->addWidget(c.pictureX, 0, 1);
    grid->addWidget(buddyLabel(tr("Y:"), c.pictureY), 0, 2);
    grid->addWidget(c.pictureY, 0, 3);
    grid->addWidget(buddyLabel(tr("Width:"), c.pictureWidth), 1, 0);
    grid->addWidget(c.pictureWidth, 1, 1);
    grid->addWidget(buddyLabel(tr("Rotation:"), c.pictureRotation), 1, 2);
    grid->addWidget(c.pictureRotation, 1, 3);
    grid->addWidget(buddyLabel(tr("Opacity:"), c.pictureOpacity), 2, 0);
    grid->addWidget(c.pictureOpacity, 2, 1);
    grid->addWidget(c.pictureReplace, 2, 2, 1, 2);
    grid->setRowStretch(3, 1);
    return page;
}

void Window::connectFaceControls()
{
    const FaceControls &c = faceControls;
    connect(c.addText, &QAbstractButton::clicked, this, &Window::addFaceText);
    connect(c.addPicture, &QAbstractButton::clicked, this, &Window::addFacePicture);
    connect(c.remove, &QAbstractButton::clicked, this, &Window::removeFaceElement);
    connect(c.elements, &QListWidget::currentRowChanged, this, [this] {
        endEditRun();
        showFaceSelection();
    });

    // A drag or a run of nudges is one step, named after what moves.
    connect(c.overlay, &FaceOverlay::pressed, this, &Window::facePressed);
    connect(c.overlay, &FaceOverlay::dragged, this, &Window::faceDragged);
    connect(c.overlay, &FaceOverlay::released, this, [this] {
        faceDragging = false;
        endEditRun();
    });
    connect(c.overlay, &FaceOverlay::nudged, this,
            [this](QPointF offset) { moveFaceElement(offset, false); });
    connect(c.overlay, &FaceOverlay::nudgeFinished, this, &Window::endEditRun);

    // Typing in a text ends its run of edits when the text is left.
    for (QPlainTextEdit *edit : {static_cast<QPlainTextEdit *>(c.labelTexts), c.text})
        edit->installEventFilter(this);
}

FaceElement Window::selectedFaceElement() const
{
    const gaugeData &g = renderArea->currentGauge;
    const qsizetype row = faceControls.elements->currentRow();
    if (row < 0 || row >= g.pictures.size() + g.texts.size())
        return FaceElement();
    if (row < g.pictures.size())
        return FaceElement{faceElementKind::picture, row};
    return FaceElement{faceElementKind::text, row - g.pictures.size()};
}

void Window::selectFaceElement(const FaceElement &element)
{
    const gaugeData &g = renderArea->currentGauge;
    const int row = elementExists(g, element) ? int(drawingOrder(g, element)) : -1;
    if (row != faceControls.elements->currentRow())
        faceControls.elements->setCurrentRow(row);
    showFaceSelection();
}

QStringList Window::labelHints() const
{
    const gaugeData &g = renderArea->currentGauge;
    QStringList hints;
    for (PrimaryTicks tick(g); !tick.atEnd() && hints.size() < labelTextLimit; tick.next()) {
        if (tick.index() == 0 && g.tickCountSkipFirst)
            hints << tr("skip");
        else
            hints << angleText(TickLayout::gaugeAngle(tick.screenAngle()));
    }
    return hints;
}

void Window::showFace()
{
    const FaceControls &c = faceControls;
    const gaugeData &g = renderArea->currentGauge;
    // Another layer's elements are not the ones that were selected.
    if (faceLayerRow != layerList->currentRow()) {
        faceLayerRow = layerList->currentRow();
        const QSignalBlocker quietList(c.elements);
        c.elements->setCurrentRow(-1);
    }
    {
        const QSignalBlocker quiet(c.labelTexts);
        c.labelTexts->showTexts(g.tickCountTexts);
    }
    c.labelTexts->setHints(labelHints());

    // The list is filled in drawing order, the selection kept where it is.
    const int row = c.elements->currentRow();
    {
        const QSignalBlocker quietList(c.elements);
        const int count = int(g.pictures.size() + g.texts.size());
        while (c.elements->count() > count)
            delete c.elements->takeItem(c.elements->count() - 1);
        while (c.elements->count() < count)
            c.elements->addItem(QString());
        const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
        for (int i = 0; i < count; ++i) {
            const bool isPicture = i < g.pictures.size();
            const FaceElement element{isPicture ? faceElementKind::picture : faceElementKind::text,
                                      isPicture ? i : i - g.pictures.size()};
            QString text;
            if (isPicture) {
                const facePicture &p = g.pictures.at(i);
                const QString format = pictureFormatName(p.format).toUpper();
                text = tr("Picture: %1").arg(format.isEmpty() ? tr("unknown") : format);
            } else {
                const QString first =
                    g.texts.at(element.index).text.section(QLatin1Char('\n'), 0, 0);
                text = tr("Text: %1").arg(first.left(40));
            }
            QListWidgetItem *item = c.elements->item(i);
            item->setText(text);
            item->setIcon(faceElementProblem(g, element).isEmpty() ? QIcon() : warning);
        }
        c.elements->setCurrentRow(row < count ? row : -1);
    }
    const bool room = g.pictures.size() + g.texts.size() < layerElementLimit;
    c.addText->setEnabled(room);
    c.addPicture->setEnabled(room);
    showFaceSelection();
}

void Window::showFaceSelection()
{
    const FaceControls &c = faceControls;
    const gaugeData &g = renderArea->currentGauge;
    const FaceElement element = selectedFaceElement();
    c.remove->setEnabled(element.isValid());
    // Without a selection the fields show what a new element starts with.
    const bool isText = element.isValid() && element.kind == faceElementKind::text;
    const bool isPicture = element.isValid() && element.kind == faceElementKind::picture;
    const faceText t = isText ? g.texts.at(element.index) : faceText();
    const facePicture p = isPicture ? g.pictures.at(element.index) : facePicture();
    c.fields->setCurrentIndex(isText ? textPage : isPicture ? picturePage : noElementPage);
    const auto blocked = blockFormSignals();
    if (c.text->toPlainText() != t.text)
        c.text->setPlainText(t.text);
    c.textX->setValue(shown(t.x));
    c.textY->setValue(shown(t.y));
    c.textSize->setValue(shown(t.size));
    c.textRotation->setValue(shown(t.rotation));
    // The family as the layer names it: "Sans Serif" stays "Sans Serif"
    // rather than the font the system puts in its place.
    c.textFamily->setCurrentFont(QFont(t.family));
    c.textFamily->setEditText(t.family);
    c.textBold->setChecked(t.bold);
    c.textItalic->setChecked(t.italic);
    c.textAlign->setCurrentIndex(c.textAlign->findData(int(t.align)));
    setWidgetColor(c.textColor, t.color);
    c.pictureX->setValue(shown(p.x));
    c.pictureY->setValue(shown(p.y));
    c.pictureWidth->setValue(shown(p.width));
    c.pictureRotation->setValue(shown(p.rotation));
    c.pictureOpacity->setValue(shown(p.opacity));
    const QString problem = faceElementProblem(g, element);
    c.problem->setText(problem.isEmpty() ? QString() : tr("Not drawn: %1").arg(problem));
    c.problem->setVisible(!problem.isEmpty());
    c.problemIcon->setVisible(!problem.isEmpty());
    c.overlay->setOutline(faceElementOutline(g, element));
}

namespace {

// Stores the editing copy into the current layer and shows it.
void storeFace(Window *w)
{
    w->renderArea->saveLayerData(w->layerList->currentRow());
    w->renderArea->manualRedraw();
    w->showFace();
}

} // namespace

void Window::labelTextsChanged()
{
    renderArea->currentGauge.tickCountTexts = faceControls.labelTexts->texts();
    storeFace(this);
}

void Window::faceTextChanged()
{
    const FaceElement element = selectedFaceElement();
    if (element.kind != faceElementKind::text || !element.isValid())
        return;
    const FaceControls &c = faceControls;
    faceText t;
    t.text = c.text->toPlainText();
    t.x = c.textX->value();
    t.y = c.textY->value();
    t.family = c.textFamily->currentText();
    t.size = c.textSize->value();
    t.bold = c.textBold->isChecked();
    t.italic = c.textItalic->isChecked();
    t.color = widgetColor(c.textColor);
    t.rotation = c.textRotation->value();
    t.align = textAlign(c.textAlign->currentData().toInt());
    renderArea->currentGauge.texts[element.index] = t;
    storeFace(this);
}

void Window::faceTextColorChanged()
{
    // The dialog opens on the text's colour; a cancelled one leaves it.
    const QColor color = getColor(widgetColor(faceControls.textColor));
    if (!color.isValid())
        return;
    setWidgetColor(faceControls.textColor, color);
    faceTextChanged();
}

void Window::facePictureChanged()
{
    const FaceElement element = selectedFaceElement();
    if (element.kind != faceElementKind::picture || !element.isValid())
        return;
    const FaceControls &c = faceControls;
    facePicture &p = renderArea->currentGauge.pictures[element.index];
    p.fileObject = QJsonObject();
    p.x = c.pictureX->value();
    p.y = c.pictureY->value();
    p.width = c.pictureWidth->value();
    p.rotation = c.pictureRotation->value();
    p.opacity = c.pictureOpacity->value();
    storeFace(this);
}

void Window::addFaceText()
{
    gaugeData &g = renderArea->currentGauge;
    if (g.pictures.size() + g.texts.size() >= layerElementLimit)
        return;
    {
        const EditStep step(this, tr("Add Text"));
        faceText text;
        text.text = tr("Text");
        g.texts.append(text);
        storeFace(this);
    }
    selectFaceElement(FaceElement{faceElementKind::text, g.texts.size() - 1});
    // Ready to be typed over.
    faceControls.text->setFocus();
    faceControls.text->selectAll();
}

void Window::removeFaceElement()
{
    const FaceElement element = selectedFaceElement();
    if (!element.isValid())
        return;
    gaugeData &g = renderArea->currentGauge;
    const int row = faceControls.elements->currentRow();
    {
        const EditStep step(this,
                            element.kind == faceElementKind::text ? tr("Remove Text")
                                                                  : tr("Remove Picture"));
        if (element.kind == faceElementKind::text)
            g.texts.removeAt(element.index);
        else
            g.pictures.removeAt(element.index);
        storeFace(this);
    }
    // The element that moved into its row, else the one before it.
    faceControls.elements->setCurrentRow(qMin(row, faceControls.elements->count() - 1));
}

void Window::facePressed(const QPointF &point)
{
    endEditRun();
    const gaugeData &g = renderArea->currentGauge;
    const FaceElement hit = faceElementAt(g, point);
    selectFaceElement(hit);
    faceDragging = hit.isValid();
    if (!faceDragging)
        return;
    faceDragStart = point;
    faceDragOrigin = hit.kind == faceElementKind::text
        ? QPointF(g.texts.at(hit.index).x, g.texts.at(hit.index).y)
        : QPointF(g.pictures.at(hit.index).x, g.pictures.at(hit.index).y);
}

void Window::faceDragged(const QPointF &point)
{
    if (faceDragging)
        moveFaceElement(point - faceDragStart, true);
}

void Window::moveFaceElement(const QPointF &offset, bool fromDragStart)
{
    const FaceElement element = selectedFaceElement();
    if (!element.isValid())
        return;
    gaugeData &g = renderArea->currentGauge;
    const bool isText = element.kind == faceElementKind::text;
    double &x = isText ? g.texts[element.index].x : g.pictures[element.index].x;
    double &y = isText ? g.texts[element.index].y : g.pictures[element.index].y;
    const QPointF from = fromDragStart ? faceDragOrigin : QPointF(shown(x), shown(y));
    const QPointF to = from + offset / DrawingSpace::gaugeRadius;
    if (fieldRound(to.x()) == x && fieldRound(to.y()) == y)
        return;
    // One step for the whole drag or run of nudges.
    const int key = int(layerEditingControls().indexOf(faceControls.overlay));
    const EditStep step(this, isText ? tr("Move Text") : tr("Move Picture"), key);
    x = fieldRound(to.x());
    y = fieldRound(to.y());
    if (isText)
        g.texts[element.index].fileObject = QJsonObject();
    else
        g.pictures[element.index].fileObject = QJsonObject();
    storeFace(this);
}
