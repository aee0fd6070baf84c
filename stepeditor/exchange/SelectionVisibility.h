#pragma once
// What the step selection lists offer. They hold the user program's
// functions: the function dialogs show them and a save writes them. Reading
// a step table makes them offer exactly the functions its note file lists; a
// read that is refused (a wrong password), and every read for the reference
// window, puts back what they offered before.

#include "dialogs/clsSelectKino.h"

namespace QelmStp {

class SelectionVisibility {
public:
    // Notes what the lists offer.
    explicit SelectionVisibility(Sorvi27::clsSelectKino& kino);
    // Puts it back unless keep() or putBack() was called.
    ~SelectionVisibility();
    SelectionVisibility(const SelectionVisibility&) = delete;
    SelectionVisibility& operator=(const SelectionVisibility&) = delete;

    // The lists keep what the read set.
    void keep() { done_ = true; }
    // Puts back what the lists offered before, and answers what the read had set.
    Sorvi27::StepFunctionFlags putBack();

private:
    Sorvi27::clsSelectKino& kino_;
    Sorvi27::StepFunctionFlags before_;
    bool done_ = false;
};

} // namespace QelmStp
