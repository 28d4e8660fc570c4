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

    static bool hasRed(const QImage &image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(255, 0, 0))
                    return true;
        return false;
    }

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
        QTest::newRow("runtime error keeps its kind") << 0 << Kind::DivisionByZero;
        QTest::newRow("bad_alloc is out of memory") << 1 << Kind::OutOfMemory;
        QTest::newRow("logic_error is unexpected") << 2 << Kind::Unexpected;
        QTest::newRow("an int is unexpected") << 3 << Kind::Unexpected;
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

    void failedImageAllocation_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("width"); // of the plot area after the second attempt
        QTest::newRow("activation on a larger screen") << "activate" << 800;
        QTest::newRow("plot after clearing") << "plot" << 534;
        QTest::newRow("resize, then the same again") << "resize" << 600;
        QTest::newRow("clear") << "clear" << 534;
    }
    void failedImageAllocation()
    {
        QFETCH(QString, event);
        ui::Screen::overrideSize(QSize(800, 600));
        Form1 form;
        form.start();
        form.Text1.setText(QStringLiteral("1"));
        form.V2.setValue(12);
        form.P.cls();
        const QSize before = form.P.widget()->size();
        const auto place = [&form] { // in twips, and the widget's rectangle they make
            return std::pair(
                    QList<float> {form.P.left(), form.P.top(), form.P.width(), form.P.height()},
                    ui::Screen::mapping().pixelRect(form.P.left(), form.P.top(), form.P.width(),
                                                    form.P.height()));
        };
        const auto placeBefore = place();
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
        QCOMPARE(place().first, placeBefore.first); // P.Width reads back what it was
        QCOMPARE(form.P.widget()->geometry(), placeBefore.second);
        QCOMPARE(form.P.image().size(), before);
        QVERIFY(!hasRed(form.P.image()));

        attempt();
        QCOMPARE(m_reports.size(), 1);
        QCOMPARE(form.P.widget()->geometry(), place().second);
        QCOMPARE(form.P.image().size(), form.P.widget()->size());
        QTEST(form.P.widget()->width(), "width");
        QCOMPARE(hasRed(form.P.image()), event == "plot");
        ui::Screen::overrideSize(QSize());
    }

    void failedClearErasesNothing() // neither in pixels nor in words, and leaves nothing to undo
    {
        Program program;
        Form1 &form = program.form;
        form.start();
        form.Text1.setText(QStringLiteral("1"));
        form.V2.setValue(12);
        form.Cp.click.raise();
        const QImage plotted = form.P.image();
        const QString told = form.P.widget()->accessibleDescription();
        ui::PictureBox::failNextImageAllocation();
        form.P.dblClick.raise();
        QCOMPARE(m_reports, QList<Kind> {Kind::ToolkitError});
        for (int undone = 0; undone < 2; ++undone) {
            QVERIFY(form.P.image() == plotted);
            QCOMPARE(form.P.widget()->accessibleDescription(), told);
            program.plotExport.undoClear();
        }
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
