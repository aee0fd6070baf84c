// QELM_SET, the setting program.

#include "fMain.h"

#include "common/ProgramMain.h"

int main(int argc, char** argv)
{
    return QelmCommon::runProgram<QelmSet::fMain>(argc, argv, QStringLiteral("QELM_SET"));
}
