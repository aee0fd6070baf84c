#pragma once
// The application a benchmark of a program's windows runs in.

namespace benchsupport {

// Makes the offscreen Qt application once, named `name`, with the per-user
// settings and working files in private folders, a program folder holding the
// setting archive and a library folder that receives its files.
void ensureProgramApplication(const char* name);

} // namespace benchsupport
