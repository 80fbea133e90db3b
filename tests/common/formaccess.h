#pragma once

// The window's controls, found by their object names, as a person's eye or
// a screen reader finds them: the form's groups and fields, the editors'
// controls built in code, and the menu actions.

#include "export/gui/exportrunner.h"
#include "ui/colorbutton.h"
#include "ui/faceeditor.h"
#include "ui/faceoverlay.h"
#include "ui/fontbutton.h"
#include "ui/labeltextedit.h"
#include "ui/needleeditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// The child of `parent` named `name`; the test run stops with the name when
// there is none, which is a fault of the window, not of the test.
template<typename T>
T *formChild(const QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QLatin1String(name));
    if (!child) {
        std::fprintf(stderr, "No %s named %s\n", T::staticMetaObject.className(), name);
        std::abort();
    }
    return child;
}

struct Form
{
    explicit Form(const QWidget &window)
        : gaugeStartAngleSpinBox(formChild<QDoubleSpinBox>(window, "gaugeStartAngleSpinBox")),
          gaugeAngleLengthSpinBox(formChild<QDoubleSpinBox>(window, "gaugeAngleLengthSpinBox")),
          gaugeBiasSpinBox(formChild<QDoubleSpinBox>(window, "gaugeBiasSpinBox")),
          biasTypeComboBox(formChild<QComboBox>(window, "biasTypeComboBox")),
          presetComboBox(formChild<QComboBox>(window, "presetComboBox")),
          saveButton(formChild<QPushButton>(window, "saveButton")),
          loadButton(formChild<QPushButton>(window, "loadButton")),
          DivisionsBox(formChild<QGroupBox>(window, "DivisionsBox")),
          gaugeDivisions1SpinBox(formChild<QSpinBox>(window, "gaugeDivisions1SpinBox")),
          gaugeDivisions1WidthSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions1WidthSpinBox")),
          gaugeDivisions1ColorButton(formChild<ColorButton>(window, "gaugeDivisions1ColorButton")),
          gaugeDivisions1InnerRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions1InnerRadiusSpinBox")),
          gaugeDivisions1OuterRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions1OuterRadiusSpinBox")),
          gaugeDivisions2SpinBox(formChild<QSpinBox>(window, "gaugeDivisions2SpinBox")),
          gaugeDivisions2WidthSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions2WidthSpinBox")),
          gaugeDivisions2ColorButton(formChild<ColorButton>(window, "gaugeDivisions2ColorButton")),
          gaugeDivisions2InnerRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions2InnerRadiusSpinBox")),
          gaugeDivisions2OuterRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions2OuterRadiusSpinBox")),
          gaugeDivisions3SpinBox(formChild<QSpinBox>(window, "gaugeDivisions3SpinBox")),
          gaugeDivisions3WidthSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions3WidthSpinBox")),
          gaugeDivisions3ColorButton(formChild<ColorButton>(window, "gaugeDivisions3ColorButton")),
          gaugeDivisions3InnerRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions3InnerRadiusSpinBox")),
          gaugeDivisions3OuterRadiusSpinBox(
              formChild<QDoubleSpinBox>(window, "gaugeDivisions3OuterRadiusSpinBox")),
          roundedTickCapsCheckBox(formChild<QCheckBox>(window, "roundedTickCapsCheckBox")),
          ArcsBox(formChild<QGroupBox>(window, "ArcsBox")),
          arc1StartAngleSpinBox(formChild<QDoubleSpinBox>(window, "arc1StartAngleSpinBox")),
          arc1AngleLengthSpinBox(formChild<QDoubleSpinBox>(window, "arc1AngleLengthSpinBox")),
          arc1ColorButton(formChild<ColorButton>(window, "arc1ColorButton")),
          arc1RadiusSpinBox(formChild<QDoubleSpinBox>(window, "arc1RadiusSpinBox")),
          arc1WidthSpinBox(formChild<QDoubleSpinBox>(window, "arc1WidthSpinBox")),
          arc2StartAngleSpinBox(formChild<QDoubleSpinBox>(window, "arc2StartAngleSpinBox")),
          arc2AngleLengthSpinBox(formChild<QDoubleSpinBox>(window, "arc2AngleLengthSpinBox")),
          arc2ColorButton(formChild<ColorButton>(window, "arc2ColorButton")),
          arc2RadiusSpinBox(formChild<QDoubleSpinBox>(window, "arc2RadiusSpinBox")),
          arc2WidthSpinBox(formChild<QDoubleSpinBox>(window, "arc2WidthSpinBox")),
          arc3StartAngleSpinBox(formChild<QDoubleSpinBox>(window, "arc3StartAngleSpinBox")),
          arc3AngleLengthSpinBox(formChild<QDoubleSpinBox>(window, "arc3AngleLengthSpinBox")),
          arc3ColorButton(formChild<ColorButton>(window, "arc3ColorButton")),
          arc3RadiusSpinBox(formChild<QDoubleSpinBox>(window, "arc3RadiusSpinBox")),
          arc3WidthSpinBox(formChild<QDoubleSpinBox>(window, "arc3WidthSpinBox")),
          arc4StartAngleSpinBox(formChild<QDoubleSpinBox>(window, "arc4StartAngleSpinBox")),
          arc4AngleLengthSpinBox(formChild<QDoubleSpinBox>(window, "arc4AngleLengthSpinBox")),
          arc4ColorButton(formChild<ColorButton>(window, "arc4ColorButton")),
          arc4RadiusSpinBox(formChild<QDoubleSpinBox>(window, "arc4RadiusSpinBox")),
          arc4WidthSpinBox(formChild<QDoubleSpinBox>(window, "arc4WidthSpinBox")),
          roundedArcCapsCheckBox(formChild<QCheckBox>(window, "roundedArcCapsCheckBox")),
          TicksBox(formChild<QGroupBox>(window, "TicksBox")),
          tickCountRadiusSpinBox(formChild<QDoubleSpinBox>(window, "tickCountRadiusSpinBox")),
          tickCountStartSpinBox(formChild<QDoubleSpinBox>(window, "tickCountStartSpinBox")),
          tickColorButton(formChild<ColorButton>(window, "tickColorButton")),
          tickCountDecimalPlacesSpinBox(
              formChild<QSpinBox>(window, "tickCountDecimalPlacesSpinBox")),
          tickCountIncrementSpinBox(formChild<QDoubleSpinBox>(window, "tickCountIncrementSpinBox")),
          tickCountCheckBox(formChild<QCheckBox>(window, "tickCountCheckBox")),
          tickCountRotateCheckBox(formChild<QCheckBox>(window, "tickCountRotateCheckBox")),
          skipFirstTickCheckBox(formChild<QCheckBox>(window, "skipFirstTickCheckBox")),
          tickCountFontButton(formChild<FontButton>(window, "tickCountFontButton")),
          RenderBox(formChild<QGroupBox>(window, "RenderBox")),
          referenceLabel(formChild<QLabel>(window, "referenceLabel")),
          saveSVGButton(formChild<QPushButton>(window, "saveSVGButton")),
          loadReferenceButton(formChild<QPushButton>(window, "loadReferenceButton")),
          savePNGButton(formChild<QPushButton>(window, "savePNGButton")),
          pngSizeSpinBox(formChild<QSpinBox>(window, "pngSizeSpinBox")),
          clearReferenceButton(formChild<QPushButton>(window, "clearReferenceButton")),
          saveKeyFrameButton(formChild<QPushButton>(window, "saveKeyFrameButton")),
          checkUpdatesButton(formChild<QPushButton>(window, "checkUpdatesButton")),
          aboutLabel(formChild<QLabel>(window, "aboutLabel")),
          Layers(formChild<QGroupBox>(window, "Layers")),
          layerList(formChild<QListWidget>(window, "layerList")),
          AddLayerButton(formChild<QPushButton>(window, "AddLayerButton")),
          RemoveLayerButton(formChild<QPushButton>(window, "RemoveLayerButton")),
          SaveLayerButton(formChild<QPushButton>(window, "SaveLayerButton")),
          scaleTypeComboBox(formChild<QComboBox>(window, "scaleTypeComboBox")),
          scaleFromSpinBox(formChild<QDoubleSpinBox>(window, "scaleFromSpinBox")),
          scaleToSpinBox(formChild<QDoubleSpinBox>(window, "scaleToSpinBox")),
          scaleExponentSpinBox(formChild<QDoubleSpinBox>(window, "scaleExponentSpinBox")),
          scalePointsButton(formChild<QPushButton>(window, "scalePointsButton")),
          formScrollArea(formChild<QScrollArea>(window, "formScrollArea")),
          menuBar(formChild<QWidget>(window, "menuBar"))
    {
    }

