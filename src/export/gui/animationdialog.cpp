#include "export/gui/animationdialog.h"

#include "export/imageexport.h"
#include "ui/colorbutton.h"
#include "ui/savefiledialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

// Points a line of the plot has across its width: enough for a smooth
// curve, few enough to draw at once.
constexpr int plotPoints = 400;

// The drive combo's first entries; a column's entry holds its place from 1.
enum DriveChoice { standsStill = -2, sweeps = -1 };

// How a drive names the column at `position`: by its name where that finds
// it, else by its place.
QString columnNaming(const DriveData &data, int position)
{
    for (qsizetype i = 0; i < data.columns.size(); ++i) {
        const DriveColumn &column = data.columns.at(i);
        if (column.position == position)
            return data.columnIndex(column.name) == i ? column.name : QString::number(position);
    }
    return QString::number(position);
}

} // namespace

DrivePlot::DrivePlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drivePlot"));
    setAccessibleName(tr("Plot of the driven values"));
}

void DrivePlot::setPlan(const AnimationPlan &plan)
{
    m_lines.clear();
    m_labels.clear();
    QList<NeedleMotion> driven;
    for (qsizetype i = 0; i < plan.motions.size(); ++i) {
        if (plan.labels.value(i).isEmpty())
            continue;
        // The plot shows what drives a needle, not its movement's answer.
        NeedleMotion motion = plan.motions.at(i);
        motion.ballistics = Ballistics::none();
        driven.append(motion);
        m_labels.append(plan.labels.at(i));
    }
    if (!driven.isEmpty()) {
        Timeline timeline(driven, plan.range);
        m_lines.resize(driven.size());
        QList<NeedleState> states;
        const double span = plan.range.to - plan.range.from;
        for (int p = 0; p <= plotPoints; ++p) {
            const double x = double(p) / plotPoints;
            timeline.at(plan.range.from + x * span, &states);
            for (qsizetype i = 0; i < driven.size(); ++i) {
                const NeedleScale &scale = driven.at(i).scale;
                const double length = scale.endValue - scale.startValue;
                const double y = length != 0.0 ? (states.at(i).value - scale.startValue) / length
                                               : 0.5;
                m_lines[i].append(QPointF(x, 1.0 - std::clamp(y, 0.0, 1.0)));
            }
        }
    }
    update();
}

void DrivePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    static const QColor colours[] = {QColor(0xd0, 0x30, 0x20), QColor(0x20, 0x60, 0xd0),
                                     QColor(0x20, 0x90, 0x40), QColor(0xa0, 0x40, 0xb0)};
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        QPolygonF line;
        for (const QPointF &point : m_lines.at(i))
            line.append(QPointF(area.left() + point.x() * area.width(),
                                area.top() + point.y() * area.height()));
        const QColor colour = colours[i % std::size(colours)];
        painter.setPen(QPen(colour, 1.5));
        painter.drawPolyline(line);
        painter.drawText(area.adjusted(0, int(i) * fontMetrics().height(), 0, 0),
                         Qt::AlignRight | Qt::AlignTop, m_labels.at(i));
    }
}

AnimationDialog::AnimationDialog(const QList<gaugeData> &layers, int size, const QString &folder,
                                 QWidget *parent)
    : QDialog(parent), m_layers(layers), m_folder(folder)
{
    setObjectName(QStringLiteral("animationDialog"));
    setWindowTitle(tr("Export Animation"));
    for (const gaugeData &layer : layers)
        for (const gaugeNeedle &needle : layer.needles)
            if (!m_needleNames.contains(needle.name))
                m_needleNames.append(needle.name);
    buildForm();
    m_size->setValue(size);
    connect(&m_reading, &QFutureWatcherBase::finished, this, &AnimationDialog::dataRead);
    replan();
}

AnimationDialog::~AnimationDialog()
{
    m_reading.waitForFinished();
}

