// The points of interest of a plot, found in the dots it drew, against values a reader can work
// out; the plot told in words: the capped summary and the whole account, in German once.
#include "access/account.h"
#include "access/interest.h"
#include "main/commandline.h"
#include "main/render.h"
#include "ui/runtimeerror.h"
#include "window.h"

#include <QtTest>

#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
const QStringList kOnes {"1.5", "1.5", "1", "1"}; // a = b = 1

} // namespace

class TestInterest : public QObject
{
    Q_OBJECT
    Window window;

    // The points of interest of `code` with the boxes a, b, c, d typed, over -upper to upper.
    std::vector<Interest> plotted(int code, const QStringList &boxes, int upper)
    {
        window.clear();
        for (int i = 0; i < 4; ++i)
            window.form.T6[i].setText(boxes[i]);
        window.plot(code, boxes[0], boxes[1], -upper, upper);
        return pointsOfInterest(window.drawn.plots().back());
    }

private slots:
    void initTestCase()
    {
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
    }

    void points_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("boxes"); // as typed: each is divided by 1.5
        QTest::addColumn<int>("upper");         // the limits -upper and upper
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<double>>("xs");
        const QStringList cubic {"0", "-1.5", "0", "1.5"}; // x^3 - x
        const double r = 1 / std::sqrt(3.0);
        const QList<double> none;
        // clang-format off
        QTest::newRow("sin crosses zero at multiples of pi") << 2 << kOnes << 12 << "crosses zero" << QList<double> {-3 * pi, -2 * pi, -pi, 0, pi, 2 * pi, 3 * pi};
        QTest::newRow("sin's maxima at pi/2 + 2k pi") << 2 << kOnes << 12 << "maximum" << QList<double> {-1.5 * pi, pi / 2, 2.5 * pi};
        QTest::newRow("sin's minima at -pi/2 + 2k pi") << 2 << kOnes << 12 << "minimum" << QList<double> {-2.5 * pi, -pi / 2, 1.5 * pi};
        QTest::newRow("sin crosses the y axis at 0") << 2 << kOnes << 12 << "crosses the y axis" << QList<double> {0};
        QTest::newRow("the walk starts at -12 / 1.2") << 2 << kOnes << 12 << "start" << QList<double> {-10};
        QTest::newRow("... and ends at 12 / 1.2") << 2 << kOnes << 12 << "end" << QList<double> {10};
        QTest::newRow("tan's gaps at pi/2 + k pi") << 3 << kOnes << 12 << "gap" << QList<double> {-2.5 * pi, -1.5 * pi, -pi / 2, pi / 2, 1.5 * pi, 2.5 * pi};
        QTest::newRow("tan crosses zero at k pi only") << 3 << kOnes << 12 << "crosses zero" << QList<double> {-3 * pi, -2 * pi, -pi, 0, pi, 2 * pi, 3 * pi};
        QTest::newRow("tan has no turning point") << 3 << kOnes << 12 << "maximum" << none;
        QTest::newRow("cosec's guard: no crossing at its poles") << 4 << kOnes << 12 << "crosses zero" << none;
        QTest::newRow("cosec's gaps at k pi") << 4 << kOnes << 12 << "gap" << QList<double> {-3 * pi, -2 * pi, -pi, 0, pi, 2 * pi, 3 * pi};
        QTest::newRow("cosec's minima at pi/2 + 2k pi") << 4 << kOnes << 12 << "minimum" << QList<double> {-1.5 * pi, pi / 2, 2.5 * pi};
        QTest::newRow("x^3 - x crosses zero at -1, 0 and 1") << 10 << cubic << 3 << "crosses zero" << QList<double> {-1, 0, 1};
        QTest::newRow("x^3 - x has its maximum at -1/sqrt 3") << 10 << cubic << 3 << "maximum" << QList<double> {-r};
        QTest::newRow("x^3 - x has its minimum at 1/sqrt 3") << 10 << cubic << 3 << "minimum" << QList<double> {r};
        QTest::newRow("x^2 touches zero at 0") << 8 << kOnes << 12 << "touches zero" << QList<double> {0};
        QTest::newRow("x^2 crosses nowhere") << 8 << kOnes << 12 << "crosses zero" << none;
        QTest::newRow("bcos with b = 0, a level row: no turn") << 1 << QStringList {"1.5", "0", "1", "1"} << 12 << "maximum" << none;
        QTest::newRow("cosec with b = 1e-20, held level by its 0.0001: no turn") << 4 << QStringList {"1.5", "1.5e-20", "1", "1"} << 12 << "maximum" << none;
        QTest::newRow("bsec with b = 0, a row at 0.001: no turn") << 5 << QStringList {"1.5", "0", "1", "1"} << 12 << "minimum" << none;
        QTest::newRow("y = x enters a sheet 4.9152 high") << 7 << QStringList {"2.25", "1", "1", "1"} << 30 << "enters the sheet" << QList<double> {-4.9152};
        QTest::newRow("... and leaves it there") << 7 << QStringList {"2.25", "1", "1", "1"} << 30 << "leaves the sheet" << QList<double> {4.9152};
        QTest::newRow("1.71432^(66x) past the single range") << 11 << QStringList {"1.5", "99", "1", "1"} << 12 << "the walk stopped" << QList<double> {std::log(3.4028235e38 / 312.5) / (66 * std::log(1.71432))};
        // clang-format on
    }
    void points()
    {
        QFETCH(int, code);
        QFETCH(QStringList, boxes);
        QFETCH(int, upper);
        QFETCH(QString, kind);
        QFETCH(QList<double>, xs);
        QList<double> found;
        for (const Interest &point : plotted(code, boxes, upper)) {
            if (pointText(point).split(", ").contains(kind))
                found << point.x;
        }
        QCOMPARE(found.size(), xs.size());
        for (qsizetype i = 0; i < xs.size(); ++i) // to the walk's step
            QVERIFY2(std::abs(found[i] - xs[i]) <= 0.001, qPrintable(QString::number(found[i])));
    }

    // The description tells of each plot how often it crosses y = 0 and where first, its highest
    // and lowest turning points and its gaps, a few of each.
    void summary_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("sin") << 2 << "Crossings of y = 0: 7, at x -9.425, -6.283, -3.142 and 4 more. Turning points: 6; the highest: maximum, x -4.712, y 1; the lowest: minimum, x -7.854, y -1.";
        QTest::newRow("tan") << 3 << "Crossings of y = 0: 7, at x -9.425, -6.283, -3.142 and 4 more. No turning points. Gaps at x -7.854, -4.712, -1.571 and 3 more.";
        QTest::newRow("x^2") << 8 << "It does not cross y = 0. It touches y = 0 at x 0. One turning point: minimum, touches zero, crosses the y axis, x 0.";
        // clang-format on
    }
    void summary()
    {
        QFETCH(int, code);
        QTEST(plotSummary(plotted(code, kOnes, 12)), "told");
    }

    // --render NAME.txt in German: a paragraph a plot, its words and numbers German.
    void accountInGerman()
    {
        QTranslator german;
        QVERIFY(german.load(":/i18n/curvanta_de.qm"));
        QCoreApplication::installTranslator(&german);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTemporaryDir dir;
        RenderRequest request;
        request.file = dir.filePath("plot.txt");
        request.plots = {PlotRequest(), PlotRequest()};
        request.plots[0].function = "bsin(ax)";
        request.plots[1].function = "ax^2";
        const int status = render(request);
        QCoreApplication::removeTranslator(&german);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(status, 0);
        QFile file(request.file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList paragraphs = QString::fromUtf8(file.readAll()).trimmed().split("\n\n");
        QCOMPARE(paragraphs.size(), 2);
        const QString maximum = german.translate("Interest", "maximum");
        QVERIFY2(paragraphs[0].contains(maximum + ", x 2,356, y 0,666667;"),
                 qPrintable(paragraphs[0]));
        QVERIFY(paragraphs[1].contains(german.translate("Interest", "touches zero")));
    }
};

QTEST_MAIN(TestInterest)
#include "tst_interest.moc"
