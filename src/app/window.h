#pragma once

#include "export/physicalpage.h"
#include "model/gaugesnapshot.h"
#include "model/namedlayer.h"
#include "render/facepainter.h"
#include "ui/controlgroups.h"
#include "ui_window.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class FocusRing;
class InspectionView;
class QAction;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QMimeData;
class QNetworkAccessManager;
class QNetworkReply;
class QPrinter;
class QScrollArea;
class QSignalBlocker;
class QUndoStack;
class RenderArea;
enum class gaugeFileStatus;

// The main window: the form around the preview. Its slots are implemented in
// the folder of the subsystem that owns them (ui/, gaugefile/, export/,
// update/); this header is the one place that declares them.
class Window : public QWidget, public Ui::Window
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

    // Control binding (ui/controlbinding.cpp)
    // The form's repeated groups, built once in the constructor.
    std::array<LevelControls, 3> levelControls{};
    std::array<ArcControls, 4> arcControls{};
    ScaleControls scaleControls{};
    // Shows a scale in the scale controls, with their signals blocked: the
    // type, its fields (hiding those it does not use) and why it cannot be
    // drawn, if it cannot (ui/scalecontrols.cpp).
    void showScale(const valueScale &scale);
    FaceControls faceControls{};
    // Shows the current layer's face in the face controls and the overlay,
    // with their signals blocked: the label texts and the hints beside them,
    // the list of elements, the selected element's fields and why it is not
    // drawn, if it is not (ui/facecontrols.cpp).
    void showFace();
    // The selected element of the current layer: its kind and its index in
    // the layer's list of that kind; invalid for none.
    FaceElement selectedFaceElement() const;
    void selectFaceElement(const FaceElement &element);
    // Adds a picture file to the current layer as one undo step, after
    // checking it can be drawn and fits the gauge file's limits; false,
    // after telling the user why, when it cannot.
    bool addFacePictureFile(const QString &path);
    // The connections of the form's controls to their slots, in the order
    // they are made.
    QList<FormConnection> formConnections() const;
    // Every control that edits the current layer.
    QList<QObject *> layerEditingControls() const;
    // Blocks the signals of every layer-editing control until the result is
    // destroyed, then restores each control's previous state.
    [[nodiscard]] std::vector<QSignalBlocker> blockFormSignals() const;

    // Layer list (ui/layerlist.cpp)
    void addLayerItem(const QString &name);
    void setLayerItemName(QListWidgetItem *item, const QString &name);
    QList<namedLayer> collectLayers();
    // The Layer menu's own operations; each is one undo step.
    void renameLayer();
    void duplicateLayer();
    void moveLayer(int offset);

    // Undo history (ui/edithistory.cpp). Every change to the gauge is
    // recorded as the difference between the gauge before and after it.
    QUndoStack *undoStack = nullptr;
    // The gauge as the list, the preview and the form show it.
    GaugeSnapshot snapshot() const;
    // Puts a snapshot into the list, the preview and the form, with the
    // controls' signals blocked; records nothing.
    void applySnapshot(const GaugeSnapshot &gauge);
    // Steps nest: whatever happens between the outermost begin and its end
    // is one step, named by the outermost text. Edits of the same control
    // (same merge key) in one run merge into one step.
    void beginEditStep(const QString &text, int mergeKey = -1);
    void endEditStep();
    // The next edit starts a new step even if it is of the same control.
    void endEditRun();
    // "Primary Count", "Arc 2 Color", ...: the name of the undo step of an
    // edit of one of the form's layer-editing controls.
    QString controlStepName(const QObject *control) const;

    // Gauge files (gaugefile/gaugefileflows.cpp, gaugefile/presetsfolder.cpp)
    // Returns the path written, or an empty text when nothing was saved.
    QString saveGaugeFile(const QList<namedLayer> &layers, const QString &caption,
                          const QString &startFolder);
    // Both return whether the gauge changed.
    bool loadGaugeFile(const QString &path);
    bool mergeLoadedLayers(const QList<namedLayer> &loaded, const QString &fallbackName);
    // Reads the gauge file at `path` into `layers`; when it cannot be used,
    // says why and returns false, and the gauge stays as it is.
    [[nodiscard]] bool readUsableGaugeFile(const QString &path, QList<namedLayer> &layers);
    // The shipped presets, beside the program, and the user's own.
    QString presetsFolder() const;
    QString userPresetsFolder() const;

    // The gauge as a document (gaugefile/documentflows.cpp): the file it was
    // opened from or last saved to, clean or modified as the undo history
    // says.
    QString documentPath;
    void newDocument();
    void openDocument();
    // Replaces the gauge with the file's layers, after asking `question`
    // about unsaved changes (no question when empty). False when the file
    // could not be read (the user has been told) or the user cancelled.
    bool openDocumentFile(const QString &path, const QString &question);
    void openRecentFile(const QString &path);
    bool saveDocument();
    bool saveDocumentAs();
    // Asks whether to save unsaved changes first. True when the caller may
    // go on: nothing was unsaved, the user discarded, or the save worked.
    bool maybeSave(const QString &question);
    void updateWindowTitle();
    // Where file dialogs start: the document's folder, else the folder last
    // used, else the user's documents; never a folder the user cannot write.
    QString fileDialogFolder() const;

    // Reference picture (ui/referenceimage.cpp). False, after a warning
    // naming the file, when the file is not a picture the toolkit can read.
    bool showReferenceFile(const QString &path);

    // Menu bar (ui/menubar.cpp)
    QMenuBar *menuBar = nullptr;
    QMenu *recentMenu = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *moveUpAction = nullptr;
    QAction *moveDownAction = nullptr;
    void refreshRecentMenu();
    void showAbout();

    // The gauge enlarged in a window of its own (ui/inspectionview.cpp),
    // made when first asked for.
    InspectionView *inspectionView = nullptr;
    void inspectGauge();

    // Update check (update/updatecheck.cpp)
    void checkForUpdates();
    static QUrl defaultVersionUrl();
    // Address of the version document; the build's setting unless a test
    // points it elsewhere. Empty means this build never checks.
    QUrl versionUrl = defaultVersionUrl();
    // Milliseconds without any data after which a check gives up; tests
    // shorten it.
    int updateTransferTimeout = 5000;
    // Milliseconds from a request to the moment a check gives up, however
    // the server trickles its answer; tests shorten it.
    int updateCheckDeadline = 10000;
    // Opens an address in the user's browser; unset means the desktop's own
    // handler. Tests put a recorder here.
    std::function<bool(const QUrl &)> openExternalUrl;
    // Opens a web address in the browser if it is an https address with a
    // host; false when it is not, or the browser could not be started. The
    // update check's links and the product links in the about texts all go
    // through here.
    bool openWebAddress(const QString &address);

    void startManualUpdateCheck();

    // Physical output (export/pdfflows.cpp): the gauge at its true size as
    // a PDF or on paper. Each entry opens the Export PDF / Print dialog
    // with its own default button; the options chosen there are kept until
    // the program closes.
    void exportPdfOrPrint();
    void printGauge();
    void printPreview();
    PhysicalOutputOptions physicalOutput;
    PhysicalSize::LengthUnit physicalOutputUnit = PhysicalSize::LengthUnit::Millimetre;
    // Sets up the printer once the page is chosen; false cancels. Unset:
    // the print dialog. Tests print to a PDF file here.
    std::function<bool(QPrinter *)> choosePrinter;

    // Exports (export/exportflows.cpp, export/pdfflows.cpp)
    // Milliseconds an export runs before its progress dialog shows; tests
    // change it.
    int exportProgressDelay = 500;
    // An export is running; the export entries do nothing meanwhile.
    bool exportRunning = false;

    // Holds the form below the menu bar, and scrolls it in a window smaller
    // than the form needs.
    QScrollArea *formScrollArea = nullptr;

    // Accessibility (ui/accessibility.cpp): the ring that marks the button
    // with the keyboard focus.
    FocusRing *focusRing = nullptr;

    RenderArea *renderArea = nullptr;
    QNetworkAccessManager *networkManager = nullptr;
    bool manualUpdateCheck = false;
    QString applicationDirectory;

