#pragma once
// Counter rows of the step grid: a row whose first input function is a
// counter reads "counter op value" or "counter +/- value op value" from input
// groups 1 to 3, each value a counter or a constant (0 to 8000). The counter
// id stored with a step line's conditions says which of the groups hold
// constants; this is where it is worked out from the grid and read back.

#include <cstdint>

namespace Ostrel7 {
class clsMethod;
}
namespace platform::grid {
class GridData;
}

namespace QelmStp {

class CounterRows {
public:
    // The lowest and highest constant a counter condition takes.
    static constexpr int32_t kMinConstant = 0;
    static constexpr int32_t kMaxConstant = 8000;

    // reporter reports the failures of the trapped members.
    CounterRows(const platform::grid::GridData& grid, Ostrel7::clsMethod& reporter);

    // The counter id (0 to 5) of a counter row, from which of the function
    // cells of groups 2 and 3 hold numbers; -1 for any other form.
    int32_t GetCounterId(int32_t row);
    // Whether group `group` (1 to 8) of a step line with this counter id holds
    // a constant; False for an id outside 0 to 5 and a group outside its pattern.
    bool MustJyosu(int32_t counterId, int32_t group);

private:
    const platform::grid::GridData& grid_;
    Ostrel7::clsMethod& reporter_;
};

} // namespace QelmStp
