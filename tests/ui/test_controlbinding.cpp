#include "app/window.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "ui/colorbutton.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "unusuallayer.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QTest>

#include <functional>

namespace {

// The form's repeated groups, found by the names the form gives them rather
// than through the window's own description of the groups, so that a wrong
// description cannot hide itself.
template<typename T>
T *levelWidget(Window &w, int level, const char *field)
{
    return w.findChild<T *>(
        QStringLiteral("gaugeDivisions%1%2").arg(level + 1).arg(QLatin1String(field)));
}

template<typename T>
T *arcWidget(Window &w, int arc, const char *field)
{
    return w.findChild<T *>(QStringLiteral("arc%1%2").arg(arc + 1).arg(QLatin1String(field)));
}

// What the form shows, read back as a record: the values every binding slot
// would send for the current layer.
gaugeData formState(Window &w)
{
    gaugeData g;
    g.startAngle = Form(w).gaugeStartAngleSpinBox->value();
    g.angleLength = Form(w).gaugeAngleLengthSpinBox->value();
    g.bias = Form(w).gaugeBiasSpinBox->value();
    g.midpointBias = Form(w).biasTypeComboBox->currentIndex() == 1;
    g.roundedTickCaps = Form(w).roundedTickCapsCheckBox->isChecked();
    for (int i = 0; i < 3; ++i) {
        g.divisionCount[i] = levelWidget<QSpinBox>(w, i, "SpinBox")->value();
        g.divisionInnerRadius[i] = levelWidget<QDoubleSpinBox>(w, i, "InnerRadiusSpinBox")->value();
        g.divisionOuterRadius[i] = levelWidget<QDoubleSpinBox>(w, i, "OuterRadiusSpinBox")->value();
        g.divisionWidth[i] = levelWidget<QDoubleSpinBox>(w, i, "WidthSpinBox")->value();
        g.divisionColor[i] = widgetColor(levelWidget<QWidget>(w, i, "ColorButton"));
    }
    g.roundedArcCaps = Form(w).roundedArcCapsCheckBox->isChecked();
    for (int i = 0; i < 4; ++i) {
        g.arcStartAngle[i] = arcWidget<QDoubleSpinBox>(w, i, "StartAngleSpinBox")->value();
        g.arcAngleLength[i] = arcWidget<QDoubleSpinBox>(w, i, "AngleLengthSpinBox")->value();
        g.arcRadius[i] = arcWidget<QDoubleSpinBox>(w, i, "RadiusSpinBox")->value();
        g.arcWidth[i] = arcWidget<QDoubleSpinBox>(w, i, "WidthSpinBox")->value();
        g.arcColor[i] = widgetColor(arcWidget<QWidget>(w, i, "ColorButton"));
    }
    g.tickCountEnabled = Form(w).tickCountCheckBox->isChecked();
    g.tickCountStart = Form(w).tickCountStartSpinBox->value();
    g.tickCountIncrement = Form(w).tickCountIncrementSpinBox->value();
    g.tickCountDecimalPlaces = Form(w).tickCountDecimalPlacesSpinBox->value();
    g.tickCountRadius = Form(w).tickCountRadiusSpinBox->value();
    g.tickCountRotate = Form(w).tickCountRotateCheckBox->isChecked();
    g.tickCountSkipFirst = Form(w).skipFirstTickCheckBox->isChecked();
    g.tickCountFont = Form(w).tickCountFontButton->font();
    g.tickCountColor = widgetColor(Form(w).tickColorButton);
    return g;
}

struct Edit
{
    const char *name;
    std::function<void(Window &)> act;
    std::function<void(gaugeData &)> expect;
};

QList<Edit> edits()
{
    QList<Edit> list{
        {"start angle", [](Window &w) { Form(w).gaugeStartAngleSpinBox->setValue(45); },
         [](gaugeData &g) {
             g.startAngle = 45;
         }},
        {"angle length", [](Window &w) { Form(w).gaugeAngleLengthSpinBox->setValue(-200.5); },
         [](gaugeData &g) {
             g.angleLength = -200.5;
         }},
        {"bias", [](Window &w) { Form(w).gaugeBiasSpinBox->setValue(0.25); },
         [](gaugeData &g) {
             g.bias = 0.25;
         }},
        {"bias type",
         [](Window &w) {
             Form(w).biasTypeComboBox->setCurrentIndex(1);
             emit Form(w).biasTypeComboBox->activated(1);
         },
         [](gaugeData &g) {
             g.midpointBias = true;
         }},
        {"tick caps", [](Window &w) { Form(w).roundedTickCapsCheckBox->click(); },
         [](gaugeData &g) {
             g.roundedTickCaps = true;
         }},
        {"arc caps", [](Window &w) { Form(w).roundedArcCapsCheckBox->click(); },
         [](gaugeData &g) {
             g.roundedArcCaps = true;
         }},
        {"label radius", [](Window &w) { Form(w).tickCountRadiusSpinBox->setValue(0.5); },
         [](gaugeData &g) {
             g.tickCountRadius = 0.5;
         }},
        {"label start", [](Window &w) { Form(w).tickCountStartSpinBox->setValue(20); },
         [](gaugeData &g) {
             g.tickCountStart = 20;
         }},
        {"label increment", [](Window &w) { Form(w).tickCountIncrementSpinBox->setValue(-500); },
         [](gaugeData &g) {
             g.tickCountIncrement = -500;
         }},
        {"label decimals", [](Window &w) { Form(w).tickCountDecimalPlacesSpinBox->setValue(2); },
         [](gaugeData &g) {
             g.tickCountDecimalPlaces = 2;
         }},
        {"label rotate", [](Window &w) { Form(w).tickCountRotateCheckBox->click(); },
         [](gaugeData &g) {
             g.tickCountRotate = true;
         }},
        {"labels shown", [](Window &w) { Form(w).tickCountCheckBox->click(); },
         [](gaugeData &g) {
             g.tickCountEnabled = false;
         }},
        {"skip first", [](Window &w) { Form(w).skipFirstTickCheckBox->click(); },
         [](gaugeData &g) {
             g.tickCountSkipFirst = true;
         }},
    };
    static const char *const levelNames[] = {"level 1", "level 2", "level 3"};
    for (int i = 0; i < 3; ++i) {
        list.append({levelNames[i],
                     [=](Window &w) { levelWidget<QSpinBox>(w, i, "SpinBox")->setValue(7); },
                     [=](gaugeData &g) {
                         g.divisionCount[i] = 7;
                     }});
        list.append({levelNames[i],
                     [=](Window &w) {
                         levelWidget<QDoubleSpinBox>(w, i, "InnerRadiusSpinBox")->setValue(0.5);
                     },
                     [=](gaugeData &g) {
                         g.divisionInnerRadius[i] = 0.5;
                     }});
        list.append({levelNames[i],
                     [=](Window &w) {
                         levelWidget<QDoubleSpinBox>(w, i, "OuterRadiusSpinBox")->setValue(0.875);
                     },
                     [=](gaugeData &g) {
                         g.divisionOuterRadius[i] = 0.875;
                     }});
        list.append(
            {levelNames[i],
             [=](Window &w) { levelWidget<QDoubleSpinBox>(w, i, "WidthSpinBox")->setValue(2.5); },
             [=](gaugeData &g) {
                 g.divisionWidth[i] = 2.5;
             }});
    }
    static const char *const arcNames[] = {"arc 1", "arc 2", "arc 3", "arc 4"};
    for (int i = 0; i < 4; ++i) {
        auto box = [i](Window &w, const char *field) {
            return arcWidget<QDoubleSpinBox>(w, i, field);
        };
        list.append({arcNames[i], [=](Window &w) { box(w, "StartAngleSpinBox")->setValue(-30.5); },
                     [=](gaugeData &g) {
                         g.arcStartAngle[i] = -30.5;
                     }});
        list.append({arcNames[i],
                     [=](Window &w) { box(w, "AngleLengthSpinBox")->setValue(-90.125); },
                     [=](gaugeData &g) {
                         g.arcAngleLength[i] = -90.125;
                     }});
        list.append({arcNames[i], [=](Window &w) { box(w, "RadiusSpinBox")->setValue(0.6); },
                     [=](gaugeData &g) {
                         g.arcRadius[i] = 0.6;
                     }});
        list.append({arcNames[i], [=](Window &w) { box(w, "WidthSpinBox")->setValue(4); },
                     [=](gaugeData &g) {
                         g.arcWidth[i] = 4;
                     }});
    }
    return list;
}

// Two layers, the second one selected.
void addSecondLayer(Window &w)
{
    w.document()->insertLayer(1, namedLayer{QStringLiteral("Second"), gaugeData()}, QString());
    Form(w).layerList->setCurrentRow(1);
}

} // namespace

