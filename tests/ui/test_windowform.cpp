#include "app/window.h"
#include "render/renderarea.h"
#include "ui/colorbutton.h"

#include <QAbstractItemView>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>

// The window as it stands right after start-up, and the form's limits.
class TestWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void initialColoursAndFont();
    void aboutLabelUsesProductAddress();
    void doubleSpinBoxLimits_data();
    void doubleSpinBoxLimits();
    void integerSpinBoxLimits_data();
    void integerSpinBoxLimits();
    void previewSitsOverReference();
    void fitsInitialSize();
    void connectionsInFormOrder();
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

    QCOMPARE(window.layerList->count(), 1);
    QCOMPARE(window.layerList->item(0)->text(), QStringLiteral("Layer 1"));
    QCOMPARE(window.layerList->item(0)->data(Qt::UserRole).toString(), QStringLiteral("Layer 1"));
    QVERIFY(window.layerList->item(0)->flags() & Qt::ItemIsEditable);
    QCOMPARE(window.layerList->currentRow(), 0);
    QCOMPARE(window.layerList->editTriggers(),
             QAbstractItemView::EditTriggers(QAbstractItemView::DoubleClicked
                                             | QAbstractItemView::EditKeyPressed));

    // The form's initial values and the constructor's colours and font are
    // exactly the record's defaults.
    QCOMPARE(window.renderArea->layers.size(), 1);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
    QVERIFY(window.renderArea->currentGauge == gaugeData());

    QCOMPARE(window.biasTypeComboBox->count(), 2);
    QCOMPARE(window.biasTypeComboBox->itemText(0), QStringLiteral("Exponential"));
    QCOMPARE(window.biasTypeComboBox->itemText(1), QStringLiteral("Midpoint"));
    QCOMPARE(window.biasTypeComboBox->currentIndex(), 0);

    QCOMPARE(window.renderArea->parentWidget(), window.RenderBox);
    QVERIFY(!window.manualUpdateCheck);
}

void TestWindowForm::initialColoursAndFont()
{
    Window window;
    const struct
    {
        QWidget *widget;
        QColor color;
    } expected[] = {
        {window.gaugeDivisions1ColorButton, Qt::white}, {window.gaugeDivisions2ColorButton, Qt::white},
        {window.gaugeDivisions3ColorButton, Qt::white}, {window.arc1ColorButton, Qt::green},
        {window.arc2ColorButton, Qt::yellow},          {window.arc3ColorButton, Qt::red},
        {window.arc4ColorButton, Qt::white},           {window.tickColorButton, Qt::white},
        {window.referenceLabel, Qt::black},
    };
    for (const auto &e : expected) {
        QCOMPARE(e.widget->styleSheet(), colorStyleSheet(e.color));
        QCOMPARE(widgetColor(e.widget), e.color);
    }

    QCOMPARE(window.tickCountFontButton->font().family(), QStringLiteral("Sans Serif"));
    QCOMPARE(window.tickCountFontButton->font().pointSize(), 10);
    // The first tick-count edit stores the same font the layer started with.
    window.tickCountRadiusSpinBox->setValue(0.6);
    QVERIFY(window.renderArea->layers.at(0).tickCountFont == gaugeData().tickCountFont);
}

void TestWindowForm::aboutLabelUsesProductAddress()
{
    Window window;
    const QString text = window.aboutLabel->text();
    QVERIFY(!text.contains(QStringLiteral("%1")));
    QVERIFY(text.contains(QStringLiteral("Thank you for helping test Dialwright 2.2!")));
    QCOMPARE(text.count(QStringLiteral(DIALWRIGHT_PRODUCT_URL)), 2);
    QVERIFY(!window.aboutLabel->openExternalLinks());
}

void TestWindowForm::doubleSpinBoxLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");

    auto row = [](const char *name, double lo, double hi, double step, int dec, double value) {
        QTest::newRow(name) << QString::fromLatin1(name) << lo << hi << step << dec << value;
    };
    row("gaugeStartAngleSpinBox", -360, 360, 1, 2, 0);
    row("gaugeAngleLengthSpinBox", -360, 360, 1, 2, 120);
    row("gaugeBiasSpinBox", 0, 1, 0.05, 2, 0.5);
    const double inner[] = {0.8, 0.9, 0.95};
    for (int level = 1; level <= 3; ++level) {
        const QByteArray p = "gaugeDivisions" + QByteArray::number(level);
        row(p + "WidthSpinBox", 0, 100, 1, 3, 0);
        row(p + "InnerRadiusSpinBox", 0, 1, 0.01, 3, inner[level - 1]);
        row(p + "OuterRadiusSpinBox", 0, 1, 0.01, 3, 1);
    }
    for (int arc = 1; arc <= 4; ++arc) {
        const QByteArray p = "arc" + QByteArray::number(arc);
        row(p + "StartAngleSpinBox", -360, 360, 1, 2, 0);
        row(p + "AngleLengthSpinBox", -360, 360, 1, 3, arc == 1 ? 120 : 0);
        row(p + "RadiusSpinBox", 0, 1, 0.01, 3, 1);
        row(p + "WidthSpinBox", 0, 100, 1, 3, 0);
    }
    row("tickCountRadiusSpinBox", 0, 1, 0.01, 3, 0.74);
    row("tickCountStartSpinBox", -360, 360, 1, 0, 0);
    row("tickCountIncrementSpinBox", -32000, 32000, 1, 0, 1);
}