    QDoubleSpinBox *gaugeStartAngleSpinBox;
    QDoubleSpinBox *gaugeAngleLengthSpinBox;
    QDoubleSpinBox *gaugeBiasSpinBox;
    QComboBox *biasTypeComboBox;
    QComboBox *presetComboBox;
    QPushButton *saveButton;
    QPushButton *loadButton;
    QGroupBox *DivisionsBox;
    QSpinBox *gaugeDivisions1SpinBox;
    QDoubleSpinBox *gaugeDivisions1WidthSpinBox;
    ColorButton *gaugeDivisions1ColorButton;
    QDoubleSpinBox *gaugeDivisions1InnerRadiusSpinBox;
    QDoubleSpinBox *gaugeDivisions1OuterRadiusSpinBox;
    QSpinBox *gaugeDivisions2SpinBox;
    QDoubleSpinBox *gaugeDivisions2WidthSpinBox;
    ColorButton *gaugeDivisions2ColorButton;
    QDoubleSpinBox *gaugeDivisions2InnerRadiusSpinBox;
    QDoubleSpinBox *gaugeDivisions2OuterRadiusSpinBox;
    QSpinBox *gaugeDivisions3SpinBox;
    QDoubleSpinBox *gaugeDivisions3WidthSpinBox;
    ColorButton *gaugeDivisions3ColorButton;
    QDoubleSpinBox *gaugeDivisions3InnerRadiusSpinBox;
    QDoubleSpinBox *gaugeDivisions3OuterRadiusSpinBox;
    QCheckBox *roundedTickCapsCheckBox;
    QGroupBox *ArcsBox;
    QDoubleSpinBox *arc1StartAngleSpinBox;
    QDoubleSpinBox *arc1AngleLengthSpinBox;
    ColorButton *arc1ColorButton;
    QDoubleSpinBox *arc1RadiusSpinBox;
    QDoubleSpinBox *arc1WidthSpinBox;
    QDoubleSpinBox *arc2StartAngleSpinBox;
    QDoubleSpinBox *arc2AngleLengthSpinBox;
    ColorButton *arc2ColorButton;
    QDoubleSpinBox *arc2RadiusSpinBox;
    QDoubleSpinBox *arc2WidthSpinBox;
    QDoubleSpinBox *arc3StartAngleSpinBox;
    QDoubleSpinBox *arc3AngleLengthSpinBox;
    ColorButton *arc3ColorButton;
    QDoubleSpinBox *arc3RadiusSpinBox;
    QDoubleSpinBox *arc3WidthSpinBox;
    QDoubleSpinBox *arc4StartAngleSpinBox;
    QDoubleSpinBox *arc4AngleLengthSpinBox;
    ColorButton *arc4ColorButton;
    QDoubleSpinBox *arc4RadiusSpinBox;
    QDoubleSpinBox *arc4WidthSpinBox;
    QCheckBox *roundedArcCapsCheckBox;
    QGroupBox *TicksBox;
    QDoubleSpinBox *tickCountRadiusSpinBox;
    QDoubleSpinBox *tickCountStartSpinBox;
    ColorButton *tickColorButton;
    QSpinBox *tickCountDecimalPlacesSpinBox;
    QDoubleSpinBox *tickCountIncrementSpinBox;
    QCheckBox *tickCountCheckBox;
    QCheckBox *tickCountRotateCheckBox;
    QCheckBox *skipFirstTickCheckBox;
    FontButton *tickCountFontButton;
    QGroupBox *RenderBox;
    QLabel *referenceLabel;
    QPushButton *saveSVGButton;
    QPushButton *loadReferenceButton;
    QPushButton *savePNGButton;
    QSpinBox *pngSizeSpinBox;
    QPushButton *clearReferenceButton;
    QPushButton *saveKeyFrameButton;
    QPushButton *checkUpdatesButton;
    QLabel *aboutLabel;
    QGroupBox *Layers;
    QListWidget *layerList;
    QPushButton *AddLayerButton;
    QPushButton *RemoveLayerButton;
    QPushButton *SaveLayerButton;
    QComboBox *scaleTypeComboBox;
    QDoubleSpinBox *scaleFromSpinBox;
    QDoubleSpinBox *scaleToSpinBox;
    QDoubleSpinBox *scaleExponentSpinBox;
    QPushButton *scalePointsButton;
    QScrollArea *formScrollArea;
    QWidget *menuBar;
};

