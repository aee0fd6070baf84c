// QELM_STP, the step-sequence editor.

#include "fMain.h"

#include "common/ProgramMain.h"

int main(int argc, char** argv)
{
    return QelmCommon::runProgram<QelmStp::fMain>(argc, argv, QStringLiteral("QELM_STP"));
}
