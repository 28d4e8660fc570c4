#include "main/commandline.h"

#include "export/plotexport.h"
#include "plot/catalogue.h"

#include <QtTest>

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(Action)

namespace {

const QStringList kPlot {"--render", "plot.png", "--function", "2"};

// Parses in the locale `name` ("" for the test's own), as a user of that language would.
CommandLine parsedIn(const QString &name, const QStringList &arguments)
{
    const QLocale before;
    if (!name.isEmpty())
        QLocale::setDefault(QLocale(name));
    CommandLine line = parseCommandLine(arguments);
    QLocale::setDefault(before);
    return line;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void actions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("qt"); // what the window's QApplication reads
        const QStringList none;
        QTest::newRow("nothing opens the window") << none << Action::Window << none;
        QTest::newRow("--help") << QStringList {"--help"} << Action::Help << none;
        QTest::newRow("-h") << QStringList {"-h"} << Action::Help << none;
        QTest::newRow("--help beside the rest")
                << kPlot + QStringList {"--help", "--a", "x"} << Action::Help << none;
        QTest::newRow("--version") << QStringList {"--version"} << Action::Version << none;
        QTest::newRow("-platform with its value")
                << QStringList {"-platform", "offscreen"} << Action::Window
                << QStringList {"-platform", "offscreen"};
        QTest::newRow("--platform=value")
                << QStringList {"--platform=wayland;xcb"} << Action::Window
                << QStringList {"-platform", "wayland;xcb"};
        QTest::newRow("Qt's options in their order")
                << QStringList {"-style=fusion",    "-display",     ":3",
                                "-reverse",         "--stylesheet", "a.qss",
                                "-qwindowgeometry", "100x100",      "-style",
                                "windows"}
                << Action::Window
                << QStringList {"-style",   "fusion",      "-display", ":3",
                                "-reverse", "-stylesheet", "a.qss",    "-qwindowgeometry",
                                "100x100",  "-style",      "windows"};
        QTest::newRow("the QML debugger's value after =")
                << QStringList {"-qmljsdebugger", "port:1234"} << Action::Window
                << QStringList {"-qmljsdebugger=port:1234"};
        QTest::newRow("-- alone") << QStringList {"--"} << Action::Window << none;
        QTest::newRow("Qt's option beside --render") << QStringList {"-style", "fusion"}
                        + kPlot << Action::Render << QStringList {"-style", "fusion"};
    }

