#include "app/window.h"
#include "export/gui/animationdialog.h"
#include "model/gaugedocument.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "samplegauges.h"
#include "testfiles.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<gaugeData> gaugeWithNeedles()
{
    QList<gaugeData> layers = typicalGauge();
    gaugeNeedle speed;
    speed.name = QStringLiteral("Speed");
    gaugeNeedle limit;
    limit.name = QStringLiteral("Limit");
    layers[0].needles = {speed, limit};
    return layers;
}

template<typename T>
T *child(const QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

void setFormat(AnimationDialog *dialog, videoFormat format)
{
    auto *combo = child<QComboBox>(dialog, "formatCombo");
    combo->setCurrentIndex(combo->findData(int(format)));
}

} // namespace

// File > Export Animation...: the dialog reads the data off the GUI thread
// and maps columns to needles; the render runs behind a progress dialog that
// counts frames and cancels.
class TestAnimationDialog : public QObject
{
    Q_OBJECT

private slots:
    void dataMapsColumnsToNeedles();
    void refusesWhatCannotBeRendered();
    void windowRendersAndCancels_data();
    void windowRendersAndCancels();

private:
    QTemporaryDir dir;
};

void TestAnimationDialog::dataMapsColumnsToNeedles()
{
    const QString csv = dir.filePath("log.csv");
    QVERIFY(writeBytes(csv, "time,rpm,speed\n0,1,10\n1,2,bad\n2,3,150\n"));
    AnimationDialog dialog(gaugeWithNeedles(), 128, dir.path());
    auto *file = child<QLineEdit>(&dialog, "dataFileEdit");
    file->setText(csv);
    emit file->editingFinished();
    QTRY_VERIFY(!dialog.isReading() && !dialog.data().columns.isEmpty());
    // "Speed" follows the column of its name, case aside; "Limit" stands still.
    QCOMPARE(child<QComboBox>(&dialog, "driveCombo0")->currentText(),
             QString::fromUtf8("Column \u201cspeed\u201d"));
    QCOMPARE(child<QComboBox>(&dialog, "driveCombo1")->currentIndex(), 0);
    QVERIFY2(child<QLabel>(&dialog, "dataStatusLabel")->text().contains("Line 3"),
             qPrintable(child<QLabel>(&dialog, "dataStatusLabel")->text()));
    QCOMPARE(child<DrivePlot>(&dialog, "drivePlot")->lineCount(), 1);
    const AnimationSettings settings = dialog.settings();
    QCOMPARE(settings.drives.size(), 1);
    QCOMPARE(settings.drives[0].column, QStringLiteral("speed"));
    QCOMPARE(frameCount(dialog.plan().range), 60); // 0 to 2 s at 30 fps
}

void TestAnimationDialog::refusesWhatCannotBeRendered()
{
    AnimationDialog dialog(gaugeWithNeedles(), 65, dir.path());
    setFormat(&dialog, videoFormat::h264);
    dialog.accept(); // an odd size for H.264
    QVERIFY(!child<QLabel>(&dialog, "problemLabel")->text().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    for (const char *name : {"driveCombo0", "driveCombo1"})
        child<QComboBox>(&dialog, name)->setCurrentIndex(0);
    QVERIFY2(child<QLabel>(&dialog, "problemLabel")->text().contains("Nothing drives"),
             qPrintable(child<QLabel>(&dialog, "problemLabel")->text()));
}

void TestAnimationDialog::windowRendersAndCancels_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("rendered") << false;
    QTest::newRow("cancelled") << true;
}

void TestAnimationDialog::windowRendersAndCancels()
{
    QFETCH(bool, cancel);
    WindowServices services;
    services.exportProgressDelay = cancel ? 0 : 600000;
    Window window(services);
    window.document()->setLayerData(gaugeWithNeedles(), QStringLiteral("Needles"));
    const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/old.mov";
    QVERIFY(writeBytes(path, "the old video"));

    QString label;
    ModalAnswers answers({answerAs<AnimationDialog>([&](AnimationDialog *dialog) {
        setFormat(dialog, videoFormat::quickTimeAnimation);
        child<QLineEdit>(dialog, "outputEdit")->setText(path);
        child<QSpinBox>(dialog, "animationSizeSpinBox")->setValue(cancel ? 1024 : 64);
        child<QDoubleSpinBox>(dialog, "sweepSecondsSpinBox")->setValue(cancel ? 60 : 0.5);
        dialog->accept();
    })});
    if (cancel)
        answers.expect(answerAs<QProgressDialog>([&label](QProgressDialog *progress) {
            QTRY_VERIFY(progress->labelText().contains("frame"));
            label = progress->labelText();
            progress->findChild<QPushButton *>()->click();
        }));
    formAction(window, "exportAnimationAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(exportsIdle(window), 60000);
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(", ")));
    if (cancel) {
        QVERIFY2(label.contains("frames a second") && label.contains("left"), qPrintable(label));
        QCOMPARE(readBytes(path), QByteArray("the old video"));
    } else {
        QVERIFY(readBytes(path).size() > 1000);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"old.mov"});
}

QTEST_MAIN(TestAnimationDialog)
#include "test_animationdialog.moc"
