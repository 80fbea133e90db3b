#include "app/window_p.h"

#include "gaugefile/editorsettings.h"
#include "render/drawingspace.h"
#include "ui/inspectionview.h"

#include <QAction>
#include <QLayout>
#include <QPainter>
#include <QStatusBar>

void Window::setUpStatusBar()
{
    d->statusBar = new QStatusBar(this);
    d->statusBar->setObjectName(QStringLiteral("statusBar"));
    d->statusBar->setSizeGripEnabled(false);
    d->form.verticalLayout->addWidget(d->statusBar);
}

void Window::inspectGauge()
{
    InspectionView *&view = d->inspectionView;
    if (!view) {
        view = new InspectionView(this);
        view->follow(d->document);
        // Undo and redo work from the inspection window too, and it follows.
        view->addAction(d->undoAction);
        view->addAction(d->redoAction);
        view->setDialColor(d->dialColor);
        view->resize(760, 800);
    }
    view->show();
    view->raise();
    view->activateWindow();
}

// The dial colour is only shown: it lies on the label behind the preview
// (under a reference picture) and under the inspection view's picture, and
// reaches no gauge file and no export.

void Window::chooseDialColor()
{
    const QColor color = getColor(d->dialColor);
    if (color.isValid())
        showDialColor(color);
}

void Window::resetDialColor()
{
    showDialColor(Qt::black);
}

void Window::showDialColor(const QColor &color)
{
    d->dialColor = QColor(color.rgb());
    setDialColor(d->dialColor);
    d->form.referenceLabel->update();
    if (d->inspectionView)
        d->inspectionView->setDialColor(d->dialColor);
}

void Window::paintDial(QWidget *backdrop)
{
    // Black is the backdrop's own colour: nothing to draw.
    if (d->dialColor == QColor(Qt::black))
        return;
    const double unit = double(backdrop->width()) / DrawingSpace::size;
    QPainter painter(backdrop);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(d->dialColor);
    const QPointF centre(DrawingSpace::centre * unit, DrawingSpace::centre * unit);
    painter.drawEllipse(centre, DrawingSpace::gaugeRadius * unit, DrawingSpace::gaugeRadius * unit);
}