// The window's menu action named `name` ("undoAction", "inspectAction").
inline QAction *formAction(const QWidget &window, const char *name)
{
    return formChild<QAction>(window, name);
}

// The scale bar, built in code under the angle bar.
struct ScaleBar
{
    explicit ScaleBar(const QWidget &window)
        : type(formChild<QComboBox>(window, "scaleTypeComboBox")),
          from(formChild<QDoubleSpinBox>(window, "scaleFromSpinBox")),
          to(formChild<QDoubleSpinBox>(window, "scaleToSpinBox")),
          exponent(formChild<QDoubleSpinBox>(window, "scaleExponentSpinBox")),
          points(formChild<QPushButton>(window, "scalePointsButton")),
          fromLabel(formChild<QLabel>(window, "scaleFromLabel")),
          toLabel(formChild<QLabel>(window, "scaleToLabel")),
          exponentLabel(formChild<QLabel>(window, "scaleExponentLabel")),
          problemIcon(formChild<QLabel>(window, "scaleProblemIcon")),
          problem(formChild<QLabel>(window, "scaleProblemLabel"))
    {
    }
    QComboBox *type;
    QDoubleSpinBox *from;
    QDoubleSpinBox *to;
    QDoubleSpinBox *exponent;
    QPushButton *points;
    QLabel *fromLabel;
    QLabel *toLabel;
    QLabel *exponentLabel;
    QLabel *problemIcon;
    QLabel *problem;
};

