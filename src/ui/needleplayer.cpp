#include "ui/needleplayer.h"

#include "animation/drivedata.h"
#include "animation/timeline.h"

namespace {

// The preview's frame interval while playing: about 60 a second.
constexpr int playFrameMs = 16;

} // namespace

NeedlePlayer::NeedlePlayer(std::function<qint64()> clock, QObject *parent)
    : QObject(parent), m_clock(std::move(clock))
{
    m_timer.setInterval(playFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &NeedlePlayer::step);
}

NeedlePlayer::~NeedlePlayer() = default;

bool NeedlePlayer::start(const QList<gaugeData> &layers, const QString &path, QString *error)
{
    stop();
    DriveData data;
    if (!readDriveData(path, &data, error))
        return false;
    if (data.columns.isEmpty()) {
        if (error)
            *error = tr("The file has no column of values.");
        return false;
    }
    AnimationSettings settings;
    settings.video.framesPerSecond = 1000 / playFrameMs;
    settings.interpolation = Interpolation::MonotoneCubic;
    QStringList named;
    for (const gaugeData &layer : layers)
        for (const gaugeNeedle &needle : layer.needles)
            if (!named.contains(needle.name)) {
                named.append(needle.name);
                const qsizetype found = data.columnIndex(needle.name);
                const DriveColumn &column = data.columns.at(found >= 0 ? found : 0);
                settings.drives.append(
                    {needle.name,
                     column.name.isEmpty() ? QString::number(column.position) : column.name,
                     0.0});
            }
    AnimationPlan plan;
    if (!planAnimation(layers, settings, data, &plan, error))
        return false;
    m_layers = layers;
    m_plan = plan;
    m_timeline = std::make_unique<Timeline>(m_plan.motions, m_plan.range);
    m_started = m_clock();
    m_timer.start();
    step();
    return true;
}

void NeedlePlayer::stop()
{
    if (!isPlaying())
        return;
    m_timer.stop();
    m_timeline.reset();
    emit finished();
}

void NeedlePlayer::step()
{
    if (!m_timeline)
        return;
    const double elapsed = (m_clock() - m_started) / 1000.0;
    const double time = m_plan.range.from + elapsed;
    if (elapsed < 0.0 || time > m_plan.range.to) {
        stop();
        return;
    }
    m_timeline->at(time, &m_states);
    emit posed(posedLayers(m_layers, m_plan, m_states));
}
