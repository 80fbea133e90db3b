#include "app/window.h"
#include "formaccess.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/colorbutton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

// The window as it stands right after start-up, and the form's limits.
class TestWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void initialColoursAndFont();
    void aboutLabelUsesProductAddress();
    void previewSitsOverReference();
    void fitsInitialSize();
    void slotsInOrder();
    void blockingCoversEveryControl();
};

void TestWindowForm::startState()
{
    Window window;
    // Shown as "Dialwright 2.2.0": the marker appears only with unsaved changes.
    QCOMPARE(window.windowTitle(), QStringLiteral("Dialwright 2.2.0[*]"));
    QVERIFY(!window.isWindowModified());
    // The icon is built in, so it is there whatever the working directory.
    QVERIFY(QFile::exists(QStringLiteral(":/icons/dialwright.svg")));
    const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixelColor(16, 16).alpha(), 255);
    QCOMPARE(window.size(), QSize(1280, 760));

    QCOMPARE(Form(window).layerList->count(), 1);
    QCOMPARE(Form(window).layerList->item(0)->text(), QStringLiteral("Layer 1"));
    QCOMPARE(Form(window).layerList->item(0)->data(Qt::UserRole).toString(),
             QStringLiteral("Layer 1"));
    QVERIFY(Form(window).layerList->item(0)->flags() & Qt::ItemIsEditable);
    QCOMPARE(Form(window).layerList->currentRow(), 0);
    QCOMPARE(Form(window).layerList->editTriggers(),
             QAbstractItemView::EditTriggers(QAbstractItemView::DoubleClicked
                                             | QAbstractItemView::EditKeyPressed));

    // The form's initial values and the constructor's colours and font are
    // exactly the record's defaults.
    QCOMPARE(window.renderArea->layers.size(), 1);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
    QVERIFY(window.renderArea->currentGauge == gaugeData());

    QCOMPARE(Form(window).biasTypeComboBox->count(), 2);
    QCOMPARE(Form(window).biasTypeComboBox->itemText(0), QStringLiteral("Exponential"));
    QCOMPARE(Form(window).biasTypeComboBox->itemText(1), QStringLiteral("Midpoint"));
    QCOMPARE(Form(window).biasTypeComboBox->currentIndex(), 0);

    QCOMPARE(window.renderArea->parentWidget(), Form(window).RenderBox);
}

void TestWindowForm::initialColoursAndFont()
{
    Window window;
    const struct
    {
        QWidget *widget;
        QColor color;
    } expected[] = {
        {Form(window).gaugeDivisions1ColorButton, Qt::white},
        {Form(window).gaugeDivisions2ColorButton, Qt::white},
        {Form(window).gaugeDivisions3ColorButton, Qt::white},
        {Form(window).arc1ColorButton, Qt::green},
        {Form(window).arc2ColorButton, Qt::yellow},
        {Form(window).arc3ColorButton, Qt::red},
        {Form(window).arc4ColorButton, Qt::white},
        {Form(window).tickColorButton, Qt::white},
        {Form(window).referenceLabel, Qt::black},
    };
    for (const auto &e : expected) {
        QCOMPARE(e.widget->styleSheet(), colorStyleSheet(e.color));
        QCOMPARE(widgetColor(e.widget), e.color);
    }

    QCOMPARE(Form(window).tickCountFontButton->font().family(), QStringLiteral("Sans Serif"));
    QCOMPARE(Form(window).tickCountFontButton->font().pointSize(), 10);
    // The first tick-count edit stores the same font the layer started with.
    Form(window).tickCountRadiusSpinBox->setValue(0.6);
    QVERIFY(window.renderArea->layers.at(0).tickCountFont == gaugeData().tickCountFont);
}

void TestWindowForm::aboutLabelUsesProductAddress()
{
    Window window;
    const QString text = Form(window).aboutLabel->text();
    QVERIFY(!text.contains(QStringLiteral("%1")));
    QVERIFY(text.contains(QStringLiteral("Thank you for helping test Dialwright 2.2!")));
    QCOMPARE(text.count(QStringLiteral(DIALWRIGHT_PRODUCT_URL)), 2);
    QVERIFY(!Form(window).aboutLabel->openExternalLinks());
}

