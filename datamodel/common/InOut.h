#pragma once
// The direction of a pin or of a step's function.

namespace Telva27 {

enum ENUM_INOUT { eNot = 0, eINPUT = 1, eOUTPUT = 2 };

} // namespace Telva27
