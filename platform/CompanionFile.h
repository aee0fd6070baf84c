#pragma once
// Companion files (the SEK file of a setting file, the note file of a step
// file) are named after their data file with another extension. Files copied
// from other systems carry either letter case, so a companion is looked up
// without regard to it.

#include <QString>

namespace platform {

// The existing file that path names, found without regard to letter case in
// its folder; path itself when there is none.
QString existingCompanion(const QString& path);

} // namespace platform
