#include "ui/faceeditor.h"

#include "model/gaugedocument.h"
#include "render/drawingspace.h"
#include "render/ticklayout.h"
#include "ui/colorbutton.h"
#include "ui/faceoverlay.h"
#include "ui/formfields.h"
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

namespace {

enum FieldsPage { noElementPage, textPage, picturePage };

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

FaceEditor::FaceEditor(GaugeDocument *document, QWidget *form, QWidget *preview, Services services,
                       QObject *parent)
    : LayerEditor(parent), m_document(document), m_form(form), m_services(std::move(services))
{
    setObjectName(QStringLiteral("faceEditor"));
    m_box = new QGroupBox(tr("Face"), form);
    m_box->setObjectName(QStringLiteral("FaceBox"));
    auto *layout = new QVBoxLayout(m_box);
    layout->setObjectName(QStringLiteral("faceLayout"));
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);

    m_labelTexts = new LabelTextEdit(m_box);
    m_labelTexts->setObjectName(QStringLiteral("labelTextsEdit"));
    m_labelTexts->setToolTip(
        tr("Label texts, one a line: the first line labels the first primary tick, the next "
           "line the next tick, and so on (the tick's angle is shown beside each line). An empty "
           "line leaves its tick without a label. With no text the labels are numbers."));
    m_labelTexts->setPlaceholderText(tr("Numbers (type texts to replace them)"));
    m_labelTexts->setTabChangesFocus(true);
    m_labelTexts->setUndoRedoEnabled(false);
    m_labelTexts->setFixedHeight(m_labelTexts->fontMetrics().lineSpacing() * 4 + 10);
    layout->addWidget(buddyLabel(tr("Label Texts:"), m_labelTexts));
    layout->addWidget(m_labelTexts);

    m_elements = new QListWidget(m_box);
    m_elements->setObjectName(QStringLiteral("faceElementList"));
    m_elements->setToolTip(tr("The layer's pictures and texts, in the order they are drawn. "
                              "Select one to edit it here, or click it on the preview; drag it "
                              "there or move it with the arrow keys."));
    m_elements->setFixedHeight(m_elements->fontMetrics().lineSpacing() * 4 + 8);
    m_elements->setAccessibleName(tr("Texts and pictures"));
    layout->addWidget(buddyLabel(tr("Texts and Pictures:"), m_elements));
    layout->addWidget(m_elements);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    m_addText = new QPushButton(tr("Add Text"), m_box);
    m_addText->setObjectName(QStringLiteral("addFaceTextButton"));
    m_addText->setToolTip(tr("Add a text to the layer, below the hub"));
    m_addPicture = new QPushButton(tr("Add Picture..."), m_box);
    m_addPicture->setObjectName(QStringLiteral("addFacePictureButton"));
    m_addPicture->setToolTip(tr("Add a PNG, JPEG or SVG picture to the layer; the gauge file "
                                "carries it. An SVG picture stays vector in SVG and PDF."));
    m_remove = new QPushButton(tr("Remove"), m_box);
    m_remove->setObjectName(QStringLiteral("removeFaceElementButton"));
    m_remove->setToolTip(tr("Remove the selected text or picture"));
    for (QPushButton *b : {m_addText, m_addPicture, m_remove})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    m_fields = new QStackedWidget(m_box);
    m_fields->setObjectName(QStringLiteral("faceFields"));
    auto *none = new QLabel(tr("Select a text or a picture to edit it."), m_fields);
    none->setWordWrap(true);
    none->setAlignment(Qt::AlignCenter);
    m_fields->addWidget(none);
    m_fields->addWidget(makeTextFields());
    m_fields->addWidget(makePictureFields());
    layout->addWidget(m_fields);

