#pragma once
// Export to workbooks and the table copy of the dialog library. Created by each
// program after clsSelectKino, whose library-wide state it uses.

#include <memory>

namespace Sorvi27 {

class LibraryState;

class clsPrint {
public:
    // Takes its part of the library-wide state: a clsString.
    clsPrint();
    ~clsPrint();
    clsPrint(const clsPrint&) = delete;
    clsPrint& operator=(const clsPrint&) = delete;

private:
    std::shared_ptr<LibraryState> state_;
};

} // namespace Sorvi27
