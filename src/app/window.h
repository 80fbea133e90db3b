#pragma once

#include "model/namedlayer.h"
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

class QListWidgetItem;
class QNetworkAccessManager;
class QNetworkReply;
class QSignalBlocker;
class RenderArea;

// The main window: the form around the preview. Its slots are implemented in
// the folder of the subsystem that owns them (ui/, gaugefile/, export/,
// update/); this header is the one place that declares them.
class Window : public QWidget, public Ui::Window
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);

    // Control binding (ui/controlbinding.cpp)
    // The form's repeated groups, built once in the constructor.
    std::array<LevelControls, 3> levelControls{};
    std::array<ArcControls, 4> arcControls{};
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

    // Gauge files (gaugefile/gaugefileflows.cpp, gaugefile/presetsfolder.cpp)
    void saveGaugeFile(const QList<namedLayer> &layers, const QString &caption,
                       const QString &startFolder);
    void loadGaugeFile(const QString &path);
    void mergeLoadedLayers(const QList<namedLayer> &loaded, const QString &fallbackName);
    QString presetsFolder() const;

    // Update check (update/updatecheck.cpp)
    void checkForUpdates();
    static QUrl defaultVersionUrl();
    // Address of the version document; the build's setting unless a test
    // points it elsewhere. Empty means this build never checks.
    QUrl versionUrl = defaultVersionUrl();
    // Milliseconds without any data after which a check gives up; tests
    // shorten it.
    int updateTransferTimeout = 5000;
    // Opens an address in the user's browser; unset means the desktop's own
    // handler. Tests put a recorder here.
    std::function<bool(const QUrl &)> openExternalUrl;

    // Exports (export/exportflows.cpp)
    // Milliseconds an image export runs before its progress dialog shows;
    // tests shorten it.
    int exportProgressDelay = 500;
    // An image export is running; the export slots do nothing meanwhile.
    bool exportRunning = false;

    RenderArea *renderArea = nullptr;
    QNetworkAccessManager *networkManager = nullptr;
    bool manualUpdateCheck = false;
    QString applicationDirectory;

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
    QColor getColor();
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

private:
    // Construction, in order (app/window.cpp)
    void describeControlGroups();
    void connectForm();
    void setUpLayerList();
    void placePreview();
    void storeInitialLayer();

    // One group of controls to the editing copy and the current layer
    // (ui/controlbinding.cpp)
    void levelChanged(int level);
    void arcChanged(int arc);
};
