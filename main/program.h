#pragma once

#include "access/accessibility.h"
#include "access/listening.h"
#include "access/trace.h"
#include "app/form1.h"
#include "drawn/drawn.h"
#include "export/plotexport.h"
#include "sound/player.h"

#include <memory>

// The window as designed, with what is built around it: what makes it readable by everyone, and
// what takes the plot out of it, in pictures, sound and words.
class Program
{
public:
    Program();
    // With the plots' sound played by `player` and the crosshair's by `tones`, as a test hears
    // them.
    Program(std::unique_ptr<sound::Player> player, std::unique_ptr<sound::Player> tones);

    Form1 form;
    Drawn drawn {form};
    Accessibility accessibility {form};
    PlotExport plotExport {form, drawn};
    std::unique_ptr<sound::Player> player;
    std::unique_ptr<sound::Player> tones;
    Listening listening {form, drawn, accessibility, *player, *tones};
    Trace trace {form, drawn, accessibility, *tones};
};
