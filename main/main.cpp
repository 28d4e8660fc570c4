#include "commandline.h"
#include "display.h"
#include "help.h"
#include "program.h"
#include "render.h"
#include "translations.h"

#include "curvanta_version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Prints what --help or --version answers. Returns the exit code: 0 once it is written, 1 with the
// reason on stderr where it could not be, as on a full disk.
int answer(const QByteArray &text)
{
    if (std::fputs(text.constData(), stdout) >= 0 && std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "curvanta: %s\n", std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The launcher's name: on Wayland the window's app id, which finds the launcher's icon.
    QGuiApplication::setDesktopFileName(QLatin1String(kCurvantaAppId));

    // The whole command line is answered before any display is opened, in the user's language:
    // the translators need an application object, and this one needs no display. Qt's own
    // options (-platform, -style, ...) are recognised there and handed on to QApplication.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    QString noDisplay;
    {
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        installTranslations();
        line = parseCommandLine(arguments);
        switch (line.action) {
        case CommandLine::Action::Help:
            return answer(helpText().toLocal8Bit());
        case CommandLine::Action::Version:
            return answer(QByteArray("Curvanta ") + kCurvantaVersion + '\n');
        case CommandLine::Action::UsageError:
            std::fprintf(stderr, "curvanta: %s\n%s\n", qPrintable(line.error),
                         qPrintable(helpHint()));
            return 2;
        case CommandLine::Action::Render:
            break;
        case CommandLine::Action::Window:
            noDisplay = noDisplayMessage();
            break;
        }
    }
    if (line.action == CommandLine::Action::Render) {
        // No window is shown, so no display is needed, whatever DISPLAY says.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        quietMissingRuntimeDirectory();
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        installTranslations();
        return render(line.render);
    }

    // Qt reads its own options from these, which live as long as the application.
    std::vector<QByteArray> qtArguments {QByteArray(argv[0])};
    for (const QString &argument : std::as_const(line.qtArguments))
        qtArguments.push_back(argument.toLocal8Bit());
    std::vector<char *> qtArgv;
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtArguments.size());

    auto guard = std::make_unique<PlatformStartGuard>(noDisplay);
    QApplication app(qtArgc, qtArgv.data());
    guard.reset();
    installTranslations();
    QApplication::setApplicationName(QStringLiteral("Curvanta"));
    QApplication::setApplicationVersion(QLatin1String(kCurvantaVersion));
    QIcon icon;
    for (const char *size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);

    Program program;
    program.form.start();
    return app.exec();
}
