#include "app/form1.h"
#include "plotarea.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QTest>

using Kind = ui::RuntimeError::Kind;
Q_DECLARE_METATYPE(Kind)

class TestFaults : public QObject
{
    Q_OBJECT
    QList<Kind> m_reports;

    static int redPixels(const QImage &image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(255, 0, 0);
        return n;
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
        QTEST(m_reports.value(0), "kind");
        QCOMPARE(m_reports.size(), 1);
    }

    // The next image allocation fails: the event reports once, the plot area keeps an image as
    // large as its widget, and the next attempt works.
    void failedImageAllocation_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("activation on a larger screen") << "activate";
        QTest::newRow("plot after clearing") << "plot";
        QTest::newRow("resize, retried by the next change") << "resize";
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
        const auto attempt = [&](bool again) {
            if (event == "activate") {
                ui::Screen::overrideSize(QSize(1200, 900));
                form.window.activate.raise();
            } else if (event == "plot") {
                form.Cp.click.raise();
            } else {
                ui::dispatch(event, [&] {
                    again ? form.P.setHeight(form.P.height()) : form.P.setWidth(9000);
                });
            }
        };
        ui::PictureBox::failNextImageAllocation();
        attempt(false);
        QCOMPARE(m_reports.size(), 1);
        QCOMPARE(m_reports[0], Kind::ToolkitError);
        QCOMPARE(form.P.widget()->size(), before);
        QCOMPARE(form.P.image().size(), before);
        QCOMPARE(redPixels(form.P.image()), 0);

        attempt(true);
        QCOMPARE(m_reports.size(), 1);
        const QSize after = form.P.widget()->size();
        QCOMPARE(form.P.image().size(), after);
        if (event == "plot")
            QVERIFY(redPixels(form.P.image()) > 1000);
        else
            QCOMPARE(after.width(), event == "resize" ? 600 : qRound(1200 / 1.5));
        ui::Screen::overrideSize(QSize());
    }

    void farAwayTwipsSaturate()
    {
        const ui::TwipsMapping map(15);
        QVERIFY(map.pixelRect(1e30, 0, 150, 150).left() > 1e6);
        QVERIFY(map.pixelRect(-1e30, 0, 150, 150).right() < -1e6);
        QVERIFY(map.pixelRect(0, 0, 3e38f, 150).width() > 1e6);
    }

    void walkThatCannotProgressEnds()
    {
        PlotArea area(QStringLiteral("1"), QStringLiteral("-1e300 0"));
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, area.plot());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
