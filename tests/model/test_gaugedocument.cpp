#include "model/gaugedocument.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {

gaugeData layerWith(int divisions)
{
    gaugeData layer;
    layer.divisionCount[0] = divisions;
    return layer;
}

// A document of three layers, A, B and C, with B selected.
void makeThree(GaugeDocument &document)
{
    document.reset({{QStringLiteral("A"), layerWith(1)},
                    {QStringLiteral("B"), layerWith(2)},
                    {QStringLiteral("C"), layerWith(3)}},
                   1);
}

QStringList names(const GaugeDocument &document)
{
    return document.layerNames();
}

} // namespace

// The gauge's owner: each edit is one step that undo takes back exactly,
// selection included, and each says what changed.
class TestGaugeDocument : public QObject
{
    Q_OBJECT

private slots:
    void editsUndoAndRedo_data();
    void editsUndoAndRedo();
    void runsMerge_data();
    void runsMerge();
    void nestedStepsAreOne();
    void resetStartsCleanHistory();
};

using Edit = std::function<void(GaugeDocument &)>;
Q_DECLARE_METATYPE(Edit)

void TestGaugeDocument::editsUndoAndRedo_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("signal");

    auto row = [](const char *name, Edit edit, QStringList after, int selected,
                  const char *signal) {
        QTest::newRow(name) << edit << after << selected << QByteArray(signal);
    };
    row(
        "set", [](GaugeDocument &d) { d.setLayer(2, layerWith(9), "Set"); }, {"A", "B", "C"}, 1,
        SIGNAL(layerChanged(int)));
    row(
        "insert before the selection",
        [](GaugeDocument &d) {
            d.insertLayer(0, {QStringLiteral("N"), gaugeData()}, "Insert");
        },
        {"N", "A", "B", "C"}, 2, SIGNAL(layerInserted(int)));
    row(
        "remove the selection", [](GaugeDocument &d) { d.removeLayer(1, "Remove"); }, {"A", "C"}, 1,
        SIGNAL(layerRemoved(int)));
    row(
        "remove before the selection", [](GaugeDocument &d) { d.removeLayer(0, "Remove"); },
        {"B", "C"}, 0, SIGNAL(layerRemoved(int)));
    row(
        "move the selection down", [](GaugeDocument &d) { d.moveLayer(1, 2, "Move"); },
        {"A", "C", "B"}, 2, SIGNAL(layerMoved(int, int)));
    row(
        "move past the selection", [](GaugeDocument &d) { d.moveLayer(0, 2, "Move"); },
        {"B", "C", "A"}, 0, SIGNAL(layerMoved(int, int)));
    row(
        "rename", [](GaugeDocument &d) { d.renameLayer(0, QStringLiteral("Rim"), "Rename"); },
        {"Rim", "B", "C"}, 1, SIGNAL(layerRenamed(int)));
    row(
        "fewer layers' data", [](GaugeDocument &d) { d.setLayerData({layerWith(7)}, "Data"); },
        {"A"}, 0, SIGNAL(layerRemoved(int)));
}

void TestGaugeDocument::editsUndoAndRedo()
{
    QFETCH(Edit, edit);
    QFETCH(QByteArray, signal);
    GaugeDocument document;
    makeThree(document);
    const QList<namedLayer> before = document.layers();
    const int rowBefore = document.currentRow();
    QSignalSpy told(&document, signal.constData());
    QSignalSpy changed(&document, &GaugeDocument::changed);
    const quint64 revision = document.revision();

    edit(document);
    QTEST(names(document), "names");
    QTEST(document.currentRow(), "row");
    QVERIFY(!told.isEmpty());
    QVERIFY(!changed.isEmpty());
    QVERIFY(document.revision() > revision);
    QCOMPARE(document.undoStack()->count(), 1);
    QVERIFY(!document.isClean());
    const QList<namedLayer> after = document.layers();
    const int rowAfter = document.currentRow();

    // Undo shows the layer the step changed, as it was selected then.
    document.undoStack()->undo();
    QVERIFY(document.layers() == before);
    QCOMPARE(document.currentRow(), rowBefore);
    QVERIFY(document.isClean());
    document.undoStack()->redo();
    QVERIFY(document.layers() == after);
    QCOMPARE(document.currentRow(), rowAfter);
}

