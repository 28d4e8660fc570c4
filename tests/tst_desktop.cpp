#include "app/form1.h"

#include <QtTest>
#include <QtWidgets>

class TstDesktop : public QObject
{
    Q_OBJECT
    Form1 form;
    const QString empty = QStringLiteral("Empty: only the axes are drawn.");
    static QString spoken(QWidget *widget, QAccessible::Text kind)
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
    void initTestCase() { form.start(); }
    void controlsHaveSpokenNames_data() // each row is named after the name spoken
    {
        QTest::addColumn<QWidget *>("widget");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("Coefficient %c", 'a' + i) << form.T6[i].widget();
        QTest::newRow("Lower x limit") << form.V1.widget();
        QTest::newRow("Upper x limit") << form.V2.widget();
        QTest::newRow("Lower x limit value") << form.L4.widget();
        QTest::newRow("Upper x limit value") << form.L5.widget();
        QTest::newRow("Plot area") << form.P.widget();
        QTest::newRow("Plot") << form.Cp.widget();
        QWidget *edit = static_cast<QComboBox *>(form.l1.widget())->lineEdit(); // spoken on focus
        QTest::newRow("Function") << edit;
    }
    void controlsHaveSpokenNames()
    {
        QFETCH(QWidget *, widget);
        QCOMPARE(spoken(widget, QAccessible::Name), QLatin1String(QTest::currentDataTag()));
    }
    void plotAreaDescribesWhatIsDrawn()
    {
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty); // before any plot
        const QString sine = QStringLiteral("bsin(ax) plotted for x from -10 to 10.");
        QCOMPARE(plot(1, -12, 12), sine); // the walk runs from -12 / 1.2 to 12 / 1.2
        QCOMPARE(plot(0, -3, 6), sine + QStringLiteral("\nbcos(ax) plotted for x from -2.5 to 5."));
        form.P.dblClick.raise();
        QCOMPARE(spoken(form.P.widget(), QAccessible::Description), empty);
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
        form.T6[3].setText(QString()); // an empty d stops the next plot at its first step
        QCOMPARE(plot(1, -12, 12), empty);
    }
};

QTEST_MAIN(TstDesktop)
#include "tst_desktop.moc"
