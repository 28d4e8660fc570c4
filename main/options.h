#pragma once

#include <QString>
#include <QStringView>

#include <span>

struct CommandLine;
struct PlotRequest;

// The one description of the command line's options: the parser reads the arguments with it, and
// --help (and from it the manual page) lists them.
namespace options {

// What an option is: whose it is, whether it takes a value, and where that value goes.
enum class Kind {
    Answer,    // answered at once, whatever else is given: --help, --version
    Flag,      // the program's option without a value
    Value,     // the program's option with a value, for the whole command line
    Plot,      // begins a plot, whose value is its own: --function
    PlotValue, // after a --function, that plot's; before the first, every plot's that gives none
    QtFlag,    // Qt's own, handed on to the window: -reverse
    QtValue,   // Qt's own with a value: -style NAME
    QtJoinedValue, // Qt's own whose value Qt reads only after "=": -qmljsdebugger=...
};

bool takesValue(Kind kind);
bool isPlot(Kind kind); // Plot or PlotValue

// Checks an option's value and keeps it in `line` or, for a plot's option, in `plot`. Returns what
// a right value would be where this one is wrong (translated), an empty text where it is right.
using Read = QString (*)(const QString &value, CommandLine &line, PlotRequest &plot);

struct Option
{
    const char *name; // without dashes
    Kind kind;
    const char *valueName = nullptr; // translated in context "CommandLine"; nullptr for no value
    // Translated in context "CommandLine"; nullptr where --help does not list the option. Rows
    // next to each other with the same text share one entry of --help.
    const char *help = nullptr;
    Read read = nullptr;                            // every option of the program's own has one
    QString (*fill)(const QString &help) = nullptr; // puts the numbers `help` names into it
};

// Every option, in the order --help lists them and their values are checked.
std::span<const Option> all();

// The option named `name` (without dashes); nullptr where there is none.
const Option *find(QStringView name);

// "--name VALUE", as --help shows it.
QString synopsis(const Option &option);

} // namespace options
