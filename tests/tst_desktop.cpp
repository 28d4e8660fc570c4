#include "app/form1.h"
#include "app/readout.h"

#include <QtTest>
#include <QtWidgets>

class TstDesktop : public QObject
{
    Q_OBJECT
    Form1 form;
    const QString empty = QStringLiteral("Empty: only the axes are drawn.");
    static QAccessibleInterface *reader(QWidget *widget)
    {
        return QAccessible::queryAccessibleInterface(widget);
    }
    static QString spoken(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
    {
        return reader(widget)->text(kind);
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
    void controlsHaveSpokenNames_data() // each row is named after the name spoken
    {
        QTest::addColumn<QWidget *>("widget");
        QTest::addColumn<QAccessible::Role>("role");
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("%c= coefficient %c", 'a' + i, 'a' + i)
                    << form.T6[i].widget() << QAccessible::EditableText;
            QTest::addRow("%c=", 'a' + i) << form.L6[i].widget() << QAccessible::StaticText;
        }
        QTest::newRow("-X values: lower x limit") << form.V1.widget() << QAccessible::ScrollBar;
        QTest::newRow("+x limit") << form.L3.widget() << QAccessible::StaticText;
        QTest::newRow("Plot area") << form.P.widget() << QAccessible::Client;
        QTest::newRow("Plot") << form.Cp.widget() << QAccessible::Button;
        QTest::newRow("Curvanta Powerred by:Korvel") << form.window.widget() << QAccessible::Window;
    }
    void controlsHaveSpokenNames()
    {
        QFETCH(QWidget *, widget);
        QFETCH(QAccessible::Role, role);
        QCOMPARE(spoken(widget), QLatin1String(QTest::currentDataTag()));
        QCOMPARE(reader(widget)->role(), role);
    }
    void captionsLabelTheirFieldsAndDecorationsAreHidden()
    {
        const auto labelled = reader(form.L2.widget())->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), form.V1.widget());
        form.V2.setValue(7);
        QCOMPARE(spoken(form.L5.widget()), QStringLiteral("7"));
        QStringList shown;
        for (QAccessibleInterface *area : {reader(form.window.widget()), reader(form.P.widget())})
            for (int i = 0; i < area->childCount(); ++i)
                shown << area->child(i)->text(QAccessible::Name);
        for (const ui::Label *hidden : {&form.Label1, &form.mes})
            QVERIFY(!shown.contains(hidden->caption()));
        QVERIFY(shown.contains(form.cl.caption()));
        QCOMPARE(shown.count(QString()), 2); // the announcer and the empty value label
    }
    void plotAreaDescribesWhatIsDrawn()
    {
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty); // before any plot
        form.T6[0].setText(QStringLiteral(" 1.5"));
        form.T6[1].setText(QStringLiteral("1.5"));
        const QString sine = QStringLiteral("bsin(ax) with a = 1.5, b = 1.5, for x from -10 to 10");
        QCOMPARE(plot(1, -12, 12), sine + '.');
        QCOMPARE(spoken(form.announcer), QStringLiteral("Plotted: %1.").arg(sine));
        QCOMPARE(plot(1, -12, 12), sine + QStringLiteral(", drawn 2 times."));
        const QString cubic = QStringLiteral("(dx^3)+(ax^2)+bx+c with a = 1.5, b = 1.5, c = 1, d "
                                             "= 1, for x from 0 to 0.833.");
        QCOMPARE(plot(9, 0, 1), sine + QStringLiteral(", drawn 2 times.\n") + cubic);
        plot(0, 0, 1);
        QCOMPARE(plot(6, -3, 3).section('\n', 0, 1),
                 QStringLiteral("Earlier plots not listed: 1.\n")
                         + cubic); // the first is no longer told
        form.P.dblClick.raise();
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty);
        QCOMPARE(spoken(form.announcer), QStringLiteral("Cleared: only the axes are drawn."));
        describeUndoneClear(form);
        QVERIFY(spoken(form.P.widget(), QAccessible::Description)
                        .startsWith("Earlier plots not listed: 1."));
        form.P.dblClick.raise();
        form.T6[1].setText(QStringLiteral("99")); // a(e^bx) overflows part-way
        const QString stopped = plot(10, -30, 30);
        QVERIFY2(stopped.contains(QRegularExpression("^a\\(e\\^bx\\) with a = 1.5, b = 99, for x "
                                                     "from -25 to 25, stopped at x = [1-9][.0-9]*: "
                                                     "overflow\\.$")),
                 qPrintable(stopped));
    }
    void enterPressesTheFocusedPlotButton_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void enterPressesTheFocusedPlotButton()
    {
        QFETCH(Qt::Key, key);
        form.P.dblClick.raise();
        plot(1, -3, 3);
        const QString once = spoken(form.P.widget(), QAccessible::Description);
        QTest::keyClick(form.Cp.widget(), key);
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description),
                 once.chopped(1) + ", drawn 2 times.");
    }
    void readout_data()
    {
        QTest::addColumn<double>("s"); // twips per thousandth of a unit
        QTest::addColumn<QPointF>("graph");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 0.3125 << QPointF(1.25, -0.5) << "C"
                                      << "x = 1.25   y = -0.50";
        QTest::newRow("at least two") << 0.01 << QPointF(1.25, 0.5) << "C"
                                      << "x = 1.25   y = 0.50";
        QTest::newRow("three decimals") << 2.0 << QPointF(1.25, -0.5) << "C"
                                        << "x = 1.250   y = -0.500";
        QTest::newRow("at most four") << 200.0 << QPointF(1.25, 0) << "de_DE"
                                      << "x = 1,2500   y = 0,0000";
        QTest::newRow("no minus zero") << 0.3125 << QPointF(-0.001, -0.001) << "C"
                                       << "x = 0.00   y = 0.00";
    }
    void readout()
    {
        QFETCH(double, s);
        QFETCH(QPointF, graph);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const plot::GraphMapping m {5000, 4000, s};
        const QPointF twips(m.toX(graph.x()), m.toY(graph.y()));
        QCOMPARE(readoutText(m, twips, 15, QLocale(locale)), text);
    }
    void arrowsMoveACrosshairOnlyOverAPlot()
    {
        QWidget *area = form.P.widget();
        form.P.dblClick.raise();
        QTest::keyClick(area, Qt::Key_Right); // no plot yet: no crosshair
        QVERIFY(!form.P.crosshair());
        plot(1, -12, 12);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) // the first shows it
            QTest::keyClick(area, key);
        const plot::GraphMapping m = *form.story.mapping();
        const QPointF at = *form.P.crosshair();
        QCOMPARE(at - QPointF(m.cx, m.cy), QPointF(472.03125, -472.03125)); // one cell each way
        QCOMPARE(spoken(form.announcer), readoutText(m, at, 15));
        form.P.dblClick.raise();
        QVERIFY(!form.P.crosshair());
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
