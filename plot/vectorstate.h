#pragma once

namespace plot {

// Qt's drawing code uses 256-bit vector instructions and can return with the upper halves of the
// vector registers in use. Until they are cleared, every scalar SSE instruction that follows pays
// a state-transition penalty on many x86 processors: a plot walk then runs about twenty times
// slower. Clearing them once before a long run of arithmetic costs nothing.
void clearUpperVectorState();

} // namespace plot