    const int iconSize = form->style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_problemIcon = new QLabel(m_box);
    m_problemIcon->setObjectName(QStringLiteral("faceProblemIcon"));
    m_problemIcon->setPixmap(
        form->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    m_problemIcon->setAlignment(Qt::AlignTop);
    m_problem = new QLabel(m_box);
    m_problem->setObjectName(QStringLiteral("faceProblemLabel"));
    m_problem->setWordWrap(true);
    m_problem->setToolTip(tr("Why the selected element is not drawn. It is kept in the gauge "
                             "and saved as it is."));
    auto *problem = new QHBoxLayout;
    problem->addWidget(m_problemIcon);
    problem->addWidget(m_problem, 1);
    layout->addLayout(problem);
    layout->addStretch(1);

    m_overlay = new FaceOverlay(preview);
    connectControls();
    show(m_document->currentLayer());
}

QList<QWidget *> FaceEditor::tabOrder() const
{
    return {m_labelTexts,    m_elements, m_addText,      m_addPicture,      m_remove,
            m_text,          m_textX,    m_textY,        m_textSize,        m_textRotation,
            m_textFamily,    m_textBold, m_textItalic,   m_textAlign,       m_textColor,
            m_pictureX,      m_pictureY, m_pictureWidth, m_pictureRotation, m_pictureOpacity,
            m_pictureReplace};
}

QWidget *FaceEditor::makeTextFields()
{
    auto *page = new QWidget(m_fields);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setSpacing(2);

    m_text = new QPlainTextEdit(page);
    m_text->setObjectName(QStringLiteral("faceTextEdit"));
    m_text->setToolTip(tr("The text; each line is a line on the dial"));
    m_text->setTabChangesFocus(true);
    m_text->setUndoRedoEnabled(false);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 2 + 10);
    grid->addWidget(m_text, 0, 0, 1, 4);

    const QString radii = tr("in gauge radii from the centre");
    m_textX = spinBox(page, "faceTextXSpinBox", -2.0, 2.0, 0.01, 3,
                      tr("Where the text stands across, %1 (right is positive)").arg(radii));
    m_textY = spinBox(page, "faceTextYSpinBox", -2.0, 2.0, 0.01, 3,
                      tr("Where the text stands down, %1 (down is positive)").arg(radii));
    m_textSize = spinBox(page, "faceTextSizeSpinBox", 1.0, 500.0, 1.0, 1,
                         tr("Height of the font in drawing units: the dial is 500 across"));
    m_textRotation = spinBox(page, "faceTextRotationSpinBox", -360.0, 360.0, 1.0, 1,
                             tr("Rotation in degrees, clockwise"), QStringLiteral("\u00b0"));
    addLabelledField(grid, 1, 0, tr("X:"), m_textX);
    addLabelledField(grid, 1, 2, tr("Y:"), m_textY);
    addLabelledField(grid, 2, 0, tr("Size:"), m_textSize);
    addLabelledField(grid, 2, 2, tr("Rotation:"), m_textRotation);

    m_textFamily = new QFontComboBox(page);
    m_textFamily->setObjectName(QStringLiteral("faceTextFamilyComboBox"));
    m_textFamily->setToolTip(tr("Font of the text"));
    m_textFamily->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_textFamily->setMinimumContentsLength(8);
    grid->addWidget(m_textFamily, 3, 0, 1, 4);

