#include "main/program.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTest>

using Kind = ui::RuntimeError::Kind;
Q_DECLARE_METATYPE(Kind)

class TestFaults : public QObject
{
    Q_OBJECT
    QList<Kind> m_reports;

private slots:
    void initTestCase()
    {
        ui::setErrorReporter([this](const QString &, const ui::RuntimeError &error) {
            m_reports << error.kind();
        });
    }
    void init() { m_reports.clear(); }

    void everyExceptionIsReported_data()
    {
        QTest::addColumn<int>("thrown");
        QTest::addColumn<Kind>("kind");
        // clang-format off
        QTest::newRow("runtime error keeps its kind") << 0 << Kind::DivisionByZero;
        QTest::newRow("bad_alloc is out of memory") << 1 << Kind::OutOfMemory;
        QTest::newRow("logic_error is unexpected") << 2 << Kind::Unexpected;
        QTest::newRow("an int is unexpected") << 3 << Kind::Unexpected;
        // clang-format on
    }
    void everyExceptionIsReported()
    {
        QFETCH(int, thrown);
        ui::dispatch(QStringLiteral("handler"), [thrown] {
            if (thrown == 0)
                throw ui::RuntimeError(Kind::DivisionByZero, QString());
            if (thrown == 1)
                throw std::bad_alloc();
            if (thrown == 2)
                throw std::logic_error("bug");
            throw thrown;
        });
        QCOMPARE(m_reports.size(), 1);
        QTEST(m_reports[0], "kind");
    }

    void errorDialogsShareOneOkIcon() // a new one for each dialog would stay in the pixmap cache
    {
        struct ButtonsWithIcons : QProxyStyle
        {
            int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *data) const override
            {
                return hint == SH_DialogButtonBox_ButtonsHaveIcons
                        || QProxyStyle::styleHint(hint, option, widget, data);
            }
        };
        QApplication::setStyle(new ButtonsWithIcons);
        ui::resetErrorReporter();
        QList<qint64> icons;
        for (int i = 0; i < 2; ++i) {
            ui::dispatch(QStringLiteral("handler"), [] { throw std::bad_alloc(); });
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            icons << box->button(QMessageBox::Ok)->icon().cacheKey();
            box->done(0);
        }
        initTestCase();
        QCOMPARE(icons[1], icons[0]);
        QVERIFY(icons[0] != QIcon().cacheKey());
    }

    // Where the plot area cannot get the image it needs, the event that needed it is reported
    // and changes nothing, in pixels, in place or in what Undo Clear brings back; the same event
    // again succeeds.
    void failedImageAllocation_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("width"); // of the plot area after the second attempt
        // clang-format off
        QTest::newRow("activation on a larger screen") << "activate" << 800;
        QTest::newRow("plot after an undone clear") << "plot" << 534;
        QTest::newRow("resize, then the same again") << "resize" << 600;
        QTest::newRow("clear") << "clear" << 534;
        // clang-format on
    }
    void failedImageAllocation()
    {
        QFETCH(QString, event);
        ui::Screen::overrideSize(QSize(800, 600));
        Program program;
        Form1 &form = program.form;
        form.start();
        form.Text1.setText(QStringLiteral("1"));
        form.V2.setValue(12);
        form.Cp.click.raise();
        form.P.dblClick.raise();
        program.plotExport.undoClear(); // the image shared with what the undo kept
        const auto seen = [&form] {
            return std::tuple(form.P.left(), form.P.width(), form.P.widget()->geometry(),
                              form.P.image());
        };
        const auto before = seen();
        const QString told = form.P.widget()->accessibleDescription();
        const auto attempt = [&] {
            ui::Screen::overrideSize(QSize(1200, 900));
            if (event == "activate")
                form.window.activate.raise();
            else if (event == "plot")
                form.Cp.click.raise();
            else if (event == "clear")
                form.P.dblClick.raise();
            else
                ui::dispatch(event, [&] { form.P.setWidth(9000); });
        };
        ui::PictureBox::failNextImageAllocation();
        attempt();
        QCOMPARE(m_reports, QList<Kind> {Kind::ToolkitError});
        QVERIFY(seen() == before);
        program.plotExport.undoClear();
        QVERIFY(seen() == before);
        // A plot is told where it stopped, as any plot an error ends.
        QCOMPARE(form.P.widget()->accessibleDescription() == told, event != "plot");

        attempt();
        QCOMPARE(m_reports.size(), 1);
        QCOMPARE(form.P.image().size(), form.P.widget()->size());
        QTEST(form.P.widget()->width(), "width");
        QCOMPARE(form.P.image() == std::get<3>(before), false);
        ui::Screen::overrideSize(QSize());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
