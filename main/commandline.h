#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// One plot that `--render` draws: choosing `function`, typing the coefficient texts, setting the
// bars and pressing Plot.
struct PlotRequest
{
    QString function; // the text the function list shows
    // Numbers with a decimal point whatever the user's language, as given: in the C locale each
    // reads as a number, perhaps one too large for the plot.
    std::array<QString, 4> coefficients {QStringLiteral("1"), QStringLiteral("1"),
                                         QStringLiteral("1"), QStringLiteral("1")};
    int lower = -30;
    int upper = 30;
};

// What `--render` draws: the plot area after each of `plots` in turn, on a screen of `screen`
// pixels, written to `file` in the format its extension names.
struct RenderRequest
{
    QString file; // its extension names a format the plot can be saved in
    std::vector<PlotRequest> plots;
    QSize screen {1024, 768}; // pixels
    int scale = 1;            // an image's pixels across and down to one of the plot area's
    bool annotate = false;    // drawn as a worksheet: numbered axes, a colour and a legend
    QString title;            // above a worksheet's legend; none where empty
};

struct CommandLine
{
    enum class Action { Window, Help, Version, Render, UsageError };
    Action action = Action::Window;
    RenderRequest render;
    QString error; // one line naming the option and the value, for a usage error
    // Qt's own options for the window (-platform NAME, -style NAME, ...), in the form Qt reads.
    QStringList qtArguments;
};

// Reads the program's arguments (without the program name) in one pass, with the options that
// options::all() describes. Options take one dash or two and their value as the next argument
// or after "="; `--` ends them, and any argument that is no option is a usage error. Qt's own
// options (-platform NAME, -style NAME, ...) are handed on in qtArguments, in their order.
CommandLine parseCommandLine(const QStringList &arguments);
