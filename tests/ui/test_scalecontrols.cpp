#include "app/window.h"
#include "render/renderarea.h"
#include "render/scalemap.h"
#include "ui/scalepointsdialog.h"

#include "modaldialogs.h"
#include "windowstate.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <cmath>
#include <limits>

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

// Shows `scale` on the current layer as a loaded layer would be shown.
void showLayerScale(Window &w, const valueScale &scale)
{
    w.renderArea->currentGauge.scale = scale;
    w.renderArea->saveLayerData(0);
    w.setActiveGauge();
}

void pickType(Window &w, scaleType type)
{
    const int index = w.scaleControls.type->findData(int(type));
    w.scaleControls.type->setCurrentIndex(index);
    emit w.scaleControls.type->activated(index);
}

QStringList visibleFields(const Window &w)
{
    QStringList names;
    const ScaleControls &c = w.scaleControls;
    for (QWidget *field : {static_cast<QWidget *>(c.from), static_cast<QWidget *>(c.to),
                           static_cast<QWidget *>(c.exponent), static_cast<QWidget *>(c.points),
                           static_cast<QWidget *>(c.problem)})
        if (field->isVisible())
            names << field->objectName();
    return names;
}

// The reason the form gives for drawing the scale evenly, if any.
QString problemShown(const Window &w)
{
    QString text = w.scaleControls.problem->text();
    const QString tail = QStringLiteral(" The layer is drawn evenly.");
    if (!text.isEmpty() && !text.endsWith(tail))
        return QStringLiteral("no explanation: ") + text;
    text.chop(text.isEmpty() ? 0 : tail.size());
    return text;
}

} // namespace

// The scale controls of the form: bound to the current layer, undoable, in
// the tab order after the bias, laid out without overlap, and saying why a
// scale cannot be drawn.
class TestScaleControls : public QObject
{
    Q_OBJECT

private slots:
    void editsAreUndoableSteps_data();
    void editsAreUndoableSteps();
    void showsLayerAndWhyItFallsBack_data();
    void showsLayerAndWhyItFallsBack();
    void pointsDialogEdits_data();
    void pointsDialogEdits();
    void tabOrderAndLayout();
};

void TestScaleControls::editsAreUndoableSteps_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<valueScale>("expected");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QStringList>("fields");

    const QStringList range{"scaleFromSpinBox", "scaleToSpinBox"};
    QTest::newRow("log") << "log" << makeScale(scaleType::log, 1, 1000) << "Undo Change Scale"
                         << range;
    valueScale power = makeScale(scaleType::power, 0, 100);
    QTest::newRow("power") << "power" << power << "Undo Change Scale"
                           << range + QStringList{"scaleExponentSpinBox"};
    power.exponent = 0.5;
    QTest::newRow("exponent") << "exponent" << power << "Undo Change Scale Exponent"
                              << range + QStringList{"scaleExponentSpinBox"};
    QTest::newRow("to") << "to" << makeScale(scaleType::log, 1, 20000) << "Undo Change Scale To"
                        << range;
    QTest::newRow("from = to shows why")
        << "from" << makeScale(scaleType::log, 1000, 1000) << "Undo Change Scale From"
        << range + QStringList{"scaleProblemLabel"};
    QTest::newRow("points")
        << "points" << makeScale(scaleType::table, 0, 100, {{0, 0}, {50, 0.7}, {100, 1}})
        << "Undo Change Scale Points" << range + QStringList{"scalePointsButton"};
}