void TestWindowForm::doubleSpinBoxLimits()
{
    QFETCH(QString, name);
    Window window;
    auto *box = window.findChild<QDoubleSpinBox *>(name);
    QVERIFY(box);
    QTEST(box->minimum(), "minimum");
    QTEST(box->maximum(), "maximum");
    QTEST(box->singleStep(), "step");
    QTEST(box->decimals(), "decimals");
    QTEST(box->value(), "value");
    QVERIFY(!box->toolTip().isEmpty());
}

void TestWindowForm::integerSpinBoxLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::newRow("primary") << "gaugeDivisions1SpinBox" << 0 << 100 << 1 << 4;
    QTest::newRow("secondary") << "gaugeDivisions2SpinBox" << 1 << 100 << 1 << 1;
    QTest::newRow("tertiary") << "gaugeDivisions3SpinBox" << 1 << 100 << 1 << 1;
    QTest::newRow("decimals") << "tickCountDecimalPlacesSpinBox" << 0 << 6 << 1 << 0;
    QTest::newRow("png size") << "pngSizeSpinBox" << 64 << 4096 << 32 << 512;
}

void TestWindowForm::integerSpinBoxLimits()
{
    QFETCH(QString, name);
    Window window;
    auto *box = window.findChild<QSpinBox *>(name);
    QVERIFY(box);
    QTEST(box->minimum(), "minimum");
    QTEST(box->maximum(), "maximum");
    QTEST(box->singleStep(), "step");
    QTEST(box->value(), "value");
}

void TestWindowForm::previewSitsOverReference()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.RenderBox->size(), QSize(564, 564));
    QCOMPARE(window.referenceLabel->geometry(), QRect(26, 33, 512, 512));
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
    const int listHeight = window.layerList->height();
    window.resize(1600, 1000);
    QVERIFY(window.layerList->height() > listHeight);
    QCOMPARE(window.RenderBox->size(), QSize(564, 564));
}