public slots:
    void angleChanged();
    void scaleTypeChanged();
    void scaleChanged();
    void scalePointsChanged();
    void capsChanged();
    void divisions1Changed();
    void divisions2Changed();
    void divisions3Changed();
    void arc1Changed();
    void arc2Changed();
    void arc3Changed();
    void arc4Changed();
    void divisions1ColorChanged();
    void divisions2ColorChanged();
    void divisions3ColorChanged();
    void arc1ColorChanged();
    void arc2ColorChanged();
    void arc3ColorChanged();
    void arc4ColorChanged();
    void tickSettingsChanged();
    void tickDecimalsChanged();
    void labelTextsChanged();
    void faceTextChanged();
    void faceTextColorChanged();
    void facePictureChanged();
    void replaceFacePicture();
    void addFaceText();
    void addFacePicture();
    void removeFaceElement();
    void saveSVG();
    void savePNG();
    void saveGauge();
    void saveLayer();
    void saveKeyframes();
    void loadGauge();
    void tickFontButton();
    void tickColorChanged();
    void presetChanged();
    void setActiveGauge();
    // Opens the colour dialog on `initial`; an invalid colour when cancelled.
    QColor getColor(const QColor &initial = Qt::black);
    QFont getFont();
    void blockWidgetSignals(bool inEnable);
    void layerChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void layerRenamed(QListWidgetItem *item);
    void addLayer();
    void removeLayer();
    void loadReference();
    void clearReference();
    void getPresetsFromFolder();
    void onUpdateCheckFinished(QNetworkReply *reply);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, in order (app/window.cpp)
    void placeFormInScrollArea();
    void growToFitForm();
    void describeControlGroups();
    void setUpScaleControls();
    void setUpFaceControls();
    // The face section's groups of fields and their connections.
    QWidget *makeTextFields();
    QWidget *makePictureFields();
    void connectFaceControls();
    // Answers the overlay: picking, dragging and nudging the selection.
    void facePressed(const QPointF &point);
    void faceDragged(const QPointF &point);
    void moveFaceElement(const QPointF &offset, bool fromDragStart);
    void showFaceSelection();
    QStringList labelHints() const;
    void connectForm();
    void setUpLayerList();
    void placePreview();
    void storeInitialLayer();
    void setUpMenuBar();
    void setUpHistory();
    void setUpAccessibility();

    // The file a drag would hand over, when the window takes it.
    QString droppedGaugeFile(const QMimeData *mime) const;
    QString droppedPicture(const QMimeData *mime, const QPoint &position) const;
    void updateLayerActions();
    // The gauge as it is now starts a new history, clean.
    void startHistory();
    // The gauge now belongs to the file at `path`, saved.
    void adoptDocument(const QString &path);

    // The undo history's view of the gauge: what the last step left, and
    // the step being recorded.
    GaugeSnapshot recordedGauge;
    // Where the dragged element stood when the button went down, and where.
    QPointF faceDragOrigin;
    QPointF faceDragStart;
    bool faceDragging = false;
    // The layer whose elements the face controls show.
    int faceLayerRow = -1;
    QString stepText;
    int stepMergeKey = -1;
    int stepDepth = 0;
    int editRun = 0;

    // One group of controls to the editing copy and the current layer
    // (ui/controlbinding.cpp)
    void levelChanged(int level);
    void arcChanged(int arc);
};
