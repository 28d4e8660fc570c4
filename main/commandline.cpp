#include "commandline.h"

#include "export/plotfiles.h"
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "sheet/sheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr QSize kSmallestScreen {320, 200};
constexpr QSize kLargestScreen {7680, 4320}; // beyond it the images alone take gigabytes

// Qt's own options, which QApplication reads and takes out of its arguments when the window opens.
const char *const kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "geometry",
                                           "qwindowtitle",    "title",
                                           "qwindowicon",     "icon",
                                           "session",         "style",
                                           "stylesheet",      "qmljsdebugger",
                                           "display",         "name",
                                           "visual"}; // the last three: X11 only
const char *const kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

bool isQtFlag(const QString &name)
{
    return std::any_of(std::begin(kQtFlags), std::end(kQtFlags),
                       [&name](const char *flag) { return name == QLatin1String(flag); });
}

bool isQtOptionWithValue(const QString &name)
{
    return std::any_of(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue),
                       [&name](const char *option) { return name == QLatin1String(option); });
}

// Qt's options as given, in their order, in the one form Qt reads each in: "-style fusion" also
// for --style=fusion.
QStringList qtArguments(const QCommandLineParser &parser)
{
    QStringList arguments;
    QHash<QString, qsizetype> seen; // how often each option came before
    for (const QString &name : parser.optionNames()) {
        const QString option = QLatin1Char('-') + name;
        if (isQtFlag(name)) {
            arguments << option;
        } else if (isQtOptionWithValue(name)) {
            const QString value = parser.values(name).at(seen[name]++);
            if (name == QLatin1String("qmljsdebugger"))
                arguments << option + QLatin1Char('=') + value;
            else
                arguments << option << value;
        }
    }
    return arguments;
}

std::optional<QString> functionText(const QString &value)
{
    bool isNumber = false;
    const int code = value.toInt(&isNumber);
    for (const plot::Entry &entry : plot::catalogue()) {
        if (entry.text == value || (isNumber && entry.code == code))
            return entry.text;
    }
    return std::nullopt;
}

// A number as the boxes read it, but in the C locale: a decimal point, no group separators.
// One too large for a double still counts, so that the plot reports it as the window does.
bool isNumber(const QString &value)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return plot::strictNumber(value, c).status != plot::StrictNumber::Status::NotANumber;
}

std::optional<int> limit(const QString &value, int from, int to)
{
    bool isNumber = false;
    const int n = value.toInt(&isNumber);
    if (!isNumber || n < from || n > to)
        return std::nullopt;
    return n;
}

std::optional<QSize> screenSize(const QString &value)
{
    static const QRegularExpression pattern(
            QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < kSmallestScreen.width() || size.height() < kSmallestScreen.height()
        || size.width() > kLargestScreen.width() || size.height() > kLargestScreen.height())
        return std::nullopt;
    return size;
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

CommandLine only(CommandLine::Action action)
{
    CommandLine line;
    line.action = action;
    return line;
}

CommandLine usageError(const QString &message)
{
    CommandLine line = only(CommandLine::Action::UsageError);
    line.error = message;
    return line;
}

CommandLine badValue(const QString &option, const QString &value, const QString &expected)
{
    return usageError(QCoreApplication::translate("CommandLine", "%1 \"%2\": %3")
                              .arg(option, value, expected));
}

} // namespace

