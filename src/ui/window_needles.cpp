#include "app/window_p.h"

#include "model/gaugedocument.h"
#include "render/gaugepainter.h"
#include "render/gui/renderarea.h"
#include "ui/faceeditor.h"
#include "ui/inspectionview.h"
#include "ui/needleeditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

// The needles in the window: their section beside the face's, their sweep
// in the preview and the inspection view, and what the image exports draw
// of them.

QTabWidget *Window::makeLayerSections()
{
    d->needles =
        new NeedleEditor(d->document, this,
                         {[this](const QColor &initial) { return getColor(initial); },
                          [this] { return fileDialogFolder(); }, d->services.needleSweepClock},
                         this);

    // The face and the needles take turns under the layer list, so that the
    // form needs no more room than it did with the face alone; the needles'
    // fields scroll where the face's height is not enough for them.
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("layerSectionTabs"));
    tabs->setDocumentMode(true);
    tabs->setAccessibleName(tr("Face and needles"));
    tabs->tabBar()->setAccessibleName(tr("Face and needles"));
    for (QGroupBox *box : {d->face->box(), d->needles->box()}) {
        box->setFlat(true);
        box->setTitle(QString());
    }
    auto *needlePage = new QScrollArea(tabs);
    needlePage->setObjectName(QStringLiteral("needleScrollArea"));
    needlePage->setFrameShape(QFrame::NoFrame);
    needlePage->setWidgetResizable(true);
    needlePage->setFocusPolicy(Qt::NoFocus);
    needlePage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    needlePage->setWidget(d->needles->box());
    tabs->addTab(d->face->box(), tr("Face"));
    tabs->addTab(needlePage, tr("Needles"));

    // A sweep moves the needles in the preview and the inspection view
    // alone; the gauge stays as it is.
    connect(d->needles, &NeedleEditor::posed, this, [this](const QList<gaugeData> &layers) {
        renderArea->showPosed(layers);
        if (d->inspectionView && d->inspectionView->isVisible())
            d->inspectionView->setLayers(layers);
    });
    connect(d->needles, &NeedleEditor::swept, this, [this] {
        renderArea->showDocument();
        if (d->inspectionView && d->inspectionView->isVisible())
            d->inspectionView->setLayers(d->document->layerData());
    });
    return tabs;
}

void Window::setUpNeedleExport()
{
    // Beside Save SVG, over the export size that the SVG and PNG exports
    // share too: the room the about text beside the buttons can spare
    // without growing a line taller than the buttons.
    auto *box = new QComboBox(this);
    box->setObjectName(QStringLiteral("needlesComboBox"));
    box->setToolTip(tr("Needles: what the SVG and PNG exports draw: the face with its needles, "
                       "the face alone, or the needles alone on a transparent ground"));
    box->setAccessibleName(tr("Needles in exports"));
    const std::pair<needleDrawing, QString> choices[] = {
        {needleDrawing::with, tr("Face and needles")},
        {needleDrawing::none, tr("Face only")},
        {needleDrawing::only, tr("Needles only")},
    };
    for (const auto &[drawing, text] : choices)
        box->addItem(text, int(drawing));
    box->setCurrentIndex(0);
    Ui::Window &f = d->form;
    f.gridLayout_11->removeWidget(f.saveSVGButton);
    auto *row = new QHBoxLayout;
    row->addWidget(f.saveSVGButton);
    row->addWidget(box);
    f.gridLayout_11->addLayout(row, 0, 0);
    setTabOrder(f.saveSVGButton, box);
    d->needlesComboBox = box;
}

needleDrawing Window::exportedNeedles() const
{
    return needleDrawing(d->needlesComboBox->currentData().toInt());
}
