#include "program.h"

Program::Program()
{
    plotExport.keepWithClear([this] { return accessibility.keepForUndo(); });
}
