#include "app/window_p.h"

#include "model/gaugedocument.h"

#include "gaugefile/editorsettings.h"
#include "version.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QUndoStack>

// The menu bar stands above the form and reaches the same operations as the
// form's buttons, plus those of the document (New, Open, Save), the history
// and the layer list that have no button.

namespace {

// Adds an action to the menu and to the window, so that its shortcut works
// wherever the focus is in the window, also while the menu is closed.
template <typename Receiver>
QAction *addItem(Window *window, QMenu *menu, const char *name, const QString &text,
                 Receiver receiver, const QList<QKeySequence> &shortcuts = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(shortcuts);
    QObject::connect(action, &QAction::triggered, window, receiver);
    window->addAction(action);
    return action;
}

} // namespace

void Window::setUpMenuBar()
{
    d->menuBar = new QMenuBar(this);
    d->menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenuBar *menuBar = d->menuBar;
    // Placed by the window's layout above its margins: the form below keeps
    // its own geometry and only moves down.
    layout()->setMenuBar(menuBar);

    QMenu *file = menuBar->addMenu(tr("&File"));
    addItem(this, file, "newAction", tr("&New"), &Window::newDocument, {QKeySequence::New});
    addItem(this, file, "openAction", tr("&Open..."), &Window::openDocument, {QKeySequence::Open});
    d->recentMenu = file->addMenu(tr("Open &Recent"));
    d->recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(d->recentMenu, &QMenu::aboutToShow, this, &Window::refreshRecentMenu);
    refreshRecentMenu();
    file->addSeparator();
    addItem(this, file, "saveAction", tr("&Save"), [this] { saveDocument(); }, {QKeySequence::Save});
    addItem(this, file, "saveAsAction", tr("Save &As..."), [this] { saveDocumentAs(); },
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    addItem(this, file, "saveLayerAction", tr("Save &Layer As Preset..."), &Window::saveLayer);
    file->addSeparator();
    addItem(this, file, "exportSvgAction", tr("Export S&VG..."), &Window::saveSVG);
    addItem(this, file, "exportPngAction", tr("Export &PNG..."), &Window::savePNG);
    addItem(this, file, "exportKeyframesAction", tr("Export &Keyframes CSV..."), &Window::saveKeyframes);
    addItem(this, file, "exportAssetsAction", tr("Export Ass&ets..."), &Window::exportAssets);
    addItem(this, file, "exportForAction", tr("Export &For..."), &Window::exportForTarget);
    addItem(this, file, "exportPdfAction", tr("Export P&DF / Print..."), &Window::exportPdfOrPrint);
    addItem(this, file, "exportAnimationAction", tr("Export Ani&mation..."), &Window::exportAnimation);
    file->addSeparator();
    addItem(this, file, "printPreviewAction", tr("Print Previe&w..."), &Window::printPreview);
    addItem(this, file, "printAction", tr("Prin&t..."), &Window::printGauge, {QKeySequence::Print});
    file->addSeparator();
    addItem(this, file, "quitAction", tr("&Quit"), &QWidget::close, {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu *edit = menuBar->addMenu(tr("&Edit"));
    QUndoStack *undoStack = d->document->undoStack();
    QAction *undoAction = d->undoAction = undoStack->createUndoAction(this, tr("Undo"));
    undoAction->setObjectName(QStringLiteral("undoAction"));
    undoAction->setShortcuts(QKeySequence::Undo);
    QAction *redoAction = d->redoAction = undoStack->createRedoAction(this, tr("Redo"));
    redoAction->setObjectName(QStringLiteral("redoAction"));
    // "Undo Change Bias": the word order is the language's, so the step is
    // put into a whole text rather than after a prefix.
    auto nameStep = [](QAction *action, const QString &plain, const QString &withStep) {
        return [action, plain, withStep](const QString &step) {
            action->setText(step.isEmpty() ? plain : withStep.arg(step));
        };
    };
    connect(undoStack, &QUndoStack::undoTextChanged, undoAction,
            nameStep(undoAction, tr("Undo"), tr("Undo %1", "%1 is the step, such as Add Layer")));
    connect(undoStack, &QUndoStack::redoTextChanged, redoAction,
            nameStep(redoAction, tr("Redo"), tr("Redo %1", "%1 is the step, such as Add Layer")));
    // Ctrl+Y as well as the platform's own Redo keys.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redoAction->setShortcuts(redoKeys);
    edit->addAction(undoAction);
    edit->addAction(redoAction);
    addAction(undoAction);
    addAction(redoAction);

    QMenu *layer = menuBar->addMenu(tr("&Layer"));
    addItem(this, layer, "addLayerAction", tr("&Add Layer..."), &Window::addLayer);
    addItem(this, layer, "removeLayerAction", tr("&Remove Layer"), &Window::removeLayer);
    addItem(this, layer, "renameLayerAction", tr("Re&name Layer"), &Window::renameLayer, {QKeySequence(Qt::Key_F2)});
    addItem(this, layer, "duplicateLayerAction", tr("&Duplicate Layer"), &Window::duplicateLayer,
            {QKeySequence(Qt::CTRL | Qt::Key_D)});
    layer->addSeparator();
    d->moveUpAction = addItem(this, layer, "moveUpAction", tr("Move &Up"), [this] { moveLayer(-1); },
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)});
    d->moveDownAction = addItem(this, layer, "moveDownAction", tr("Move Do&wn"), [this] { moveLayer(1); },
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)});
    updateLayerActions();

    QMenu *view = menuBar->addMenu(tr("&View"));
    addItem(this, view, "inspectAction", tr("&Inspect..."), &Window::inspectGauge,
            {QKeySequence(Qt::CTRL | Qt::Key_I)});
    view->addSeparator();
    addItem(this, view, "dialColorAction", tr("Dial &Color..."), &Window::chooseDialColor);
    addItem(this, view, "blackDialAction", tr("&Black Dial"), &Window::resetDialColor);

    QMenu *help = menuBar->addMenu(tr("&Help"));
    addItem(this, help, "checkForUpdatesAction", tr("&Check For Updates"), &Window::startManualUpdateCheck);
    addItem(this, help, "aboutAction", tr("&About Dialwright"), &Window::showAbout);
}