// The face section, built in code under the layer list, and its overlay on
// the preview.
struct FaceSection
{
    explicit FaceSection(const QWidget &window)
        : editor(formChild<FaceEditor>(window, "faceEditor")),
          box(formChild<QGroupBox>(window, "FaceBox")),
          labelTexts(formChild<LabelTextEdit>(window, "labelTextsEdit")),
          elements(formChild<QListWidget>(window, "faceElementList")),
          addText(formChild<QPushButton>(window, "addFaceTextButton")),
          addPicture(formChild<QPushButton>(window, "addFacePictureButton")),
          remove(formChild<QPushButton>(window, "removeFaceElementButton")),
          fields(formChild<QStackedWidget>(window, "faceFields")),
          text(formChild<QPlainTextEdit>(window, "faceTextEdit")),
          textX(formChild<QDoubleSpinBox>(window, "faceTextXSpinBox")),
          textY(formChild<QDoubleSpinBox>(window, "faceTextYSpinBox")),
          textSize(formChild<QDoubleSpinBox>(window, "faceTextSizeSpinBox")),
          textRotation(formChild<QDoubleSpinBox>(window, "faceTextRotationSpinBox")),
          textFamily(formChild<QFontComboBox>(window, "faceTextFamilyComboBox")),
          textBold(formChild<QToolButton>(window, "faceTextBoldButton")),
          textItalic(formChild<QToolButton>(window, "faceTextItalicButton")),
          textAlign(formChild<QComboBox>(window, "faceTextAlignComboBox")),
          textColor(formChild<ColorButton>(window, "faceTextColorButton")),
          pictureX(formChild<QDoubleSpinBox>(window, "facePictureXSpinBox")),
          pictureY(formChild<QDoubleSpinBox>(window, "facePictureYSpinBox")),
          pictureWidth(formChild<QDoubleSpinBox>(window, "facePictureWidthSpinBox")),
          pictureRotation(formChild<QDoubleSpinBox>(window, "facePictureRotationSpinBox")),
          pictureOpacity(formChild<QDoubleSpinBox>(window, "facePictureOpacitySpinBox")),
          pictureReplace(formChild<QPushButton>(window, "facePictureReplaceButton")),
          problemIcon(formChild<QLabel>(window, "faceProblemIcon")),
          problem(formChild<QLabel>(window, "faceProblemLabel")),
          overlay(formChild<FaceOverlay>(window, "faceOverlay"))
    {
    }
    FaceEditor *editor;
    QGroupBox *box;
    LabelTextEdit *labelTexts;
    QListWidget *elements;
    QPushButton *addText;
    QPushButton *addPicture;
    QPushButton *remove;
    QStackedWidget *fields;
    QPlainTextEdit *text;
    QDoubleSpinBox *textX;
    QDoubleSpinBox *textY;
    QDoubleSpinBox *textSize;
    QDoubleSpinBox *textRotation;
    QFontComboBox *textFamily;
    QToolButton *textBold;
    QToolButton *textItalic;
    QComboBox *textAlign;
    ColorButton *textColor;
    QDoubleSpinBox *pictureX;
    QDoubleSpinBox *pictureY;
    QDoubleSpinBox *pictureWidth;
    QDoubleSpinBox *pictureRotation;
    QDoubleSpinBox *pictureOpacity;
    QPushButton *pictureReplace;
    QLabel *problemIcon;
    QLabel *problem;
    FaceOverlay *overlay;
};

