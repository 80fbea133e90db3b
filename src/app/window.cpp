#include "app/window.h"

#include "render/renderarea.h"
#include "ui/colorbutton.h"
#include "version.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGridLayout>
#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QUndoStack>

Window::Window(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    placeFormInScrollArea();
    // The product page is a deployment setting shared with the update check.
    aboutLabel->setText(aboutLabel->text().arg(
        QStringLiteral(DIALWRIGHT_PRODUCT_URL).toHtmlEscaped()));
    // The link opens through the safe opening of web addresses, never by
    // the label itself (which would open any address it holds).
    connect(aboutLabel, &QLabel::linkActivated, this, &Window::openWebAddress);

    renderArea = new RenderArea;
    addLayerItem(tr("Layer 1"));
    renderArea->layers.append(renderArea->defaultGauge());

    describeControlGroups();
    biasTypeComboBox->addItem(tr("Exponential"));
    biasTypeComboBox->addItem(tr("Midpoint"));
    setUpScaleControls();
    setUpFaceControls();
    connectForm();
    setUpLayerList();
    placePreview();
    storeInitialLayer();

    applicationDirectory = QCoreApplication::applicationDirPath();
    presetComboBox->setPlaceholderText(tr("Choose a preset"));
    getPresetsFromFolder();
    setUpHistory();
    setUpMenuBar();
    // Last, so that it names and watches every control built above.
    setUpAccessibility();
    growToFitForm();
    setAcceptDrops(true);
    networkManager = new QNetworkAccessManager(this);
    checkForUpdates();
}

Window::~Window()
{
    // QWidget's destructor hides the window, which takes the focus from a
    // focused spin box and makes it report editingFinished. By then this is
    // no longer a Window, so no signal of the form may reach its slots.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

void Window::describeControlGroups()
{
    levelControls = {{
        {gaugeDivisions1SpinBox, gaugeDivisions1InnerRadiusSpinBox,
         gaugeDivisions1OuterRadiusSpinBox, gaugeDivisions1WidthSpinBox,
         gaugeDivisions1ColorButton, &Window::divisions1Changed, &Window::divisions1ColorChanged},
        {gaugeDivisions2SpinBox, gaugeDivisions2InnerRadiusSpinBox,
         gaugeDivisions2OuterRadiusSpinBox, gaugeDivisions2WidthSpinBox,
         gaugeDivisions2ColorButton, &Window::divisions2Changed, &Window::divisions2ColorChanged},
        {gaugeDivisions3SpinBox, gaugeDivisions3InnerRadiusSpinBox,
         gaugeDivisions3OuterRadiusSpinBox, gaugeDivisions3WidthSpinBox,
         gaugeDivisions3ColorButton, &Window::divisions3Changed, &Window::divisions3ColorChanged},
    }};
    arcControls = {{
        {arc1StartAngleSpinBox, arc1AngleLengthSpinBox, arc1RadiusSpinBox, arc1WidthSpinBox,
         arc1ColorButton, &Window::arc1Changed, &Window::arc1ColorChanged},
        {arc2StartAngleSpinBox, arc2AngleLengthSpinBox, arc2RadiusSpinBox, arc2WidthSpinBox,
         arc2ColorButton, &Window::arc2Changed, &Window::arc2ColorChanged},
        {arc3StartAngleSpinBox, arc3AngleLengthSpinBox, arc3RadiusSpinBox, arc3WidthSpinBox,
         arc3ColorButton, &Window::arc3Changed, &Window::arc3ColorChanged},
        {arc4StartAngleSpinBox, arc4AngleLengthSpinBox, arc4RadiusSpinBox, arc4WidthSpinBox,
         arc4ColorButton, &Window::arc4Changed, &Window::arc4ColorChanged},
    }};
}

namespace {

// The layout of the scrolled page. The about text wraps its lines, which
// would make the scroll area give the page the height the form would like
// rather than the room there is; the page takes the room there is, down to
// the form's minimum, as the window did.
class FormPageLayout : public QVBoxLayout
{
public:
    using QVBoxLayout::QVBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

// Connects the signal a form control reports its edits with (see
// FormConnection) to a slot or function object of the window.
template <typename Receiver>
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
    else
        Q_UNREACHABLE();
}

} // namespace

void Window::connectForm()
{
    const QList<QObject *> editing = layerEditingControls();
    for (const FormConnection &row : formConnections()) {
        const int index = int(editing.indexOf(row.sender));
        if (index < 0) {
            connectEdit(row.sender, this, row.slot);
            continue;
        }
        // The slot's work, and whatever it sets off, is one undo step.
        // Steps of one spin box or text merge while the user keeps at it; a
        // colour, a font, a choice or a check is a step of its own.
        const bool typed = qobject_cast<QAbstractSpinBox *>(row.sender)
            || qobject_cast<QPlainTextEdit *>(row.sender);
        const int mergeKey = typed ? index : -1;
        const QString text = tr("Change %1").arg(controlStepName(row.sender));
        connectEdit(row.sender, this, [this, text, mergeKey] { beginEditStep(text, mergeKey); });
        connectEdit(row.sender, this, row.slot);
        connectEdit(row.sender, this, [this] { endEditStep(); });
    }
}

void Window::setUpLayerList()
{
    // Row 0 is selected before the list is connected, so this runs no slot.
    layerList->setCurrentRow(0);
    layerList->setEditTriggers(QAbstractItemView::DoubleClicked
                               | QAbstractItemView::EditKeyPressed);

    connect(layerList, &QListWidget::currentItemChanged, this, &Window::layerChanged);
    // A name edited in the list is one step; the edits the rename handler
    // makes to the item are part of it.
    connect(layerList, &QListWidget::itemChanged, this,
            [this] { beginEditStep(tr("Rename Layer")); });
    connect(layerList, &QListWidget::itemChanged, this, &Window::layerRenamed);
    connect(layerList, &QListWidget::itemChanged, this, [this] { endEditStep(); });
    connect(AddLayerButton, &QAbstractButton::clicked, this, &Window::addLayer);
    connect(RemoveLayerButton, &QAbstractButton::clicked, this, &Window::removeLayer);
    connect(loadReferenceButton, &QAbstractButton::clicked, this, &Window::loadReference);
    connect(clearReferenceButton, &QAbstractButton::clicked, this, &Window::clearReference);
    connect(checkUpdatesButton, &QAbstractButton::clicked, this,
            &Window::startManualUpdateCheck);
}

void Window::growToFitForm()
{
    // The usual size fits the form in English; a language with longer words
    // makes the window start larger, rather than scroll from the start.
    layout()->activate();
    // The area has no frame, and its viewport takes its whole size once shown.
    const QSize shortfall =
        formScrollArea->widget()->minimumSizeHint() - formScrollArea->size();
    resize(size() + shortfall.expandedTo(QSize(0, 0)));
}

void Window::placeFormInScrollArea()
{
    // The form needs a certain room; in a smaller window it scrolls rather
    // than laying its groups over each other. It takes exactly the place it
    // had, so at its usual size nothing moves.
    // Moving the widgets to another parent reorders the focus chain by the
    // order of the layout; the form's tab order is put back afterwards.
    QList<QWidget *> tabOrder;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        const bool proxy = w->parentWidget() && w->parentWidget()->focusProxy() == w;
        if (w->focusPolicy() != Qt::NoFocus && !proxy)
            tabOrder.append(w);
    }

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("formPage"));
    verticalLayout->removeItem(MainForm);
    MainForm->setParent(nullptr);
    auto *pageLayout = new FormPageLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(MainForm);

    formScrollArea = new QScrollArea(this);
    formScrollArea->setObjectName(QStringLiteral("formScrollArea"));
    formScrollArea->setFrameShape(QFrame::NoFrame);
    formScrollArea->setWidgetResizable(true);
    // Not a stop of its own in the tab order; it still scrolls to the
    // control that Tab moves to.
    formScrollArea->setFocusPolicy(Qt::NoFocus);
    formScrollArea->setWidget(page);
    verticalLayout->addWidget(formScrollArea);
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void Window::placePreview()
{
    // Centred, the preview keeps its 512 x 512 size hint and lies exactly
    // over referenceLabel.
    auto *renderLayout = new QGridLayout;
    renderLayout->addWidget(renderArea, 0, 0, Qt::AlignCenter);
    RenderBox->setLayout(renderLayout);
}