void Window::refreshRecentMenu()
{
    d->recentMenu->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        // Numbered 1 to 9, then 0, for the keyboard.
        QAction *action = d->recentMenu->addAction(
            tr("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    if (files.isEmpty()) {
        d->recentMenu->addAction(tr("No Recent Files"))->setEnabled(false);
        return;
    }
    d->recentMenu->setToolTipsVisible(true);
    d->recentMenu->addSeparator();
    connect(d->recentMenu->addAction(tr("&Clear Recent Files")), &QAction::triggered, this, [this] {
        setRecentFiles({});
        refreshRecentMenu();
    });
}

void Window::showAbout()
{
    QString text = tr("<h3>Dialwright %1</h3>"
                      "<p>Design the faces of round gauges: tick marks, arcs and numbers, "
                      "layer by layer.</p>"
                      "<p>Built with Qt %2, running on Qt %3.</p>")
                       .arg(dialwrightVersion(), QStringLiteral(QT_VERSION_STR),
                            QString::fromLatin1(qVersion()));
    const QString address = QStringLiteral(DIALWRIGHT_PRODUCT_URL).toHtmlEscaped();
    if (!address.isEmpty())
        text += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(address);
    QMessageBox box(QMessageBox::NoIcon, tr("About Dialwright"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(windowIcon().pixmap(64, 64));
    // The link opens through the safe opening of web addresses, like every
    // other link of the window, rather than by the box's own label.
    for (QLabel *shown : box.findChildren<QLabel *>()) {
        shown->setOpenExternalLinks(false);
        connect(shown, &QLabel::linkActivated, this, &Window::openWebAddress);
    }
    box.exec();
}
