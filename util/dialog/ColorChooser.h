#pragma once
// The colour dialog behind clsDialogColor. The Ui service has no colour
// dialog, so the library keeps its own replaceable chooser: programs get the
// Qt colour dialog, tests install one that answers from a script.

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

namespace Ostrel7::colorchooser {

using CustomColors = std::array<uint32_t, 16>; // 0x00BBGGRR

struct Request {
    QWidget* owner = nullptr;
    int32_t instance = 0;
    int32_t flags = 0;
    uint32_t color = 0; // 0x00BBGGRR or a system colour
    CustomColors customColors{};
};

struct Answer {
    bool chosen = false;  // False when cancelled or when no dialog could be shown
    uint32_t color = 0;   // 0x00BBGGRR, meaningful when chosen
    CustomColors customColors{}; // as the user left them, chosen or not
};

using Chooser = std::function<Answer(const Request&)>;

// Asks the installed chooser.
Answer choose(const Request& request);
// Replaces the chooser for the whole process; an empty one restores the Qt dialog.
void setChooser(Chooser chooser);

} // namespace Ostrel7::colorchooser
