#pragma once

#include "generator.h"

#include <QString>

class QIODevice;

namespace sound {

// Writes `samples` to `device`, open for writing, as a RIFF/WAVE file: PCM, 16-bit, 44.1 kHz,
// stereo. Every write is checked: returns the reason it failed, or an empty text when all of it
// was written. The device is neither flushed nor closed.
QString writeWav(QIODevice &device, const Samples &samples);

} // namespace sound
