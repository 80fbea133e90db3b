#include "ui/needleeditor.h"

#include "model/gaugedocument.h"
#include "render/facepictures.h"
#include "render/needledial.h"
#include "render/needlepainter.h"
#include "render/needlesweep.h"
#include "ui/colorbutton.h"
#include "ui/formfields.h"
#include "ui/needleplayer.h"
#include "ui/picturefile.h"
#include "ui/savefiledialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The slider's steps along the layer's span.
constexpr int sliderSteps = 1000;
// The sweep's frames: about 60 a second.
constexpr int sweepFrameMs = 16;

// Where the slider stands for `value` on the layer's span.
int sliderPosition(const NeedleDial &dial, double value)
{
    const double span = dial.endValue() - dial.startValue();
    if (!dial.isValid() || span == 0.0 || !std::isfinite(value))
        return 0;
    const double fraction = (value - dial.startValue()) / span;
    return int(std::lround(std::clamp(fraction, 0.0, 1.0) * sliderSteps));
}

} // namespace

NeedleEditor::NeedleEditor(GaugeDocument *document, QWidget *form, Services services,
                           QObject *parent)
    : LayerEditor(parent), m_document(document), m_form(form), m_services(std::move(services))
{
    setObjectName(QStringLiteral("needleEditor"));
    m_steadyClock.start();
    m_box = new QGroupBox(tr("Needles"), form);
    m_box->setObjectName(QStringLiteral("NeedlesBox"));
    auto *layout = new QVBoxLayout(m_box);
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);

    m_list = new QListWidget(m_box);
    m_list->setObjectName(QStringLiteral("needleList"));
    m_list->setToolTip(tr("The layer's needles, drawn over the whole gauge in this order. "
                          "Select one to edit it here."));
    m_list->setAccessibleName(tr("Needles"));
    m_list->setFixedHeight(m_list->fontMetrics().lineSpacing() * 3 + 8);
    layout->addWidget(m_list);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    m_add = new QPushButton(tr("Add Needle"), m_box);
    m_add->setObjectName(QStringLiteral("addNeedleButton"));
    m_add->setToolTip(tr("Add a needle to the layer, pointing at the start of its span"));
    m_remove = new QPushButton(tr("Remove"), m_box);
    m_remove->setObjectName(QStringLiteral("removeNeedleButton"));
    m_remove->setToolTip(tr("Remove the selected needle"));
    m_remove->setAccessibleName(tr("Remove needle"));
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    layout->addLayout(buttons);

    layout->addWidget(makeFields());

    // Of the whole gauge, so usable with no needle selected.
    m_sweep = new QPushButton(tr("Sweep"), m_box);
    m_sweep->setObjectName(QStringLiteral("needleSweepButton"));
    m_sweep->setToolTip(tr("Move every needle from the start of its layer's span to the end and "
                           "back; the gauge does not change"));
    m_sweep->setCheckable(true);
    m_play = new QPushButton(tr("Play..."), m_box);
    m_play->setObjectName(QStringLiteral("needlePlayButton"));
    m_play->setToolTip(tr("Play a data file on the needles in real time, as an animation of it "
                          "shows them: a needle follows the column of its name, else the first "
                          "column; the gauge does not change"));
    m_play->setCheckable(true);
    auto *moves = new QHBoxLayout;
    moves->addWidget(m_sweep);
    moves->addWidget(m_play);
    layout->addLayout(moves);
    m_player = new NeedlePlayer([this] { return now(); }, this);

    m_problem = new QLabel(m_box);
    m_problem->setObjectName(QStringLiteral("needleProblemLabel"));
    m_problem->setWordWrap(true);
    m_problem->setToolTip(tr("Why the selected needle is not drawn. It is kept in the gauge and "
                             "saved as it is."));
    layout->addWidget(m_problem);
    layout->addStretch(1);

    m_sweepTimer.setInterval(sweepFrameMs);
    connectControls();
    show(m_document->currentLayer());
}

