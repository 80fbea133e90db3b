#include "app/window.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"

#include "formaccess.h"
#include "modaldialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

namespace {

// The list and the records move together, and the editing copy is the
// selected layer's record once an action has completed.
void checkInvariants(Window &w)
{
    QCOMPARE(Form(w).layerList->count(), w.renderArea->layers.size());
    const int row = Form(w).layerList->currentRow();
    QVERIFY(row >= 0 && row < Form(w).layerList->count());
    QVERIFY(w.renderArea->currentGauge == w.renderArea->layers.at(row));
    for (int i = 0; i < Form(w).layerList->count(); ++i)
        QCOMPARE(Form(w).layerList->item(i)->data(Qt::UserRole).toString(),
                 Form(w).layerList->item(i)->text());
}

QStringList names(Window &w)
{
    QStringList result;
    for (int i = 0; i < Form(w).layerList->count(); ++i)
        result << Form(w).layerList->item(i)->text();
    return result;
}

// Adds a layer through the "New Layer" dialog, answered with the given text;
// `proposed` is set to the name the dialog proposed.
bool addLayerNamed(Window &w, const QString &text, bool accept = true, QString *proposed = nullptr)
{
    QString title;
    QString label;
    ModalAnswers answers({answerAs<QInputDialog>([&](QInputDialog *d) {
        title = d->windowTitle();
        label = d->labelText();
        if (proposed)
            *proposed = d->textValue();
        d->setTextValue(text);
        if (accept)
            d->accept();
        else
            d->reject();
    })});
    Form(w).AddLayerButton->click();
    return answers.allAnswered() && title == QStringLiteral("New Layer")
        && label == QStringLiteral("Layer name:");
}

// Three layers told apart by their primary tick count (4, 5, 6), the
// second one selected.
void buildThreeLayers(Window &w)
{
    QVERIFY(addLayerNamed(w, QStringLiteral("Two")));
    QVERIFY(addLayerNamed(w, QStringLiteral("Three")));
    for (int row = 0; row < 3; ++row) {
        Form(w).layerList->setCurrentRow(row);
        Form(w).gaugeDivisions1SpinBox->setValue(4 + row);
    }
    Form(w).layerList->setCurrentRow(1);
}

} // namespace

class TestLayerList : public QObject
{
    Q_OBJECT

private slots:
    void addLayer();
    void addLayerCancelledOrEmpty();
    void rename();
    void selectionKeepsEdits();
    void removeOnlyLayer();
    void removeMovesSelection_data();
    void removeMovesSelection();
    void collectLayers();
};

void TestLayerList::addLayer()
{
    Window window;
    Form(window).gaugeStartAngleSpinBox->setValue(-90);
    const gaugeData first = window.renderArea->layers.at(0);

    QVERIFY(addLayerNamed(window, QStringLiteral("  Needle  ")));
    QCOMPARE(names(window), QStringList({"Layer 1", "Needle"}));
    QVERIFY(window.renderArea->layers.at(1) == gaugeData());
    // The new layer is selected and shown; the first one keeps its edits.
    QCOMPARE(Form(window).layerList->currentRow(), 1);
    QCOMPARE(Form(window).gaugeStartAngleSpinBox->value(), 0.0);
    QVERIFY(window.renderArea->layers.at(0) == first);
    checkInvariants(window);

    // A blank name is not empty: it is kept as typed.
    QVERIFY(addLayerNamed(window, QStringLiteral("   ")));
    QCOMPARE(Form(window).layerList->item(2)->text(), QStringLiteral("   "));
    checkInvariants(window);
}

void TestLayerList::addLayerCancelledOrEmpty()
{
    Window window;
    QVERIFY(addLayerNamed(window, QStringLiteral("Ignored"), false));
    QCOMPARE(Form(window).layerList->count(), 1);
    QCOMPARE(window.renderArea->layers.size(), 1);

    // The dialog proposes a name, which an empty answer takes; a name the
    // gauge has already is not proposed again.
    QString proposed;
    QVERIFY(addLayerNamed(window, QString(), true, &proposed));
    QCOMPARE(proposed, QStringLiteral("Layer 2"));
    Form(window).layerList->item(0)->setText(QStringLiteral("Layer 3"));
    QVERIFY(addLayerNamed(window, QString(), true, &proposed));
    QCOMPARE(proposed, QStringLiteral("Layer 4"));
    QCOMPARE(names(window), QStringList({"Layer 3", "Layer 2", "Layer 4"}));
    checkInvariants(window);
}