void TestScaleControls::editsAreUndoableSteps()
{
    QFETCH(QString, action);
    QFETCH(valueScale, expected);
    Window w;
    w.show();
    ModalAnswers answers;
    // Every row but the type rows starts from a scale chosen beforehand.
    if (action == "exponent")
        pickType(w, scaleType::power);
    else if (action == "points")
        pickType(w, scaleType::table);
    else if (action == "to" || action == "from")
        pickType(w, scaleType::log);
    w.undoStack->clear();
    const WindowState before = stateOf(w);

    if (action == "log" || action == "power") {
        pickType(w, action == "log" ? scaleType::log : scaleType::power);
    } else if (action == "exponent") {
        w.scaleControls.exponent->setValue(0.5);
    } else if (action == "to") {
        w.scaleControls.to->setValue(20000);
    } else if (action == "from") {
        w.scaleControls.from->setValue(1000);
    } else {
        // Cancelled, the dialog changes nothing; accepted, it is one step.
        answers.expect(cancelDialog());
        w.scaleControls.points->click();
        QCOMPARE(w.undoStack->count(), 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("Value\tFraction\n0\t0\n50\t0,7\n100\t1\n"));
        answers.expect(answerAs<ScalePointsDialog>([](ScalePointsDialog *d) {
            d->pasteButton->click();
            d->accept();
        }));
        w.scaleControls.points->click();
    }
    QVERIFY2(answers.allAnswered(), qPrintable(answers.unanswered().join(", ")));

    QVERIFY(w.renderArea->layers.at(0).scale == expected);
    QVERIFY(w.renderArea->currentGauge.scale == expected);
    QTEST(visibleFields(w), "fields");
    QCOMPARE(problemShown(w), ScaleMap(expected).problem());
    QCOMPARE(w.undoStack->count(), 1);
    QTEST(w.undoAction->text(), "undoText");

    const WindowState after = stateOf(w);
    w.undoAction->trigger();
    QVERIFY(stateOf(w) == before);
    w.redoAction->trigger();
    QVERIFY(stateOf(w) == after);
}

void TestScaleControls::showsLayerAndWhyItFallsBack_data()
{
    QTest::addColumn<valueScale>("scale");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QStringList>("fields");

    const QStringList range{"scaleFromSpinBox", "scaleToSpinBox"};
    QTest::newRow("even") << valueScale() << "Even" << QStringList();
    QTest::newRow("decibel") << makeScale(scaleType::decibel, -20, 3) << "Decibel" << range;
    QTest::newRow("log from 0") << makeScale(scaleType::log, 0, 0.001) << "Logarithmic"
                                << range + QStringList{"scaleProblemLabel"};
    QTest::newRow("table of one point")
        << makeScale(scaleType::table, -40, 120, {{-40, 0}}) << "Table"
        << range + QStringList{"scalePointsButton", "scaleProblemLabel"};
    valueScale unknown = makeScale(scaleType::unknown, 1, 2);
    unknown.fileObject.insert(QStringLiteral("type"), QStringLiteral("a type from the future"));
    QTest::newRow("unknown type") << unknown << "" << QStringList{"scaleProblemLabel"};
}

void TestScaleControls::showsLayerAndWhyItFallsBack()
{
    QFETCH(valueScale, scale);
    Window w;
    w.show();
    pickType(w, scaleType::power); // something else to replace
    showLayerScale(w, scale);

    QTEST(w.scaleControls.type->currentText(), "typeText");
    QTEST(visibleFields(w), "fields");
    QCOMPARE(w.scaleControls.problemIcon->isVisible(), w.scaleControls.problem->isVisible());
    QCOMPARE(problemShown(w), ScaleMap(scale).problem());
    if (!scale.isEven() && scale.type != scaleType::unknown) {
        QCOMPARE(w.scaleControls.from->value(), scale.from);
        QCOMPARE(w.scaleControls.from->text(), QString::number(scale.from));
        QCOMPARE(w.scaleControls.to->value(), scale.to);
    }
    // Showing a layer is no edit.
    QVERIFY(w.renderArea->layers.at(0).scale == scale);
}

