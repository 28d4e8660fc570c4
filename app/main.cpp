#include "form1.h"

#include "curvanta_version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

const char *const kUsage = "Usage: curvanta [--help] [--version]\n";

int usageError()
{
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help, --version and unknown long options are answered before any display is opened.
    // Qt's own options (-platform, -style, ...) are left to QApplication, which takes them out of
    // the list; whatever remains after that is not an option of this program.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%sPlots a chosen function on a sheet of graph paper.\n", kUsage);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Curvanta %s\n", kCurvantaVersion);
            return 0;
        }
        if (std::strncmp(argv[i], "--", 2) == 0)
            return usageError();
    }

    QApplication app(argc, argv);
    if (QCoreApplication::arguments().size() > 1)
        return usageError();
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
