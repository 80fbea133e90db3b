#pragma once

class FaceOverlay;
class LabelTextEdit;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class Window;

// The form repeats one group of controls for each of the three tick levels
// and each of the four arcs. Each group is described once, by the widgets it
// is made of and the window's slots they reach; connecting, signal blocking,
// filling and reading all walk these descriptions.

using WindowSlot = void (Window::*)();

struct LevelControls
{
    QSpinBox *count;
    QDoubleSpinBox *innerRadius;
    QDoubleSpinBox *outerRadius;
    QDoubleSpinBox *width;
    QToolButton *color;
    WindowSlot changed;      // divisionsNChanged
    WindowSlot colorChanged; // divisionsNColorChanged
};

struct ArcControls
{
    QDoubleSpinBox *startAngle;
    QDoubleSpinBox *angleLength;
    QDoubleSpinBox *radius;
    QDoubleSpinBox *width;
    QToolButton *color;
    WindowSlot changed;      // arcNChanged
    WindowSlot colorChanged; // arcNColorChanged
};

// The value scale of the layer, in a bar of its own under the angle bar
// (built by ui/scalecontrols.cpp). The fields a type does not use are hidden
// with their labels; `problem` says why a scale cannot be drawn.
struct ScaleControls
{
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

// The face of the layer, in a group of its own under the layer list (built
// by ui/facecontrols.cpp): the label texts, and the layer's texts and
// pictures in drawing order (pictures first) with the fields of the one
// selected. The current row of `elements` is the only record of which
// element is selected. `overlay` outlines it over the preview.
struct FaceControls
{
    QGroupBox *box;
    LabelTextEdit *labelTexts;
    QListWidget *elements;
    QPushButton *addText;
    QPushButton *addPicture;
    QPushButton *remove;
    QStackedWidget *fields; // pages: nothing selected, a text, a picture
    QPlainTextEdit *text;
    QDoubleSpinBox *textX;
    QDoubleSpinBox *textY;
    QDoubleSpinBox *textSize;
    QDoubleSpinBox *textRotation;
    QFontComboBox *textFamily;
    QToolButton *textBold;
    QToolButton *textItalic;
    QComboBox *textAlign;
    QToolButton *textColor;
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

// One connection of a form control to a slot of the window. The control's
// kind decides the signal: valueChanged for spin boxes, activated for combo
// boxes (a user's choice only), clicked for buttons and check boxes (which
// setChecked does not emit).
struct FormConnection
{
    QObject *sender;
    WindowSlot slot;
};
