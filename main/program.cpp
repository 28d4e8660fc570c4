#include "program.h"

Program::Program()
{
    plotExport.keepWithClear([this] { return drawn.keepForUndo(); });
    plotExport.keepWithClear([this] { return accessibility.keepForUndo(); });
}
