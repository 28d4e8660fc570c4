// Start-up cost on a real X server: from the first line of main to a window that is laid out on
// the screen with its axes drawn and painted. One start per process; bench/run repeats it.
#include "main/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    Program program;
    program.form.start();
    if (!QTest::qWaitForWindowExposed(program.form.window.widget(), 5000))
        return 1;
    // Let the first paint of every widget reach the server.
    QApplication::processEvents();
    QApplication::sync();
    const double ms = clock.nsecsElapsed() / 1e6;
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.2f ms %ld kB\n", ms, usage.ru_maxrss);
    return 0;
}
