#include "app/window.h"
#include "model/gaugedocument.h"
#include "render/gui/renderarea.h"
#include "render/scalemap.h"
#include "ui/scalepointsdialog.h"

#include "formaccess.h"
#include "modaldialogs.h"
#include "windowstate.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

Q_DECLARE_METATYPE(valueScale)

namespace {

valueScale makeScale(scaleType type, double from, double to, const QList<QPointF> &points = {})
{
    valueScale s;
    s.type = type;
    s.from = from;
    s.to = to;
    s.points = points;
    return s;
}

// Puts `scale` into the current layer and shows it, as selecting a layer does.
void showLayerScale(Window &w, const valueScale &scale)
{
    w.renderArea->currentGauge.scale = scale;
    w.renderArea->saveLayerData(0);
    w.setActiveGauge();
}

void pickType(Window &w, scaleType type)
{
    const int index = ScaleBar(w).type->findData(int(type));
    ScaleBar(w).type->setCurrentIndex(index);
    emit ScaleBar(w).type->activated(index);
}

// What the scale bar shows: the visible fields and the reason, if any, for
// drawing the layer evenly.
QString barShows(const Window &w)
{
    const ScaleBar c(w);
    QStringList shown;
    const std::pair<QWidget *, const char *> fields[] = {{c.from, "from"},
                                                         {c.to, "to"},
                                                         {c.exponent, "exponent"},
                                                         {c.points, "points"}};
    for (const auto &[field, name] : fields)
        if (field->isVisible())
            shown << QLatin1String(name);
    if (c.problem->isVisible() && c.problemIcon->isVisible())
        shown << c.problem->text();
    return shown.join(QLatin1Char('|'));
}

QString because(const valueScale &scale)
{
    return ScaleMap(scale).problem() + QStringLiteral(" The layer is drawn evenly.");
}

} // namespace

// The scale bar of the form: bound to the current layer, one undo step per
// edit, in the tab order after the bias, laid out without overlap, and
// saying why a scale cannot be drawn.
class TestScaleControls : public QObject
{
    Q_OBJECT

private slots:
    void editsAreUndoableSteps_data();
    void editsAreUndoableSteps();
    void showsTheLayersScale_data();
    void showsTheLayersScale();
    void pointsDialogEdits_data();
    void pointsDialogEdits();
    void tabOrderAndLayout();
};

void TestScaleControls::editsAreUndoableSteps_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<valueScale>("expected");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QString>("shown");

    const valueScale bad = makeScale(scaleType::log, 1000, 1000);
    valueScale power = makeScale(scaleType::power, 0, 100);
    QTest::newRow("log") << "log" << makeScale(scaleType::log, 1, 1000) << "Scale"
                         << "from|to";
    QTest::newRow("power") << "power" << power << "Scale"
                           << "from|to|exponent";
    power.exponent = 0.5;
    QTest::newRow("exponent") << "exponent" << power << "Scale Exponent"
                              << "from|to|exponent";
    QTest::newRow("to") << "to" << makeScale(scaleType::log, 1, 20000) << "Scale To"
                        << "from|to";
    QTest::newRow("from = to") << "from" << bad << "Scale From"
                               << "from|to|" + because(bad);
    QTest::newRow("points") << "points"
                            << makeScale(scaleType::table, 0, 100, {{0, 0}, {50, 0.7}, {100, 1}})
                            << "Scale Points"
                            << "from|to|points";
}

void TestScaleControls::editsAreUndoableSteps()
{
    QFETCH(QString, action);
    QFETCH(valueScale, expected);
    Window w;
    w.show();
    ModalAnswers answers;
    if (action == "exponent")
        pickType(w, scaleType::power);
    else if (action == "points")
        pickType(w, scaleType::table);
    else if (action == "to" || action == "from")
        pickType(w, scaleType::log);
    w.document()->undoStack()->clear();
    const WindowState before = stateOf(w);

    if (action == "log" || action == "power") {
        pickType(w, action == "log" ? scaleType::log : scaleType::power);
    } else if (action == "exponent") {
        ScaleBar(w).exponent->setValue(0.5);
    } else if (action == "to" || action == "from") {
        (action == "to" ? ScaleBar(w).to : ScaleBar(w).from)->setValue(expected.to);
    } else {
        // Cancelled, the dialog changes nothing; accepted, it is one step.
        answers.expect(cancelDialog());
        ScaleBar(w).points->click();
        QCOMPARE(w.document()->undoStack()->count(), 0);
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Value\tFraction\n0\t0\n50\t0,7\n100\t1\n"));
        answers.expect(answerAs<ScalePointsDialog>([](ScalePointsDialog *d) {
            d->pasteButton->click();
            d->accept();
        }));
        ScaleBar(w).points->click();
    }
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(", ")));
    QVERIFY(w.renderArea->layers.at(0).scale == expected);
    QVERIFY(w.renderArea->currentGauge.scale == expected);
    QTEST(barShows(w), "shown");
    QCOMPARE(w.document()->undoStack()->count(), 1);
    QTEST(formAction(w, "undoAction")->text().remove(QStringLiteral("Undo Change ")), "undoText");

    const WindowState after = stateOf(w);
    formAction(w, "undoAction")->trigger();
    QVERIFY(stateOf(w) == before);
    formAction(w, "redoAction")->trigger();
    QVERIFY(stateOf(w) == after);
}

