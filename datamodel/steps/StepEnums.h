#pragma once
// The codes a step line is made of. The step file keeps the logic and the
// relation in four bits each and the state in two, so the values are fixed.

#include "datamodel/common/InOut.h"

#include <QLatin1String>
#include <QString>

namespace Telva27 {

// The pulse outputs, whose delay is a signed number of pulses; every other
// output's delay is unsigned.
inline bool isPulseOutput(const QString& name)
{
    return name == QLatin1String("X_PLS") || name == QLatin1String("Y_PLS");
}

// The operation a step line performs on its output.
enum ENUM_LOGIC {
    eLOGIC_LOW = 0,
    eLOGIC_HIGH = 1,
    eLOGIC_NOT = 2,
    eLOGIC_JMP = 3,
    eLOGIC_INC = 4,
    eLOGIC_DEC = 5,
    eLOGIC_SET = 6,
    eLOGIC_CLR = 7,
    eLOGIC_ADD = 8,
    eLOGIC_SUB = 9,
    eLOGIC_CALL = 10,
    eLOGIC_RET = 11,
};

// How an input condition joins the next one; on a counter line the comparison
// (>=, <=, =, !=) or the arithmetic (+, -).
enum ENUM_REL {
    eREL_AND = 0,
    eREL_OR = 1,
    eREL_END = 2,
    eREL_LEFT = 3,
    eREL_RIGHT = 4,
    eREL_EQU = 5,
    eREL_NOT = 6,
    eREL_PLUS = 7,
    eREL_MINUS = 8,
};

// The state an input condition waits for: level or edge, positive or negative.
enum ENUM_JYOTAI {
    ePOS_LEV = 0,
    ePOS_EDG = 1,
    eNEG_LEV = 2,
    eNEG_EDG = 3,
};

} // namespace Telva27
