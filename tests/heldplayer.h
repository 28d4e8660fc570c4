#pragma once

// A sound output that plays nowhere: it keeps the sounds it was given and answers as an output
// would, or as none.
#include "sound/player.h"

#include <utility>
#include <vector>

struct HeldPlayer : sound::Player
{
    void play(const sound::Samples &samples) override
    {
        stop();
        played.push_back(samples);
        playing = output;
        output ? emit started() : emit unavailable(QStringLiteral("No sound output here."));
    }
    void stop() override
    {
        if (std::exchange(playing, false))
            emit stopped();
    }
    bool output = true, playing = false;
    std::vector<sound::Samples> played;
};