QWidget *NeedleEditor::makeFields()
{
    m_fields = new QWidget(m_box);
    m_fields->setObjectName(QStringLiteral("needleFields"));
    auto *grid = new QGridLayout(m_fields);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setSpacing(2);
    QWidget *page = m_fields;

    m_name = new QLineEdit(page);
    m_name->setObjectName(QStringLiteral("needleNameEdit"));
    m_name->setToolTip(tr("The needle's name: dialwright-render --value NAME=V sets its value"));
    grid->addWidget(buddyLabel(tr("Name:"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 3);

    m_shape = new QComboBox(page);
    m_shape->setObjectName(QStringLiteral("needleShapeComboBox"));
    m_shape->setToolTip(tr("The needle's shape: a bar, a bar narrowing to its tip, a bar with an "
                           "arrow head, or a picture turned about its pivot"));
    const std::pair<needleShape, QString> shapes[] = {{needleShape::line, tr("Line")},
                                                      {needleShape::tapered, tr("Tapered")},
                                                      {needleShape::arrow, tr("Arrow")},
                                                      {needleShape::picture, tr("Picture")}};
    for (const auto &[shape, text] : shapes)
        m_shape->addItem(text, int(shape));
    m_picture = new QPushButton(tr("Picture..."), page);
    m_picture->setObjectName(QStringLiteral("needlePictureButton"));
    m_picture->setToolTip(tr("Draw the needle as a PNG, JPEG or SVG picture, upright as it points "
                             "at 12 o'clock; the gauge file carries it"));
    m_picture->setAccessibleName(tr("Needle picture"));
    addLabelledField(grid, 1, 0, tr("Shape:"), m_shape);
    grid->addWidget(m_picture, 1, 2, 1, 2);

    const QString pixels = tr("in the picture's pixels from its top-left corner");
    m_pivotX = spinBox(page, "needlePivotXSpinBox", 0.0, 100000.0, 1.0, 1,
                       tr("Where in the picture the needle turns, across, %1").arg(pixels));
    m_pivotY = spinBox(page, "needlePivotYSpinBox", 0.0, 100000.0, 1.0, 1,
                       tr("Where in the picture the needle turns, down, %1").arg(pixels));
    addLabelledField(grid, 2, 0, tr("Pivot X:"), m_pivotX);
    addLabelledField(grid, 2, 2, tr("Pivot Y:"), m_pivotY);

    m_length = spinBox(page, "needleLengthSpinBox", 0.0, 2.0, 0.01, 3,
                       tr("From the pivot to the tip, in gauge radii"));
    m_tail = spinBox(page, "needleTailSpinBox", 0.0, 2.0, 0.01, 3,
                     tr("How far the needle reaches behind the pivot, in gauge radii"));
    addLabelledField(grid, 3, 0, tr("Length:"), m_length);
    addLabelledField(grid, 3, 2, tr("Tail:"), m_tail);

    m_width = spinBox(page, "needleWidthSpinBox", 0.0, 100.0, 0.5, 2,
                      tr("Width at the hub in drawing units: the dial is 500 across"));
    m_tipWidth = spinBox(page, "needleTipWidthSpinBox", 0.0, 100.0, 0.5, 2,
                         tr("Width at the tip (tapered) or of the arrow head, in drawing units"));
    addLabelledField(grid, 4, 0, tr("Width:"), m_width);
    addLabelledField(grid, 4, 2, tr("Tip:"), m_tipWidth);

    m_color = new ColorButton(page);
    m_color->setObjectName(QStringLiteral("needleColorButton"));
    m_color->setText(QStringLiteral("..."));
    m_color->setToolTip(tr("Set Needle Color"));
    m_free = new QCheckBox(tr("Turns freely"), page);
    m_free->setObjectName(QStringLiteral("needleFreeCheckBox"));
    m_free->setToolTip(tr("Values beyond the ends of the span turn the needle on round the dial "
                          "(a compass) instead of stopping it at the end"));
    addLabelledField(grid, 5, 0, tr("Color:"), m_color);
    grid->addWidget(m_free, 5, 2, 1, 2);

    m_hub = new QCheckBox(tr("Hub:"), page);
    m_hub->setObjectName(QStringLiteral("needleHubCheckBox"));
    m_hub->setToolTip(tr("A cap over the pivot"));
    m_hubRadius = spinBox(page, "needleHubRadiusSpinBox", 0.0, 1.0, 0.01, 3,
                          tr("Radius of the hub cap in gauge radii"));
    m_hubColor = new ColorButton(page);
    m_hubColor->setObjectName(QStringLiteral("needleHubColorButton"));
    m_hubColor->setText(QStringLiteral("..."));
    m_hubColor->setToolTip(tr("Set Hub Color"));
    grid->addWidget(m_hub, 6, 0);
    grid->addWidget(m_hubRadius, 6, 1);
    grid->addWidget(m_hubColor, 6, 2);

    m_shadow = new QCheckBox(tr("Shadow:"), page);
    m_shadow->setObjectName(QStringLiteral("needleShadowCheckBox"));
    m_shadow->setToolTip(tr("A soft shadow under the needle and its hub"));
    m_shadowBlur = spinBox(page, "needleShadowBlurSpinBox", 0.0, 50.0, 0.5, 1,
                           tr("How far the shadow is blurred, in drawing units"));
    m_shadowX = spinBox(page, "needleShadowXSpinBox", -50.0, 50.0, 0.5, 1,
                        tr("How far the shadow lies to the right, in drawing units"));
    m_shadowY = spinBox(page, "needleShadowYSpinBox", -50.0, 50.0, 0.5, 1,
                        tr("How far the shadow lies down, in drawing units"));
    grid->addWidget(m_shadow, 7, 0);
    grid->addWidget(m_shadowBlur, 7, 1);
    addLabelledField(grid, 8, 0, tr("Offset:"), m_shadowX);
    grid->addWidget(m_shadowY, 8, 2, 1, 2);

    m_slider = new QSlider(Qt::Horizontal, page);
    m_slider->setObjectName(QStringLiteral("needleValueSlider"));
    m_slider->setRange(0, sliderSteps);
    m_slider->setToolTip(tr("Move the needle along the layer's span"));
    m_value = spinBox(page, "needleValueSpinBox", -1e7, 1e7, 1.0, 3,
                      tr("The value the needle shows in the preview and in exports, on the "
                         "layer's scale"));
    addLabelledField(grid, 9, 0, tr("Value:"), m_value);
    grid->addWidget(m_slider, 10, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The fields share the width of the column under the layer list: a
    // spin box may be narrower than its widest number would like.
    for (QDoubleSpinBox *box : page->findChildren<QDoubleSpinBox *>()) {
        box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000")));
    }

    return m_fields;
}

QList<QWidget *> NeedleEditor::tabOrder() const
{
    return {m_list,       m_add,     m_remove,  m_name,      m_shape,    m_picture,
            m_pivotX,     m_pivotY,  m_length,  m_tail,      m_width,    m_tipWidth,
            m_color,      m_free,    m_hub,     m_hubRadius, m_hubColor, m_shadow,
            m_shadowBlur, m_shadowX, m_shadowY, m_value,     m_slider,   m_sweep};
}

QList<EditorField> NeedleEditor::fields()
{
    const QString needle = tr("Needle");
    auto edit = [this] {
        needleEdited();
    };
    return {
        {m_name, tr("Needle Name"), groupFieldName(needle, tr("name")), edit},
        {m_shape, tr("Needle Shape"), groupFieldName(needle, tr("shape")), edit},
        {m_picture, tr("Needle Picture"), QString(),
         [this] {
             pickPicture();
         }},
        {m_pivotX, tr("Needle Pivot X"), groupFieldName(needle, tr("pivot X")), edit},
        {m_pivotY, tr("Needle Pivot Y"), groupFieldName(needle, tr("pivot Y")), edit},
        {m_length, tr("Needle Length"), groupFieldName(needle, tr("length")), edit},
        {m_tail, tr("Needle Tail"), groupFieldName(needle, tr("tail")), edit},
        {m_width, tr("Needle Width"), groupFieldName(needle, tr("width")), edit},
        {m_tipWidth, tr("Needle Tip Width"), groupFieldName(needle, tr("tip width")), edit},
        {m_color, tr("Needle Color"), tr("Needle colour"),
         [this] {
             pickColor(m_color);
         }},
        {m_free, tr("Needle Turns Freely"), groupFieldName(needle, tr("turns freely")), edit},
        {m_hub, tr("Needle Hub"), groupFieldName(needle, tr("hub cap")), edit},
        {m_hubRadius, tr("Hub Radius"), groupFieldName(needle, tr("hub radius")), edit},
        {m_hubColor, tr("Hub Color"), tr("Hub colour"),
         [this] {
             pickColor(m_hubColor);
         }},
        {m_shadow, tr("Needle Shadow"), groupFieldName(needle, tr("shadow")), edit},
        {m_shadowBlur, tr("Shadow Blur"), groupFieldName(needle, tr("shadow blur")), edit},
        {m_shadowX, tr("Shadow Offset X"), groupFieldName(needle, tr("shadow offset X")), edit},
        {m_shadowY, tr("Shadow Offset Y"), groupFieldName(needle, tr("shadow offset Y")), edit},
        {m_value, tr("Needle Value"), groupFieldName(needle, tr("value")),
         [this] {
             valueEdited();
         }},
        // Dragged; its moves are steps of their own.
        {m_slider, QString(), groupFieldName(needle, tr("value slider")), nullptr},
    };
}

void NeedleEditor::connectControls()
{
    connect(m_add, &QAbstractButton::clicked, this, &NeedleEditor::addNeedle);
    connect(m_remove, &QAbstractButton::clicked, this, &NeedleEditor::removeNeedle);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        m_document->endRun();
        showSelection();
    });
    // A drag of the slider, from press to release, is one step.
    connect(m_slider, &QSlider::sliderPressed, m_document, &GaugeDocument::endRun);
    connect(m_slider, &QSlider::sliderReleased, m_document, &GaugeDocument::endRun);
    connect(m_slider, &QSlider::valueChanged, this, &NeedleEditor::sliderMoved);

    connect(m_sweep, &QAbstractButton::clicked, this, [this] {
        if (isSweeping())
            stopSweep();
        else
            startSweep();
        m_sweep->setChecked(isSweeping());
    });
    connect(&m_sweepTimer, &QTimer::timeout, this, &NeedleEditor::sweepStep);
    connect(m_play, &QAbstractButton::clicked, this, [this] {
        if (isPlaying()) {
            m_player->stop();
            return;
        }
        m_play->setChecked(false);
        const QString path =
            askOpenPath(m_form, tr("Play Data"), tr("CSV files (*.csv *.txt *.tsv);;All files (*)"),
                        m_services.dialogFolder());
        if (!path.isEmpty())
            (void)playFile(path);
    });
    connect(m_player, &NeedlePlayer::posed, this, &NeedleEditor::posed);
    connect(m_player, &NeedlePlayer::finished, this, [this] {
        m_play->setChecked(false);
        showDerived(m_document->currentLayer());
        emit swept();
    });
    connect(m_document, &GaugeDocument::changed, m_player, &NeedlePlayer::stop);
    // Whatever changes the gauge ends the sweep, so that the preview shows
    // the gauge as it is.
    connect(m_document, &GaugeDocument::changed, this, &NeedleEditor::stopSweep);
    // A new gauge or an opened file shows its first needle, as another
    // layer does.
    connect(m_document, &GaugeDocument::layersReset, this, [this] { m_layerRow = -2; });
}

int NeedleEditor::selectedNeedle() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_document->currentLayer().needles.size() ? row : -1;
}