class TestControlBinding : public QObject
{
    Q_OBJECT

private slots:
    void editReachesCurrentLayerOnly_data();
    void editReachesCurrentLayerOnly();
    void settingComboFromCodeStoresNothing();
    void decimalsFollowDecimalPlaces();
    void editWithoutCurrentRowStoresNothing();
    void formShowsEachLayer();
    void colorDialog_data();
    void colorDialog();
    void fontDialog();
};

void TestControlBinding::editReachesCurrentLayerOnly_data()
{
    QTest::addColumn<int>("index");
    const QList<Edit> list = edits();
    for (int i = 0; i < list.size(); ++i)
        QTest::addRow("%d %s", i, list.at(i).name) << i;
}

void TestControlBinding::editReachesCurrentLayerOnly()
{
    QFETCH(int, index);
    const Edit edit = edits().at(index);
    Window window;
    addSecondLayer(window);

    edit.act(window);

    gaugeData expected;
    edit.expect(expected);
    QVERIFY(expected != gaugeData());
    // The whole group is sent, but nothing outside the edited field changes.
    QVERIFY(window.renderArea->layers.at(1) == expected);
    QVERIFY(window.renderArea->currentGauge == expected);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
    QVERIFY(formState(window) == expected);
}

void TestControlBinding::settingComboFromCodeStoresNothing()
{
    Window window;
    Form(window).biasTypeComboBox->setCurrentIndex(1);
    QVERIFY(!window.renderArea->layers.at(0).midpointBias);
    emit Form(window).biasTypeComboBox->activated(1);
    QVERIFY(window.renderArea->layers.at(0).midpointBias);
    Form(window).biasTypeComboBox->setCurrentIndex(0);
    emit Form(window).biasTypeComboBox->activated(0);
    QVERIFY(!window.renderArea->layers.at(0).midpointBias);
}

