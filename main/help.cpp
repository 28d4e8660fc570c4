#include "help.h"

#include "options.h"

#include "plot/catalogue.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

using options::Kind;
using options::Option;

constexpr qsizetype kTextColumn = 20; // where the text of an option's entry begins
constexpr qsizetype kWidth = 76;      // the longest line, as long as those of the text around

// One entry of a table of options, laid out as help2man reads it: the names from the third
// column, the text from kTextColumn on (below the names where they reach it), wrapped at kWidth.
QString entry(const QString &names, const QString &text)
{
    const QString indent(kTextColumn, QLatin1Char(' '));
    QString lines = QLatin1String("  ") + names;
    if (lines.size() + 2 <= kTextColumn)
        lines += QString(kTextColumn - lines.size(), QLatin1Char(' '));
    else
        lines += QLatin1Char('\n') + indent;
    qsizetype column = kTextColumn;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0 && column + 1 + words[i].size() > kWidth) {
            lines += QLatin1Char('\n') + indent;
            column = kTextColumn;
        } else if (i > 0) {
            lines += QLatin1Char(' ');
            ++column;
        }
        lines += words[i];
        column += words[i].size();
    }
    return lines + QLatin1Char('\n');
}

QString helpOf(const Option &option)
{
    const QString help = QCoreApplication::translate("CommandLine", option.help);
    return option.fill ? option.fill(help) : help;
}

// The entries of the options --help lists, in their order.
QString optionTable()
{
    const auto all = options::all();
    QString table;
    for (auto option = all.begin(); option != all.end();) {
        if (!option->help) {
            ++option;
            continue;
        }
        QStringList names;
        auto next = option;
        for (; next != all.end() && next->help && qstrcmp(next->help, option->help) == 0; ++next)
            names << options::synopsis(*next);
        table += entry(names.join(QLatin1String(", ")), helpOf(*option));
        option = next;
    }
    return table
            + entry(QStringLiteral("--"),
                    QCoreApplication::translate("CommandLine", "ends the options"));
}

// What --function given again does, with the plot options that belong to each plot.
QString severalPlots()
{
    const auto all = options::all();
    const auto function = std::find_if(
            all.begin(), all.end(), [](const Option &option) { return option.kind == Kind::Plot; });
    QStringList plotOptions;
    for (const Option &option : all) {
        if (option.kind == Kind::PlotValue)
            plotOptions << QLatin1String("--") + QLatin1String(option.name);
    }
    return entry(options::synopsis(*function),
                 QCoreApplication::translate(
                         "CommandLine",
                         "given again, adds a plot: the plots are drawn in turn on one sheet, as "
                         "pressing Plot for each would draw them. The plot options (%1) after a "
                         "--function belong to its plot alone; those before the first --function "
                         "hold for every plot that does not give its own.")
                         .arg(plotOptions.join(QLatin1String(", "))));
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
                   "%1"
                   "An option's value is the next argument, or follows an equals sign in\n"
                   "the same one. Qt's own options, such as -platform NAME or -style NAME,\n"
                   "are accepted too.\n"
                   "\n"
                   "Functions:\n"
                   "%2\n"
                   "Exit status: 0 when done, 1 when the plot or the file failed or no\n"
                   "display was found for the window, 2 when the command line is wrong.\n")
                   .arg(optionTable(), functions)
            + QCoreApplication::translate(
                      "CommandLine",
                      "\n"
                      "Drawings, tables, sound and several plots:\n"
                      "  .svg and .pdf draw the sheet, sharp at any size; .csv is a table of\n"
                      "  the dots drawn, one row each with the plot's number, the function, x\n"
                      "  and y; .wav is the plots' sound; .txt tells every point of interest of\n"
                      "  every plot in words (crossings of y = 0, turning points, gaps), in the\n"
                      "  user's language.\n"
                      "\n"
                      "%1"
                      "\n"
                      "Example: a worksheet with y = x^2, y = 2x^2 and y = x^3 on one sheet\n"
                      "(each coefficient is divided by 1.5, so 3 draws 2):\n"
                      "  curvanta --render worksheet.pdf --annotate --lower -6 --upper 6 \\\n"
                      "      --function \"ax^2\" --a 1.5 --function \"ax^2\" --a 3 \\\n"
                      "      --function \"ax^3\" --a 1.5\n")
                      .arg(severalPlots())
            + QCoreApplication::translate(
                    "CommandLine",
                    "\n"
                    "In the window, with the plot area focused, the arrow keys move a\n"
                    "crosshair whose tone follows the latest plot, and L (or \"Listen to the\n"
                    "Plot\" in its context menu) plays the plots as sound: the pitch follows y\n"
                    "as x runs from left to right. L again or Escape stops it; 1 to 9 set its\n"
                    "speed. T traces the latest plot along its dots, each step spoken and\n"
                    "sounded: Left and Right a tenth of a unit (with Ctrl, a unit), Page Up\n"
                    "and Page Down the points of interest, Home and End the ends, Up and\n"
                    "Down the other plots; T again or Escape ends it.\n");
}

QString helpHint()
{
    return QCoreApplication::translate("CommandLine",
                                       "Try 'curvanta --help' for more information.");
}
