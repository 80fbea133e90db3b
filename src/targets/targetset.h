#pragma once

#include "export/assetset.h"
#include "targets/lvgl9image.h"

#include <QList>
#include <QString>
#include <QStringList>

// The gauge as the code and data of a display library, a simulator or a web
// page, made from its asset set.
enum class TargetKind {
    Lvgl9,      // lv_image_dsc_t sources and .bin files, a header and an example
    Lvgl8,      // lv_img_dsc_t sources, a header and an example
    Tft,        // RGB565 sprite headers
    FlightGear, // a 2D instrument with an <interpolation> table
    Web,        // one HTML file and the same as an ES module
    Table,      // the value-to-angle tables as CSV and JSON
};

struct TargetOptions
{
    TargetKind kind = TargetKind::Lvgl9;
    // LVGL 9's colour format of the face. The needles keep an alpha channel
    // whatever is chosen: a format without one is given as the nearest one
    // with it (RGB565 and RGB565_SWAPPED as RGB565A8, the others as
    // ARGB8888), since a needle on a box would hide the face.
    LvglColorFormat colorFormat = LvglColorFormat::Argb8888;
    // RGB565 with its two bytes swapped, for displays on SPI: LVGL 9's
    // RGB565_SWAPPED, a TFT header's swapped values.
    bool swapBytes = false;
    // The C identifier all names begin with; see targetBaseName.
    QString baseName = QStringLiteral("gauge");
};

// "lvgl9", "lvgl8", "tft", "flightgear", "web", "table".
QStringList targetNames();
QString targetName(TargetKind kind);
[[nodiscard]] bool targetFromName(const QString &name, TargetKind *kind);
// "ARGB8888", "XRGB8888", "RGB565", "RGB565A8", "RGB888".
QStringList colorFormatNames();
[[nodiscard]] bool colorFormatFromName(const QString &name, LvglColorFormat *format);
// Whether the options a target takes are these: colour formats for LVGL 9,
// swapped bytes for LVGL 9's RGB565 and TFT headers.
bool targetTakesColorFormat(TargetKind kind);
bool targetTakesSwapBytes(TargetKind kind);

// The names of the target's files and arrays, from the gauge's file name
// ("My Gauge.gauge" gives "My_Gauge"), or "gauge" for one not saved.
QString targetBaseName(const QString &gaugePath);

// The target's files for the set. Returns false with a one-line reason in
// `error` (when given) when a picture is larger than the target holds
// (LVGL 9's 16-bit sides, LVGL 8's 11-bit ones), the options do not apply
// to the target, or a writer fails.
[[nodiscard]] bool targetFiles(const AssetSet &set, const TargetOptions &options,
                               QList<AssetFile> *files, QString *error = nullptr);

// The targets apart (targetset.cpp, flightgearpanel.cpp, webgauge.cpp).
[[nodiscard]] bool flightGearFiles(const AssetSet &set, const QString &baseName,
                                   QList<AssetFile> *files, QString *error);
[[nodiscard]] bool webGaugeFiles(const AssetSet &set, QList<AssetFile> *files, QString *error);
