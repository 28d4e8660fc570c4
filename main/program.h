#pragma once

#include "access/accessibility.h"
#include "app/form1.h"
#include "drawn/drawn.h"
#include "export/plotexport.h"

// The window as designed, with what is built around it: what makes it readable by everyone, and
// what takes the plot out of it.
class Program
{
public:
    Program();

    Form1 form;
    Drawn drawn {form};
    Accessibility accessibility {form};
    PlotExport plotExport {form, drawn};
};
