#pragma once

#include "ui/layereditor.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class ColorButton;
class NeedlePlayer;
class GaugeDocument;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QWidget;

// The needles of the current layer: the list, the fields of the one
// selected, and its value on a slider along the layer's span. Every change
// goes to the document as one undo step; a drag of the slider is one step.
// The Sweep button moves every needle of the gauge from its layer's start
// value to its end and back without changing the document: the section
// says where the needles stand (posed) and when they are back (swept); any
// change of the document ends the sweep. Play does the same with a data
// file, in real time.
class NeedleEditor : public LayerEditor
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
        // Milliseconds of a steady clock, for the sweep; unset: the
        // system's.
        std::function<qint64()> clock;
    };

    // The group is a child of `form`; dialogs and messages are parented to
    // it.
    NeedleEditor(GaugeDocument *document, QWidget *form, Services services,
                 QObject *parent = nullptr);

    QGroupBox *box() const { return m_box; }
    QList<QWidget *> tabOrder() const;

    QList<EditorField> fields() override;
    void show(const gaugeData &layer) override;
    void showDerived(const gaugeData &layer) override;

    // The selected needle of the current layer; -1 for none.
    int selectedNeedle() const;
    void selectNeedle(int index);
    // Gives the selected needle the picture file at `path` as one undo
    // step; false, after telling the user why, when it cannot be taken.
    bool setPictureFile(const QString &path);
    // The merge key of a drag of the value slider: one step for all of it.
    void setSliderMergeKey(int key) { m_sliderMergeKey = key; }

    bool isSweeping() const { return m_sweepTimer.isActive(); }
    void startSweep();
    void stopSweep();
    bool isPlaying() const;
    // Plays a data file on the needles; false (with a message shown) when it
    // cannot.
    bool playFile(const QString &path);

signals:
    // The needles stand where these layers have them, while they sweep.
    void posed(const QList<gaugeData> &layers);
    // The sweep is over: the needles stand at the document's values again.
    void swept();

private:
    QWidget *makeFields();
    void connectControls();
    void showSelection();
    void store(const gaugeData &layer, const QString &text, int mergeKey = -1);
    qint64 now() const;
    bool gaugeHasNeedles() const;

    void needleEdited();
    void valueEdited();
    void sliderMoved(int position);
    void pickColor(ColorButton *button);
    void pickPicture();
    void addNeedle();
    void removeNeedle();
    void sweepStep();

    GaugeDocument *m_document;
    QWidget *m_form;
    Services m_services;
    int m_sliderMergeKey = -1;

    QGroupBox *m_box;
    QListWidget *m_list;
    QPushButton *m_add;
    QPushButton *m_remove;
    QWidget *m_fields;
    QLineEdit *m_name;
    QComboBox *m_shape;
    QPushButton *m_picture;
    QDoubleSpinBox *m_pivotX;
    QDoubleSpinBox *m_pivotY;
    QDoubleSpinBox *m_length;
    QDoubleSpinBox *m_tail;
    QDoubleSpinBox *m_width;
    QDoubleSpinBox *m_tipWidth;
    ColorButton *m_color;
    QCheckBox *m_free;
    QCheckBox *m_hub;
    QDoubleSpinBox *m_hubRadius;
    ColorButton *m_hubColor;
    QCheckBox *m_shadow;
    QDoubleSpinBox *m_shadowX;
    QDoubleSpinBox *m_shadowY;
    QDoubleSpinBox *m_shadowBlur;
    QDoubleSpinBox *m_value;
    QSlider *m_slider;
    QPushButton *m_sweep;
    QPushButton *m_play;
    NeedlePlayer *m_player;
    QLabel *m_problem;

    int m_layerRow = -1;
    QTimer m_sweepTimer;
    qint64 m_sweepStart = 0;
    QElapsedTimer m_steadyClock;
};