void TestWindowForm::previewSitsOverReference()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Form(window).RenderBox->size(), QSize(564, 564));
    QCOMPARE(Form(window).referenceLabel->geometry(), QRect(26, 33, 512, 512));
    QCOMPARE(window.renderArea->size(), QSize(512, 512));
    // Centred in the box, over the label: the box's frame decides the exact
    // spot, so allow a few pixels.
    const QPoint offset = window.renderArea->geometry().topLeft() - QPoint(26, 33);
    QVERIFY2(offset.manhattanLength() <= 12,
             qPrintable(QStringLiteral("preview at %1,%2")
                            .arg(window.renderArea->x())
                            .arg(window.renderArea->y())));

    // The preview box does not grow with the window; the layer list does,
    // which shows the layout has run.
    const int listHeight = Form(window).layerList->height();
    window.resize(1600, 1000);
    QVERIFY(Form(window).layerList->height() > listHeight);
    QCOMPARE(Form(window).RenderBox->size(), QSize(564, 564));
}

void TestWindowForm::fitsInitialSize()
{
    Window window;
    const QSize needed = window.minimumSizeHint();
    QVERIFY2(needed.width() <= 1280 && needed.height() <= 760,
             qPrintable(
                 QStringLiteral("form needs %1 x %2").arg(needed.width()).arg(needed.height())));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Nothing of the form is cut off by its parent at the initial size.
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisible() || !w->parentWidget() || w->isWindow())
            continue;
        const QRect inParent = w->parentWidget()->rect();
        QVERIFY2(inParent.contains(w->geometry()),
                 qPrintable(w->objectName() + QStringLiteral(" is clipped")));
    }
}

// The window's slots, in the order its meta-object lists them; a slot with
// a default argument is listed once more without it. The window declares no
// signals and no properties of its own.
void TestWindowForm::slotsInOrder()
{
    const QStringList expected{"angleChanged()",
                               "capsChanged()",
                               "divisions1Changed()",
                               "divisions2Changed()",
                               "divisions3Changed()",
                               "arc1Changed()",
                               "arc2Changed()",
                               "arc3Changed()",
                               "arc4Changed()",
                               "divisions1ColorChanged()",
                               "divisions2ColorChanged()",
                               "divisions3ColorChanged()",
                               "arc1ColorChanged()",
                               "arc2ColorChanged()",
                               "arc3ColorChanged()",
                               "arc4ColorChanged()",
                               "tickSettingsChanged()",
                               "tickDecimalsChanged()",
                               "saveSVG()",
                               "savePNG()",
                               "saveGauge()",
                               "saveLayer()",
                               "saveKeyframes()",
                               "loadGauge()",
                               "tickFontButton()",
                               "tickColorChanged()",
                               "presetChanged()",
                               "setActiveGauge()",
                               "getColor(QColor)",
                               "getColor()",
                               "getFont()",
                               "blockWidgetSignals(bool)",
                               "layerChanged(QListWidgetItem*,QListWidgetItem*)",
                               "layerRenamed(QListWidgetItem*)",
                               "addLayer()",
                               "removeLayer()",
                               "loadReference()",
                               "clearReference()",
                               "getPresetsFromFolder()",
                               "onUpdateCheckFinished(QNetworkReply*)"};
    const QMetaObject &meta = Window::staticMetaObject;
    QStringList made;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        QCOMPARE(meta.method(i).methodType(), QMetaMethod::Slot);
        made << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(made, expected);
    QCOMPARE(meta.propertyOffset(), meta.propertyCount());
}

// With their signals blocked, no control of the form edits the gauge: the
// blocking covers every one that does.
void TestWindowForm::blockingCoversEveryControl()
{
    Window window;
    window.blockWidgetSignals(true);
    for (QAbstractSpinBox *box : window.findChildren<QAbstractSpinBox *>()) {
        if (auto *d = qobject_cast<QDoubleSpinBox *>(box))
            d->setValue(d->value() == d->maximum() ? d->minimum() : d->maximum());
        else if (auto *i = qobject_cast<QSpinBox *>(box))
            i->setValue(i->value() == i->maximum() ? i->minimum() : i->maximum());
    }
    for (QComboBox *box : window.findChildren<QComboBox *>())
        if (box->count() > 1)
            emit box->activated(1);
    for (QCheckBox *box : window.findChildren<QCheckBox *>())
        emit box->clicked(true);
    for (QPlainTextEdit *text : window.findChildren<QPlainTextEdit *>())
        text->setPlainText(QStringLiteral("X"));
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
    QCOMPARE(window.document()->undoStack()->count(), 0);
    window.blockWidgetSignals(false);
    Form(window).gaugeDivisions2SpinBox->setValue(3);
    QCOMPARE(window.renderArea->layers.at(0).divisionCount[1], 3);
}

QTEST_MAIN(TestWindowForm)
#include "test_windowform.moc"
