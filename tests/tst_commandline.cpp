#include "main/commandline.h"
#include "main/display.h"
#include "main/help.h"
#include "main/options.h"
#include "main/translations.h"

#include <QtTest>

#include <QTranslator>

#include <optional>

namespace {

// What the command line does, in short: "window", "help" or "version", or a render's file; Qt's
// options handed on; a screen and a scale that are not the default; and each plot's function
// with the values that are not: "p.png 800x600 x8 | ax a=1.5 -12..12". Or the usage error.
QString described(const CommandLine &line)
{
    const RenderRequest &r = line.render;
    if (line.action == CommandLine::Action::UsageError)
        return line.error;
    QStringList words
            = QStringList {QStringList {"window", "help", "version", r.file}.at(int(line.action))}
            + line.qtArguments;
    if (r.screen != QSize(1024, 768))
        words << QStringLiteral("%1x%2").arg(r.screen.width()).arg(r.screen.height());
    if (r.scale != 1)
        words << QStringLiteral("x%1").arg(r.scale);
    for (const PlotRequest &plot : r.plots) {
        words << "|" << plot.function;
        for (int i = 0; i < 4; ++i) {
            if (plot.coefficients[i] != "1")
                words << QStringLiteral("%1=%2").arg(QChar('a' + i), plot.coefficients[i]);
        }
        if (plot.lower != -30 || plot.upper != 30)
            words << QStringLiteral("%1..%2").arg(plot.lower).arg(plot.upper);
    }
    return words.join(' ');
}

// A row of arguments separated by blanks, "@" standing for "--render p.png --function 2".
void row(const char *name, const char *arguments, const char *expected)
{
    const QString line = QString(arguments).replace("@", "--render p.png --function 2");
    QTest::newRow(name) << line.split(' ', Qt::SkipEmptyParts) << QString(expected);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        row("nothing opens the window", "", "window");
        row("-h, before --version", "--version -h", "help");
        row("-version", "-version", "version");
        row("--help beside a wrong value and a stray argument", "@ --a x --help foo", "help");
        row("Qt's, in order", "-style=f -reverse --style g", "window -style f -reverse -style g");
        row("the QML debugger's value after =", "-qmljsdebugger p:1", "window -qmljsdebugger=p:1");
        row("defaults", "--render p.png --function ax", "p.png | ax");
        row("values next", "@ --a 1.5 --b -2 --upper 0", "p.png | bsin(ax) a=1.5 b=-2 -30..0");
        row("after =", "--render=p.bmp --function=7 --c=4 --lower=0", "p.bmp | ax c=4 0..30");
        row("one dash", "-render P.JPEG -function 11 -scale 8", "P.JPEG x8 | a(e^bx)");
        row("the last counts", "@ --a x --a 2 --scale 9 --scale=2", "p.png x2 | bsin(ax) a=2");
        row("-- at the end", "@ --", "p.png | bsin(ax)");
        row("Qt's and --render", "-style f @", "p.png -style f | bsin(ax)");
        row("largest screen", "@ --screen=7680x4320", "p.png 7680x4320 | bsin(ax)");
        row("smallest screen", "@ --screen 320x200", "p.png 320x200 | bsin(ax)");
        row("dashed values", "--render -p.csv --function 2 --b 1e400", "-p.csv | bsin(ax) b=1e400");
        row("two plots", "@ --a 1.5 --function 8 --a 3", "p.png | bsin(ax) a=1.5 | ax^2 a=3");
        row("a plot's own", "@ --b 2 --function 1", "p.png | bsin(ax) b=2 | bcos(ax)");
        row("shared", "--c 2 --d 2 @ --function 7 --c 3", "p.png | bsin(ax) c=2 d=2 | ax c=3 d=2");
        row("last in a plot", "@ --d 2 --d 3 --function 1", "p.png | bsin(ax) d=3 | bcos(ax)");
        row("value --function", "-name --function @", "p.png -name --function | bsin(ax)");
        row("amid a plot", "--function 7 --render q.wav --a 2 --scale 3", "q.wav x3 | ax a=2");
        row("unknown option", "@ --frobnicate", "Unknown option 'frobnicate'.");
        row("unknown options", "--frobnicate=2 --x 3", "Unknown options: frobnicate, x.");
        row("an unknown option and --help", "--help ---x", "Unknown option '-x'.");
        row("value missing", "@ --b", "Missing value after '--b'.");
        row("value missing after one dash", "-platform", "Missing value after '-platform'.");
        row("value on a flag", "-h=1", "Unexpected value after '-h'.");
        row("last wrong value", "--f -h=2 -reverse=1", "Unexpected value after '-reverse'.");
        row("stray argument", "-platform xcb foo", "unknown argument \"foo\"");
        row("stray argument first", "@ --a x .5", "unknown argument \".5\"");
        row("an option after --", "-- --help", "unknown argument \"--help\"");
        row("a lone dash", "-", "unknown argument \"-\"");
        row("decimal comma", "@ --a 1,5", "--a \"1,5\": a number written with a decimal point");
        row("group separator", "@ --b 1,500", "--b \"1,500\":");
        row("gif", "--render p.gif", "--render \"p.gif\": the file name must end in one of .png");
        row("empty file name", "--render= --function 2", "--render \"\": a file name is needed");
        row("function 12", "--render p.png --function 12", "--function \"12\": no such function");
        row("wrong number in the second plot", "@ --function 1 --b x", "--b \"x\":");
        row("lower above 0", "@ --lower 1", "--lower \"1\": a whole number from -30 to 0");
        row("lower below -30", "@ --lower -31", "--lower \"-31\":");
        row("lower not whole", "@ --lower -1.5", "--lower \"-1.5\":");
        row("upper above 30", "--upper 31 @", "--upper \"31\": a whole number from 0 to 30");
        row("upper below 0", "@ --upper -1", "--upper \"-1\":");
        row("scale 0", "@ --scale 0", "--scale \"0\": a whole number from 1 to 8");
        row("scale 9", "@ --scale 9", "--scale \"9\":");
        row("screen too wide", "@ --screen 7681x4320", "--screen \"7681x4320\": a size from");
        row("screen too high", "@ --screen 7680x4321", "--screen \"7680x4321\":");
        row("screen too narrow", "@ --screen 319x200", "--screen \"319x200\":");
        row("screen too low", "@ --screen 320x199", "--screen \"320x199\":");
        row("screen without x", "@ --screen 1024", "--screen \"1024\":");
        row("no --render", "--a 2", "--render FILE is needed with the other options");
        row("no --function", "--render p.png", "--function is needed with --render");
        row("first the file", "--screen 1 --render p.gif --function 12", "--render \"p.gif\"");
        row("then the plots", "--render p.png --screen 1 --a x --lower 5 --function 12", "--a");
        row("then each plot", "--render p.png --screen 1 --function 12 --lower 5", "--function");
        row("then the screen, then the scale", "--scale 0 --screen 1 --a 2", "--screen \"1\"");
        row("then what is missing", "--scale 9 --a 2", "--scale \"9\"");
        row("German: 1.5 with a point", "@ --a 1.5 --b 1.000", "p.png | bsin(ax) a=1.5 b=1.000");
        row("German: decimal comma", "@ --a 1,5", "--a \"1,5\": eine Zahl mit Dezimalpunkt");
        row("German: unknown option", "--frobnicate", "Unbekannte Option 'frobnicate'.");
    }

