#pragma once

// The state the window's aspects share. Only the window's own files
// include this.

#include "app/window.h"
#include "export/physicalpage.h"
#include "render/physicalsize.h"
#include "ui_window.h"

#include <array>

class ArcEditor;
class CapsEditor;
class ExportRunner;
class FaceEditor;
class FocusRing;
class GaugeDocument;
class InspectionView;
class LabelEditor;
class LayerListView;
class NeedleEditor;
class QAction;
class QMenu;
class QMenuBar;
class QComboBox;
class QNetworkAccessManager;
class QScrollArea;
class QStatusBar;
class ScaleEditor;
class SpanEditor;
class TickLevelEditor;

struct Window::Private
{
    explicit Private(const WindowServices &inServices) : services(inServices) {}

    WindowServices services;
    Ui::Window form;
    GaugeDocument *document = nullptr;

    // The form's editors, and all of them in the form's order.
    SpanEditor *span = nullptr;
    CapsEditor *caps = nullptr;
    std::array<TickLevelEditor *, 3> levels{};
    std::array<ArcEditor *, 4> arcs{};
    LabelEditor *labels = nullptr;
    ScaleEditor *scale = nullptr;
    FaceEditor *face = nullptr;
    NeedleEditor *needles = nullptr;
    QList<LayerEditor *> editors;
    // Every control the editors edit the layer with.
    QList<QObject *> editingControls;
    // The user is editing a control: the form shows what follows from the
    // edit, not the values again, which would disturb the typing.
    int editDepth = 0;

    LayerListView *layerListView = nullptr;
    // What the SVG and PNG exports draw of the needles.
    QComboBox *needlesComboBox = nullptr;

    QMenuBar *menuBar = nullptr;
    // Below the form: what the last export wrote.
    QStatusBar *statusBar = nullptr;
    QMenu *recentMenu = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *moveUpAction = nullptr;
    QAction *moveDownAction = nullptr;

    // Holds the form below the menu bar, and scrolls it in a window smaller
    // than the form needs.
    QScrollArea *formScrollArea = nullptr;
    // The ring that marks the button with the keyboard focus.
    FocusRing *focusRing = nullptr;
    // The colour the dial is shown on behind the preview and in the
    // inspection view (View > Dial Color...); kept in the settings.
    QColor dialColor = Qt::black;
    // The gauge enlarged in a window of its own, made when first asked for.
    InspectionView *inspectionView = nullptr;

    // Exports run here, one at a time.
    ExportRunner *exports = nullptr;
    // The Export PDF / Print dialog's options, kept until the program closes.
    PhysicalOutputOptions physicalOutput;
    PhysicalSize::LengthUnit physicalOutputUnit = PhysicalSize::LengthUnit::Millimetre;

    QNetworkAccessManager *networkManager = nullptr;
    bool manualUpdateCheck = false;
    QString applicationDirectory;
};
