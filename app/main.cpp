#include "form1.h"
#include "translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

const char *const kVersion = "1.00";

QString usage()
{
    return QCoreApplication::translate("main", "Usage: curvanta [--help] [--version]")
            + QLatin1Char('\n');
}

QString help()
{
    return usage()
            + QCoreApplication::translate(
                    "main",
                    "Plots a chosen function on a sheet of graph paper.\n"
                    "\n"
                    "Without options, Curvanta opens its window. Choose a function from the\n"
                    "list, type its coefficients into the boxes a=, b=, c= and d=, set the\n"
                    "lower and the upper end of the x range with the two scroll bars and\n"
                    "press \"Plot\": the curve appears as red dots on graph paper. Every\n"
                    "coefficient is divided by 1.5 before use, and x runs from each limit\n"
                    "divided by 1.2. Double-click the plot area to clear it. Numbers are\n"
                    "typed in the format of the user's language.\n"
                    "\n"
                    "Options:\n"
                    "  -h, --help     show this help and exit\n"
                    "      --version  show the version and exit\n"
                    "\n"
                    "Qt's own options, such as -platform NAME or -style NAME, are accepted\n"
                    "too.\n");
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int usageError()
{
    print(stderr, usage());
    return 2;
}

// --help, --version and unknown long options are answered before any display is opened, in the
// user's language; -1 when the window is to be opened.
int answerOnTerminal(char *argv[])
{
    for (char **arg = argv + 1; *arg; ++arg) {
        if (std::strncmp(*arg, "--", 2) != 0 && std::strcmp(*arg, "-h") != 0)
            continue;
        int argc = 1;
        QCoreApplication core(argc, argv);
        installTranslations();
        if (std::strcmp(*arg, "--help") == 0 || std::strcmp(*arg, "-h") == 0) {
            print(stdout, help());
            return 0;
        }
        if (std::strcmp(*arg, "--version") == 0) {
            std::printf("Curvanta %s\n", kVersion);
            return 0;
        }
        return usageError();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const int status = answerOnTerminal(argv); status >= 0)
        return status;

    // Qt's own options (-platform, -style, ...) are left to QApplication, which takes them out of
    // the list; whatever remains after that is not an option of this program.
    QApplication app(argc, argv);
    installTranslations();
    if (QCoreApplication::arguments().size() > 1)
        return usageError();
    QApplication::setApplicationName(QStringLiteral("Curvanta"));
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QIcon icon;
    for (const char *size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);

    Form1 form;
    form.start();
    return app.exec();
}
