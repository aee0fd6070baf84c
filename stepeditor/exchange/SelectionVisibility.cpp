#include "SelectionVisibility.h"

namespace QelmStp {

SelectionVisibility::SelectionVisibility(Sorvi27::clsSelectKino& kino) : kino_(kino), before_(kino.StepFlags()) {}

SelectionVisibility::~SelectionVisibility()
{
    if (!done_)
        kino_.setStepFlags(before_);
}

Sorvi27::StepFunctionFlags SelectionVisibility::putBack()
{
    Sorvi27::StepFunctionFlags read = kino_.StepFlags();
    kino_.setStepFlags(before_);
    done_ = true;
    return read;
}

} // namespace QelmStp
