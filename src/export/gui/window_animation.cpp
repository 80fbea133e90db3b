#include "app/window_p.h"

#include "export/animationexport.h"
#include "export/gui/animationdialog.h"
#include "export/gui/exportrunner.h"
#include "model/gaugedocument.h"
#include "ui/savefiledialog.h"

#include <QFileInfo>

#include <cmath>

// The animation is rendered on the export worker while the window goes on:
// the progress dialog counts the frames, their rate and the time left.
void Window::exportAnimation()
{
    if (d->exports->isRunning())
        return;
    const QList<gaugeData> layers = d->document->layerData();
    AnimationDialog dialog(layers, d->form.pngSizeSpinBox->value(), fileDialogFolder(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const AnimationSettings settings = dialog.settings();
    const AnimationPlan plan = dialog.plan();
    const QString path = settings.video.path;
    const auto describe = [name = QFileInfo(path).fileName()](qint64 done, qint64 total,
                                                              double seconds) {
        const double rate = seconds > 0.0 ? done / seconds : 0.0;
        const qint64 left = rate > 0.0 ? qint64(std::ceil((total - done) / rate)) : -1;
        return tr("Rendering %1: frame %2 of %3, %4 frames a second, %5 left")
            .arg(name)
            .arg(done)
            .arg(total)
            .arg(rate, 0, 'f', 1)
            .arg(left < 0 ? tr("a while")
                          : tr("%1:%2").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0')));
    };
    d->exports->start(
        tr("Rendering %1…").arg(QFileInfo(path).fileName()), frameCount(plan.range),
        [layers, plan, video = settings.video](ExportProgress &progress, QString *error) {
            AnimationControl control;
            control.cancel = &progress.cancelled;
            control.progress = [&progress](qint64 done, qint64) { progress.done = done; };
            return renderAnimation(layers, plan, video, control, error);
        },
        [this, path, format = settings.video.format](bool written, bool cancelled,
                                                     const QString &error) {
            if (written)
                showWritten(format == videoFormat::pngSequence ? sequenceFramePath(path, 1) : path);
            else if (!cancelled)
                reportSaveFailure(this, path, error);
        },
        describe);
}