void TestControlBinding::decimalsFollowDecimalPlaces()
{
    Window window;
    QCOMPARE(Form(window).tickCountStartSpinBox->decimals(), 0);
    Form(window).tickCountDecimalPlacesSpinBox->setValue(2);
    QCOMPARE(Form(window).tickCountStartSpinBox->decimals(), 2);
    QCOMPARE(Form(window).tickCountIncrementSpinBox->decimals(), 2);
    Form(window).tickCountStartSpinBox->setValue(1.25);
    Form(window).tickCountIncrementSpinBox->setValue(0.75);
    QCOMPARE(Form(window).tickCountStartSpinBox->text(), QStringLiteral("1.25"));
    const gaugeData &layer = window.renderArea->layers.at(0);
    QCOMPARE(layer.tickCountDecimalPlaces, 2);
    QCOMPARE(layer.tickCountStart, 1.25);
    QCOMPARE(layer.tickCountIncrement, 0.75);
}

void TestControlBinding::editWithoutCurrentRowStoresNothing()
{
    Window window;
    Form(window).layerList->setCurrentRow(-1);
    Form(window).arc2RadiusSpinBox->setValue(0.3);
    QCOMPARE(window.renderArea->currentGauge.arcRadius[1], 0.3);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
}

void TestControlBinding::formShowsEachLayer()
{
    Window window;
    addSecondLayer(window);
    Form(window).layerList->setCurrentRow(0);
    const gaugeData unusual = unusualLayer();
    window.document()->setLayer(1, unusual, QString());

    Form(window).layerList->setCurrentRow(1);
    QVERIFY(formState(window) == unusual);
    QCOMPARE(Form(window).tickCountStartSpinBox->decimals(), 3);
    QCOMPARE(Form(window).tickCountIncrementSpinBox->decimals(), 3);
    QCOMPARE(Form(window).tickCountStartSpinBox->text(), QStringLiteral("1.125"));
    QCOMPARE(Form(window).tickCountFontButton->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form(window).biasTypeComboBox->currentIndex(), 1);

    // Back and forth: each layer shows its own values and neither is touched
    // by filling the form.
    Form(window).layerList->setCurrentRow(0);
    QVERIFY(formState(window) == gaugeData());
    QCOMPARE(Form(window).tickCountStartSpinBox->decimals(), 0);
    Form(window).layerList->setCurrentRow(1);
    QVERIFY(formState(window) == unusual);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
    QVERIFY(window.renderArea->layers.at(1) == unusual);

    // An edit after switching lands in the layer shown, whole groups intact.
    Form(window).arc3RadiusSpinBox->setValue(0.8);
    gaugeData expected = unusual;
    expected.arcRadius[2] = 0.8;
    Form(window).layerList->setCurrentRow(0);
    QVERIFY(window.renderArea->layers.at(1) == expected);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());
}

