#include "commandline.h"

#include "options.h"

#include "export/plotfiles.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <optional>
#include <span>

namespace {

using options::Kind;
using options::Option;

// The last value given for each option of the whole command line, or of one plot.
using Given = std::map<const Option *, QString>;

// What one pass over the arguments found, before any value is checked.
struct Pass
{
    Given line;
    std::vector<Given> plots {Given()}; // first the options before the first --function
    QStringList qtArguments;
    QStringList stray;   // arguments that are no option
    QStringList unknown; // names of options there are none of
    QString error;       // the last option with a value missing or one too many
};

// Qt's own words (QCommandLineParser's) for what an option lacks, so that Qt's translations of
// them reach the user as they always did. Hidden from lupdate: they are not the program's.
QString qtWords(const char *text)
{
    return QCoreApplication::translate("QCommandLineParser", text);
}

void keep(Pass &pass, const Option &option, const QString &value)
{
    const QString dashed = QLatin1Char('-') + QLatin1String(option.name);
    switch (option.kind) {
    case Kind::Answer:
    case Kind::Flag:
    case Kind::Value:
        pass.line[&option] = value;
        break;
    case Kind::Plot:
        pass.plots.push_back(Given {{&option, value}});
        break;
    case Kind::PlotValue:
        pass.plots.back()[&option] = value;
        break;
    case Kind::QtFlag:
        pass.qtArguments << dashed;
        break;
    case Kind::QtValue:
        pass.qtArguments << dashed << value;
        break;
    case Kind::QtJoinedValue:
        pass.qtArguments << dashed + QLatin1Char('=') + value;
        break;
    }
}

Pass read(const QStringList &arguments)
{
    Pass pass;
    bool optionsEnded = false;
    for (auto argument = arguments.cbegin(); argument != arguments.cend(); ++argument) {
        if (optionsEnded || !argument->startsWith(QLatin1Char('-')) || argument->size() == 1) {
            pass.stray << *argument;
            continue;
        }
        if (*argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype dashes = argument->startsWith(QLatin1String("--")) ? 2 : 1;
        const qsizetype equals = argument->indexOf(QLatin1Char('='));
        const QString name = argument->mid(dashes, equals < 0 ? -1 : equals - dashes);
        const Option *option = options::find(name);
        if (!option) {
            pass.unknown << name;
            continue;
        }
        QString value;
        if (options::takesValue(option->kind) && equals >= 0) {
            value = argument->mid(equals + 1);
        } else if (options::takesValue(option->kind)) {
            if (argument + 1 == arguments.cend()) {
                pass.error = qtWords("Missing value after '%1'.").arg(*argument);
                break;
            }
            value = *++argument;
        } else if (equals >= 0) {
            pass.error = qtWords("Unexpected value after '%1'.").arg(argument->left(equals));
            continue;
        }
        keep(pass, *option, value);
    }
    return pass;
}

CommandLine usageError(const QString &message)
{
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = message;
    return line;
}

// Checks the options of `given` among `options` in their order, keeping their values in `line` and
// `plot`, or returns the usage error that names the first wrong one.
std::optional<CommandLine> check(const Given &given, std::span<const Option> options,
                                 CommandLine &line, PlotRequest &plot)
{
    for (const Option &option : options) {
        const auto value = given.find(&option);
        if (value == given.end())
            continue;
        const QString needed = option.read(value->second, line, plot);
        if (!needed.isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "%1 \"%2\": %3")
                                      .arg(QLatin1String("--") + QLatin1String(option.name),
                                           value->second, needed));
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const Pass pass = read(arguments);
    if (!pass.error.isEmpty())
        return usageError(pass.error);
    if (pass.unknown.size() == 1)
        return usageError(qtWords("Unknown option '%1'.").arg(pass.unknown.constFirst()));
    if (!pass.unknown.isEmpty())
        return usageError(
                qtWords("Unknown options: %1.").arg(pass.unknown.join(QLatin1String(", "))));
    CommandLine line;
    PlotRequest common;
    const auto all = options::all();
    for (const Option &option : all) {
        if (option.kind == Kind::Answer && pass.line.count(&option)) {
            option.read(QString(), line, common);
            return line;
        }
    }
    if (!pass.stray.isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "unknown argument \"%1\"")
                                  .arg(pass.stray.constFirst()));

    line.qtArguments = pass.qtArguments;
    // The plots are checked where the first of their options stands in the table, the options
    // for the whole command line before and after them.
    const auto plots = std::find_if(all.begin(), all.end(), [](const Option &option) {
        return options::isPlot(option.kind);
    });
    if (auto error = check(pass.line, {all.begin(), plots}, line, common))
        return *error;
    if (auto error = check(pass.plots.front(), all, line, common))
        return *error;
    for (auto given = pass.plots.cbegin() + 1; given != pass.plots.cend(); ++given) {
        PlotRequest plot = common;
        if (auto error = check(*given, all, line, plot))
            return *error;
        line.render.plots.push_back(plot);
    }
    if (auto error = check(pass.line, {plots, all.end()}, line, common))
        return *error;
    if (pass.line.empty() && pass.plots.size() == 1 && pass.plots.front().empty())
        return line;
    if (line.render.file.isEmpty())
        return usageError(QCoreApplication::translate(
                "CommandLine", "--render FILE is needed with the other options"));
    if (line.render.plots.empty())
        return usageError(
                QCoreApplication::translate("CommandLine", "--function is needed with --render"));
    if (!line.render.title.isEmpty() && !line.render.annotate)
        return usageError(QCoreApplication::translate(
                "CommandLine", "--title is for a worksheet: add --annotate"));
    if (line.render.annotate && !plotFormatDraws(plotFormatFor(line.render.file)))
        return usageError(
                QCoreApplication::translate("CommandLine", "%1 \"%2\": %3")
                        .arg(QStringLiteral("--render"), line.render.file,
                             QCoreApplication::translate(
                                     "CommandLine",
                                     "a worksheet is drawn: the file name must end in "
                                     "one of %1")
                                     .arg(plotExtensions(true).join(QLatin1String(", ")))));
    line.action = CommandLine::Action::Render;
    return line;
}
