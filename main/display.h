#pragma once

#include <QString>

// The one line that tells a user without a display what to do instead, in the user's language.
QString noDisplayMessage();

// While it lives, Qt's messages are held back, and a failure of Qt's platform plugin to start (no
// display server named, or none that answers) ends the program with "curvanta: ", `message` and
// exit code 1 instead of Qt's abort and its warnings. Once it is gone, that is once the platform
// has started, the messages held are passed on.
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