void TestControlBinding::colorDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("field");
    QTest::newRow("level 1") << "gaugeDivisions1ColorButton" << 0;
    QTest::newRow("level 2") << "gaugeDivisions2ColorButton" << 1;
    QTest::newRow("level 3") << "gaugeDivisions3ColorButton" << 2;
    QTest::newRow("arc 1") << "arc1ColorButton" << 3;
    QTest::newRow("arc 2") << "arc2ColorButton" << 4;
    QTest::newRow("arc 3") << "arc3ColorButton" << 5;
    QTest::newRow("arc 4") << "arc4ColorButton" << 6;
    QTest::newRow("labels") << "tickColorButton" << 7;
}

void TestControlBinding::colorDialog()
{
    QFETCH(QString, button);
    QFETCH(int, field);
    auto colorOf = [field](gaugeData &g) -> QColor & {
        if (field < 3)
            return g.divisionColor[field];
        if (field < 7)
            return g.arcColor[field - 3];
        return g.tickCountColor;
    };

    Window window;
    addSecondLayer(window);
    auto *colorButton = window.findChild<QAbstractButton *>(button);
    QVERIFY(colorButton);
    const QString sheetBefore = colorButton->styleSheet();

    // Cancelled: the element keeps its colour.
    ModalAnswers answers({answerAs<QColorDialog>([](QColorDialog *d) { d->reject(); })});
    colorButton->click();
    QVERIFY(answers.allAnswered());
    QCOMPARE(colorButton->styleSheet(), sheetBefore);
    QVERIFY(window.renderArea->layers.at(1) == gaugeData());

    // Accepted: the dialog opens on the colour the element has, and the
    // chosen colour goes through the button into the selected layer.
    const QColor picked(QStringLiteral("#ff0000"));
    QColor initial;
    answers.expect(answerAs<QColorDialog>([&](QColorDialog *d) {
        initial = d->currentColor();
        d->setCurrentColor(picked);
        d->accept();
    }));
    colorButton->click();
    QVERIFY(answers.allAnswered());
    gaugeData unchanged;
    QCOMPARE(initial, colorOf(unchanged));
    QCOMPARE(colorButton->styleSheet(), QStringLiteral("background-color: #ff0000}"));
    gaugeData expected;
    colorOf(expected) = picked;
    QVERIFY(window.renderArea->layers.at(1) == expected);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());

    // The colour belongs to the layer: switching shows each layer's own.
    Form(window).layerList->setCurrentRow(0);
    gaugeData first = window.renderArea->layers.at(0);
    QCOMPARE(widgetColor(colorButton), colorOf(first));
    Form(window).layerList->setCurrentRow(1);
    QCOMPARE(widgetColor(colorButton), picked);
}

void TestControlBinding::fontDialog()
{
    Window window;
    const QFont startFont = Form(window).tickCountFontButton->font();

    QFont initial;
    ModalAnswers answers({answerAs<QFontDialog>([&](QFontDialog *d) {
        initial = d->currentFont();
        d->reject();
    })});
    Form(window).tickCountFontButton->click();
    QVERIFY(answers.allAnswered());
    QCOMPARE(initial.pointSize(), 10);
    QVERIFY(Form(window).tickCountFontButton->font() == startFont);
    QVERIFY(window.renderArea->layers.at(0) == gaugeData());

    QFont chosen;
    answers.expect(answerAs<QFontDialog>([&](QFontDialog *d) {
        d->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 14));
        chosen = d->currentFont();
        d->accept();
    }));
    Form(window).tickCountFontButton->click();
    QVERIFY(answers.allAnswered());
    const QFont stored = window.renderArea->layers.at(0).tickCountFont;
    QCOMPARE(stored.family(), chosen.family());
    QCOMPARE(stored.pointSize(), 14);
    QVERIFY(Form(window).tickCountFontButton->font() == stored);
}

QTEST_MAIN(TestControlBinding)
#include "test_controlbinding.moc"
