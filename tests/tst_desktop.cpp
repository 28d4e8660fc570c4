#include "access/readout.h"
#include "main/program.h"
#include "ui/screen.h"

#include <QtTest>
#include <QtWidgets>

class TstDesktop : public QObject
{
    Q_OBJECT
    Program program;
    Form1 &form = program.form;
    const QString empty = QStringLiteral("Empty: only the axes are drawn.");
    static QString spoken(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(kind);
    }
    QString plot(int entry, qint16 lower, qint16 upper) // what the plot area then says is drawn
    {
        static_cast<QComboBox *>(form.l1.widget())->setCurrentIndex(entry);
        form.l1.click.raise();
        form.V1.setValue(lower);
        form.V2.setValue(upper);
        form.Cp.click.raise();
        return spoken(form.P.widget(), QAccessible::Description);
    }
private slots:
    void initTestCase()
    {
        form.start();
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
    }
    void plotAreaDescribesWhatIsDrawn()
    {
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty); // before any plot
        // A role a screen reader names: a plain container's is passed over in silence.
        QCOMPARE(QAccessible::queryAccessibleInterface(form.P.widget())->role(),
                 QAccessible::Chart);
        QCOMPARE(QAccessible::queryAccessibleInterface(form.P.widget())->childCount(), 0);
        form.T6[0].setText(QStringLiteral(" 1.5"));
        form.T6[1].setText(QStringLiteral("1.5"));
        const QString sine = QStringLiteral("bsin(ax) with a = 1.5, b = 1.5, for x from -10 to 10 "
                                            "(the limits -12 and 12 divided by 1.2)");
        QCOMPARE(plot(1, -12, 12), sine + '.');
        QCOMPARE(spoken(program.accessibility.announcer()),
                 QStringLiteral("Plotted: %1.").arg(sine));
        QCOMPARE(plot(1, -12, 12), sine + QStringLiteral(", drawn 2 times."));
        const QString cubic = QStringLiteral("(dx^3)+(ax^2)+bx+c with a = 1.5, b = 1.5, c = 1, d "
                                             "= 1, for x from 0 to 0.833 (the limits 0 and 1 "
                                             "divided by 1.2).");
        QCOMPARE(plot(9, 0, 1), sine + QStringLiteral(", drawn 2 times.\n") + cubic);
        plot(0, 0, 1);
        QCOMPARE(plot(6, -3, 3).section('\n', 0, 1),
                 QStringLiteral("Earlier plots not listed: 1.\n")
                         + cubic); // the first is no longer told
        form.P.dblClick.raise();
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty);
        QCOMPARE(spoken(program.accessibility.announcer()),
                 QStringLiteral("Cleared: only the axes are drawn."));
        program.plotExport.undoClear();
        QVERIFY(spoken(form.P.widget(), QAccessible::Description)
                        .startsWith("Earlier plots not listed: 1."));
        form.P.dblClick.raise();
        form.T6[1].setText(QStringLiteral("99")); // a(e^bx) overflows part-way
        const QString stopped = plot(10, -30, 30);
        QVERIFY2(stopped.contains(
                         QRegularExpression("^a\\(e\\^bx\\) with a = 1.5, b = 99, for x from "
                                            "-25 to 25 \\(the limits -30 and 30 divided by "
                                            "1\\.2\\), stopped at x = [1-9][.0-9]*: overflow")),
                 qPrintable(stopped));
        form.T6[1].setText(QStringLiteral("228.6")); // stops a hair past x = 1, told as 1
        QVERIFY(plot(10, -30, 30).endsWith(", stopped at x = 1: overflow."));
    }
    void undoClearIsOfferedOnlyAfterAClear()
    {
        auto *menu = form.P.widget()->findChild<QMenu *>();
        const QList<QAction *> entries = menu->actions();
        QAction *undo = *std::find_if(entries.cbegin(), entries.cend(), [](QAction *action) {
            return action->text() == "Undo Clear";
        });
        QList<bool> offered;
        for (bool clear : {false, true}) {
            plot(1, -3, 3);
            if (clear)
                form.P.dblClick.raise();
            emit menu->aboutToShow();
            offered << undo->isEnabled();
            emit menu->aboutToHide();
        }
        QCOMPARE(offered, QList<bool>({false, true}));
    }
    // What the plot area shows and says after the steps: the same as after step `as`.
    void undoBringsBackWhatTheLastClearErased_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("as");
        QTest::newRow("plot, clear, undo: the plot is back")
                << QStringList {"plot", "clear", "undo"} << 0;
        QTest::newRow("plot, clear, clear, undo: the bare axes the last clear erased")
                << QStringList {"plot", "clear", "clear", "undo"} << 1;
        QTest::newRow("plot, clear, plot, undo: nothing after a plot")
                << QStringList {"plot", "clear", "plot", "undo"} << 2;
    }
    void undoBringsBackWhatTheLastClearErased()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, as);
        struct Seen
        {
            QImage image;
            QString description;
            QString tooltip;     // under the pointer at the centre; empty where none is shown
            std::size_t dots;    // kept for output and sound
            std::size_t drawing; // bytes kept as drawing
        };
        QWidget *area = form.P.widget();
        QList<Seen> seen;
        QString heard;
        for (const QString &step : steps) {
            if (step == "plot")
                plot(1, -3, 3);
            else if (step == "clear")
                form.P.dblClick.raise();
            else
                program.plotExport.undoClear();
            heard = spoken(program.accessibility.announcer());
            QToolTip::hideText();
            QTRY_VERIFY(!QToolTip::isVisible());
            for (QPoint to : {QPoint(1, 1), area->rect().center()}) // moved: a move it sees
                QTest::mouseMove(area, to);
            seen << Seen {form.P.image(), spoken(area, QAccessible::Description),
                          QToolTip::isVisible() ? QToolTip::text() : QString(),
                          program.drawn.table().size(), program.drawn.drawing().bytes()};
        }
        QVERIFY(seen.last().image == seen[as].image);
        QCOMPARE(seen.last().description, seen[as].description);
        QCOMPARE(seen.last().tooltip, seen[as].tooltip);
        QCOMPARE(seen.last().dots, seen[as].dots);
        QCOMPARE(seen.last().drawing, seen[as].drawing);
        QCOMPARE(seen.last().dots == 0, seen.last().description == empty);
        QCOMPARE(seen.last().tooltip.isEmpty(), seen.last().description == empty);
        if (steps.at(steps.size() - 2) == "clear") // and heard so as the clear is undone
            QCOMPARE(heard, "Clear undone: " + seen.last().description);
    }
    void plotsAreKeptUpToALimitUntilTheNextClear()
    {
        Form1 other;
        Drawn kept(other, 25'000);
        other.window.load.raise();
        QList<std::size_t> rows;
        QList<bool> whole;
        for (const char *step : {"plot", "plot", "clear", "plot"}) {
            if (QByteArray(step) == "plot") {
                other.V1.setValue(-12);
                other.V2.setValue(12); // 20,001 dots
                other.l1.choose(0);
                other.Cp.click.raise();
            } else {
                other.P.dblClick.raise();
            }
            rows << kept.table().size();
            whole << (kept.plotsComplete() && kept.plotsUnavailable().isEmpty());
        }
        QVERIFY(rows[0] > 0);
        QCOMPARE(rows, QList<std::size_t>({rows[0], 0, 0, rows[0]}));
        QCOMPARE(whole, QList<bool>({true, false, true, true}));
    }
    // However the menu is opened, its first entry that can be taken is active, so that a screen
    // reader speaks it at once.
    void contextMenuOpensOnItsFirstEntry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("top"); // what is done to the top of the menu first
        QTest::addColumn<QString>("active");
        QTest::newRow("Shift+F10") << "Shift+F10"
                                   << ""
                                   << "Save Plot As…";
        QTest::newRow("Menu key") << "Menu"
                                  << ""
                                  << "Save Plot As…";
        QTest::newRow("right click") << "click"
                                     << ""
                                     << "Save Plot As…";
        QTest::newRow("the first entry disabled") << "Shift+F10"
                                                  << "disable"
                                                  << "Copy Plot";
        QTest::newRow("a separator at the top") << "Menu"
                                                << "separate"
                                                << "Save Plot As…";
    }
    void contextMenuOpensOnItsFirstEntry()
    {
        QFETCH(QString, how);
        QFETCH(QString, top);
        QWidget *area = form.P.widget();
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
    // After the error dialog about a coefficient box, the user is in that box with its text
    // selected, ready to type over it; an error about nothing the user typed leaves the focus.
    void errorTakesTheUserToTheBox_data()
    {
        QTest::addColumn<int>("box"); // -1: none
        QTest::addColumn<QString>("text");
        const char *names[] = {"a=", "b=", "c=", "d="};
        const char *texts[][2] = {{"abc", "holds abc"}, {"", "empty"}, {"1e999", "too large"}};
        for (int box = 0; box < 4; ++box)
            for (const auto &[text, kind] : texts)
                QTest::addRow("%s %s", names[box], kind) << box << QString::fromLatin1(text);
        QTest::newRow("no function chosen: the focus stays") << -1 << "1";
    }
    void errorTakesTheUserToTheBox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        static_cast<QComboBox *>(form.l1.widget())->setCurrentIndex(1);
        form.l1.click.raise();
        const auto reset = [this] {
            for (ui::TextBox &each : form.T6)
                each.setText(QStringLiteral("1"));
        };
        reset();
        const auto resetAfter = qScopeGuard(reset); // also where a check fails
        if (box < 0)
            form.Text1.setText(QString());
        else
            form.T6[box].setText(text);
        QWidget *button = form.Cp.widget();
        button->activateWindow();
        button->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(button->window()));
        ui::resetErrorReporter();
        form.Cp.click.raise();
        auto *dialog = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
        QVERIFY(dialog);
        dialog->button(QMessageBox::Ok)->click();
        QWidget *expected = box < 0 ? button : form.T6[box].widget();
        QTRY_COMPARE(QApplication::focusWidget(), expected);
        if (box >= 0)
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
        QTest::newRow("x = 1.25   y = -0.50") << 0.3125 << QPointF(1.25, -0.5) << "C";
        QTest::newRow("x = 1.250   y = -0.500") << 2.0 << QPointF(1.25, -0.5) << "C";
        QTest::newRow("x = 1,2500   y = 0,0000") << 200.0 << QPointF(1.25, 0) << "de_DE";
        QTest::newRow("x = 0.00   y = 0.00") << 0.3125 << QPointF(-0.001, -0.001) << "C";
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
    void readoutAlsoUnderACornerBlock() // the blocks let the pointer through to the plot area
    {
        plot(1, -12, 12);
        QToolTip::hideText();
        QTest::mouseMove(form.P.widget(), form.s1.widget()->geometry().center());
        QVERIFY(QToolTip::text().startsWith("x = "));
    }
    void arrowsMoveACrosshairOnlyOverAPlot()
    {
        QWidget *area = form.P.widget();
        form.P.dblClick.raise();
        QTest::keyClick(area, Qt::Key_Right); // no plot yet: no crosshair
        QVERIFY(!program.accessibility.crosshair());
        plot(1, -12, 12);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) // the first shows it
            QTest::keyClick(area, key);
        const plot::GraphMapping m = *program.accessibility.story().mapping();
        const QPointF at = *program.accessibility.crosshair();
        QCOMPARE(at - QPointF(m.cx, m.cy), QPointF(472.03125, -472.03125)); // one cell each way
        QCOMPARE(spoken(program.accessibility.announcer()),
                 readoutText(m, at, ui::Screen::mapping()));
        const auto onScreen = [area](QPointF twips) { // a blue cross over the plot?
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
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