// The needle section, built in code beside the face section, and the
// exports' needle choice.
struct NeedleSection
{
    explicit NeedleSection(const QWidget &window)
        : editor(formChild<NeedleEditor>(window, "needleEditor")),
          list(formChild<QListWidget>(window, "needleList")),
          add(formChild<QPushButton>(window, "addNeedleButton")),
          remove(formChild<QPushButton>(window, "removeNeedleButton")),
          name(formChild<QLineEdit>(window, "needleNameEdit")),
          shape(formChild<QComboBox>(window, "needleShapeComboBox")),
          length(formChild<QDoubleSpinBox>(window, "needleLengthSpinBox")),
          free(formChild<QCheckBox>(window, "needleFreeCheckBox")),
          hub(formChild<QCheckBox>(window, "needleHubCheckBox")),
          value(formChild<QDoubleSpinBox>(window, "needleValueSpinBox")),
          slider(formChild<QSlider>(window, "needleValueSlider")),
          sweep(formChild<QPushButton>(window, "needleSweepButton")),
          exports(formChild<QComboBox>(window, "needlesComboBox"))
    {
    }
    NeedleEditor *editor;
    QListWidget *list;
    QPushButton *add;
    QPushButton *remove;
    QLineEdit *name;
    QComboBox *shape;
    QDoubleSpinBox *length;
    QCheckBox *free;
    QCheckBox *hub;
    QDoubleSpinBox *value;
    QSlider *slider;
    QPushButton *sweep;
    QComboBox *exports;
};

// No export of the window is running: the ones started have finished and
// reported back.
inline bool exportsIdle(const QWidget &window)
{
    return !formChild<ExportRunner>(window, "exportRunner")->isRunning();
}