QString helpText()
{
    QString functions;
    for (const plot::Entry &entry : plot::catalogue())
        functions += QStringLiteral("  %1  %2\n").arg(entry.code, 2).arg(entry.text);
    return QCoreApplication::translate(
                   "CommandLine",
                   "Usage: curvanta [--help] [--version]\n"
                   "  or:  curvanta --render FILE --function TEXT [OPTION]...\n"
                   "Plots a chosen function on a sheet of graph paper.\n"
                   "\n"
                   "Without options, Curvanta opens its window. Choose a function from the\n"
                   "list, type its coefficients into the boxes a=, b=, c= and d=, set the\n"
                   "lower and the upper end of the x range with the two scroll bars and\n"
                   "press \"Plot\": the curve appears as red dots on graph paper. Every\n"
                   "coefficient is divided by 1.5 before use, and x runs from each limit\n"
                   "divided by 1.2. Double-click the plot area to clear it; its context menu\n"
                   "saves, copies or prints the plot and undoes a clear. Numbers are typed\n"
                   "in the format of the user's language.\n"
                   "\n"
                   "Options:\n"
                   "  --help            show this text\n"
                   "  --version         show the version\n"
                   "  --render FILE     draw the plot area without a window into FILE, whose\n"
                   "                    extension names the format:\n"
                   "                    %1\n"
                   "  --function TEXT   the function as the list shows it (\"bsin(ax)\") or its\n"
                   "                    code 1-11, as listed below\n"
                   "  --a N, --b N, --c N, --d N\n"
                   "                    the numbers typed into a=, b=, c=, d= (default 1),\n"
                   "                    written with a decimal point (1.5) in every language\n"
                   "  --lower N         the negative end of the x range, -30..0 (default -30)\n"
                   "  --upper N         the positive end of the x range, 0..30 (default 30)\n"
                   "  --screen WxH      the screen size in pixels, %2 to %3\n"
                   "                    (default 1024x768)\n"
                   "  --                ends the options\n"
                   "An option's value is the next argument, or follows an equals sign in\n"
                   "the same one. Qt's own options, such as -platform NAME or -style NAME,\n"
                   "are accepted too.\n"
                   "\n"
                   "Functions:\n"
                   "%4\n"
                   "Exit status: 0 when done, 1 when the plot or the file failed or no\n"
                   "display was found for the window, 2 when the command line is wrong.\n")
                   .arg(plotExtensions().join(QLatin1String(", ")), sizeText(kSmallestScreen),
                        sizeText(kLargestScreen), functions)
            + QCoreApplication::translate(
                      "CommandLine",
                      "\n"
                      "Drawings, tables, sound and several plots:\n"
                      "  .svg and .pdf draw the sheet, sharp at any size; .csv is a table of\n"
                      "  the dots drawn, one row each with the plot's number, the function, x\n"
                      "  and y; .wav is the plots' sound.\n"
                      "  --scale N         an image (.png, .jpg, .jpeg, .bmp) with N times as\n"
                      "                    many pixels across and down, drawn sharp at that\n"
                      "                    size, 1..%1 (default 1)\n"
                      "  --annotate        draw a worksheet to hand out (images, .svg, .pdf):\n"
                      "                    the axes numbered, each curve in a colour of its own\n"
                      "                    (dashed in .svg and .pdf) and a legend with the\n"
                      "                    formula each plot computed and its x range\n"
                      "  --title TEXT      with --annotate, a title above the legend\n"
                      "  --function TEXT   given again, adds a plot: the plots are drawn in\n"
                      "                    turn on one sheet, as pressing Plot for each would\n"
                      "                    draw them. The plot options (--a, --b, --c, --d,\n"
                      "                    --lower, --upper) after a --function belong to its\n"
                      "                    plot alone; those before the first --function hold\n"
                      "                    for every plot that does not give its own.\n"
                      "\n"
                      "Example: a worksheet with y = x^2, y = 2x^2 and y = x^3 on one sheet\n"
                      "(each coefficient is divided by 1.5, so 3 draws 2):\n"
                      "  curvanta --render worksheet.pdf --annotate --lower -6 --upper 6 \\\n"
                      "      --function \"ax^2\" --a 1.5 --function \"ax^2\" --a 3 \\\n"
                      "      --function \"ax^3\" --a 1.5\n")
                      .arg(sheet::kMaxScale)
            + QCoreApplication::translate(
                    "CommandLine",
                    "\n"
                    "In the window, with the plot area focused, the arrow keys move a\n"
                    "crosshair whose tone follows the latest plot, and L (or \"Listen to the\n"
                    "Plot\" in its context menu) plays the plots as sound: the pitch follows y\n"
                    "as x runs from left to right. L again or Escape stops it.\n");
}

QString helpHint()
{
    return QCoreApplication::translate("CommandLine",
                                       "Try 'curvanta --help' for more information.");
}

