#include "clsPrint.h"

namespace Sorvi27 {

clsPrint::clsPrint() = default;
clsPrint::~clsPrint() = default;

} // namespace Sorvi27
