#include "app/window_p.h"

#include "app/toolkitmessages.h"
#include "export/gui/exportrunner.h"
#include "gaugefile/editorsettings.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/colorbutton.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QNetworkAccessManager>
#include <QScrollArea>

Window::Window(QWidget *parent) : Window(WindowServices(), parent) {}

Window::Window(const WindowServices &services, QWidget *parent)
    : QWidget(parent), d(std::make_unique<Private>(services))
{
    dropExpectedToolkitWarnings();
    Ui::Window &form = d->form;
    form.setupUi(this);
    placeFormInScrollArea();
    // The product page is a deployment setting shared with the update check.
    form.aboutLabel->setText(
        form.aboutLabel->text().arg(QStringLiteral(DIALWRIGHT_PRODUCT_URL).toHtmlEscaped()));
    // The link opens through the safe opening of web addresses, never by
    // the label itself (which would open any address it holds).
    connect(form.aboutLabel, &QLabel::linkActivated, this, &Window::openWebAddress);

    d->document = new GaugeDocument(this);
    d->document->setObjectName(QStringLiteral("gaugeDocument"));
    d->document->reset({namedLayer{tr("Layer 1"), gaugeData()}}, 0);
    renderArea = new RenderArea;
    renderArea->setDocument(d->document);

    form.biasTypeComboBox->addItem(tr("Exponential"));
    form.biasTypeComboBox->addItem(tr("Midpoint"));
    setUpEditors();
    connectForm();
    setUpLayerList();
    placePreview();
    followDocument();
    connect(d->document, &GaugeDocument::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(d->document, &GaugeDocument::filePathChanged, this, &Window::updateWindowTitle);
    updateWindowTitle();
    // Seen wherever no reference picture covers the label.
    setWidgetColor(form.referenceLabel, Qt::black);
    d->dialColor = dialColor();
    form.referenceLabel->installEventFilter(this);

    d->applicationDirectory = services.applicationDirectory.isEmpty()
        ? QCoreApplication::applicationDirPath()
        : services.applicationDirectory;
    form.presetComboBox->setPlaceholderText(tr("Choose a preset"));
    getPresetsFromFolder();
    d->exports = new ExportRunner(this, services.exportProgressDelay);
    setUpUndoKeys();
    setUpWheel();
    setUpMenuBar();
    setUpStatusBar();
    // Last, so that it names and watches every control built above.
    setUpAccessibility();
    growToFitForm();
    setAcceptDrops(true);
    d->networkManager = new QNetworkAccessManager(this);
    checkForUpdates();
}

Window::~Window()
{
    // QWidget's destructor hides the window, which takes the focus from a
    // focused spin box and makes it report editingFinished. By then this is
    // no longer a Window, so no signal of the form may reach its slots, and
    // the document it edits must not tell the views, which go first.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
    d->document->disconnect();
    delete d->exports;
}

GaugeDocument *Window::document() const
{
    return d->document;
}

QList<namedLayer> Window::collectLayers()
{
    // The preview's editing copy is the selected layer's, unless a setter of
    // the preview changed it; then it is stored first, as the edit it is.
    renderArea->saveLayerData(d->document->currentRow());
    return d->document->layers();
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

} // namespace

void Window::growToFitForm()
{
    // The usual size fits the form in English; a language with longer words
    // makes the window start larger, rather than scroll from the start.
    layout()->activate();
    // The area has no frame, and its viewport takes its whole size once shown.
    const QSize shortfall =
        d->formScrollArea->widget()->minimumSizeHint() - d->formScrollArea->size();
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
    d->form.verticalLayout->removeItem(d->form.MainForm);
    d->form.MainForm->setParent(nullptr);
    auto *pageLayout = new FormPageLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(d->form.MainForm);

    d->formScrollArea = new QScrollArea(this);
    d->formScrollArea->setObjectName(QStringLiteral("formScrollArea"));
    d->formScrollArea->setFrameShape(QFrame::NoFrame);
    d->formScrollArea->setWidgetResizable(true);
    // Not a stop of its own in the tab order; it still scrolls to the
    // control that Tab moves to.
    d->formScrollArea->setFocusPolicy(Qt::NoFocus);
    d->formScrollArea->setWidget(page);
    d->form.verticalLayout->addWidget(d->formScrollArea);
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void Window::placePreview()
{
    // Centred, the preview keeps its 512 x 512 size hint and lies exactly
    // over referenceLabel.
    auto *renderLayout = new QGridLayout;
    renderLayout->addWidget(renderArea, 0, 0, Qt::AlignCenter);
    d->form.RenderBox->setLayout(renderLayout);
}