namespace {

QCommandLineOption withValue(const char *name)
{
    return QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"));
}

// The program's options and Qt's, ready to parse one list of arguments.
struct Options
{
    QCommandLineParser parser;
    const QCommandLineOption help {QStringList {QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version {QStringLiteral("version")};
    const QCommandLineOption file = withValue("render");
    const QCommandLineOption function = withValue("function");
    const QCommandLineOption coefficient[4]
            = {withValue("a"), withValue("b"), withValue("c"), withValue("d")};
    const QCommandLineOption lower = withValue("lower");
    const QCommandLineOption upper = withValue("upper");
    const QCommandLineOption screen = withValue("screen");
    const QCommandLineOption scale = withValue("scale");
    const QCommandLineOption annotate {QStringLiteral("annotate")};

    Options()
    {
        // -platform is one option, not -p -l -a ...; our own options work with one dash too.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, file, function, coefficient[0], coefficient[1],
                           coefficient[2], coefficient[3], lower, upper, screen, scale, annotate});
        for (const char *name : kQtOptionsWithValue)
            parser.addOption(withValue(name));
        for (const char *name : kQtFlags)
            parser.addOption(QCommandLineOption(QLatin1String(name)));
    }

    bool parse(const QStringList &arguments)
    {
        return parser.parse(QStringList(QStringLiteral("curvanta")) + arguments);
    }

    // Whether the option `name` (without dashes) takes a value.
    bool takesValue(const QString &name) const
    {
        const QCommandLineOption *const own[]
                = {&file,           &function, &coefficient[0], &coefficient[1], &coefficient[2],
                   &coefficient[3], &lower,    &upper,          &screen,         &scale};
        return std::any_of(std::begin(own), std::end(own),
                           [&name](const QCommandLineOption *option) {
                               return option->names().contains(name);
                           })
                || isQtOptionWithValue(name);
    }
};

QString dashed(const QCommandLineOption &option)
{
    return QLatin1String("--") + option.names().constFirst();
}

// Where each --function stands in `arguments`, a command line the parser took. Options are
// read as the parser reads them: a value without "=" is the next argument, whatever it looks
// like.
std::vector<qsizetype> functionsAt(const Options &options, const QStringList &arguments)
{
    std::vector<qsizetype> at;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1Char('-')))
            continue; // no option: the parser refused any such but values, skipped below
        const QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("function"))
            at.push_back(i);
        if (!option.contains(QLatin1Char('=')) && options.takesValue(name))
            ++i;
    }
    return at;
}

