#include "app/window_p.h"

#include "ui/inspectionview.h"

#include <QAction>
#include <QLayout>
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
        view->resize(760, 800);
    }
    view->show();
    view->raise();
    view->activateWindow();
}
