#pragma once
// The file a grid saves itself to: every cell's text, data and formats, the
// columns, the rows and the grid's own settings, in a private binary format
// that only GridFile reads back (undo snapshots are its one user).

#include "platform/AtomicFile.h"

#include <QString>

namespace platform::grid {

class GridData;

class GridFile {
public:
    // Replaces the file atomically. Throws RuntimeError when it cannot be written.
    // A file the program makes for itself and drops at exit (an undo snapshot)
    // is written Scratch: whole, but not forced to the disk.
    static void save(const GridData& grid, const QString& fileName, Durability durability = Durability::Synced);
    // Fills a fresh grid from the file. Throws RuntimeError 53 for a missing file
    // and 321 for a file that is not a complete grid file.
    static void load(GridData& grid, const QString& fileName);
};

} // namespace platform::grid