    auto *style = new QHBoxLayout;
    style->setSpacing(2);
    m_textBold = new QToolButton(page);
    m_textBold->setObjectName(QStringLiteral("faceTextBoldButton"));
    m_textBold->setText(tr("B"));
    m_textBold->setToolTip(tr("Bold"));
    QFont bold = m_textBold->font();
    bold.setBold(true);
    m_textBold->setFont(bold);
    m_textItalic = new QToolButton(page);
    m_textItalic->setObjectName(QStringLiteral("faceTextItalicButton"));
    m_textItalic->setText(tr("I"));
    m_textItalic->setToolTip(tr("Italic"));
    QFont italic = m_textItalic->font();
    italic.setItalic(true);
    m_textItalic->setFont(italic);
    for (QToolButton *b : {m_textBold, m_textItalic})
        b->setCheckable(true);
    m_textAlign = new QComboBox(page);
    m_textAlign->setObjectName(QStringLiteral("faceTextAlignComboBox"));
    m_textAlign->setToolTip(tr("Which part of the text stands at its position: its left edge, "
                               "its middle or its right edge"));
    const std::pair<textAlign, QString> aligns[] = {{textAlign::left, tr("Left")},
                                                    {textAlign::center, tr("Center")},
                                                    {textAlign::right, tr("Right")}};
    for (const auto &[align, text] : aligns)
        m_textAlign->addItem(text, int(align));
    m_textColor = new ColorButton(page);
    m_textColor->setObjectName(QStringLiteral("faceTextColorButton"));
    m_textColor->setText(QStringLiteral("..."));
    m_textColor->setToolTip(tr("Set Text Color"));
    style->addWidget(m_textBold);
    style->addWidget(m_textItalic);
    style->addWidget(m_textAlign, 1);
    style->addWidget(m_textColor);
    grid->addLayout(style, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *FaceEditor::makePictureFields()
{
    auto *page = new QWidget(m_fields);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setSpacing(2);
    const QString radii = tr("in gauge radii from the centre");
    m_pictureX = spinBox(page, "facePictureXSpinBox", -2.0, 2.0, 0.01, 3,
                         tr("Where the picture's centre stands across, %1").arg(radii));
    m_pictureY = spinBox(page, "facePictureYSpinBox", -2.0, 2.0, 0.01, 3,
                         tr("Where the picture's centre stands down, %1").arg(radii));
    m_pictureWidth = spinBox(page, "facePictureWidthSpinBox", 0.01, 4.0, 0.01, 3,
                             tr("Width of the picture in gauge radii; its height follows"));
    m_pictureRotation = spinBox(page, "facePictureRotationSpinBox", -360.0, 360.0, 1.0, 1,
                                tr("Rotation in degrees, clockwise"), QStringLiteral("\u00b0"));
    m_pictureOpacity = spinBox(page, "facePictureOpacitySpinBox", 0.0, 1.0, 0.05, 2,
                               tr("Opacity: 1 is solid, 0 invisible"));
    m_pictureReplace = new QPushButton(tr("Replace..."), page);
    m_pictureReplace->setObjectName(QStringLiteral("facePictureReplaceButton"));
    m_pictureReplace->setToolTip(tr("Put another picture file in its place"));
    addLabelledField(grid, 0, 0, tr("X:"), m_pictureX);
    addLabelledField(grid, 0, 2, tr("Y:"), m_pictureY);
    addLabelledField(grid, 1, 0, tr("Width:"), m_pictureWidth);
    addLabelledField(grid, 1, 2, tr("Rotation:"), m_pictureRotation);
    addLabelledField(grid, 2, 0, tr("Opacity:"), m_pictureOpacity);
    grid->addWidget(m_pictureReplace, 2, 2, 1, 2);
    grid->setRowStretch(3, 1);
    return page;
}

QList<EditorField> FaceEditor::fields()
{
    const QString text = tr("Text");
    const QString picture = tr("Picture");
    auto textEdit = [this] {
        textEdited();
    };
    auto pictureEdit = [this] {
        pictureEdited();
    };
    return {
        {m_labelTexts, tr("Label Texts"), tr("Label texts"),
         [this] {
             labelTextsEdited();
         }},
        {m_text, tr("Text"), groupFieldName(text, tr("words")), textEdit},
        {m_textX, tr("Text X"), groupFieldName(text, tr("X")), textEdit},
        {m_textY, tr("Text Y"), groupFieldName(text, tr("Y")), textEdit},
        {m_textSize, tr("Text Size"), groupFieldName(text, tr("size")), textEdit},
        {m_textRotation, tr("Text Rotation"), groupFieldName(text, tr("rotation")), textEdit},
        {m_textFamily, tr("Text Font"), groupFieldName(text, tr("font")), textEdit},
        {m_textBold, tr("Text Bold"), groupFieldName(text, tr("bold")), textEdit},
        {m_textItalic, tr("Text Italic"), groupFieldName(text, tr("italic")), textEdit},
        {m_textAlign, tr("Text Alignment"), groupFieldName(text, tr("alignment")), textEdit},
        {m_textColor, tr("Text Color"), tr("Text colour"),
         [this] {
             pickTextColor();
         }},
        {m_pictureX, tr("Picture X"), groupFieldName(picture, tr("X")), pictureEdit},
        {m_pictureY, tr("Picture Y"), groupFieldName(picture, tr("Y")), pictureEdit},
        {m_pictureWidth, tr("Picture Width"), groupFieldName(picture, tr("width")), pictureEdit},
        {m_pictureRotation, tr("Picture Rotation"), groupFieldName(picture, tr("rotation")),
         pictureEdit},
        {m_pictureOpacity, tr("Picture Opacity"), groupFieldName(picture, tr("opacity")),
         pictureEdit},
        {m_pictureReplace, tr("Picture"), QString(),
         [this] {
             replacePicture();
         }},
        // Dragged on the preview; its moves are steps of their own.
        {m_overlay, QString(), QString(), nullptr},
    };
}

void FaceEditor::connectControls()
{
    connect(m_addText, &QAbstractButton::clicked, this, &FaceEditor::addText);
    connect(m_addPicture, &QAbstractButton::clicked, this, &FaceEditor::addPicture);
    connect(m_remove, &QAbstractButton::clicked, this, &FaceEditor::removeElement);
    connect(m_elements, &QListWidget::currentRowChanged, this, [this] {
        m_document->endRun();
        showSelection();
    });

    // A drag or a run of nudges is one step, named after what moves.
    connect(m_overlay, &FaceOverlay::pressed, this, &FaceEditor::pressed);
    connect(m_overlay, &FaceOverlay::dragged, this, &FaceEditor::dragged);
    connect(m_overlay, &FaceOverlay::released, this, [this] {
        m_dragging = false;
        m_document->endRun();
    });
    connect(m_overlay, &FaceOverlay::nudged, this,
            [this](QPointF offset) { moveElement(offset, false); });
    connect(m_overlay, &FaceOverlay::nudgeFinished, m_document, &GaugeDocument::endRun);
}

FaceElement FaceEditor::selectedElement() const
{
    const gaugeData &g = m_document->currentLayer();
    const qsizetype row = m_elements->currentRow();
    if (row < 0 || row >= g.pictures.size() + g.texts.size())
        return FaceElement();
    if (row < g.pictures.size())
        return FaceElement{faceElementKind::picture, row};
    return FaceElement{faceElementKind::text, row - g.pictures.size()};
}

void FaceEditor::selectElement(const FaceElement &element)
{
    const gaugeData &g = m_document->currentLayer();
    const int row = elementExists(g, element) ? int(drawingOrder(g, element)) : -1;
    if (row != m_elements->currentRow()) {
        const QSignalBlocker quietList(m_elements);
        m_elements->setCurrentRow(row);
    }
    showSelection();
}

QStringList FaceEditor::labelHints() const
{
    const gaugeData &g = m_document->currentLayer();
    QStringList hints;
    for (PrimaryTicks tick(g); !tick.atEnd() && hints.size() < labelTextLimit; tick.next()) {
        if (tick.index() == 0 && g.tickCountSkipFirst)
            hints << tr("skip");
        else
            hints << angleText(TickLayout::gaugeAngle(tick.screenAngle()));
    }
    return hints;
}

void FaceEditor::show(const gaugeData &layer)
{
    // Another layer's elements are not the ones that were selected.
    if (m_layerRow != m_document->currentRow()) {
        m_layerRow = m_document->currentRow();
        const QSignalBlocker quietList(m_elements);
        m_elements->setCurrentRow(-1);
    }
    {
        const QSignalBlocker quiet(m_labelTexts);
        m_labelTexts->showTexts(layer.tickCountTexts);
    }
    showDerived(layer);
    showSelection();
}

void FaceEditor::showDerived(const gaugeData &layer)
{
    m_labelTexts->setHints(labelHints());
    // The list is filled in drawing order, the selection kept where it is.
    const int row = m_elements->currentRow();
    {
        const QSignalBlocker quietList(m_elements);
        const int count = int(layer.pictures.size() + layer.texts.size());
        while (m_elements->count() > count)
            delete m_elements->takeItem(m_elements->count() - 1);
        while (m_elements->count() < count)
            m_elements->addItem(QString());
        const QIcon warning = m_form->style()->standardIcon(QStyle::SP_MessageBoxWarning);
        for (int i = 0; i < count; ++i) {
            const bool isPicture = i < layer.pictures.size();
            const FaceElement element{isPicture ? faceElementKind::picture : faceElementKind::text,
                                      isPicture ? i : i - layer.pictures.size()};
            QString text;
            if (isPicture) {
                const facePicture &p = layer.pictures.at(i);
                const QString format = pictureFormatName(p.format).toUpper();
                text = tr("Picture: %1").arg(format.isEmpty() ? tr("unknown") : format);
            } else {
                const QString first =
                    layer.texts.at(element.index).text.section(QLatin1Char('\n'), 0, 0);
                text = tr("Text: %1").arg(first.left(40));
            }
            QListWidgetItem *item = m_elements->item(i);
            item->setText(text);
            item->setIcon(faceElementProblem(layer, element).isEmpty() ? QIcon() : warning);
        }
        m_elements->setCurrentRow(row < count ? row : -1);
    }
    const bool room = layer.pictures.size() + layer.texts.size() < layerElementLimit;
    m_addText->setEnabled(room);
    m_addPicture->setEnabled(room);

    const FaceElement element = selectedElement();
    m_remove->setEnabled(element.isValid());
    const QString problem = faceElementProblem(layer, element);
    m_problem->setText(problem.isEmpty() ? QString() : tr("Not drawn: %1").arg(problem));
    m_problem->setVisible(!problem.isEmpty());
    m_problemIcon->setVisible(!problem.isEmpty());
    m_overlay->setOutline(faceElementOutline(layer, element));
}

void FaceEditor::showSelection()
{
    const gaugeData &g = m_document->currentLayer();
    const FaceElement element = selectedElement();
    // Without a selection the fields show what a new element starts with.
    const bool isText = element.isValid() && element.kind == faceElementKind::text;
    const bool isPicture = element.isValid() && element.kind == faceElementKind::picture;
    const faceText t = isText ? g.texts.at(element.index) : faceText();
    const facePicture p = isPicture ? g.pictures.at(element.index) : facePicture();
    m_fields->setCurrentIndex(isText ? textPage : isPicture ? picturePage : noElementPage);
    {
        std::vector<QSignalBlocker> blocked;
        for (const EditorField &field : fields())
            blocked.emplace_back(field.control);
        if (m_text->toPlainText() != t.text)
            m_text->setPlainText(t.text);
        m_textX->setValue(shownNumber(t.x));
        m_textY->setValue(shownNumber(t.y));
        m_textSize->setValue(shownNumber(t.size));
        m_textRotation->setValue(shownNumber(t.rotation));
        // The family as the layer names it: "Sans Serif" stays "Sans Serif"
        // rather than the font the system puts in its place.
        m_textFamily->setCurrentFont(QFont(t.family));
        m_textFamily->setEditText(t.family);
        m_textBold->setChecked(t.bold);
        m_textItalic->setChecked(t.italic);
        m_textAlign->setCurrentIndex(m_textAlign->findData(int(t.align)));
        m_textColor->setColor(t.color);
        m_pictureX->setValue(shownNumber(p.x));
        m_pictureY->setValue(shownNumber(p.y));
        m_pictureWidth->setValue(shownNumber(p.width));
        m_pictureRotation->setValue(shownNumber(p.rotation));
        m_pictureOpacity->setValue(shownNumber(p.opacity));
    }
    showDerived(g);
}

void FaceEditor::store(const gaugeData &layer, const QString &text)
{
    m_document->setLayer(m_document->currentRow(), layer, text);
}

void FaceEditor::labelTextsEdited()
{
    gaugeData layer = m_document->currentLayer();
    layer.tickCountTexts = m_labelTexts->texts();
    store(layer, tr("Change Label Texts"));
}

void FaceEditor::textEdited()
{
    const FaceElement element = selectedElement();
    if (element.kind != faceElementKind::text || !element.isValid())
        return;
    faceText t;
    t.text = m_text->toPlainText();
    t.x = m_textX->value();
    t.y = m_textY->value();
    t.family = m_textFamily->currentText();
    t.size = m_textSize->value();
    t.bold = m_textBold->isChecked();
    t.italic = m_textItalic->isChecked();
    t.color = m_textColor->color();
    t.rotation = m_textRotation->value();
    t.align = textAlign(m_textAlign->currentData().toInt());
    gaugeData layer = m_document->currentLayer();
    layer.texts[element.index] = t;
    store(layer, tr("Change Text"));
}

void FaceEditor::pickTextColor()
{
    // The dialog opens on the text's colour; a cancelled one leaves it.
    const QColor color = m_services.pickColor(m_textColor->color());
    if (!color.isValid())
        return;
    m_textColor->setColor(color);
    textEdited();
}

void FaceEditor::pictureEdited()
{
    const FaceElement element = selectedElement();
    if (element.kind != faceElementKind::picture || !element.isValid())
        return;
    gaugeData layer = m_document->currentLayer();
    facePicture &p = layer.pictures[element.index];
    p.fileObject = QJsonObject();
    p.x = m_pictureX->value();
    p.y = m_pictureY->value();
    p.width = m_pictureWidth->value();
    p.rotation = m_pictureRotation->value();
    p.opacity = m_pictureOpacity->value();
    store(layer, tr("Change Picture"));
}

void FaceEditor::addText()
{
    gaugeData layer = m_document->currentLayer();
    if (m_document->currentRow() < 0
        || layer.pictures.size() + layer.texts.size() >= layerElementLimit)
        return;
    faceText text;
    text.text = tr("Text");
    layer.texts.append(text);
    store(layer, tr("Add Text"));
    selectElement(FaceElement{faceElementKind::text, layer.texts.size() - 1});
    // Ready to be typed over.
    m_text->setFocus();
    m_text->selectAll();
}

void FaceEditor::removeElement()
{
    const FaceElement element = selectedElement();
    if (!element.isValid())
        return;
    gaugeData layer = m_document->currentLayer();
    const int row = m_elements->currentRow();
    if (element.kind == faceElementKind::text)
        layer.texts.removeAt(element.index);
    else
        layer.pictures.removeAt(element.index);
    store(layer, element.kind == faceElementKind::text ? tr("Remove Text") : tr("Remove Picture"));
    // The element that moved into its row, else the one before it.
    m_elements->setCurrentRow(qMin(row, m_elements->count() - 1));
}

void FaceEditor::pressed(const QPointF &point)
{
    m_document->endRun();
    const gaugeData &g = m_document->currentLayer();
    const FaceElement hit = faceElementAt(g, point);
    selectElement(hit);
    m_dragging = hit.isValid();
    if (!m_dragging)
        return;
    m_dragStart = point;
    m_dragOrigin = hit.kind == faceElementKind::text
        ? QPointF(g.texts.at(hit.index).x, g.texts.at(hit.index).y)
        : QPointF(g.pictures.at(hit.index).x, g.pictures.at(hit.index).y);
}

void FaceEditor::dragged(const QPointF &point)
{
    if (m_dragging)
        moveElement(point - m_dragStart, true);
}

void FaceEditor::moveElement(const QPointF &offset, bool fromDragStart)
{
    const FaceElement element = selectedElement();
    if (!element.isValid())
        return;
    gaugeData layer = m_document->currentLayer();
    const bool isText = element.kind == faceElementKind::text;
    double &x = isText ? layer.texts[element.index].x : layer.pictures[element.index].x;
    double &y = isText ? layer.texts[element.index].y : layer.pictures[element.index].y;
    const QPointF from = fromDragStart ? m_dragOrigin : QPointF(shownNumber(x), shownNumber(y));
    const QPointF to = from + offset / DrawingSpace::gaugeRadius;
    if (fieldRound(to.x()) == x && fieldRound(to.y()) == y)
        return;
    x = fieldRound(to.x());
    y = fieldRound(to.y());
    if (isText)
        layer.texts[element.index].fileObject = QJsonObject();
    else
        layer.pictures[element.index].fileObject = QJsonObject();
    // One step for the whole drag or run of nudges.
    const GaugeDocument::Step step(m_document, isText ? tr("Move Text") : tr("Move Picture"),
                                   m_moveMergeKey);
    store(layer, QString());
}