// Reads one plot's options from `parser` into `plot`: empty where all are good, otherwise the
// usage error that names the first one that is not.
std::optional<CommandLine> readPlot(const Options &options, PlotRequest &plot)
{
    const QCommandLineParser &parser = options.parser;
    if (parser.isSet(options.function)) {
        const auto text = functionText(parser.value(options.function));
        if (!text)
            return badValue(dashed(options.function), parser.value(options.function),
                            QCoreApplication::translate("CommandLine", "no such function"));
        plot.function = *text;
    }
    for (int i = 0; i < 4; ++i) {
        if (!parser.isSet(options.coefficient[i]))
            continue;
        plot.coefficients[i] = parser.value(options.coefficient[i]);
        if (!isNumber(plot.coefficients[i]))
            return badValue(dashed(options.coefficient[i]), plot.coefficients[i],
                            QCoreApplication::translate(
                                    "CommandLine",
                                    "a number written with a decimal point, such as 1.5, "
                                    "is needed"));
    }
    if (parser.isSet(options.lower)) {
        const auto n = limit(parser.value(options.lower), -30, 0);
        if (!n)
            return badValue(dashed(options.lower), parser.value(options.lower),
                            QCoreApplication::translate("CommandLine",
                                                        "a whole number from -30 to 0 is needed"));
        plot.lower = *n;
    }
    if (parser.isSet(options.upper)) {
        const auto n = limit(parser.value(options.upper), 0, 30);
        if (!n)
            return badValue(dashed(options.upper), parser.value(options.upper),
                            QCoreApplication::translate("CommandLine",
                                                        "a whole number from 0 to 30 is needed"));
        plot.upper = *n;
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    Options options;
    QCommandLineParser &parser = options.parser;
    if (!options.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(options.help))
        return only(CommandLine::Action::Help);
    if (parser.isSet(options.version))
        return only(CommandLine::Action::Version);
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "unknown argument \"%1\"")
                                  .arg(parser.positionalArguments().constFirst()));

    CommandLine line;
    line.platform = parser.value(QStringLiteral("platform"));
    line.display = parser.value(QStringLiteral("display"));
    line.qtArguments = qtArguments(parser);
    RenderRequest &r = line.render;
    if (parser.isSet(options.file)) {
        r.file = parser.value(options.file);
        if (r.file.isEmpty())
            return badValue(dashed(options.file), r.file,
                            QCoreApplication::translate("CommandLine", "a file name is needed"));
        if (plotFormatFor(r.file) == PlotFormat::None)
            return badValue(dashed(options.file), r.file,
                            QCoreApplication::translate("CommandLine",
                                                        "the file name must end in one of %1")
                                    .arg(plotExtensions().join(QLatin1String(", "))));
    }
    // The plot options before the first --function hold for every plot; those from each
    // --function to the next belong to that plot alone.
    const std::vector<qsizetype> functions = functionsAt(options, arguments);
    const auto readPlotFrom
            = [&](qsizetype from, qsizetype to, PlotRequest &plot) -> std::optional<CommandLine> {
        Options group;
        group.parse(arguments.mid(from, to - from));
        return readPlot(group, plot);
    };
    PlotRequest common;
    if (auto error
        = readPlotFrom(0, functions.empty() ? arguments.size() : functions.front(), common))
        return *error;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        PlotRequest plot = common;
        const qsizetype end = i + 1 < functions.size() ? functions[i + 1] : arguments.size();
        if (auto error = readPlotFrom(functions[i], end, plot))
            return *error;
        r.plots.push_back(plot);
    }
    if (parser.isSet(options.screen)) {
        const auto size = screenSize(parser.value(options.screen));
        if (!size)
            return badValue(
                    dashed(options.screen), parser.value(options.screen),
                    QCoreApplication::translate("CommandLine", "a size from %1 to %2 is needed")
                            .arg(sizeText(kSmallestScreen), sizeText(kLargestScreen)));
        r.screen = *size;
    }
    if (parser.isSet(options.scale)) {
        const auto n = limit(parser.value(options.scale), 1, sheet::kMaxScale);
        if (!n)
            return badValue(dashed(options.scale), parser.value(options.scale),
                            QCoreApplication::translate("CommandLine",
                                                        "a whole number from 1 to %1 is needed")
                                    .arg(sheet::kMaxScale));
        r.scale = *n;
    }
    // -title is also Qt's, for the window's title on X11; with --render it is the worksheet's.
    r.annotate = parser.isSet(options.annotate);
    r.title = parser.value(QStringLiteral("title"));
    if (parser.isSet(options.file) && !r.title.isEmpty() && !r.annotate)
        return usageError(QCoreApplication::translate(
                "CommandLine", "--title is for a worksheet: add --annotate"));
    if (r.annotate && plotFormatFor(r.file) != PlotFormat::None
        && !plotFormatDraws(plotFormatFor(r.file)))
        return badValue(dashed(options.file), r.file,
                        QCoreApplication::translate("CommandLine",
                                                    "a worksheet is drawn: the file name must end "
                                                    "in one of %1")
                                .arg(plotExtensions(true).join(QLatin1String(", "))));
    const QCommandLineOption *const renderOptions[]
            = {&options.file,           &options.function,       &options.coefficient[0],
               &options.coefficient[1], &options.coefficient[2], &options.coefficient[3],
               &options.lower,          &options.upper,          &options.screen,
               &options.scale,          &options.annotate};
    if (std::none_of(std::begin(renderOptions), std::end(renderOptions),
                     [&parser](const QCommandLineOption *option) { return parser.isSet(*option); }))
        return line;
    if (!parser.isSet(options.file))
        return usageError(QCoreApplication::translate(
                "CommandLine", "--render FILE is needed with the other options"));
    if (!parser.isSet(options.function))
        return usageError(
                QCoreApplication::translate("CommandLine", "--function is needed with --render"));
    line.action = CommandLine::Action::Render;
    return line;
}
