#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

// What `--render` draws: the plot area after choosing `function`, typing the coefficient texts,
// setting the bars and pressing Plot once, on a screen of `screen` pixels.
struct RenderRequest
{
    QString file;
    QString function; // the text the function list shows
    std::array<QString, 4> coefficients {QStringLiteral("1"), QStringLiteral("1"),
                                         QStringLiteral("1"), QStringLiteral("1")};
    int lower = -30;
    int upper = 30;
    QSize screen {1024, 768}; // pixels
};

struct CommandLine
{
    enum class Action { Window, Help, Version, Render, UsageError };
    Action action = Action::Window;
    RenderRequest render;
    QString error; // one line naming the option and the value, for a usage error
};

// Reads the program's own arguments (without the program name). Qt's own single-dash options
// (-platform, -style, ...) are left for the window.
CommandLine parseCommandLine(const QStringList &arguments);

// The text of --help.
QString helpText();