void TestWindowForm::fitsInitialSize()
{
    Window window;
    const QSize needed = window.minimumSizeHint();
    QVERIFY2(needed.width() <= 1280 && needed.height() <= 760,
             qPrintable(QStringLiteral("form needs %1 x %2")
                            .arg(needed.width())
                            .arg(needed.height())));

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

// The form's controls are connected from one table, field by field and group
// by group; its order is the order in which the connections are made.
void TestWindowForm::connectionsInFormOrder()
{
    const QList<QPair<const char *, WindowSlot>> slotNames{
        {"angleChanged", &Window::angleChanged},
        {"scaleTypeChanged", &Window::scaleTypeChanged},
        {"scaleChanged", &Window::scaleChanged},
        {"scalePointsChanged", &Window::scalePointsChanged},
        {"capsChanged", &Window::capsChanged},
        {"divisions1Changed", &Window::divisions1Changed},
        {"divisions2Changed", &Window::divisions2Changed},
        {"divisions3Changed", &Window::divisions3Changed},
        {"arc1Changed", &Window::arc1Changed},
        {"arc2Changed", &Window::arc2Changed},
        {"arc3Changed", &Window::arc3Changed},
        {"arc4Changed", &Window::arc4Changed},
        {"divisions1ColorChanged", &Window::divisions1ColorChanged},
        {"divisions2ColorChanged", &Window::divisions2ColorChanged},
        {"divisions3ColorChanged", &Window::divisions3ColorChanged},
        {"arc1ColorChanged", &Window::arc1ColorChanged},
        {"arc2ColorChanged", &Window::arc2ColorChanged},
        {"arc3ColorChanged", &Window::arc3ColorChanged},
        {"arc4ColorChanged", &Window::arc4ColorChanged},
        {"tickSettingsChanged", &Window::tickSettingsChanged},
        {"tickDecimalsChanged", &Window::tickDecimalsChanged},
        {"saveSVG", &Window::saveSVG},
        {"savePNG", &Window::savePNG},
        {"saveGauge", &Window::saveGauge},
        {"saveLayer", &Window::saveLayer},
        {"saveKeyframes", &Window::saveKeyframes},
        {"loadGauge", &Window::loadGauge},
        {"tickFontButton", &Window::tickFontButton},
        {"tickColorChanged", &Window::tickColorChanged},
        {"presetChanged", &Window::presetChanged},
        {"labelTextsChanged", &Window::labelTextsChanged},
        {"faceTextChanged", &Window::faceTextChanged},
        {"faceTextColorChanged", &Window::faceTextColorChanged},
        {"facePictureChanged", &Window::facePictureChanged},
        {"replaceFacePicture", &Window::replaceFacePicture},
    };
    QStringList made;
    Window window;
    for (const FormConnection &row : window.formConnections()) {
        QString slotName;
        for (const auto &[name, slot] : slotNames)
            if (slot == row.slot)
                slotName = QLatin1String(name);
        made << row.sender->objectName() + QLatin1Char(' ') + slotName;
    }

    QStringList expected{"gaugeStartAngleSpinBox angleChanged", "gaugeAngleLengthSpinBox angleChanged",
                         "gaugeBiasSpinBox angleChanged", "biasTypeComboBox angleChanged",
                         "scaleTypeComboBox scaleTypeChanged", "scaleFromSpinBox scaleChanged",
                         "scaleToSpinBox scaleChanged", "scaleExponentSpinBox scaleChanged",
                         "scalePointsButton scalePointsChanged"};
    for (const char *field : {"", "InnerRadius", "OuterRadius", "Width"})
        for (int i = 1; i <= 3; ++i)
            expected << QStringLiteral("gaugeDivisions%1%2SpinBox divisions%1Changed").arg(i).arg(field);
    for (const char *field : {"StartAngle", "AngleLength", "Radius", "Width"})
        for (int i = 1; i <= 4; ++i)
            expected << QStringLiteral("arc%1%2SpinBox arc%1Changed").arg(i).arg(field);
    for (int i = 1; i <= 3; ++i)
        expected << QStringLiteral("gaugeDivisions%1ColorButton divisions%1ColorChanged").arg(i);
    for (int i = 1; i <= 4; ++i)
        expected << QStringLiteral("arc%1ColorButton arc%1ColorChanged").arg(i);
    expected << "tickCountRadiusSpinBox tickSettingsChanged"
             << "tickCountDecimalPlacesSpinBox tickDecimalsChanged"
             << "tickCountStartSpinBox tickSettingsChanged"
             << "tickCountIncrementSpinBox tickSettingsChanged"
             << "tickCountFontButton tickFontButton" << "tickColorButton tickColorChanged"
             << "tickCountRotateCheckBox tickSettingsChanged"
             << "tickCountCheckBox tickSettingsChanged" << "skipFirstTickCheckBox tickSettingsChanged"
             << "roundedTickCapsCheckBox capsChanged" << "roundedArcCapsCheckBox capsChanged"
             << "saveSVGButton saveSVG" << "savePNGButton savePNG"
             << "saveKeyFrameButton saveKeyframes" << "presetComboBox presetChanged"
             << "saveButton saveGauge" << "SaveLayerButton saveLayer" << "loadButton loadGauge"
             << "labelTextsEdit labelTextsChanged";
    for (const char *field : {"TextEdit", "TextXSpinBox", "TextYSpinBox", "TextSizeSpinBox",
                              "TextRotationSpinBox", "TextFamilyComboBox", "TextBoldButton",
                              "TextItalicButton", "TextAlignComboBox"})
        expected << QStringLiteral("face%1 faceTextChanged").arg(field);
    expected << "faceTextColorButton faceTextColorChanged";
    for (const char *field : {"X", "Y", "Width", "Rotation", "Opacity"})
        expected << QStringLiteral("facePicture%1SpinBox facePictureChanged").arg(field);
    expected << "facePictureReplaceButton replaceFacePicture";
    QCOMPARE(made, expected);

    // Blocking covers each layer-editing control exactly once: every form
    // connection that edits the layer, and nothing else.
    const QList<QObject *> controls = window.layerEditingControls();
    QCOMPARE(QSet<QObject *>(controls.begin(), controls.end()).size(), controls.size());
    // The form's 50, the scale's 5, the face's 17 and the preview's overlay.
    QCOMPARE(controls.size(), 73);
    for (const FormConnection &row : window.formConnections())
        QCOMPARE(controls.contains(row.sender), !row.sender->objectName().startsWith(QLatin1String("save"))
                                                    && !row.sender->objectName().contains(QLatin1String("Save"))
                                                    && row.sender != window.presetComboBox
                                                    && row.sender != window.loadButton);
}

QTEST_MAIN(TestWindowForm)
#include "test_windowform.moc"