void NeedleEditor::selectNeedle(int index)
{
    m_list->setCurrentRow(index);
    showSelection();
}

void NeedleEditor::show(const gaugeData &layer)
{
    // Another layer's needles are not the ones that were selected.
    if (m_layerRow != m_document->currentRow()) {
        m_layerRow = m_document->currentRow();
        const QSignalBlocker quietList(m_list);
        m_list->setCurrentRow(layer.needles.isEmpty() ? -1 : 0);
    }
    showDerived(layer);
    showSelection();
}

void NeedleEditor::showDerived(const gaugeData &layer)
{
    const int row = m_list->currentRow();
    {
        const QSignalBlocker quietList(m_list);
        const int count = int(layer.needles.size());
        while (m_list->count() > count)
            delete m_list->takeItem(m_list->count() - 1);
        while (m_list->count() < count)
            m_list->addItem(QString());
        for (int i = 0; i < count; ++i) {
            const gaugeNeedle &n = layer.needles.at(i);
            const QString problem = needleProblem(layer, n);
            m_list->item(i)->setText(problem.isEmpty() ? n.name : tr("%1 (not drawn)").arg(n.name));
        }
        m_list->setCurrentRow(row < count ? row : -1);
    }
    m_add->setEnabled(m_document->currentRow() >= 0 && layer.needles.size() < layerNeedleLimit);

    const int index = selectedNeedle();
    m_remove->setEnabled(index >= 0);
    m_fields->setEnabled(index >= 0);
    const gaugeNeedle needle = index >= 0 ? layer.needles.at(index) : gaugeNeedle();
    const bool picture = needle.shape == needleShape::picture;
    m_pivotX->setEnabled(picture);
    m_pivotY->setEnabled(picture);
    m_width->setEnabled(!picture);
    m_tipWidth->setEnabled(!picture);
    m_hubRadius->setEnabled(needle.hub.shown);
    m_hubColor->setEnabled(needle.hub.shown);
    for (QWidget *w : {static_cast<QWidget *>(m_shadowBlur), static_cast<QWidget *>(m_shadowX),
                       static_cast<QWidget *>(m_shadowY)})
        w->setEnabled(needle.shadow.shown);

    const NeedleDial dial(layer);
    m_slider->setEnabled(index >= 0 && dial.isValid());
    {
        const QSignalBlocker quietSlider(m_slider);
        m_slider->setValue(sliderPosition(dial, needle.value));
    }
    m_sweep->setEnabled(isSweeping() || gaugeHasNeedles());
    m_play->setEnabled(isPlaying() || gaugeHasNeedles());

    const QString problem = index >= 0 ? needleProblem(layer, needle) : QString();
    m_problem->setText(problem.isEmpty() ? QString() : tr("Not drawn: %1").arg(problem));
    m_problem->setVisible(!problem.isEmpty());
}

