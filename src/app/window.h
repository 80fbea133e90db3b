#pragma once

#include "app/windowservices.h"
#include "model/namedlayer.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

enum class needleDrawing;
struct ExportProgress;
struct PhysicalOutputOptions;
class GaugeDocument;
class LayerEditor;
class QListWidgetItem;
class QMimeData;
class QNetworkReply;
class QTabWidget;
class RenderArea;

// The main window: the form around the preview, over the gauge's document.
// It composes the document, the form's editors and the views and keeps
// them to itself; its slots are the form's actions. They are implemented
// in the folders of the subsystems that own them, in files named after the
// window and the aspect (ui/window_form.cpp, gaugefile/gui/window_files.cpp,
// export/gui/window_export.cpp, ...); the state they share is
// Window::Private (app/window_p.h).
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    explicit Window(const WindowServices &services, QWidget *parent = nullptr);
    ~Window() override;

    // The gauge the window edits.
    GaugeDocument *document() const;
    // The preview of the gauge.
    RenderArea *renderArea = nullptr;

    // The gauge as named layers, in layer order.
    QList<namedLayer> collectLayers();
    // Adds the file's layers to the gauge, or overwrites the current layer
    // with them, as the form's Load does. Returns whether the gauge changed.
    bool loadGaugeFile(const QString &path);
    // Replaces the gauge with the file's layers, after asking `question`
    // about unsaved changes (no question when empty). False when the file
    // could not be read (the user has been told) or the user cancelled.
    // A file named on the command line was not picked in a dialog, so a
    // message about it names it.
    bool openDocumentFile(const QString &path, const QString &question,
                          bool namedOnCommandLine = false);
    // Where file dialogs start: the document's folder, else the folder last
    // used, else the user's documents; never a folder the user cannot write.
    QString fileDialogFolder() const;

public slots:
    void angleChanged();
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
    struct Private;
    std::unique_ptr<Private> d;

    // Construction (app/window.cpp)
    void placeFormInScrollArea();
    void growToFitForm();
    void placePreview();

    // The form's editors (ui/window_form.cpp)
    void setUpEditors();
    void connectForm();
    void commit(const LayerEditor &editor);
    void pickColor(class ColorButton *button, void (Window::*binding)());
    void followDocument();
    void setUpUndoKeys();
    void setUpWheel();

    // Needles (ui/window_needles.cpp)
    // The face and needle sections, sharing their place under the layer
    // list.
    QTabWidget *makeLayerSections();
    void setUpNeedleExport();
    // What the SVG and PNG exports draw of the needles.
    needleDrawing exportedNeedles() const;

    // Layers (ui/window_layers.cpp)
    void setUpLayerList();
    void renameLayer();
    void duplicateLayer();
    void moveLayer(int offset);
    void updateLayerActions();

    // Gauge files (gaugefile/gui/window_files.cpp, window_presets.cpp)
    QString saveGaugeFile(const QList<namedLayer> &layers, const QString &caption,
                          const QString &startFolder);
    bool mergeLoadedLayers(const QList<namedLayer> &loaded, const QString &fallbackName);
    [[nodiscard]] bool readUsableGaugeFile(const QString &path, QList<namedLayer> &layers,
                                           bool namePath = false);
    QString presetsFolder() const;

    // The gauge as a document (gaugefile/gui/window_document.cpp)
    void newDocument();
    void openDocument();
    void openRecentFile(const QString &path);
    bool saveDocument();
    bool saveDocumentAs();
    bool maybeSave(const QString &question);
    void updateWindowTitle();
    void adoptDocument(const QString &path);

    // Exports and printing (export/gui/window_export.cpp, window_print.cpp)
    // Runs an export of the file at `path` in the background; a failure is
    // reported once it is known.
    void exportToFile(const QString &path, qint64 total,
                      const std::function<bool(ExportProgress &, QString *)> &work);
    void exportPdfOrPrint();
    // File > Export Animation... (export/gui/window_animation.cpp)
    void exportAnimation();
    void printGauge();
    void printPreview();
    // Opens the Export PDF / Print dialog with `preferred` (an action of
    // the dialog) as its default, and does what it is asked.
    void runPhysicalOutput(int preferred);
    void printOnPaper(const QList<gaugeData> &layers, const PhysicalOutputOptions &options);
    // Says in the status bar which file an export wrote and how large it is.
    void showWritten(const QString &path);

    // The asset set and the targets (export/gui/window_assets.cpp)
    void exportAssets();
    void exportForTarget();
    // Asks for a folder to write into; empty when the user cancels.
    QString askFolder(const QString &caption);
    // Runs `work` on the export runner, which writes into `folder`.
    void exportToFolder(const QString &folder,
                        const std::function<bool(ExportProgress &, QString *)> &work);

    // Reference picture and dropped files (ui/window_reference.cpp,
    // ui/window_drops.cpp)
    bool showReferenceFile(const QString &path);
    QString droppedGaugeFile(const QMimeData *mime) const;
    QString droppedPicture(const QMimeData *mime, const QPoint &position) const;

    // Menus, view and accessibility (ui/window_menus.cpp, ui/window_view.cpp,
    // ui/window_accessibility.cpp)
    void setUpMenuBar();
    void setUpStatusBar();
    void refreshRecentMenu();
    void showAbout();
    void inspectGauge();
    // View > Dial Color... and Black Dial: the colour the dial is shown on.
    void chooseDialColor();
    void resetDialColor();
    void showDialColor(const QColor &color);
    void paintDial(QWidget *backdrop);
    void setUpAccessibility();

    // Update check (update/gui/window_update.cpp)
    void checkForUpdates();
    void startManualUpdateCheck();
    // Opens a web address in the browser if it is an https address with a
    // host; false when it is not, or the browser could not be started.
    bool openWebAddress(const QString &address);
};
