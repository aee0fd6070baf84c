#pragma once
// Keys a cell editor has little or no use for, struck on the keyboard while a
// grid cell is being edited: the program must take each one in its stride.

namespace platform::grid {
class FlexGrid;
}

namespace xdesktop {

// Makes the cell current by a click, opens its editor and, for each of F1 to
// F12, Insert, Delete, Home, End, Page Up and Page Down, strikes the key in the
// open editor; the edit is then given up (a list's drop-down closed first) and
// opened again for the next key. Fails the running test when the editor does
// not open or take the focus, or a key does not reach the program.
void strikeEditingKeys(platform::grid::FlexGrid& grid, int row, int col);

} // namespace xdesktop