void TestLayerList::rename()
{
    Window window;
    QListWidgetItem *item = Form(window).layerList->item(0);
    const gaugeData before = window.renderArea->layers.at(0);

    item->setText(QStringLiteral("  Dial  "));
    QCOMPARE(item->text(), QStringLiteral("Dial"));
    QCOMPARE(item->data(Qt::UserRole).toString(), QStringLiteral("Dial"));
    item->setText(QString());
    QCOMPARE(item->text(), QStringLiteral("Dial"));
    item->setText(QStringLiteral(" \t "));
    QCOMPARE(item->text(), QStringLiteral("Dial"));
    QCOMPARE(item->data(Qt::UserRole).toString(), QStringLiteral("Dial"));

    // Names are not part of the record.
    QVERIFY(window.renderArea->layers.at(0) == before);
    QVERIFY(!Form(window).layerList->signalsBlocked());
    checkInvariants(window);
}

void TestLayerList::selectionKeepsEdits()
{
    Window window;
    buildThreeLayers(window);
    checkInvariants(window);
    Form(window).arc2AngleLengthSpinBox->setValue(45);
    Form(window).layerList->setCurrentRow(2);
    QCOMPARE(Form(window).gaugeDivisions1SpinBox->value(), 6);
    QCOMPARE(Form(window).arc2AngleLengthSpinBox->value(), 0.0);
    Form(window).layerList->setCurrentRow(1);
    QCOMPARE(Form(window).gaugeDivisions1SpinBox->value(), 5);
    QCOMPARE(Form(window).arc2AngleLengthSpinBox->value(), 45.0);
    QCOMPARE(window.renderArea->layers.at(0).arcAngleLength[1], 0.0);
    QCOMPARE(window.renderArea->layers.at(2).arcAngleLength[1], 0.0);
    checkInvariants(window);
}

void TestLayerList::removeOnlyLayer()
{
    Window window;
    Form(window).gaugeBiasSpinBox->setValue(0.7);
    const gaugeData before = window.renderArea->layers.at(0);
    BoxSeen box;
    ModalAnswers answers({pressButton(QMessageBox::Ok, &box)});
    Form(window).RemoveLayerButton->click();
    QVERIFY(answers.allAnswered());
    QCOMPARE(box.title, QStringLiteral("Remove Layer"));
    QCOMPARE(box.text, QStringLiteral("A gauge must have at least one layer."));
    QCOMPARE(Form(window).layerList->count(), 1);
    QVERIFY(window.renderArea->layers.at(0) == before);
    QCOMPARE(Form(window).gaugeBiasSpinBox->value(), 0.7);
    checkInvariants(window);
}

void TestLayerList::removeMovesSelection_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("newRow");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("shownCount");
    QTest::newRow("first") << 0 << 0 << QStringList{"Two", "Three"} << 5;
    QTest::newRow("middle") << 1 << 1 << QStringList{"Layer 1", "Three"} << 6;
    QTest::newRow("last") << 2 << 1 << QStringList{"Layer 1", "Two"} << 5;
}

void TestLayerList::removeMovesSelection()
{
    QFETCH(int, removed);
    QFETCH(int, newRow);
    QFETCH(QStringList, remaining);
    QFETCH(int, shownCount);

    Window window;
    buildThreeLayers(window);
    Form(window).layerList->setCurrentRow(removed);
    // An unsaved-looking edit of the removed layer must not end up in the
    // layer that moves into its row.
    Form(window).gaugeDivisions2SpinBox->setValue(9);

    Form(window).RemoveLayerButton->click();
    QCOMPARE(names(window), remaining);
    QCOMPARE(Form(window).layerList->currentRow(), newRow);
    QCOMPARE(Form(window).gaugeDivisions1SpinBox->value(), shownCount);
    for (const gaugeData &layer : window.renderArea->layers)
        QCOMPARE(layer.divisionCount[1], 1);
    QCOMPARE(Form(window).gaugeDivisions2SpinBox->value(), 1);
    QVERIFY(!Form(window).layerList->signalsBlocked());
    checkInvariants(window);
}

void TestLayerList::collectLayers()
{
    Window window;
    buildThreeLayers(window);
    Form(window).layerList->item(2)->setText(QStringLiteral("Top"));
    // The selected layer's latest edit is included even though no other
    // action has saved it since.
    window.renderArea->setArc1(10, 20, 0.5, 1, Qt::blue);

    const QList<namedLayer> layers = window.collectLayers();
    QCOMPARE(layers.size(), 3);
    QCOMPARE(layers.at(0).name, QStringLiteral("Layer 1"));
    QCOMPARE(layers.at(1).name, QStringLiteral("Two"));
    QCOMPARE(layers.at(2).name, QStringLiteral("Top"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(layers.at(i).data.divisionCount[0], 4 + i);
    QCOMPARE(layers.at(1).data.arcColor[0], QColor(Qt::blue));
    QCOMPARE(layers.at(0).data.arcColor[0], QColor(Qt::green));
    checkInvariants(window);
}

QTEST_MAIN(TestLayerList)
#include "test_layerlist.moc"
