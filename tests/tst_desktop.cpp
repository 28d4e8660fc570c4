// The window as a desktop user and a screen reader meet it: what the plot area tells, Undo Clear,
// the context menu, where the keyboard is after an error, the coordinate readout and crosshair,
// tracing along the curve, and how fast L plays and what it marks.
#include "access/readout.h"
#include "export/plotfiles.h"
#include "heldplayer.h"
#include "main/program.h"
#include "ui/screen.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>

#include <numbers>

class TstDesktop : public QObject
{
    Q_OBJECT
    HeldPlayer *player = new HeldPlayer, *tones = new HeldPlayer;
    Program program {std::unique_ptr<sound::Player>(player), std::unique_ptr<sound::Player>(tones)};
    Form1 &form = program.form;
    QWidget *area = form.P.widget();
    const QString empty = QStringLiteral("Empty: only the axes are drawn.");

    static QString spoken(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(kind);
    }
    QString told() const { return spoken(area, QAccessible::Description); }
    QString heard() const { return spoken(program.accessibility.announcer()); }
    void focusArea()
    {
        area->activateWindow();
        area->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(area->window()));
    }
    QAction *entry(const QString &text) const
    {
        for (QAction *action : area->findChild<QMenu *>()->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        form.start();
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
    }
    void init()
    {
        form.P.dblClick.raise();
        for (ui::TextBox &box : form.T6)
            box.setText(QStringLiteral("1"));
    }

    // The plot area is a chart a screen reader names, telling each plot with the coefficients
    // as typed and only those its function uses, the range walked, where an error stopped it, and
    // a summary of its points of interest.
    void plotAreaTellsWhatIsDrawn()
    {
        QCOMPARE(QAccessible::queryAccessibleInterface(area)->role(), QAccessible::Chart);
        QCOMPARE(QAccessible::queryAccessibleInterface(area)->childCount(), 0);
        QCOMPARE(told(), empty);
        QCOMPARE(heard(), "Cleared: only the axes are drawn.");
        plotOn(form, 2, " 1.5");
        const QString sine = "bsin(ax) with a = 1.5, b = 1.5, for x from -10 to 10 (the limits -12 "
                             "and 12 divided by 1.2)";
        QVERIFY(told().startsWith(sine + ". Crossings of y = 0: 7, at x -9.425, "));
        QCOMPARE(heard(), "Plotted: " + sine + '.');
        plotOn(form, 10, "1.5", "1.5", 0, 1);
        QCOMPARE(
                told().section('\n', 1),
                "(dx^3)+(ax^2)+bx+c with a = 1.5, b = 1.5, c = 1, d = 1, for x from 0 to 0.833 "
                "(the limits 0 and 1 divided by 1.2). It does not cross y = 0. No turning points.");
        form.P.dblClick.raise();
        plotOn(form, 11, "1.5", "99", -30, 30); // overflows part-way
        QVERIFY2(told().contains(
                         QRegularExpression("^a\\(e\\^bx\\) with a = 1.5, b = 99, for x from -25 "
                                            "to 25 \\(the limits -30 and 30 divided by 1\\.2\\), "
                                            "stopped at x = [1-9][.0-9]*: overflow\\. It does "
                                            "not cross y = 0\\. No turning points\\.$")),
                 qPrintable(told()));
        plotOn(form, 11, "1.5", "228.6", -30, 30); // stops a hair past x = 1, told as 1
        QVERIFY(told().contains(", stopped at x = 1: overflow. "));
    }

    // Undo Clear is offered only after a clear, and brings back what it erased: the picture, the
    // words, the readout and what is kept for output; after a plot there is nothing to bring back.
    void undo_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("as"); // what shows after the steps: as after this one
        // clang-format off
        QTest::newRow("plot, clear, undo: the plot is back") << QStringList {"plot", "clear", "undo"} << 0;
        QTest::newRow("plot, clear, clear, undo: the bare axes") << QStringList {"plot", "clear", "clear", "undo"} << 1;
        QTest::newRow("plot, clear, plot, undo: nothing") << QStringList {"plot", "clear", "plot", "undo"} << 2;
        // clang-format on
    }
    void undo()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, as);
        struct Seen
        {
            QImage image;
            QString description, tooltip; // the readout at the centre; empty where none is shown
            std::size_t plots;            // kept for output and sound
            bool offered;                 // Undo Clear in the menu
        };
        QList<Seen> seen;
        QMenu *menu = area->findChild<QMenu *>();
        for (const QString &step : steps) {
            if (step == "plot")
                plotOn(form, 2, "1.5", "1.5", -3, 3);
            else if (step == "clear")
                form.P.dblClick.raise();
            else
                program.plotExport.undoClear();
            QToolTip::hideText();
            QTRY_VERIFY(!QToolTip::isVisible());
            for (QPoint to : {QPoint(1, 1), area->rect().center()}) // moved: a move it sees
                QTest::mouseMove(area, to);
            emit menu->aboutToShow();
            seen << Seen {form.P.image(), told(), QToolTip::isVisible() ? QToolTip::text() : "",
                          program.drawn.plots().size(), entry("Undo Clear")->isEnabled()};
            emit menu->aboutToHide();
        }
        QVERIFY(seen.last().image == seen[as].image);
        QCOMPARE(seen.last().description, seen[as].description);
        QCOMPARE(seen.last().tooltip, seen[as].tooltip);
        QCOMPARE(seen.last().plots, seen[as].plots);
        QCOMPARE(seen.last().tooltip.isEmpty(), seen.last().plots == 0);
        QCOMPARE(seen[1].offered, true);
        QCOMPARE(seen[0].offered || seen[2].offered, steps[2] == "clear");
        if (as != 2) // and heard so as the clear is undone
            QCOMPARE(heard(), "Clear undone: " + seen.last().description);
    }

    // However the menu is opened, its first entry that can be taken is active, so that a screen
    // reader speaks it at once.
    void contextMenuOpensOnItsFirstEntry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("top"); // what is done to the top of the menu first
        QTest::addColumn<QString>("active");
        // clang-format off
        QTest::newRow("Shift+F10") << "Shift+F10" << "" << "Save Plot As…";
        QTest::newRow("Menu key, a separator at the top") << "Menu" << "separate" << "Save Plot As…";
        QTest::newRow("right click, the first entry disabled") << "click" << "disable" << "Save Worksheet As…";
        // clang-format on
    }
    void contextMenuOpensOnItsFirstEntry()
    {
        QFETCH(QString, how);
        QFETCH(QString, top);
        auto *menu = area->findChild<QMenu *>();
        QAction *first = menu->actions().constFirst();
        first->setEnabled(top != "disable");
        QAction *separator = top == "separate" ? menu->insertSeparator(first) : nullptr;
        area->activateWindow();
        area->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(area->window()));
        if (how == "click") {
            const QPoint at = area->rect().center();
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, area->mapToGlobal(at));
            QCoreApplication::sendEvent(area, &click);
        } else {
            QTest::keyClick(area, how == "Menu" ? Qt::Key_Menu : Qt::Key_F10,
                            how == "Menu" ? Qt::NoModifier : Qt::ShiftModifier);
        }
        const bool shown = menu->isVisible();
        const QString active = menu->activeAction() ? menu->activeAction()->text() : "(none)";
        menu->hide();
        delete separator;
        first->setEnabled(true);
        QVERIFY(shown);
        QTEST(active, "active");
    }

    // Once the error dialog is closed, the keyboard is in the box the error is about with its text
    // selected, ready to type over it; after a failed save, on the plot area, also where no window
    // is active as the dialog opens; an error about nothing typed leaves the focus where it was.
    void afterAnError_data()
    {
        QTest::addColumn<int>("box"); // -1: no function chosen; 4: a save that fails
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("a= holds abc") << 0 << "abc";
        QTest::newRow("b= is empty") << 1 << "";
        QTest::newRow("d= is too large") << 3 << "1e999";
        QTest::newRow("no function chosen: the focus stays") << -1 << "1";
        QTest::newRow("a save that fails: the plot area") << 4 << "";
        // clang-format on
    }
    void afterAnError()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        form.l1.choose(1);
        if (box < 0)
            form.Text1.setText(QString());
        else if (box < 4)
            form.T6[box].setText(text);
        QWidget *button = form.Cp.widget();
        button->activateWindow();
        button->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(button->window()));
        ui::resetErrorReporter();
        if (box == 4) {
            QApplication::setActiveWindow(nullptr); // as right after the file dialog closed
            ui::dispatch("Save_Plot", [this] { savePlot(form, &program.drawn, "/missing/p.png"); });
        } else {
            form.Cp.click.raise();
        }
        auto *dialog = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
        QVERIFY(dialog);
        dialog->button(QMessageBox::Ok)->click();
        QWidget *expected = box < 0 ? button : box == 4 ? area : form.T6[box].widget();
        QTRY_COMPARE(QApplication::focusWidget(), expected);
        QVERIFY(QTest::qWaitForWindowActive(form.w));
        if (box >= 0 && box < 4)
            QCOMPARE(static_cast<QLineEdit *>(expected)->selectedText(), text);
    }

    void typingCanBeUndoneUntilTheUserMovesOn() // not past a popup, such as a context menu
    {
        auto *box = static_cast<QLineEdit *>(form.T6[2].widget());
        QTest::keyClicks(box, "5");
        QList<bool> undoable;
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::TabFocusReason}) {
            QFocusEvent left(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(box, &left);
            undoable << box->isUndoAvailable();
        }
        QCOMPARE(undoable, QList<bool>({true, false}));
    }

    void readout_data() // rows named by the readout; decimals from the scale
    {
        QTest::addColumn<double>("s"); // twips per thousandth of a unit
        QTest::addColumn<QPointF>("graph");
        QTest::addColumn<QString>("locale");
        // clang-format off
        QTest::newRow("x = 1.25   y = -0.50") << 0.3125 << QPointF(1.25, -0.5) << "C";
        QTest::newRow("x = 1.250   y = -0.500") << 2.0 << QPointF(1.25, -0.5) << "C";
        QTest::newRow("x = 1,2500   y = 0,0000") << 200.0 << QPointF(1.25, 0) << "de_DE";
        QTest::newRow("x = 0.00   y = 0.00") << 0.3125 << QPointF(-0.001, -0.001) << "C";
        // clang-format on
    }
    void readout()
    {
        QFETCH(double, s);
        QFETCH(QPointF, graph);
        QFETCH(QString, locale);
        const plot::GraphMapping m {5000, 4000, s};
        const QPointF twips(m.toX(graph.x()), m.toY(graph.y()));
        QCOMPARE(readoutText(m, twips, ui::Screen::mapping(), QLocale(locale)),
                 QTest::currentDataTag());
    }

    // The readout follows the pointer, also over a corner block; the arrows move a crosshair one
    // grid cell at a time over a plot, its place spoken, drawn over the plot where it is now.
    void readoutAndCrosshair()
    {
        QTest::keyClick(area, Qt::Key_Right); // no plot yet: no crosshair
        QVERIFY(!program.accessibility.crosshair());
        plotOn(form, 2);
        QToolTip::hideText();
        QTest::mouseMove(area, form.s1.widget()->geometry().center());
        QVERIFY(QToolTip::text().startsWith("x = "));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) // the first shows it
            QTest::keyClick(area, key);
        const plot::GraphMapping m = *program.accessibility.story().mapping();
        const QPointF at = *program.accessibility.crosshair();
        QCOMPARE(at - QPointF(m.cx, m.cy), QPointF(472.03125, -472.03125)); // one cell each way
        QCOMPARE(heard(), readoutText(m, at, ui::Screen::mapping()));
        const auto onScreen = [this](QPointF twips) { // a blue cross over the plot?
            QTest::qWait(1);
            const QImage screen = area->screen()->grabWindow(0).toImage();
            QList<bool> arms;
            for (QPoint arm : {QPoint(9, 0), QPoint(-9, 0), QPoint(0, 9), QPoint(0, -9)})
                arms << (screen.pixel(area->mapToGlobal(
                                 ui::Screen::mapping().toPixels(twips).toPoint() + arm))
                         == qRgb(0, 0, 255));
            return arms;
        };
        QCOMPARE(onScreen(at), QList<bool>(4, true));
        QTest::keyClick(area, Qt::Key_Right); // moved on: drawn there, gone from where it was
        QCOMPARE(onScreen(at) + onScreen(*program.accessibility.crosshair()),
                 (QList<bool> {false, false, false, false, true, true, true, true}));
        form.P.dblClick.raise();
        QVERIFY(!program.accessibility.crosshair());
    }

    // T traces the latest plot along its dots, each place told and its tone sounded where there is
    // a dot; the picture stays as it was.
    void trace_data()
    {
        QTest::addColumn<QString>("plots"); // each "code" or "code:b", a = b = 1.5 by default
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<bool>("toned"); // by the last key
        const QString sine = "bsin(ax) with a = 1.5, b = 1.5";
        // clang-format off
        QTest::newRow("T: at x = 0") << "2" << "T" << "Tracing " + sine + ": crosses zero, crosses the y axis, x 0" << true;
        QTest::newRow("Right: a tenth on") << "2" << "T Right" << "x 0.1, y 0.0998334" << true;
        QTest::newRow("Ctrl+Right: a unit on") << "2" << "T Ctrl+Right" << "x 1, y 0.841471" << true;
        QTest::newRow("Page Down: the maximum") << "2" << "T PgDown" << "maximum, x 1.571, y 1" << true;
        QTest::newRow("Page Up: the minimum before") << "2" << "T PgUp" << "minimum, x -1.571, y -1" << true;
        QTest::newRow("Home: the start, where Left stays") << "2" << "T Right Home Left" << "start, x -10, y 0.544021" << true;
        QTest::newRow("End: the end") << "2" << "T End" << "end, x 10, y -0.544021" << true;
        QTest::newRow("Up: the plot before, at the same x") << "2 8" << "T Right Up" << "Plot 1 of 2, " + sine + ": x 0.1, y 0.0998334" << true;
        QTest::newRow("Down on the last plot stays") << "2 8" << "T Down" << "Plot 2 of 2, ax^2 with a = 1.5: minimum, touches zero, crosses the y axis, x 0" << true;
        QTest::newRow("tan's gap: silent") << "3" << "T PgDown PgDown" << "gap, x 1.571" << false;
        QTest::newRow("past where an overflow stopped the walk: no dot") << "11:99" << "T Ctrl+Right Ctrl+Right Ctrl+Right" << "no dot, x 3" << false;
        QTest::newRow("T again ends") << "2" << "T T" << "Tracing ended." << false;
        QTest::newRow("Escape ends") << "2" << "T Esc" << "Tracing ended." << false;
        QTest::newRow("nothing plotted") << "" << "T" << "Nothing to trace: nothing has been plotted since the last clear." << false;
        // clang-format on
    }
    void trace()
    {
        QFETCH(QString, plots);
        QFETCH(QString, keys);
        for (const QString &plot : plots.split(' ', Qt::SkipEmptyParts)) {
            const QStringList parts = plot.split(':');
            plotOn(form, parts[0].toInt(), "1.5", parts.value(1, "1.5"));
        }
        const QImage before = form.P.image();
        for (const QString &key : keys.split(' ')) {
            tones->played.clear();
            QTest::keyClick(area, QKeySequence(key)[0].key(),
                            QKeySequence(key)[0].keyboardModifiers());
        }
        QTEST(heard(), "heard");
        QTEST(!tones->played.empty() && tones->playing, "toned");
        QVERIFY(form.P.image() == before);
        if (program.trace.isTracing())
            QTest::keyClick(area, Qt::Key_Escape);
    }

    // 1 to 9 set how fast L plays, kept from then on: the walk from -10 to 10, two fifths of the
    // full range, lasts two fifths of 9 s at 1, of 3 s at 5, of 1 s at 9. A speed chosen while the
    // plots play plays them again at once at that speed.
    void speed_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("heard");
        // clang-format off
        QTest::newRow("at first: 1.2 s") << "L" << 1.2 << "Playing";
        QTest::newRow("1: 3.6 s") << "1 L" << 3.6 << "Playing";
        QTest::newRow("9: 0.4 s") << "9 L" << 0.4 << "Playing";
        QTest::newRow("1 while playing") << "L 1" << 3.6 << "Speed 1 of 9: about 9 seconds for the full range.";
        // clang-format on
    }
    void speed()
    {
        QFETCH(QString, keys);
        QFETCH(double, seconds);
        focusArea();
        plotOn(form, 2);
        for (const QString &key : keys.split(' '))
            QTest::keyClick(area, QKeySequence(key)[0].key());
        QVERIFY(player->playing);
        QCOMPARE_LT(std::abs(player->played.back().size() / 2.0 / sound::sampleRate - seconds),
                    0.01);
        QTEST(heard(), "heard");
        QTest::keyClick(area, Qt::Key_Escape);
        QTest::keyClick(area, Qt::Key_5);
    }

    // L marks each turning point with a sound of its own, where the walk reaches it: the sound
    // differs from the plot's unmarked sound only there.
    void turningPointsMarked()
    {
        focusArea();
        plotOn(form, 2);
        QTest::keyClick(area, Qt::Key_L);
        QTest::keyClick(area, Qt::Key_Escape);
        const sound::Samples marked = player->played.back();
        const sound::Samples plain = sound::plotSound(program.drawn.sounds());
        QCOMPARE(marked.size(), plain.size());
        QList<double> starts; // seconds
        for (qint64 k = 0, last = -sound::sampleRate; k < qint64(plain.size()) / 2; ++k) {
            if (marked[2 * k] == plain[2 * k] && marked[2 * k + 1] == plain[2 * k + 1])
                continue;
            if (k - last > sound::sampleRate / 10)
                starts << double(k) / sound::sampleRate;
            last = k;
        }
        QList<double> turns; // of sin from -10 to 10, heard in 1.2 s
        for (const double x : {-2.5, -1.5, -0.5, 0.5, 1.5, 2.5})
            turns << (x * std::numbers::pi + 10) / 20 * 1.2;
        QCOMPARE(starts.size(), turns.size());
        for (qsizetype i = 0; i < turns.size(); ++i)
            QCOMPARE_LT(std::abs(starts[i] - turns[i]), 0.002);
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
