#include "options.h"

#include "commandline.h"

#include "export/plotfiles.h"
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "sheet/sheet.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSize>

#include <algorithm>
#include <optional>

namespace {

using options::Kind;
using options::Option;

constexpr QSize kSmallestScreen {320, 200};
constexpr QSize kLargestScreen {7680, 4320}; // beyond it the images alone take gigabytes

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString extensions()
{
    return plotExtensions().join(QLatin1String(", "));
}

template<CommandLine::Action action>
QString answer(const QString &, CommandLine &line, PlotRequest &)
{
    line.action = action;
    return {};
}

QString file(const QString &value, CommandLine &line, PlotRequest &)
{
    if (value.isEmpty())
        return QCoreApplication::translate("CommandLine", "a file name is needed");
    if (plotFormatFor(value) == PlotFormat::None)
        return QCoreApplication::translate("CommandLine", "the file name must end in one of %1")
                .arg(extensions());
    line.render.file = value;
    return {};
}

QString function(const QString &value, CommandLine &, PlotRequest &plot)
{
    bool isNumber = false;
    const int code = value.toInt(&isNumber);
    for (const plot::Entry &entry : plot::catalogue()) {
        if (entry.text == value || (isNumber && entry.code == code)) {
            plot.function = entry.text;
            return {};
        }
    }
    return QCoreApplication::translate("CommandLine", "no such function");
}

template<int i> QString coefficient(const QString &value, CommandLine &, PlotRequest &plot)
{
    // A number as the boxes read it, but in the C locale: a decimal point, no group separators.
    // One too large for a double still counts, so that the plot reports it as the window does.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    if (plot::strictNumber(value, c).status == plot::StrictNumber::Status::NotANumber)
        return QCoreApplication::translate(
                "CommandLine", "a number written with a decimal point, such as 1.5, is needed");
    plot.coefficients[i] = value;
    return {};
}

std::optional<int> whole(const QString &value, int from, int to)
{
    bool isNumber = false;
    const int n = value.toInt(&isNumber);
    if (!isNumber || n < from || n > to)
        return std::nullopt;
    return n;
}

QString lower(const QString &value, CommandLine &, PlotRequest &plot)
{
    const auto n = whole(value, -30, 0);
    if (!n)
        return QCoreApplication::translate("CommandLine", "a whole number from -30 to 0 is needed");
    plot.lower = *n;
    return {};
}

QString upper(const QString &value, CommandLine &, PlotRequest &plot)
{
    const auto n = whole(value, 0, 30);
    if (!n)
        return QCoreApplication::translate("CommandLine", "a whole number from 0 to 30 is needed");
    plot.upper = *n;
    return {};
}

QString screen(const QString &value, CommandLine &line, PlotRequest &)
{
    static const QRegularExpression pattern(
            QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const QSize size = match.hasMatch()
            ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
            : QSize();
    if (!match.hasMatch() || size.width() < kSmallestScreen.width()
        || size.height() < kSmallestScreen.height() || size.width() > kLargestScreen.width()
        || size.height() > kLargestScreen.height())
        return QCoreApplication::translate("CommandLine", "a size from %1 to %2 is needed")
                .arg(sizeText(kSmallestScreen), sizeText(kLargestScreen));
    line.render.screen = size;
    return {};
}

QString scale(const QString &value, CommandLine &line, PlotRequest &)
{
    const auto n = whole(value, 1, sheet::kMaxScale);
    if (!n)
        return QCoreApplication::translate("CommandLine", "a whole number from 1 to %1 is needed")
                .arg(sheet::kMaxScale);
    line.render.scale = *n;
    return {};
}

QString annotate(const QString &, CommandLine &line, PlotRequest &)
{
    line.render.annotate = true;
    return {};
}

QString title(const QString &value, CommandLine &line, PlotRequest &)
{
    line.render.title = value;
    return {};
}

const char *const kNumber = QT_TRANSLATE_NOOP("CommandLine", "N");
const char *const kCoefficientHelp = QT_TRANSLATE_NOOP(
        "CommandLine",
        "the numbers typed into a=, b=, c=, d= (default 1), written with a decimal point (1.5) in "
        "every language");

const Option kOptions[] = {
        {"help", Kind::Answer, nullptr, QT_TRANSLATE_NOOP("CommandLine", "show this text"),
         answer<CommandLine::Action::Help>},
        {"h", Kind::Answer, nullptr, nullptr, answer<CommandLine::Action::Help>},
        {"version", Kind::Answer, nullptr, QT_TRANSLATE_NOOP("CommandLine", "show the version"),
         answer<CommandLine::Action::Version>},
        {"render", Kind::Value, QT_TRANSLATE_NOOP("CommandLine", "FILE"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "draw the plot area without a window into FILE, whose extension names "
                           "the format: %1"),
         file, [](const QString &help) { return help.arg(extensions()); }},
        {"function", Kind::Plot, QT_TRANSLATE_NOOP("CommandLine", "TEXT"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "the function as the list shows it (\"bsin(ax)\") or its code 1-11, as "
                           "listed below"),
         function},
        {"a", Kind::PlotValue, kNumber, kCoefficientHelp, coefficient<0>},
        {"b", Kind::PlotValue, kNumber, kCoefficientHelp, coefficient<1>},
        {"c", Kind::PlotValue, kNumber, kCoefficientHelp, coefficient<2>},
        {"d", Kind::PlotValue, kNumber, kCoefficientHelp, coefficient<3>},
        {"lower", Kind::PlotValue, kNumber,
         QT_TRANSLATE_NOOP("CommandLine", "the negative end of the x range, -30..0 (default -30)"),
         lower},
        {"upper", Kind::PlotValue, kNumber,
         QT_TRANSLATE_NOOP("CommandLine", "the positive end of the x range, 0..30 (default 30)"),
         upper},
        {"screen", Kind::Value, QT_TRANSLATE_NOOP("CommandLine", "WxH"),
         QT_TRANSLATE_NOOP("CommandLine", "the screen size in pixels, %1 to %2 (default 1024x768)"),
         screen,
         [](const QString &help) {
             return help.arg(sizeText(kSmallestScreen), sizeText(kLargestScreen));
         }},
        {"scale", Kind::Value, kNumber,
         QT_TRANSLATE_NOOP("CommandLine",
                           "an image (.png, .jpg, .jpeg, .bmp) with N times as many pixels across "
                           "and down, drawn sharp at that size, 1..%1 (default 1)"),
         scale, [](const QString &help) { return help.arg(sheet::kMaxScale); }},
        {"annotate", Kind::Flag, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "draw a worksheet to hand out (images, .svg, .pdf): the axes numbered, "
                           "each curve in a colour of its own (dashed in .svg and .pdf) and a "
                           "legend with the formula each plot computed and its x range"),
         annotate},
        {"title", Kind::Value, QT_TRANSLATE_NOOP("CommandLine", "TEXT"),
         QT_TRANSLATE_NOOP("CommandLine", "with --annotate, a title above the legend"), title},
        // Qt's own, which QApplication reads and takes out of its arguments when the window opens.
        {"platform", Kind::QtValue},
        {"platformpluginpath", Kind::QtValue},
        {"platformtheme", Kind::QtValue},
        {"plugin", Kind::QtValue},
        {"qwindowgeometry", Kind::QtValue},
        {"geometry", Kind::QtValue},
        {"qwindowtitle", Kind::QtValue},
        {"qwindowicon", Kind::QtValue},
        {"icon", Kind::QtValue},
        {"session", Kind::QtValue},
        {"style", Kind::QtValue},
        {"stylesheet", Kind::QtValue},
        {"qmljsdebugger", Kind::QtJoinedValue},
        {"display", Kind::QtValue}, // this and the next two: X11 only
        {"name", Kind::QtValue},
        {"visual", Kind::QtValue},
        {"reverse", Kind::QtFlag},
        {"widgetcount", Kind::QtFlag},
        {"testability", Kind::QtFlag},
        {"nograb", Kind::QtFlag},
        {"dograb", Kind::QtFlag},
};

} // namespace

namespace options {

bool takesValue(Kind kind)
{
    return kind != Kind::Answer && kind != Kind::Flag && kind != Kind::QtFlag;
}

bool isPlot(Kind kind)
{
    return kind == Kind::Plot || kind == Kind::PlotValue;
}

std::span<const Option> all()
{
    return kOptions;
}

const Option *find(QStringView name)
{
    const auto found
            = std::find_if(std::begin(kOptions), std::end(kOptions), [name](const Option &option) {
                  return name == QLatin1String(option.name);
              });
    return found == std::end(kOptions) ? nullptr : found;
}

QString synopsis(const Option &option)
{
    QString text = QLatin1String("--") + QLatin1String(option.name);
    if (option.valueName)
        text += QLatin1Char(' ') + QCoreApplication::translate("CommandLine", option.valueName);
    return text;
}

} // namespace options