bool NeedleEditor::gaugeHasNeedles() const
{
    for (const gaugeData &layer : m_document->layerData())
        if (!layer.needles.isEmpty())
            return true;
    return false;
}

void NeedleEditor::showSelection()
{
    const gaugeData &layer = m_document->currentLayer();
    const int index = selectedNeedle();
    // Without a selection the fields show what a new needle starts with.
    const gaugeNeedle n = index >= 0 ? layer.needles.at(index) : gaugeNeedle();
    {
        std::vector<QSignalBlocker> blocked;
        for (const EditorField &field : fields())
            blocked.emplace_back(field.control);
        if (m_name->text() != n.name)
            m_name->setText(n.name);
        m_shape->setCurrentIndex(m_shape->findData(int(n.shape)));
        m_pivotX->setValue(shownNumber(n.pivot.x()));
        m_pivotY->setValue(shownNumber(n.pivot.y()));
        m_length->setValue(shownNumber(n.length));
        m_tail->setValue(shownNumber(n.tail));
        m_width->setValue(shownNumber(n.width));
        m_tipWidth->setValue(shownNumber(n.tipWidth));
        m_color->setColor(n.color);
        m_free->setChecked(n.free);
        m_hub->setChecked(n.hub.shown);
        m_hubRadius->setValue(shownNumber(n.hub.radius));
        m_hubColor->setColor(n.hub.color);
        m_shadow->setChecked(n.shadow.shown);
        m_shadowBlur->setValue(shownNumber(n.shadow.blur));
        m_shadowX->setValue(shownNumber(n.shadow.dx));
        m_shadowY->setValue(shownNumber(n.shadow.dy));
        m_value->setValue(shownNumber(n.value));
    }
    showDerived(layer);
}

