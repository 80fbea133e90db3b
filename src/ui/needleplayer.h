#pragma once

#include "export/animationexport.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class Timeline;

// Plays a data file on the needles in real time, as an animation of it
// would show them: a needle follows the column of its name, else the
// file's first column, with its movement. The gauge does not change: the
// player says where the needles stand (posed) and when it is over
// (finished).
class NeedlePlayer : public QObject
{
    Q_OBJECT

public:
    // `clock` gives milliseconds of a steady clock.
    NeedlePlayer(std::function<qint64()> clock, QObject *parent = nullptr);
    ~NeedlePlayer() override;

    // Starts playing `path` on `layers`; false with the reason in one line
    // when the file cannot be read or drives none of the needles.
    [[nodiscard]] bool start(const QList<gaugeData> &layers, const QString &path,
                             QString *error = nullptr);
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }

signals:
    void posed(const QList<gaugeData> &layers);
    void finished();

private:
    void step();

    std::function<qint64()> m_clock;
    QTimer m_timer;
    qint64 m_started = 0;
    QList<gaugeData> m_layers;
    AnimationPlan m_plan;
    std::unique_ptr<Timeline> m_timeline;
    QList<NeedleState> m_states;
};