void TestScaleControls::showsTheLayersScale_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("shown");

    const valueScale log = makeScale(scaleType::log, 0, 0.001);
    const valueScale table = makeScale(scaleType::table, -40, 120, {{-40, 0}});
    valueScale unknown = makeScale(scaleType::unknown, 1, 2);
    unknown.fileObject.insert(QStringLiteral("type"), QStringLiteral("a type from the future"));
    QTest::newRow("even") << valueScale() << "Even"
                          << "";
    QTest::newRow("decibel") << makeScale(scaleType::decibel, -20, 3) << "Decibel"
                             << "from|to";
    QTest::newRow("log from 0") << log << "Logarithmic"
                                << "from|to|" + because(log);
    QTest::newRow("one point") << table << "Table"
                               << "from|to|points|" + because(table);
    QTest::newRow("unknown type") << unknown << "" << because(unknown);
}

void TestScaleControls::showsTheLayersScale()
{
    QFETCH(valueScale, scale);
    Window w;
    w.show();
    pickType(w, scaleType::power); // something else to replace
    showLayerScale(w, scale);
    QTEST(ScaleBar(w).type->currentText(), "typeText");
    QTEST(barShows(w), "shown");
    if (ScaleBar(w).from->isVisible()) {
        QCOMPARE(ScaleBar(w).from->text(), QString::number(scale.from));
        QCOMPARE(ScaleBar(w).to->value(), scale.to);
    }
    QVERIFY(w.renderArea->layers.at(0).scale == scale); // showing is no edit
}

void TestScaleControls::pointsDialogEdits_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("status");
    QTest::newRow("add between") << "add 0" << QList<QPointF>{{0, 0}, {5, 0.25}, {10, 0.5}, {20, 1}}
                                 << true << "";
    QTest::newRow("remove to one point")
        << "remove 1 remove 1" << QList<QPointF>{{0, 0}} << true << "two points";
    QTest::newRow("not a number") << "edit 1" << QList<QPointF>() << false << "Row 2";
    QTest::newRow("paste garbage keeps the table")
        << "paste 0" << QList<QPointF>{{0, 0}, {10, 0.5}, {20, 1}} << true << "Line 2";
}

void TestScaleControls::pointsDialogEdits()
{
    QFETCH(QString, action);
    QFETCH(QList<QPointF>, points);
    ScalePointsDialog dialog(makeScale(scaleType::table, 0, 20, {{0, 0}, {10, 0.5}, {20, 1}}));
    const QStringList words = action.split(QLatin1Char(' '));
    for (int i = 0; i + 1 < words.size(); i += 2) {
        const int row = words[i + 1].toInt();
        dialog.table->setCurrentCell(row, 0);
        if (words[i] == "add")
            dialog.addButton->click();
        else if (words[i] == "remove")
            dialog.removeButton->click();
        else if (words[i] == "edit")
            dialog.table->item(row, 0)->setText(QStringLiteral("abc"));
        else {
            QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\nthree\t4"));
            dialog.pasteButton->click();
        }
    }
    if (!points.isEmpty())
        QCOMPARE(dialog.points(), points);
    QTEST(dialog.buttons->button(QDialogButtonBox::Ok)->isEnabled(), "okEnabled");
    QFETCH(QString, status);
    QVERIFY2(dialog.status->text().contains(status), qPrintable(dialog.status->text()));
    QCOMPARE(dialog.status->text().isEmpty(), status.isEmpty());
}

void TestScaleControls::tabOrderAndLayout()
{
    Window w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const ScaleBar c(w);
    // Every field of a type shown, and the longest reason the bar can give.
    valueScale unknown = makeScale(scaleType::unknown, 1, 2);
    unknown.fileObject.insert(QStringLiteral("type"), QString(60, QLatin1Char('W')));
    for (const valueScale &scale : {makeScale(scaleType::power, -123456789, 987654321),
                                    makeScale(scaleType::table, 1, 2, {{1, 5}, {2, 1}}), unknown}) {
        showLayerScale(w, scale);
        QVERIFY(w.minimumSizeHint().width() <= 1280 && w.minimumSizeHint().height() <= 760);
        QCOMPARE(w.size(), QSize(1280, 760));
        QList<QWidget *> visible;
        for (QWidget *widget : w.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (widget->isVisible())
                visible << widget;
        for (QWidget *a : visible) {
            QVERIFY2(w.rect().contains(a->geometry()), qPrintable(a->objectName() + " is clipped"));
            for (QWidget *b : visible)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
        }
    }
    for (QWidget *control : {static_cast<QWidget *>(c.type), static_cast<QWidget *>(c.from),
                             static_cast<QWidget *>(c.to), static_cast<QWidget *>(c.exponent),
                             static_cast<QWidget *>(c.points), static_cast<QWidget *>(c.problem)})
        QVERIFY(!control->toolTip().isEmpty());

    // Tab goes from the bias type through the scale's fields to the primary count.
    showLayerScale(w, makeScale(scaleType::power, 0, 1));
    Form(w).biasTypeComboBox->setFocus();
    QTRY_VERIFY(Form(w).biasTypeComboBox->hasFocus());
    for (QWidget *next : {static_cast<QWidget *>(c.type), static_cast<QWidget *>(c.from),
                          static_cast<QWidget *>(c.to), static_cast<QWidget *>(c.exponent),
                          static_cast<QWidget *>(Form(w).gaugeDivisions1SpinBox)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
}

QTEST_MAIN(TestScaleControls)
#include "test_scalecontrols.moc"