void NeedleEditor::store(const gaugeData &layer, const QString &text, int mergeKey)
{
    m_document->setLayer(m_document->currentRow(), layer, text, mergeKey);
}

void NeedleEditor::needleEdited()
{
    const int index = selectedNeedle();
    if (index < 0)
        return;
    gaugeData layer = m_document->currentLayer();
    gaugeNeedle &n = layer.needles[index];
    n.fileObject = QJsonObject();
    n.name = m_name->text();
    // A shape this version does not know stays as it is.
    if (m_shape->currentIndex() >= 0)
        n.shape = needleShape(m_shape->currentData().toInt());
    n.pivot = QPointF(m_pivotX->value(), m_pivotY->value());
    n.length = m_length->value();
    n.tail = m_tail->value();
    n.width = m_width->value();
    n.tipWidth = m_tipWidth->value();
    n.color = m_color->color();
    n.free = m_free->isChecked();
    n.hub.shown = m_hub->isChecked();
    n.hub.radius = m_hubRadius->value();
    n.hub.color = m_hubColor->color();
    n.shadow.shown = m_shadow->isChecked();
    n.shadow.blur = m_shadowBlur->value();
    n.shadow.dx = m_shadowX->value();
    n.shadow.dy = m_shadowY->value();
    store(layer, tr("Change Needle"));
}

void NeedleEditor::valueEdited()
{
    const int index = selectedNeedle();
    if (index < 0)
        return;
    gaugeData layer = m_document->currentLayer();
    layer.needles[index].fileObject = QJsonObject();
    layer.needles[index].value = m_value->value();
    store(layer, tr("Change Needle Value"));
}

void NeedleEditor::sliderMoved(int position)
{
    const int index = selectedNeedle();
    if (index < 0)
        return;
    gaugeData layer = m_document->currentLayer();
    const NeedleDial dial(layer);
    if (!dial.isValid())
        return;
    gaugeNeedle &n = layer.needles[index];
    n.fileObject = QJsonObject();
    n.value = dial.startValue()
        + (dial.endValue() - dial.startValue()) * double(position) / double(sliderSteps);
    store(layer, tr("Move Needle"), m_sliderMergeKey);
}

