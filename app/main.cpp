#include "commandline.h"
#include "form1.h"
#include "render.h"

#include "curvanta_version.h"

#include <QApplication>
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
    // The program's own options are answered before any display is opened. Qt's own options
    // (-platform, -style, ...) are left to QApplication, which takes them out of the list;
    // whatever remains after that is not an option of this program.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(helpText()), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("Curvanta %s\n", kCurvantaVersion);
        return 0;
    case CommandLine::Action::UsageError:
        return usageError(line.error);
    case CommandLine::Action::Render: {
        // No window is shown, so no display is needed, whatever DISPLAY says.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        return render(line.render);
    }
    case CommandLine::Action::Window:
        break;
    }

    QApplication app(argc, argv);
    if (QCoreApplication::arguments().size() > 1)
        return usageError(QCoreApplication::translate("CommandLine", "unknown argument \"%1\"")
                                  .arg(QCoreApplication::arguments().at(1)));
    QApplication::setApplicationName(QStringLiteral("Curvanta"));
    QApplication::setApplicationVersion(QLatin1String(kCurvantaVersion));
    QIcon icon;
    for (const char *size : {"16", "32", "64"})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);

    Form1 form;
    form.start();
    return app.exec();
}
