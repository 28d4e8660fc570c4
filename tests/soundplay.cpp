// Plays, or writes as WAV, the sound of one plot of a catalogue family, for the end-to-end sound
// check: soundplay play|stop|wav FILE CODE A B X0 X1 HALF (A and B already divided by 1.5; the
// walk from X0 to X1; the sheet from -HALF to HALF; stop: stops the player after 0.4 s). Exit
// codes: 0 played or written, 1 bad arguments or the file not written, 2 no sound output (the
// reason on stderr), 3 never ended.
#include "plot/catalogue.h"
#include "sound/generator.h"
#include "sound/player.h"
#include "sound/wav.h"
#include "ui/runtimeerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 9 || !QStringList {"play", "stop", "wav"}.contains(args[1])) {
        std::fputs("usage: soundplay play|stop|wav FILE CODE A B X0 X1 HALF\n", stderr);
        return 1;
    }
    const int code = args[3].toInt();
    const plot::Coefficients k {args[4].toDouble(), args[5].toDouble(), 0, 0};
    const double half = args[8].toDouble();
    sound::Plot plot {args[6].toDouble(), args[7].toDouble(), -half, half, {}};
    for (double x = plot.x0; x <= plot.x1; x += 0.001) {
        try {
            plot.dots.emplace_back(x, plot::evaluate(code, x, k).value_or(0));
        } catch (const ui::RuntimeError &) {
            break;
        }
    }
    const sound::Samples samples = sound::plotSound({plot});

    if (args[1] == "wav") {
        QFile file(args[2]);
        const QString reason = file.open(QIODevice::WriteOnly) ? sound::writeWav(file, samples)
                                                               : file.errorString();
        if (!reason.isEmpty() || !file.flush()) {
            std::fprintf(stderr, "%s\n", qPrintable(reason));
            return 1;
        }
        return 0;
    }

    sound::Player player;
    QObject::connect(&player, &sound::Player::started, [] {
        std::puts("started");
        std::fflush(stdout);
    });
    QObject::connect(&player, &sound::Player::stopped, &app, [] {
        std::puts("stopped");
        QCoreApplication::exit(0);
    });
    QObject::connect(&player, &sound::Player::unavailable, &app, [](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        QCoreApplication::exit(2);
    });
    QTimer::singleShot(0, &player, [&player, &samples] {
        // The moment of asking, on the clock that time.monotonic() reads in Python.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("play %.6f\n", std::chrono::duration<double>(now).count());
        player.play(samples);
    });
    if (args[1] == "stop")
        QTimer::singleShot(400, &player, &sound::Player::stop);
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
