#pragma once

#include <QString>

struct CommandLine;
class QProcessEnvironment;

// Whether the window may find a display: false where every platform Qt would try (the -platform
// option, else QT_QPA_PLATFORM, else X11 and Wayland) needs a display server and `environment`
// names none, or a Wayland socket that is not there. Platforms without a server (offscreen, ...)
// always have one.
bool displayNamed(const CommandLine &line, const QProcessEnvironment &environment);

// The one line that tells a user without a display what to do instead, in the user's language.
QString noDisplayMessage();

// While it lives, a failure of Qt's platform plugin to start, such as a display server that does
// not answer, ends the program with "curvanta: " and `message` and exit code 1, after Qt's own
// warnings, instead of Qt's abort.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(const QString &message);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;
};

// Drawing into a file needs no display server, yet Qt's start-up looks for one in the user's
// runtime directory and warns where XDG_RUNTIME_DIR is unset (cron, CI, a service). After this
// call that one warning is dropped, so a successful render prints nothing; every other message
// goes on as before.
void quietMissingRuntimeDirectory();
