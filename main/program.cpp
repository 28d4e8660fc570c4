#include "program.h"

Program::Program()
{
    plotExport.afterUndo([this] { accessibility.clearUndone(); });
}