    void actions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        const CommandLine line = parseCommandLine(arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, action);
        QTEST(line.qtArguments, "qt");
    }

    void renders_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QStringList>("coefficients"); // a, b, c, d as the boxes get them
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QSize>("screen");
        const QStringList ones {"1", "1", "1", "1"};
        const QSize standard(1024, 768);
        QTest::newRow("defaults") << "" << QStringList {"--render", "p.png", "--function", "ax"}
                                  << "p.png"
                                  << "ax" << ones << -30 << 30 << standard;
        QTest::newRow("each option with its value next")
                << "" << kPlot + QStringList {"--a",     "1.5", "--b",      "-2",      "--c",
                                              "1e-3",    "--d", "+4.",      "--lower", "-12",
                                              "--upper", "12",  "--screen", "800x600"}
                << "plot.png"
                << "bsin(ax)" << QStringList {"1.5", "-2", "1e-3", "+4."} << -12 << 12
                << QSize(800, 600);
        QTest::newRow("each option with =")
                << "" << QStringList {"--render=p.jpg",  "--function=a(e^bx)",
                                      "--a=2",           "--b=3",
                                      "--c=4",           "--d=5",
                                      "--lower=0",       "--upper=0",
                                      "--screen=320x200"}
                << "p.jpg"
                << "a(e^bx)" << QStringList {"2", "3", "4", "5"} << 0 << 0 << QSize(320, 200);
        QTest::newRow("one dash") << ""
                                  << QStringList {"-render", "p.bmp", "-function", "11", "-a", "7"}
                                  << "p.bmp"
                                  << "a(e^bx)" << QStringList {"7", "1", "1", "1"} << -30 << 30
                                  << standard;
        QTest::newRow("a repeated option: the last counts")
                << ""
                << kPlot + QStringList {"--a", "1", "--a", "2", "--lower", "-1", "--lower", "-30"}
                << "plot.png"
                << "bsin(ax)" << QStringList {"2", "1", "1", "1"} << -30 << 30 << standard;
        QTest::newRow("-- at the end") << "" << kPlot + QStringList {"--"} << "plot.png"
                                       << "bsin(ax)" << ones << -30 << 30 << standard;
        QTest::newRow("extension in capitals")
                << "" << QStringList {"--render", "P.JPEG", "--function", "1"} << "P.JPEG"
                << "bcos(ax)" << ones << -30 << 30 << standard;
        QTest::newRow("largest screen")
                << "" << kPlot + QStringList {"--screen", "7680x4320"} << "plot.png"
                << "bsin(ax)" << ones << -30 << 30 << QSize(7680, 4320);
        QTest::newRow("a number too large for the plot is left to the plot")
                << "" << kPlot + QStringList {"--b", "1e400"} << "plot.png"
                << "bsin(ax)" << QStringList {"1", "1e400", "1", "1"} << -30 << 30 << standard;
        QTest::newRow("svg drawing")
                << "" << QStringList {"--render", "p.svg", "--function", "1"} << "p.svg"
                << "bcos(ax)" << ones << -30 << 30 << standard;
        QTest::newRow("table of values in capitals")
                << "" << QStringList {"--render", "P.CSV", "--function", "1"} << "P.CSV"
                << "bcos(ax)" << ones << -30 << 30 << standard;
        QTest::newRow("German: 1.5 with a point")
                << "de_DE" << kPlot + QStringList {"--a", "1.5", "--b", "1.000"} << "plot.png"
                << "bsin(ax)" << QStringList {"1.5", "1.000", "1", "1"} << -30 << 30 << standard;
    }

    void renders()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, arguments);
        const CommandLine line = parsedIn(locale, arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, Action::Render);
        QTEST(line.render.file, "file");
        QTEST(line.render.screen, "screen");
        QCOMPARE(line.render.plots.size(), 1u);
        const PlotRequest &r = line.render.plots.front();
        QTEST(r.function, "function");
        QTEST(QStringList(r.coefficients.begin(), r.coefficients.end()), "coefficients");
        QTEST(r.lower, "lower");
        QTEST(r.upper, "upper");
        // The render reads them in the C locale, where each is a number.
        QLocale c = QLocale::c();
        for (const QString &coefficient : r.coefficients) {
            bool ok = false;
            c.toDouble(coefficient, &ok);
            QVERIFY(ok || coefficient == "1e400");
        }
    }

    // Each --function begins a plot; the plot options after it are its own, those before the
    // first --function hold for every plot that does not give its own.
    void severalPlots_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after --render p.svg
        QTest::addColumn<QStringList>("plots");     // "function a b c d lower upper" each
        QTest::addColumn<int>("scale");
        QTest::newRow("one plot") << QStringList {"--function", "2"}
                                  << QStringList {"bsin(ax) 1 1 1 1 -30 30"} << 1;
        QTest::newRow("two, each with its own a")
                << QStringList {"--function", "8", "--a", "1.5", "--function", "8", "--a", "3"}
                << QStringList {"ax^2 1.5 1 1 1 -30 30", "ax^2 3 1 1 1 -30 30"} << 1;
        QTest::newRow("one plot's options do not carry to the next")
                << QStringList {"--function", "2", "--b", "2", "--upper", "5", "--function", "1"}
                << QStringList {"bsin(ax) 1 2 1 1 -30 5", "bcos(ax) 1 1 1 1 -30 30"} << 1;
        QTest::newRow("before the first: for every plot, unless it gives its own")
                << QStringList {"--lower",    "-6",   "--upper",    "6",    "--c",     "2",
                                "--function", "ax^2", "--function", "ax^3", "--upper", "3"}
                << QStringList {"ax^2 1 1 2 1 -6 6", "ax^3 1 1 2 1 -6 3"} << 1;
        QTest::newRow("with =, one dash, and the scale anywhere")
                << QStringList {"-function=9", "--scale", "3", "-a=2", "--function=10", "--d=4"}
                << QStringList {"ax^3 2 1 1 1 -30 30", "(dx^3)+(ax^2)+bx+c 1 1 1 4 -30 30"} << 3;
        QTest::newRow("the last of an option within one plot counts")
                << QStringList {"--function", "1", "--a", "2", "--a", "3", "--function", "1"}
                << QStringList {"bcos(ax) 3 1 1 1 -30 30", "bcos(ax) 1 1 1 1 -30 30"} << 1;
        QTest::newRow("a value that reads --function is no plot")
                << QStringList {"-qwindowtitle", "--function", "--function", "7", "--a", "2"}
                << QStringList {"ax 2 1 1 1 -30 30"} << 1;
        QTest::newRow("--render between a plot's options")
                << QStringList {"--function", "7", "--render", "q.svg", "--a", "2", "--scale=8"}
                << QStringList {"ax 2 1 1 1 -30 30"} << 8;
    }

    void severalPlots()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = parseCommandLine(QStringList {"--render", "p.svg"} + arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, Action::Render);
        QStringList plots;
        for (const PlotRequest &plot : line.render.plots)
            plots << QStringList {plot.function,
                                  QStringList(plot.coefficients.begin(), plot.coefficients.end())
                                          .join(' '),
                                  QString::number(plot.lower), QString::number(plot.upper)}
                             .join(' ');
        QTEST(plots, "plots");
        QTEST(line.render.scale, "scale");
    }

    void usageErrors_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named"); // the option or argument the message names
        QTest::newRow("unknown option")
                << "" << kPlot + QStringList {"--frobnicate"} << "frobnicate";
        QTest::newRow("value missing at the end") << "" << kPlot + QStringList {"--b"} << "--b";
        QTest::newRow("value on a flag") << "" << QStringList {"--version=2"} << "--version";
        QTest::newRow("stray argument alone") << "" << QStringList {"foo"} << "\"foo\"";
        QTest::newRow("stray argument in the window's Qt options")
                << "" << QStringList {"-platform", "xcb", "foo"} << "\"foo\"";
        QTest::newRow("stray argument after a number")
                << "" << kPlot + QStringList {"--a", "1", ".5"} << "\".5\"";
        QTest::newRow("an option after -- is an argument")
                << "" << QStringList {"--", "--help"} << "\"--help\"";
        QTest::newRow("a lone dash") << "" << kPlot + QStringList {"-"} << "\"-\"";
        QTest::newRow("decimal comma") << "" << kPlot + QStringList {"--a", "1,5"} << "--a \"1,5\"";
        QTest::newRow("decimal comma in German")
                << "de_DE" << kPlot + QStringList {"--a", "1,5"} << "--a \"1,5\"";
        QTest::newRow("group separator")
                << "" << kPlot + QStringList {"--b", "1,500"} << "--b \"1,500\"";
        QTest::newRow("no number") << "" << kPlot + QStringList {"--c", "x"} << "--c \"x\"";
        QTest::newRow("empty number") << "" << kPlot + QStringList {"--d="} << "--d \"\"";
        // A value is the next argument, whatever it reads: no plot begins there.
        for (const char *option : {"a", "b", "c", "d", "lower", "upper", "screen", "scale"}) {
            const QString dashed = QStringLiteral("--") + option;
            QTest::addRow("%s takes --function as its value", option)
                    << "" << kPlot + QStringList {dashed, "--function"}
                    << dashed + " \"--function\"";
        }
        QTest::newRow("infinity") << "" << kPlot + QStringList {"--a", "inf"} << "--a \"inf\"";
        QTest::newRow("NaN") << "" << kPlot + QStringList {"--d", "nan"} << "--d \"nan\"";
        QTest::newRow("too small for a double")
                << "" << kPlot + QStringList {"--a", "1e-400"} << "--a \"1e-400\"";
        QTest::newRow("gif") << "" << QStringList {"--render", "p.gif", "--function", "2"}
                             << "--render \"p.gif\"";
        QTest::newRow("no extension") << "" << QStringList {"--render", "p", "--function", "2"}
                                      << ".png, .jpg, .jpeg, .bmp, .svg, .pdf, .csv, .wav";
        QTest::newRow("scale 0") << "" << kPlot + QStringList {"--scale", "0"} << "--scale \"0\"";
        QTest::newRow("scale 9") << "" << kPlot + QStringList {"--scale", "9"} << "--scale \"9\"";
        QTest::newRow("scale not whole")
                << "" << kPlot + QStringList {"--scale", "1.5"} << "--scale \"1.5\"";
        QTest::newRow("a wrong function in the second plot")
                << "" << kPlot + QStringList {"--function", "13"} << "--function \"13\"";
        QTest::newRow("a wrong number in the second plot")
                << "" << kPlot + QStringList {"--function", "1", "--b", "x"} << "--b \"x\"";
        QTest::newRow("a wrong number before the first plot")
                << "" << QStringList {"--upper", "31", "--render", "p.png", "--function", "2"}
                << "--upper \"31\"";
        QTest::newRow("empty file name")
                << "" << QStringList {"--render=", "--function", "2"} << "--render \"\"";
        QTest::newRow("function code 12")
                << "" << QStringList {"--render", "p.png", "--function", "12"}
                << "--function \"12\"";
        QTest::newRow("lower above 0")
                << "" << kPlot + QStringList {"--lower", "1"} << "--lower \"1\"";
        QTest::newRow("lower below -30")
                << "" << kPlot + QStringList {"--lower", "-31"} << "--lower \"-31\"";
        QTest::newRow("lower not whole")
                << "" << kPlot + QStringList {"--lower", "-1.5"} << "--lower \"-1.5\"";
        QTest::newRow("upper above 30")
                << "" << kPlot + QStringList {"--upper", "31"} << "--upper \"31\"";
        QTest::newRow("upper below 0")
                << "" << kPlot + QStringList {"--upper", "-1"} << "--upper \"-1\"";
        QTest::newRow("screen of 18 GB") << "" << kPlot + QStringList {"--screen", "99999x99999"}
                                         << "--screen \"99999x99999\"";
        QTest::newRow("screen one pixel too wide")
                << "" << kPlot + QStringList {"--screen", "7681x4320"} << "7681x4320";
        QTest::newRow("screen one pixel too high")
                << "" << kPlot + QStringList {"--screen", "7680x4321"} << "7680x4321";
        QTest::newRow("screen one pixel too narrow")
                << "" << kPlot + QStringList {"--screen", "319x200"} << "319x200";
        QTest::newRow("screen one pixel too low")
                << "" << kPlot + QStringList {"--screen", "320x199"} << "320x199";
        QTest::newRow("screen without x")
                << "" << kPlot + QStringList {"--screen", "1024"} << "--screen \"1024\"";
        QTest::newRow("a plot option without --render")
                << "" << QStringList {"--a", "2"} << "--render";
        QTest::newRow("--render without --function")
                << "" << QStringList {"--render", "p.png"} << "--function";
    }

    void usageErrors()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const CommandLine line = parsedIn(locale, arguments);
        QCOMPARE(line.action, Action::UsageError);
        QVERIFY2(line.error.contains(named), qPrintable(line.error));
        QVERIFY(!line.error.contains(QLatin1Char('\n')));
    }

    void helpNamesEveryFunctionAndFormat()
    {
        const QString help = helpText();
        for (const plot::Entry &entry : plot::catalogue())
            QVERIFY2(help.contains(QStringLiteral("%1  %2\n").arg(entry.code).arg(entry.text)),
                     qPrintable(entry.text));
        for (const QString &extension : plotExtensions())
            QVERIFY2(help.contains(extension), qPrintable(extension));
        QVERIFY(help.contains("1..8 (default 1)"));
        QVERIFY(help.contains("320x200 to 7680x4320"));
        QVERIFY(helpHint().contains("curvanta --help"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
