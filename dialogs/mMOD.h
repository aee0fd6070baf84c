#pragma once
// The shared-dialog library's module: its numbered message boxes.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace Sorvi27::mMOD {

// Shows message `number` of the library's table with the icon and buttons of
// `kind` (1 critical, 2 exclamation, 3 Yes/No question, 4 information, 5 Yes/No
// critical, 6 Yes/No/Cancel question, 7 Yes/No question with No the default,
// 8 Yes/No exclamation), titled with the library's name. Kinds 3, 5, 6, 7 and
// 8 answer the button pressed (Yes 6, No 7, Cancel 2); other kinds answer an
// empty value, and a kind outside 1 to 8 shows nothing. Messages 6, 56, 62, 63
// and 64 append x1 after a blank line; without it they raise a type mismatch.
QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1 = std::nullopt,
                     const std::optional<QVariant>& x2 = std::nullopt,
                     const std::optional<QVariant>& x3 = std::nullopt);

// The text of message `number` ("" for a number not in the table).
QString MessageText(int16_t number, const std::optional<QVariant>& x1 = std::nullopt);

// The library's name, the title of its boxes.
QString LibraryTitle();

} // namespace Sorvi27::mMOD