void AnimationDialog::buildForm()
{
    auto *form = new QFormLayout;
    const auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };

    auto *dataRow = new QHBoxLayout;
    m_dataFile = named(new QLineEdit, "dataFileEdit");
    auto *browse = named(new QPushButton(tr("Choose...")), "dataBrowseButton");
    dataRow->addWidget(m_dataFile);
    dataRow->addWidget(browse);
    form->addRow(tr("&Data file:"), dataRow);
    m_dataStatus = named(new QLabel(tr("No data: the needles can sweep.")), "dataStatusLabel");
    m_dataStatus->setWordWrap(true);
    form->addRow(QString(), m_dataStatus);
    connect(m_dataFile, &QLineEdit::editingFinished, this, &AnimationDialog::readData);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = askOpenPath(this, tr("Open Data File"),
                                         tr("CSV files (*.csv *.txt *.tsv);;All files (*)"),
                                         m_folder);
        if (path.isEmpty())
            return;
        m_dataFile->setText(path);
        readData();
    });

    for (qsizetype i = 0; i < m_needleNames.size(); ++i) {
        auto *drive = new QComboBox;
        drive->setObjectName(QStringLiteral("driveCombo%1").arg(i));
        drive->addItem(tr("Stands at its value"), int(standsStill));
        drive->addItem(tr("Sweeps"), int(sweeps));
        drive->setCurrentIndex(1);
        connect(drive, &QComboBox::currentIndexChanged, this, &AnimationDialog::replan);
        form->addRow(tr("Needle \u201c%1\u201d:").arg(m_needleNames.at(i)), drive);
        m_drives.append(drive);
    }
    m_sweepSeconds = named(new QDoubleSpinBox, "sweepSecondsSpinBox");
    m_sweepSeconds->setRange(0.1, 3600.0);
    m_sweepSeconds->setValue(4.0);
    m_sweepSeconds->setSuffix(tr(" s"));
    form->addRow(tr("S&weep there and back in:"), m_sweepSeconds);

    m_interpolation = named(new QComboBox, "interpolationCombo");
    m_interpolation->addItem(tr("Linear"), int(Interpolation::Linear));
    m_interpolation->addItem(tr("Smooth (monotone cubic)"), int(Interpolation::MonotoneCubic));
    form->addRow(tr("&Between samples:"), m_interpolation);

    m_fps = named(new QComboBox, "fpsCombo");
    m_fps->setEditable(true);
    m_fps->setValidator(new QIntValidator(minimumFrameRate, maximumFrameRate, m_fps));
    for (int rate : offeredFrameRates)
        m_fps->addItem(QString::number(rate));
    m_fps->setCurrentText(QStringLiteral("30"));
    form->addRow(tr("&Frames a second:"), m_fps);

    auto *rangeRow = new QHBoxLayout;
    m_wholeRange = named(new QCheckBox(tr("All")), "wholeRangeCheckBox");
    m_wholeRange->setChecked(true);
    m_from = named(new QDoubleSpinBox, "fromSpinBox");
    m_to = named(new QDoubleSpinBox, "toSpinBox");
    for (QDoubleSpinBox *time : {m_from, m_to}) {
        time->setRange(-animationTimeLimit, animationTimeLimit);
        time->setDecimals(3);
        time->setSuffix(tr(" s"));
        time->setEnabled(false);
    }
    rangeRow->addWidget(m_wholeRange);
    rangeRow->addWidget(m_from);
    rangeRow->addWidget(new QLabel(tr("to")));
    rangeRow->addWidget(m_to);
    form->addRow(tr("&Range:"), rangeRow);
    connect(m_wholeRange, &QCheckBox::toggled, this, [this](bool whole) {
        m_from->setEnabled(!whole);
        m_to->setEnabled(!whole);
        replan();
    });

    m_format = named(new QComboBox, "formatCombo");
    for (videoFormat format : videoFormats())
        m_format->addItem(videoFormatDisplayName(format), int(format));
    m_format->setCurrentIndex(m_format->findData(int(videoFormat::quickTimeAnimation)));
    form->addRow(tr("F&ormat:"), m_format);

    m_size = named(new QSpinBox, "animationSizeSpinBox");
    m_size->setRange(exportSizeMin, exportSizeMax);
    m_size->setSuffix(tr(" px"));
    form->addRow(tr("&Size:"), m_size);

    auto *backgroundRow = new QHBoxLayout;
    m_transparent = named(new QCheckBox(tr("Transparent")), "transparentCheckBox");
    m_transparent->setChecked(true);
    m_background = named(new ColorButton, "backgroundButton");
    m_background->setToolTip(tr("Background colour"));
    m_background->setColor(Qt::black);
    m_background->setEnabled(false);
    backgroundRow->addWidget(m_transparent);
    backgroundRow->addWidget(m_background);
    backgroundRow->addStretch();
    form->addRow(tr("Back&ground:"), backgroundRow);
    connect(m_transparent, &QCheckBox::toggled, m_background, &QWidget::setDisabled);
    connect(m_background, &QToolButton::clicked, this, [this] {
        const QColor colour = QColorDialog::getColor(m_background->color(), this);
        if (colour.isValid())
            m_background->setColor(colour);
    });

    auto *outputRow = new QHBoxLayout;
    m_output = named(new QLineEdit, "outputEdit");
    auto *chooseOutput = named(new QPushButton(tr("Choose...")), "outputBrowseButton");
    outputRow->addWidget(m_output);
    outputRow->addWidget(chooseOutput);
    form->addRow(tr("&Write to:"), outputRow);
    connect(chooseOutput, &QPushButton::clicked, this, &AnimationDialog::chooseOutput);
    connect(m_format, &QComboBox::currentIndexChanged, this, &AnimationDialog::formatChanged);
    formatChanged();

    m_plot = new DrivePlot;
    m_problem = named(new QLabel, "problemLabel");
    m_problem->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Export"));
    connect(buttons, &QDialogButtonBox::accepted, this, &AnimationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QDoubleSpinBox *box : {m_sweepSeconds, m_from, m_to})
        connect(box, &QDoubleSpinBox::valueChanged, this, &AnimationDialog::replan);
    connect(m_interpolation, &QComboBox::currentIndexChanged, this, &AnimationDialog::replan);
    connect(m_fps, &QComboBox::currentTextChanged, this, &AnimationDialog::replan);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_plot, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

