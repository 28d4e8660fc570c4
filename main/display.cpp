#include "display.h"

#include "commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstdlib>

namespace {

bool waylandSocket(const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("WAYLAND_SOCKET")).isEmpty())
        return true;
    QString socket = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (socket.isEmpty())
        socket = QStringLiteral("wayland-0"); // where a Wayland client looks without one
    if (QDir::isRelativePath(socket)) {
        const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
        if (runtime.isEmpty())
            return false;
        socket = runtime + QLatin1Char('/') + socket;
    }
    return QFileInfo::exists(socket);
}

QByteArray fatalLine;
QtMessageHandler qtHandler = nullptr;

void exitOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fputs(fatalLine.constData(), stderr);
    std::_Exit(1);
}

QtMessageHandler handlerBeforeQuiet = nullptr;

void dropMissingRuntimeDirectory(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (type == QtWarningMsg
        && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    handlerBeforeQuiet(type, context, message);
}

} // namespace

void quietMissingRuntimeDirectory()
{
    handlerBeforeQuiet = qInstallMessageHandler(dropMissingRuntimeDirectory);
}

bool displayNamed(const CommandLine &line, const QProcessEnvironment &environment)
{
    QString platforms = line.platform;
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    QStringList candidates = platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (candidates.isEmpty())
        candidates = {QStringLiteral("xcb"), QStringLiteral("wayland")};
    for (const QString &candidate : std::as_const(candidates)) {
        const QString name = candidate.section(QLatin1Char(':'), 0, 0); // options follow a colon
        if (name == QLatin1String("xcb")) {
            if (!line.display.isEmpty() || !environment.value(QStringLiteral("DISPLAY")).isEmpty())
                return true;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (waylandSocket(environment))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

QString noDisplayMessage()
{
    return QCoreApplication::translate(
            "Display",
            "no display found to open the window on; --render FILE draws the plot into a file "
            "without one");
}

PlatformStartGuard::PlatformStartGuard(const QString &message)
{
    fatalLine = "curvanta: " + message.toLocal8Bit() + '\n';
    qtHandler = qInstallMessageHandler(exitOnFatal);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(qtHandler);
}
