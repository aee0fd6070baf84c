#pragma once
// The eight kinds of the suite's numbered message boxes: which icon and
// buttons each shows, and whether the caller gets the pressed button back.

#include "Ui.h"

#include <array>
#include <cstdint>

namespace platform {

// Kinds 1 to 8: critical OK, exclamation OK, question Yes/No, information OK,
// critical Yes/No, question Yes/No/Cancel, question Yes/No with No the
// default, exclamation Yes/No.
inline int32_t messageKindStyle(int16_t kind)
{
    static constexpr std::array<int32_t, 8> styles = {
        vbCritical | vbOKOnly,     vbExclamation | vbOKOnly, vbQuestion | vbYesNo,
        vbInformation | vbOKOnly,  vbCritical | vbYesNo,     vbQuestion | vbYesNoCancel,
        vbQuestion | vbYesNo | vbDefaultButton2,             vbExclamation | vbYesNo,
    };
    return styles[static_cast<size_t>(kind - 1)];
}

inline bool isMessageKind(int16_t kind) { return kind >= 1 && kind <= 8; }

// The kinds that ask a question answer the button pressed; the others nothing.
inline bool messageKindAnswers(int16_t kind) { return kind == 3 || kind == 5 || kind == 6 || kind == 7 || kind == 8; }

} // namespace platform
