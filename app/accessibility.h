#pragma once

class Form1;

// Gives every control of the window a name a screen reader can speak, and describes the plot
// area as holding only the axes.
void nameControls(Form1 &form);

// After a plot has run to its end: adds the function and the x range walked to what the plot
// area's description says is drawn.
void describePlot(Form1 &form);

// After the plot area has been cleared: only the axes are drawn.
void describeEmptyPlot(Form1 &form);
