#pragma once
// Asks the user which table of an eight-table file (setting or step file of
// 65536 bytes) to read or write, and answers with the table's starting
// location, index * 8192 + 1. Remembers the table chosen last and preselects
// it next time. A factory (STD) table is remembered apart, so reading one
// never moves the table the user's (USR) file is saved into.

#include <cstdint>
#include <memory>
#include <vector>

namespace Sorvi27 {

class LibraryState;

class clsSelectTable {
public:
    // Takes its part of the library-wide state: a clsMethod and a clsResource.
    clsSelectTable();
    ~clsSelectTable();
    clsSelectTable(const clsSelectTable&) = delete;
    clsSelectTable& operator=(const clsSelectTable&) = delete;

    // Index (0 to 7) of the table chosen last; 1 for a new object.
    int32_t prevTableIndex() const { return prevTableIndex_; }

    // One table. booViewZero lets Alt+0 show table 0; eSTDUSR is
    // Telva27::eUSR, Telva27::eSTD or -1 for neither (it chooses the caption).
    // Telva27::eSTD preselects and remembers the STD choice and leaves
    // prevTableIndex alone. Answers the starting location, or -1 when the
    // user cancelled.
    int32_t SelectStartingLocation(bool booViewZero, int32_t eSTDUSR);

    // Several tables. Element 0 is always 0; elements 1..n are the starting
    // locations of the ticked tables in ascending order. A cancel answers
    // element 0 only.
    std::vector<int32_t> SelectStartingLocationMulti(bool booViewZero);

private:
    std::shared_ptr<LibraryState> state_;
    int32_t prevTableIndex_ = 1;
    // The STD table chosen last (1 for a new object).
    int32_t prevStdTableIndex_ = 1;
};

} // namespace Sorvi27
