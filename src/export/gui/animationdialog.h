#pragma once

#include "export/animationexport.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class ColorButton;

// The driven values of an animation over its range, one line a needle that
// follows something, each scaled to its own scale's ends.
class DrivePlot : public QWidget
{
    Q_OBJECT

public:
    explicit DrivePlot(QWidget *parent = nullptr);

    // Draws the plan's driven needles; a plan without any clears the plot.
    void setPlan(const AnimationPlan &plan);
    // The lines drawn, for the tests: one per driven needle.
    int lineCount() const { return int(m_lines.size()); }

    QSize sizeHint() const override { return {360, 110}; }
    QSize minimumSizeHint() const override { return {160, 60}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Each line's points as fractions of the width and height.
    QList<QList<QPointF>> m_lines;
    QStringList m_labels;
};

// File > Export Animation...: the driving data and which needle follows
// which of its columns (or sweeps), the range, frame rate, format, size,
// background and the file, with a plot of the driven values. The data file
// is read on another thread. OK is taken only for settings that
// planAnimation and checkVideoSettings accept; the reason stands in the
// dialog otherwise.
class AnimationDialog : public QDialog
{
    Q_OBJECT

public:
    AnimationDialog(const QList<gaugeData> &layers, int size, const QString &folder,
                    QWidget *parent = nullptr);
    ~AnimationDialog() override;

    AnimationSettings settings() const;
    const DriveData &data() const { return m_data; }
    const AnimationPlan &plan() const { return m_plan; }
    // Whether the data file is being read.
    bool isReading() const { return m_reading.isRunning(); }

    void accept() override;

private:
    void buildForm();
    void readData();
    void dataRead();
    void formatChanged();
    void chooseOutput();
    void replan();

    QList<gaugeData> m_layers;
    QStringList m_needleNames;
    QString m_folder;
    DriveData m_data;
    AnimationPlan m_plan;
    bool m_planned = false;
    QFutureWatcher<std::pair<DriveData, QString>> m_reading;

    QLineEdit *m_dataFile = nullptr;
    QLabel *m_dataStatus = nullptr;
    QList<QComboBox *> m_drives;
    QDoubleSpinBox *m_sweepSeconds = nullptr;
    QComboBox *m_interpolation = nullptr;
    QComboBox *m_fps = nullptr;
    QCheckBox *m_wholeRange = nullptr;
    QDoubleSpinBox *m_from = nullptr;
    QDoubleSpinBox *m_to = nullptr;
    QComboBox *m_format = nullptr;
    QSpinBox *m_size = nullptr;
    QCheckBox *m_transparent = nullptr;
    ColorButton *m_background = nullptr;
    QLineEdit *m_output = nullptr;
    DrivePlot *m_plot = nullptr;
    QLabel *m_problem = nullptr;
};
