#pragma once

#include "render/facepainter.h"
#include "ui/layereditor.h"

#include <QPointF>
#include <QStringList>

#include <functional>

class ColorButton;
class FaceOverlay;
class GaugeDocument;
class LabelTextEdit;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QWidget;

// The face of the current layer, in a group of its own under the layer
// list: the label texts, and the layer's texts and pictures in drawing
// order (pictures first) with the fields of the one selected. The current
// row of the element list is the only record of which element is selected;
// the overlay outlines it over the preview, where it can be picked, dragged
// and nudged. Every change goes to the document as one undo step.
class FaceEditor : public LayerEditor
{
    Q_OBJECT

public:
    struct Services
    {
        // Opens the colour dialog on a colour; an invalid colour when
        // cancelled.
        std::function<QColor(const QColor &)> pickColor;
        // Where a file dialog starts.
        std::function<QString()> dialogFolder;
    };

    // The group is a child of `form`, the overlay of `preview`; dialogs
    // and messages are parented to `form`.
    FaceEditor(GaugeDocument *document, QWidget *form, QWidget *preview, Services services,
               QObject *parent = nullptr);

    QGroupBox *box() const { return m_box; }
    // The section's controls in their tab order.
    QList<QWidget *> tabOrder() const;

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void showDerived(const gaugeData &layer) override;

    // The selected element of the current layer: its kind and its index in
    // the layer's list of that kind; invalid for none.
    FaceElement selectedElement() const;
    void selectElement(const FaceElement &element);
    // Adds a picture file to the current layer as one undo step, after
    // checking it can be drawn and fits the gauge file's limits; false,
    // after telling the user why, when it cannot.
    bool addPictureFile(const QString &path);
    // The merge key of a drag or a run of nudges: one step for all of it.
    void setMoveMergeKey(int key) { m_moveMergeKey = key; }

private:
    QWidget *makeTextFields();
    QWidget *makePictureFields();
    void connectControls();
    void showSelection();
    QStringList labelHints() const;
    // Stores `layer` as the current layer; the section shows it.
    void store(const gaugeData &layer, const QString &text);

    void labelTextsEdited();
    void textEdited();
    void pickTextColor();
    void pictureEdited();
    void replacePicture();
    void addText();
    void addPicture();
    void removeElement();
    void pressed(const QPointF &point);
    void dragged(const QPointF &point);
    void moveElement(const QPointF &offset, bool fromDragStart);
    // Reads the picture file at `path`; false after telling the user why it
    // cannot be taken.
    bool readPicture(const QString &path, const FaceElement &replaced, facePicture *picture);

    GaugeDocument *m_document;
    QWidget *m_form;
    Services m_services;
    int m_moveMergeKey = -1;

    QGroupBox *m_box;
    LabelTextEdit *m_labelTexts;
    QListWidget *m_elements;
    QPushButton *m_addText;
    QPushButton *m_addPicture;
    QPushButton *m_remove;
    QStackedWidget *m_fields; // pages: nothing selected, a text, a picture
    QPlainTextEdit *m_text;
    QDoubleSpinBox *m_textX;
    QDoubleSpinBox *m_textY;
    QDoubleSpinBox *m_textSize;
    QDoubleSpinBox *m_textRotation;
    QFontComboBox *m_textFamily;
    QToolButton *m_textBold;
    QToolButton *m_textItalic;
    QComboBox *m_textAlign;
    ColorButton *m_textColor;
    QDoubleSpinBox *m_pictureX;
    QDoubleSpinBox *m_pictureY;
    QDoubleSpinBox *m_pictureWidth;
    QDoubleSpinBox *m_pictureRotation;
    QDoubleSpinBox *m_pictureOpacity;
    QPushButton *m_pictureReplace;
    QLabel *m_problemIcon;
    QLabel *m_problem;
    FaceOverlay *m_overlay;

    // The layer whose elements the section shows.
    int m_layerRow = -1;
    // Where the dragged element stood when the button went down, and where.
    QPointF m_dragOrigin;
    QPointF m_dragStart;
    bool m_dragging = false;
};
