#include "display.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// A message with what its context says, kept beyond the call that gave it.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QByteArray fatalLine;
QtMessageHandler handlerBeforeGuard = nullptr;
std::vector<HeldMessage> held;

void holdOrExit(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(fatalLine.constData(), stderr);
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.line, context.function, context.category, message});
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

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

} // namespace

void quietMissingRuntimeDirectory()
{
    handlerBeforeQuiet = qInstallMessageHandler(dropMissingRuntimeDirectory);
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
    handlerBeforeGuard = qInstallMessageHandler(holdOrExit);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(handlerBeforeGuard);
    for (const HeldMessage &message : std::exchange(held, {})) {
        const QMessageLogContext context(orNull(message.file), message.line,
                                         orNull(message.function), orNull(message.category));
        handlerBeforeGuard(message.type, context, message.text);
    }
}
