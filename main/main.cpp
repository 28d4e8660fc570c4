#include "commandline.h"
#include "program.h"
#include "render.h"
#include "translations.h"

#include "curvanta_version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

#include <cstdio>

namespace {

int usageError(const QString &message)
{
    std::fprintf(stderr, "curvanta: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // The program's own options are answered before any display is opened, in the user's
    // language: the translators need an application object, and this one needs no display. Qt's
    // own options (-platform, -style, ...) are left to QApplication, which takes them out of the
    // list; whatever remains after that is not an option of this program.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    {
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        installTranslations();
        line = parseCommandLine(arguments);
        switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(qPrintable(helpText()), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("Curvanta %s\n", kCurvantaVersion);
            return 0;
        case CommandLine::Action::UsageError:
            return usageError(line.error);
        case CommandLine::Action::Render:
        case CommandLine::Action::Window:
            break;
        }
    }
    if (line.action == CommandLine::Action::Render) {
        // No window is shown, so no display is needed, whatever DISPLAY says.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        installTranslations();
        return render(line.render);
    }

    QApplication app(argc, argv);
    installTranslations();
    if (QCoreApplication::arguments().size() > 1)
        return usageError(QCoreApplication::translate("CommandLine", "unknown argument \"%1\"")
                                  .arg(QCoreApplication::arguments().at(1)));
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
