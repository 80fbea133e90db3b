#include "app/window.h"

#include "render/renderarea.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QNetworkAccessManager>

Window::Window(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    renderArea = new RenderArea;
    addLayerItem(tr("Layer 1"));
    renderArea->layers.append(renderArea->defaultGauge());
    layerList->setCurrentRow(0);

    auto *renderLayout = new QGridLayout;
    renderLayout->addWidget(renderArea, 0, 0, Qt::AlignCenter);
    RenderBox->setLayout(renderLayout);

    renderArea->saveLayerData(layerList->currentRow());
    applicationDirectory = QCoreApplication::applicationDirPath();
    setWindowTitle(QStringLiteral("Dialwright ") + QStringLiteral("2.2.0"));
    networkManager = new QNetworkAccessManager(this);
}