// Pushes the form's initial values into the editing copy and stores it as
// layer 0. The colours are those of a default layer, fixed here rather than
// read back from the buttons, which have none yet.
void Window::storeInitialLayer()
{
    angleChanged();

    const gaugeData defaults;
    for (int i = 0; i < int(levelControls.size()); ++i) {
        const LevelControls &level = levelControls[i];
        setWidgetColor(level.color, defaults.divisionColor[i]);
        renderArea->setDivisions(i, level.count->value(), level.innerRadius->value(),
                                 level.outerRadius->value(), level.width->value(),
                                 defaults.divisionColor[i]);
    }
    for (int i = 0; i < int(arcControls.size()); ++i) {
        const ArcControls &arc = arcControls[i];
        setWidgetColor(arc.color, defaults.arcColor[i]);
        renderArea->setArc(i, arc.startAngle->value(), arc.angleLength->value(),
                           arc.radius->value(), arc.width->value(), defaults.arcColor[i]);
    }

    setWidgetColor(tickColorButton, defaults.tickCountColor);
    // The font button is the label font's holder from the first edit on, so
    // it starts with the font the first layer gets.
    tickCountFontButton->setFont(defaults.tickCountFont);
    renderArea->setTickCounts(tickCountCheckBox->isChecked(), tickCountStartSpinBox->value(),
                              tickCountIncrementSpinBox->value(),
                              tickCountDecimalPlacesSpinBox->value(),
                              tickCountRadiusSpinBox->value(),
                              tickCountRotateCheckBox->isChecked(),
                              skipFirstTickCheckBox->isChecked(), defaults.tickCountFont,
                              defaults.tickCountColor);
    // Seen wherever no reference picture covers the label.
    setWidgetColor(referenceLabel, Qt::black);

    renderArea->setRoundCaps(roundedTickCapsCheckBox->isChecked(),
                             roundedArcCapsCheckBox->isChecked());
    renderArea->saveLayerData(layerList->currentRow());
}

void Window::startManualUpdateCheck()
{
    manualUpdateCheck = true;
    checkForUpdates();
}