void TestGaugeDocument::runsMerge_data()
{
    QTest::addColumn<QString>(
        "edits"); // digits: a setting of layer 0 with that count;
                  // k: another key; e: the run ends; s: another layer selected
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("afterOneUndo");
    QTest::newRow("one run") << "567" << 1 << 4;
    QTest::newRow("run ended") << "56e7" << 2 << 6;
    QTest::newRow("another control") << "56k7" << 3 << 6;
    QTest::newRow("another layer selected") << "56s7" << 2 << 6;
    QTest::newRow("back where it began") << "564" << 0 << 4;
}

void TestGaugeDocument::runsMerge()
{
    QFETCH(QString, edits);
    GaugeDocument document;
    document.reset({{QStringLiteral("A"), layerWith(4)}, {QStringLiteral("B"), gaugeData()}}, 0);
    for (const QChar c : edits) {
        gaugeData layer = document.layer(0);
        if (c == 'e') {
            document.endRun();
        } else if (c == 's') {
            document.setCurrentRow(1);
            document.setCurrentRow(0);
        } else if (c == 'k') {
            layer.bias = 0.25;
            document.setLayer(0, layer, "Bias", 2);
        } else {
            layer.divisionCount[0] = c.digitValue();
            document.setLayer(0, layer, "Count", 1);
        }
    }
    QTEST(int(document.undoStack()->count()), "steps");
    if (document.undoStack()->canUndo())
        document.undoStack()->undo();
    QTEST(document.layer(0).divisionCount[0], "afterOneUndo");
}

void TestGaugeDocument::nestedStepsAreOne()
{
    GaugeDocument document;
    makeThree(document);
    {
        const GaugeDocument::Step outer(&document, QStringLiteral("Load Gauge"));
        const GaugeDocument::Step inner(&document, QStringLiteral("Inner"));
        document.setLayer(1, layerWith(8), QStringLiteral("Set"));
        document.insertLayer(3, {QStringLiteral("D"), layerWith(4)}, QStringLiteral("Add"));
        document.setCurrentRow(3);
        // Nothing changes: no step of its own.
        document.renameLayer(0, QStringLiteral("A"), QStringLiteral("Rename"));
    }
    QCOMPARE(document.undoStack()->count(), 1);
    QCOMPARE(document.undoStack()->undoText(), QStringLiteral("Load Gauge"));
    document.undoStack()->undo();
    QCOMPARE(names(document), (QStringList{"A", "B", "C"}));
    QCOMPARE(document.layer(1).divisionCount[0], 2);
    QCOMPARE(document.currentRow(), 1);
    document.undoStack()->redo();
    QCOMPARE(document.layerCount(), 4);
    QCOMPARE(document.currentRow(), 3);

    // A step that changes nothing leaves no trace.
    {
        const GaugeDocument::Step empty(&document, QStringLiteral("Nothing"));
        document.setLayer(0, document.layer(0), QStringLiteral("Same"));
    }
    QCOMPARE(document.undoStack()->count(), 1);
}

void TestGaugeDocument::resetStartsCleanHistory()
{
    GaugeDocument document;
    makeThree(document);
    document.setLayer(0, layerWith(5), QStringLiteral("Set"));
    QSignalSpy reset(&document, &GaugeDocument::layersReset);
    QSignalSpy selection(&document, &GaugeDocument::currentRowChanged);
    document.reset({{QStringLiteral("Only"), gaugeData()}}, 7);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(selection.count(), 1);
    // A row that is not a layer's selects none.
    QCOMPARE(document.currentRow(), -1);
    QVERIFY(document.currentLayer() == gaugeData());
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(document.isClean());
}

QTEST_GUILESS_MAIN(TestGaugeDocument)
#include "test_gaugedocument.moc"
