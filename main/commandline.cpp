#include "commandline.h"

#include "plot/catalogue.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

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
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

CommandLine usageError(const QString &message)
{
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = message;
    return line;
}

CommandLine badValue(const QString &option, const QString &value, const char *expected)
{
    return usageError(
            QCoreApplication::translate("CommandLine", "%1 \"%2\": %3")
                    .arg(option, value, QCoreApplication::translate("CommandLine", expected)));
}

} // namespace

QString helpText()
{
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
            "  --render FILE     write the plot area to the PNG file FILE, without a window\n"
            "  --function TEXT   the function as the list shows it (\"bsin(ax)\") or its\n"
            "                    code 1-11\n"
            "  --a T, --b T, --c T, --d T\n"
            "                    the texts typed into a=, b=, c=, d= (default 1)\n"
            "  --lower N         the negative end of the x range, -30..0 (default -30)\n"
            "  --upper N         the positive end of the x range, 0..30 (default 30)\n"
            "  --screen WxH      the screen size in pixels (default 1024x768)\n"
            "\n"
            "Qt's own options, such as -platform NAME or -style NAME, are accepted\n"
            "too.\n");
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool anyRenderOption = false;
    bool haveFunction = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        if (option == QLatin1String("-h"))
            return CommandLine {CommandLine::Action::Help, {}, {}};
        if (!option.startsWith(QLatin1String("--")))
            continue;
        if (option == QLatin1String("--help"))
            return CommandLine {CommandLine::Action::Help, {}, {}};
        if (option == QLatin1String("--version"))
            return CommandLine {CommandLine::Action::Version, {}, {}};
        std::optional<QString> value;
        if (const qsizetype equals = option.indexOf(QLatin1Char('=')); equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        static const QStringList renderOptions {"--render", "--function", "--a",
                                                "--b",      "--c",        "--d",
                                                "--lower",  "--upper",    "--screen"};
        if (!renderOptions.contains(option))
            return usageError(QCoreApplication::translate("CommandLine", "unknown option \"%1\"")
                                      .arg(arguments[i]));
        if (!value) {
            if (++i >= arguments.size())
                return usageError(
                        QCoreApplication::translate("CommandLine", "%1 needs a value").arg(option));
            value = arguments[i];
        }
        anyRenderOption = true;
        RenderRequest &r = line.render;
        if (option == QLatin1String("--render")) {
            if (value->isEmpty())
                return badValue(option, *value,
                                QT_TRANSLATE_NOOP("CommandLine", "a file name is needed"));
            r.file = *value;
        } else if (option == QLatin1String("--function")) {
            const auto text = functionText(*value);
            if (!text)
                return badValue(option, *value,
                                QT_TRANSLATE_NOOP("CommandLine", "no such function"));
            r.function = *text;
            haveFunction = true;
        } else if (option == QLatin1String("--lower") || option == QLatin1String("--upper")) {
            const bool lower = option == QLatin1String("--lower");
            const auto n = lower ? limit(*value, -30, 0) : limit(*value, 0, 30);
            if (!n)
                return badValue(option, *value,
                                lower ? QT_TRANSLATE_NOOP("CommandLine",
                                                          "a whole number from -30 to 0 is needed")
                                      : QT_TRANSLATE_NOOP("CommandLine",
                                                          "a whole number from 0 to 30 is needed"));
            (lower ? r.lower : r.upper) = *n;
        } else if (option == QLatin1String("--screen")) {
            const auto size = screenSize(*value);
            if (!size)
                return badValue(
                        option, *value,
                        QT_TRANSLATE_NOOP("CommandLine", "a size such as 1024x768 is needed"));
            r.screen = *size;
        } else {
            r.coefficients[option.at(2).unicode() - 'a'] = *value;
        }
    }
    if (!anyRenderOption)
        return line;
    if (line.render.file.isNull())
        return usageError(QCoreApplication::translate(
                "CommandLine", "--render FILE is needed with the other options"));
    if (!haveFunction)
        return usageError(
                QCoreApplication::translate("CommandLine", "--function is needed with --render"));
    line.action = CommandLine::Action::Render;
    return line;
}