void TestScaleControls::pointsDialogEdits_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("status");

    QTest::newRow("as given") << "" << QList<QPointF>{{0, 0}, {10, 0.5}, {20, 1}} << true << "";
    QTest::newRow("add between") << "add 0"
                                 << QList<QPointF>{{0, 0}, {5, 0.25}, {10, 0.5}, {20, 1}} << true
                                 << "";
    QTest::newRow("add at the end")
        << "add 2" << QList<QPointF>{{0, 0}, {10, 0.5}, {20, 1}, {30, 1}} << true << "";
    QTest::newRow("remove") << "remove 1" << QList<QPointF>{{0, 0}, {20, 1}} << true << "";
    QTest::newRow("remove to one point")
        << "remove 1 remove 1" << QList<QPointF>{{0, 0}} << true << "two points";
    QTest::newRow("not increasing")
        << "edit 10 -5" << QList<QPointF>{{0, 0}, {-5, 0.5}, {20, 1}} << true << "point 2";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("not a number")
        << "edit 10 abc" << QList<QPointF>{{0, 0}, {nan, nan}, {20, 1}} << false << "Row 2";
    QTest::newRow("paste garbage keeps the table")
        << "paste" << QList<QPointF>{{0, 0}, {10, 0.5}, {20, 1}} << true << "Nothing pasted";
}

void TestScaleControls::pointsDialogEdits()
{
    QFETCH(QString, action);
    QFETCH(QList<QPointF>, points);
    ScalePointsDialog dialog(makeScale(scaleType::table, 0, 20, {{0, 0}, {10, 0.5}, {20, 1}}));
    const QStringList words = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); i += 2) {
        if (words[i] == "add" || words[i] == "remove") {
            dialog.table->setCurrentCell(words[i + 1].toInt(), 0);
            (words[i] == "add" ? dialog.addButton : dialog.removeButton)->click();
        } else if (words[i] == "edit") {
            dialog.table->findItems(words[i + 1], Qt::MatchExactly).first()->setText(words[i + 2]);
            ++i;
        } else {
            QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\nthree\t4"));
            dialog.pasteButton->click();
            --i;
        }
    }
    const QList<QPointF> read = dialog.points();
    QCOMPARE(read.size(), points.size());
    for (int i = 0; i < read.size(); ++i)
        QVERIFY(read[i] == points[i] || (std::isnan(read[i].x()) && std::isnan(points[i].x())));
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
    const ScaleControls &c = w.scaleControls;
    // The longest reason the form can show, with every field of a type shown.
    valueScale unknown = makeScale(scaleType::unknown, 1, 2);
    unknown.fileObject.insert(QStringLiteral("type"), QString(60, QLatin1Char('W')));
    const valueScale shown[] = {makeScale(scaleType::power, -123456789, 987654321),
                                makeScale(scaleType::table, 1, 2, {{1, 5}, {2, 1}}), unknown};
    for (const valueScale &scale : shown) {
        showLayerScale(w, scale);
        QVERIFY(w.minimumSizeHint().width() <= 1280 && w.minimumSizeHint().height() <= 760);
        QCOMPARE(w.size(), QSize(1280, 760));
        QList<QWidget *> visible;
        for (QWidget *widget : w.findChildren<QWidget *>())
            if (widget->isVisible() && widget->parentWidget() == &w)
                visible << widget;
        for (QWidget *a : visible) {
            QVERIFY2(w.rect().contains(a->geometry()), qPrintable(a->objectName() + " is clipped"));
            for (QWidget *b : visible)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
        }
        QVERIFY(!c.type->toolTip().isEmpty() && !c.from->toolTip().isEmpty()
                && !c.exponent->toolTip().isEmpty() && !c.points->toolTip().isEmpty());
    }

    // Tab walks from the bias type through the scale's fields to the
    // primary count.
    showLayerScale(w, makeScale(scaleType::power, 0, 1));
    w.biasTypeComboBox->setFocus();
    QTRY_VERIFY(w.biasTypeComboBox->hasFocus());
    for (QWidget *next : {static_cast<QWidget *>(c.type), static_cast<QWidget *>(c.from),
                          static_cast<QWidget *>(c.to), static_cast<QWidget *>(c.exponent),
                          static_cast<QWidget *>(w.gaugeDivisions1SpinBox)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
}

QTEST_MAIN(TestScaleControls)
#include "test_scalecontrols.moc"
