#pragma once
// The Linux folders that stand for the shell's special folders.

#include <QString>
#include <cstdint>

namespace Ostrel7::specialfolders {

// The folder of a special-folder number (ENUM_CSIDL), without a trailing
// separator; "" for one that has no counterpart (printers, network, recycle
// bin, the all-users folders ...). Desktop, documents, application data,
// fonts and cache are the user's XDG folders; the start menu and its programs
// are the user's applications folder, where launchers live; the startup
// folders are the user's autostart folder; program files is /opt.
QString path(int32_t csidl);

} // namespace Ostrel7::specialfolders