void NeedleEditor::pickColor(ColorButton *button)
{
    // The dialog opens on the colour; a cancelled one leaves it.
    const QColor color = m_services.pickColor(button->color());
    if (!color.isValid())
        return;
    button->setColor(color);
    needleEdited();
}

void NeedleEditor::pickPicture()
{
    if (selectedNeedle() < 0)
        return;
    const QString path =
        askOpenPath(m_form, tr("Needle Picture"), pictureFileFilter(), m_services.dialogFolder());
    if (!path.isEmpty())
        (void)setPictureFile(path);
}

bool NeedleEditor::setPictureFile(const QString &path)
{
    const int index = selectedNeedle();
    if (index < 0)
        return false;
    gaugeData layer = m_document->currentLayer();
    gaugeNeedle &n = layer.needles[index];
    const qint64 others = gaugePictureBytes(m_document->layerData()) - n.pictureData.size();
    QByteArray data;
    pictureFormat format = pictureFormat::unknown;
    if (!readPictureFile(m_form, tr("Needle Picture"), path, others, &data, &format))
        return false;
    n.fileObject = QJsonObject();
    n.pictureData = data;
    n.pictureType = format;
    n.shape = needleShape::picture;
    // Turned about the middle of its bottom eighth, where the hub of an
    // upright needle usually is; the pivot fields move it.
    const QSizeF size = decodedPicture(data, format)->size;
    n.pivot = QPointF(size.width() / 2.0, size.height() * 7.0 / 8.0);
    store(layer, tr("Change Needle Picture"));
    return true;
}

void NeedleEditor::addNeedle()
{
    gaugeData layer = m_document->currentLayer();
    if (m_document->currentRow() < 0 || layer.needles.size() >= layerNeedleLimit)
        return;
    // A name no needle of the gauge has, so that --value NAME=V reaches it
    // alone.
    QStringList names;
    for (const gaugeData &l : m_document->layerData())
        for (const gaugeNeedle &n : l.needles)
            names << n.name;
    gaugeNeedle needle;
    needle.name = tr("Needle");
    for (int i = 2; names.contains(needle.name); ++i)
        needle.name = tr("Needle %1").arg(i);
    const NeedleDial dial(layer);
    if (dial.isValid())
        needle.value = dial.startValue();
    layer.needles.append(needle);
    store(layer, tr("Add Needle"));
    selectNeedle(int(layer.needles.size() - 1));
    // Ready to be named.
    m_name->setFocus();
    m_name->selectAll();
}

void NeedleEditor::removeNeedle()
{
    const int index = selectedNeedle();
    if (index < 0)
        return;
    gaugeData layer = m_document->currentLayer();
    layer.needles.removeAt(index);
    store(layer, tr("Remove Needle"));
    // The needle that moved into its row, else the one before it.
    selectNeedle(qMin(index, m_list->count() - 1));
}

qint64 NeedleEditor::now() const
{
    return m_services.clock ? m_services.clock() : m_steadyClock.elapsed();
}

bool NeedleEditor::isPlaying() const
{
    return m_player && m_player->isPlaying();
}

bool NeedleEditor::playFile(const QString &path)
{
    stopSweep();
    QString error;
    if (!m_player->start(m_document->layerData(), path, &error)) {
        QMessageBox::warning(m_form, tr("Play Data"), error);
        return false;
    }
    m_play->setChecked(true);
    return true;
}

void NeedleEditor::startSweep()
{
    if (!gaugeHasNeedles())
        return;
    m_player->stop();
    m_sweepStart = now();
    m_sweepTimer.start();
    m_sweep->setChecked(true);
    emit posed(sweptLayers(m_document->layerData(), 0.0));
}

void NeedleEditor::stopSweep()
{
    if (!isSweeping())
        return;
    m_sweepTimer.stop();
    m_sweep->setChecked(false);
    showDerived(m_document->currentLayer());
    emit swept();
}

void NeedleEditor::sweepStep()
{
    const qint64 elapsed = now() - m_sweepStart;
    if (elapsed >= needleSweepMs || elapsed < 0) {
        stopSweep();
        return;
    }
    emit posed(sweptLayers(m_document->layerData(), needleSweepFraction(elapsed)));
}
