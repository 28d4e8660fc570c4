#include "commandline.h"

#include "plot/catalogue.h"
#include "plot/convert.h"
#include "ui/imageoutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <optional>

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
                   "  --render FILE     draw the plot area without a window into the image\n"
                   "                    FILE, whose extension names the format:\n"
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
                   .arg(ui::imageExtensions().join(QLatin1String(", ")), sizeText(kSmallestScreen),
                        sizeText(kLargestScreen), functions)
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

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // -platform is one option, not -p -l -a ...; our own options work with one dash too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    const auto withValue = [&parser](const char *name) {
        const QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        parser.addOption(option);
        return option;
    };
    const QCommandLineOption file = withValue("render");
    const QCommandLineOption function = withValue("function");
    const QCommandLineOption coefficient[]
            = {withValue("a"), withValue("b"), withValue("c"), withValue("d")};
    const QCommandLineOption lower = withValue("lower");
    const QCommandLineOption upper = withValue("upper");
    const QCommandLineOption screen = withValue("screen");
    for (const char *name : kQtOptionsWithValue)
        withValue(name);
    for (const char *name : kQtFlags)
        parser.addOption(QCommandLineOption(QLatin1String(name)));

    if (!parser.parse(QStringList(QStringLiteral("curvanta")) + arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return only(CommandLine::Action::Help);
    if (parser.isSet(version))
        return only(CommandLine::Action::Version);
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "unknown argument \"%1\"")
                                  .arg(parser.positionalArguments().constFirst()));

    CommandLine line;
    line.platform = parser.value(QStringLiteral("platform"));
    line.display = parser.value(QStringLiteral("display"));
    line.qtArguments = qtArguments(parser);
    RenderRequest &r = line.render;
    const auto dashed = [](const QCommandLineOption &option) {
        return QLatin1String("--") + option.names().constFirst();
    };
    if (parser.isSet(file)) {
        r.file = parser.value(file);
        if (r.file.isEmpty())
            return badValue(dashed(file), r.file,
                            QCoreApplication::translate("CommandLine", "a file name is needed"));
        if (ui::imageFormatFor(r.file).isEmpty())
            return badValue(dashed(file), r.file,
                            QCoreApplication::translate("CommandLine",
                                                        "the file name must end in one of %1")
                                    .arg(ui::imageExtensions().join(QLatin1String(", "))));
    }
    if (parser.isSet(function)) {
        const auto text = functionText(parser.value(function));
        if (!text)
            return badValue(dashed(function), parser.value(function),
                            QCoreApplication::translate("CommandLine", "no such function"));
        r.function = *text;
    }
    for (int i = 0; i < 4; ++i) {
        if (!parser.isSet(coefficient[i]))
            continue;
        r.coefficients[i] = parser.value(coefficient[i]);
        if (!isNumber(r.coefficients[i]))
            return badValue(dashed(coefficient[i]), r.coefficients[i],
                            QCoreApplication::translate(
                                    "CommandLine",
                                    "a number written with a decimal point, such as 1.5, "
                                    "is needed"));
    }
    if (parser.isSet(lower)) {
        const auto n = limit(parser.value(lower), -30, 0);
        if (!n)
            return badValue(dashed(lower), parser.value(lower),
                            QCoreApplication::translate("CommandLine",
                                                        "a whole number from -30 to 0 is needed"));
        r.lower = *n;
    }
    if (parser.isSet(upper)) {
        const auto n = limit(parser.value(upper), 0, 30);
        if (!n)
            return badValue(dashed(upper), parser.value(upper),
                            QCoreApplication::translate("CommandLine",
                                                        "a whole number from 0 to 30 is needed"));
        r.upper = *n;
    }
    if (parser.isSet(screen)) {
        const auto size = screenSize(parser.value(screen));
        if (!size)
            return badValue(
                    dashed(screen), parser.value(screen),
                    QCoreApplication::translate("CommandLine", "a size from %1 to %2 is needed")
                            .arg(sizeText(kSmallestScreen), sizeText(kLargestScreen)));
        r.screen = *size;
    }
    const QCommandLineOption *const renderOptions[]
            = {&file,           &function, &coefficient[0], &coefficient[1], &coefficient[2],
               &coefficient[3], &lower,    &upper,          &screen};
    if (std::none_of(std::begin(renderOptions), std::end(renderOptions),
                     [&parser](const QCommandLineOption *option) { return parser.isSet(*option); }))
        return line;
    if (!parser.isSet(file))
        return usageError(QCoreApplication::translate(
                "CommandLine", "--render FILE is needed with the other options"));
    if (!parser.isSet(function))
        return usageError(
                QCoreApplication::translate("CommandLine", "--function is needed with --render"));
    line.action = CommandLine::Action::Render;
    return line;
}