    // Rows named "German: ..." are read in German, with its translations: numbers still take a
    // decimal point; the messages, Qt's own too, are German.
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const bool german = QByteArray(QTest::currentDataTag()).startsWith("German");
        const QLocale before;
        if (german) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            installTranslations();
        }
        const CommandLine line = parseCommandLine(arguments);
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        QLocale::setDefault(before);
        // A usage error's message is compared as far as `expected` goes; it is one line.
        const QString got = described(line);
        QCOMPARE(line.action == CommandLine::Action::UsageError ? got.left(expected.size()) : got,
                 expected);
        QVERIFY(!line.error.contains('\n'));
    }

    // Each option --help lists heads an entry, whose text (its numbers filled in) is there once;
    // every line fits 80 columns.
    void helpListsTheOptions()
    {
        const QString help = helpText();
        for (const QString &line : help.split('\n'))
            QVERIFY2(line.size() < 80, qPrintable(line));
        for (const options::Option &option : options::all()) {
            if (!option.help)
                continue;
            const QString text = option.fill ? option.fill(option.help) : QString(option.help);
            const QString entry = "\n  (--\\w+ \\w+, )*%1(, --\\w+ \\w+)*(  |\n)";
            QVERIFY2(help.contains(QRegularExpression(entry.arg(options::synopsis(option)))),
                     option.name);
            QVERIFY2(help.simplified().count(text.simplified()) == 1, option.name);
        }
    }

    // Qt's messages are held while its platform starts, and passed on once it has started.
    void messagesHeldWhileThePlatformStarts()
    {
        static QStringList seen;
        const QtMessageHandler before = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &text) { seen << text; });
        std::optional<PlatformStartGuard> guard(std::in_place, QString());
        qWarning("starting");
        const QStringList whileStarting = seen;
        guard.reset();
        qInstallMessageHandler(before);
        QCOMPARE(whileStarting + seen, QStringList {"starting"});
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