void AnimationDialog::readData()
{
    const QString path = m_dataFile->text().trimmed();
    if (path.isEmpty() || m_reading.isRunning())
        return;
    m_dataStatus->setText(tr("Reading %1…").arg(QFileInfo(path).fileName()));
    m_reading.setFuture(QtConcurrent::run([path] {
        DriveData data;
        QString error;
        if (!readDriveData(path, &data, &error))
            data = DriveData();
        return std::make_pair(data, error);
    }));
}

void AnimationDialog::dataRead()
{
    const auto [data, error] = m_reading.result();
    m_data = data;
    if (!error.isEmpty()) {
        m_dataStatus->setText(error);
    } else {
        double first = 0.0;
        double last = 0.0;
        (void)m_data.timeSpan(&first, &last);
        QString status = tr("%n rows, %1 to %2 s.", nullptr, int(m_data.rows))
                             .arg(first, 0, 'g', 6)
                             .arg(last, 0, 'g', 6);
        if (!m_data.warnings.isEmpty())
            status += QLatin1Char(' ') + m_data.warnings.join(QLatin1Char(' '));
        m_dataStatus->setText(status);
        m_from->setValue(first);
        m_to->setValue(last);
    }
    // Each needle offers the columns; one whose name is the needle's follows it.
    for (qsizetype i = 0; i < m_drives.size(); ++i) {
        QComboBox *drive = m_drives.at(i);
        const QSignalBlocker blocker(drive);
        while (drive->count() > 2)
            drive->removeItem(2);
        for (const DriveColumn &column : std::as_const(m_data.columns))
            drive->addItem(tr("Column \u201c%1\u201d").arg(column.name), int(column.position));
        const qsizetype match = m_data.columnIndex(m_needleNames.at(i));
        drive->setCurrentIndex(match >= 0 ? int(match) + 2 : (m_data.columns.isEmpty() ? 1 : 0));
    }
    replan();
}

void AnimationDialog::formatChanged()
{
    const auto format = videoFormat(m_format->currentData().toInt());
    QString path = m_output->text();
    if (path.isEmpty())
        path = QDir(m_folder).filePath(QStringLiteral("animation"));
    const QFileInfo info(path);
    const QString base = QDir(info.path()).filePath(info.completeBaseName().remove(
        QStringLiteral("_%06d")));
    m_output->setText(format == videoFormat::pngSequence
                          ? base + QStringLiteral("_%06d.png")
                          : base + QLatin1Char('.') + videoFormatSuffix(format));
    m_transparent->setEnabled(videoFormatHasAlpha(format));
}

void AnimationDialog::chooseOutput()
{
    const auto format = videoFormat(m_format->currentData().toInt());
    const QString suffix = videoFormatSuffix(format);
    const QString path = askSavePath(this, tr("Export Animation"),
                                     tr("%1 (*.%2)").arg(videoFormatDisplayName(format), suffix),
                                     suffix, QFileInfo(m_output->text()).path());
    if (!path.isEmpty())
        m_output->setText(path);
}

AnimationSettings AnimationDialog::settings() const
{
    AnimationSettings settings;
    settings.video.format = videoFormat(m_format->currentData().toInt());
    settings.video.path = m_output->text().trimmed();
    settings.video.size = m_size->value();
    settings.video.framesPerSecond = m_fps->currentText().toInt();
    if (!m_transparent->isChecked() || !videoFormatHasAlpha(settings.video.format))
        settings.video.background = m_transparent->isChecked() ? QColor() : m_background->color();
    if (!m_wholeRange->isChecked()) {
        settings.from = m_from->value();
        settings.to = m_to->value();
    }
    settings.interpolation = Interpolation(m_interpolation->currentData().toInt());
    for (qsizetype i = 0; i < m_drives.size(); ++i) {
        const int choice = m_drives.at(i)->currentData().toInt();
        if (choice == sweeps)
            settings.drives.append({m_needleNames.at(i), QString(), m_sweepSeconds->value()});
        else if (choice > 0)
            settings.drives.append({m_needleNames.at(i), columnNaming(m_data, choice), 0.0});
    }
    return settings;
}

void AnimationDialog::replan()
{
    QString reason;
    AnimationPlan plan;
    m_planned = planAnimation(m_layers, settings(), m_data, &plan, &reason);
    m_plan = m_planned ? plan : AnimationPlan();
    m_plot->setPlan(m_plan);
    m_problem->setText(m_planned ? tr("%n frames.", nullptr, int(frameCount(m_plan.range)))
                                 : reason);
}

void AnimationDialog::accept()
{
    replan();
    QString reason;
    VideoSettings video = settings().video;
    if (m_planned && !checkVideoSettings(video, &reason))
        m_planned = false;
    if (!m_planned) {
        if (!reason.isEmpty())
            m_problem->setText(reason);
        return;
    }
    QDialog::accept();
}
