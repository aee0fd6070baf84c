#include "clsPrint.h"

#include "LibraryState.h"

#include "util/string/clsString.h"

namespace Sorvi27 {

clsPrint::clsPrint() : state_(LibraryState::acquire())
{
    // The text helper is the one utility clsSelectKino does not make.
    state_->string = std::make_shared<Ostrel7::clsString>();
    ReadRegData();
}

clsPrint::~clsPrint() = default;

} // namespace Sorvi27
