#pragma once

struct RenderRequest;

// Draws the plot area as the window would after the choices of each of request.plots and a press
// of Plot for each in turn, and writes it to request.file in the format its extension names. Reads
// numbers in the C locale from then on. Needs a QApplication on any platform; shows no window.
// Returns the exit code: 0 when written, 1 when a plot raised a runtime error or the file could not
// be written (a message on stderr, and no file written).
int render(const RenderRequest &request);
