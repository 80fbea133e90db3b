#include "app/window.h"
#include "export/imageexport.h"
#include "gaugefile/editorsettings.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "testfiles.h"

#include <QAction>
#include <QColorDialog>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Picks `path` in the reference dialog, or cancels it when `path` is empty;
// `then` answers the dialogs that follow.
bool pickReference(Window &w, const QString &path, const QList<ModalAnswers::Handler> &then = {})
{
    FileDialogSeen seen;
    const QString start = QDir(w.fileDialogFolder()).absolutePath();
    ModalAnswers answers(QList<ModalAnswers::Handler>{chooseFile(path, &seen)} + then);
    Form(w).loadReferenceButton->click();
    // Every picture format the toolkit reads, then any file.
    return answers.allAnswered() && seen.caption == QStringLiteral("Load Reference Image (512x512)")
        && seen.directory == start && seen.filters.size() == 2
        && seen.filters.first().contains(QStringLiteral("*.png"))
        && seen.filters.first().contains(QStringLiteral("*.jpg"))
        && seen.filters.last() == QStringLiteral("All files (*)");
}

QString writeImage(const QTemporaryDir &dir, const QString &name, const QImage &image)
{
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

QImage filled(int size, const QColor &color)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// What the label shows, in its own pixels.
QImage shown(Window &w)
{
    return Form(w).referenceLabel->grab().toImage();
}

} // namespace

class TestReferenceImage : public QObject
{
    Q_OBJECT

private slots:
    void loadReplaceAndClear();
    void centredWithoutScaling();
    void cancelAndUnreadableKeepPicture();
    void dialColorShownNotExported();
};

void TestReferenceImage::dialColorShownNotExported()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("DialwrightTests"));
    QSettings().clear();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    auto window = std::make_unique<Window>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto action = [&window](const char *name) {
        return window->findChild<QAction *>(QLatin1String(name));
    };
    QVERIFY(action("dialColorAction") && action("blackDialAction"));
    QCOMPARE(shown(*window).pixelColor(256, 256), QColor(Qt::black));

    {
        ModalAnswers answers({answerAs<QColorDialog>([](QColorDialog *d) {
            d->setCurrentColor(Qt::white);
            d->accept();
        })});
        action("dialColorAction")->trigger();
        QVERIFY(answers.allAnswered());
    }
    // A white disc of the gauge's radius, the black around it.
    QCOMPARE(shown(*window).pixelColor(256, 256), QColor(Qt::white));
    QCOMPARE(shown(*window).pixelColor(256, 10), QColor(Qt::white));
    QCOMPARE(shown(*window).pixelColor(3, 3), QColor(Qt::black));

    // The export has the gauge's pixels only, on its transparent ground.
    const QString path = dir.filePath(QStringLiteral("gauge.png"));
    {
        ModalAnswers answers({chooseFile(path)});
        window->savePNG();
        QTRY_VERIFY_WITH_TIMEOUT(exportsIdle(*window), 60000);
        QVERIFY(answers.allAnswered());
    }
    QByteArray expected;
    QVERIFY(gaugePng(window->renderArea->layers, 512, &expected));
    QCOMPARE(readBytes(path), expected);

    // Kept for the next window, until the user goes back to black.
    window = std::make_unique<Window>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(shown(*window).pixelColor(256, 256), QColor(Qt::white));
    action("blackDialAction")->trigger();
    QCOMPARE(shown(*window).pixelColor(256, 256), QColor(Qt::black));
    QCOMPARE(dialColor(), QColor(Qt::black));
    QSettings().clear();
}

void TestReferenceImage::loadReplaceAndClear()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString red = writeImage(dir, QStringLiteral("red.png"), filled(512, Qt::red));
    const QString blue = writeImage(dir, QStringLiteral("blue.png"), filled(512, Qt::blue));
    QVERIFY(!red.isEmpty() && !blue.isEmpty());

    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(pickReference(window, red));
    QCOMPARE(Form(window).referenceLabel->pixmap().size(), QSize(512, 512));
    QCOMPARE(shown(window).pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(shown(window).pixelColor(511, 511), QColor(Qt::red));
    // The preview lies over it and lets it show through wherever the gauge
    // draws nothing; the centre dot is drawn on top, once the preview's
    // worker has drawn it.
    QTRY_VERIFY(window.renderArea->isPreviewCurrent());
    const QImage box = Form(window).RenderBox->grab().toImage();
    auto inBox = [&window](int x, int y) {
        return window.renderArea->mapTo(Form(window).RenderBox, QPoint(x, y));
    };
    QCOMPARE(box.pixelColor(inBox(20, 20)), QColor(Qt::red));
    QCOMPARE(box.pixelColor(inBox(256, 256)), QColor(Qt::white));

    QVERIFY(pickReference(window, blue));
    QCOMPARE(shown(window).pixelColor(256, 256), QColor(Qt::blue));

    Form(window).clearReferenceButton->click();
    QVERIFY(Form(window).referenceLabel->pixmap().isNull());
    QCOMPARE(shown(window).pixelColor(256, 256), QColor(Qt::black));
    Form(window).clearReferenceButton->click();
    QVERIFY(Form(window).referenceLabel->pixmap().isNull());

    // The picture is no part of the gauge.
    QVERIFY(window.collectLayers().at(0).data == gaugeData());
}

void TestReferenceImage::centredWithoutScaling()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString small = writeImage(dir, QStringLiteral("small.png"), filled(256, Qt::blue));
    // Green in the middle 512 x 512, red around it.
    QImage big = filled(1024, Qt::red);
    QPainter(&big).fillRect(256, 256, 512, 512, Qt::green);
    const QString large = writeImage(dir, QStringLiteral("large.png"), big);

    Window window;
    QVERIFY(pickReference(window, small));
    QImage image = shown(window);
    QCOMPARE(image.pixelColor(127, 127), QColor(Qt::black));
    QCOMPARE(image.pixelColor(128, 128), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(383, 383), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(384, 384), QColor(Qt::black));

    QVERIFY(pickReference(window, large));
    image = shown(window);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(image.pixelColor(511, 511), QColor(Qt::green));
}

void TestReferenceImage::cancelAndUnreadableKeepPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString red = writeImage(dir, QStringLiteral("red.png"), filled(512, Qt::red));
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QVERIFY(writeBytes(broken, "not a picture at all"));

    Window window;
    QVERIFY(pickReference(window, red));
    QVERIFY(pickReference(window, QString()));
    QCOMPARE(shown(window).pixelColor(256, 256), QColor(Qt::red));

    BoxSeen box;
    QVERIFY(pickReference(window, broken, {pressButton(QMessageBox::Ok, &box)}));
    QCOMPARE(box.title, QStringLiteral("Unable to load image"));
    QCOMPARE(box.text, QStringLiteral("broken.png could not be read as a picture."));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(shown(window).pixelColor(256, 256), QColor(Qt::red));

#ifdef Q_OS_UNIX
    // A named pipe that no program writes to is refused at once rather than
    // waited on, which would freeze the window.
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(pickReference(window, pipe, {pressButton(QMessageBox::Ok, &box)}));
    QVERIFY2(box.text.startsWith(QStringLiteral("pipe.png could not be read as a picture.\n\n")),
             qPrintable(box.text));
    QCOMPARE(shown(window).pixelColor(256, 256), QColor(Qt::red));
#endif
}

QTEST_MAIN(TestReferenceImage)
#include "test_referenceimage.moc"
