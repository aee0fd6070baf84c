#pragma once
// The step editor's module: its numbered message boxes and the quiet removal
// of a file it made (working copies, undo snapshots).

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace QelmStp::mMOD {

// The executable's name without extension: the title of every box and the
// application of the settings.
QString ProgramName();

// The text of message `number` ("" for a number without text). The parts of
// a message stand apart with an empty line between them; a message that
// names a value the caller gives (x1, x2) raises a type mismatch without it.
// Numbers are written in plain decimal.
QString MessageText(int16_t number, const std::optional<QVariant>& x1 = std::nullopt,
                    const std::optional<QVariant>& x2 = std::nullopt);

// Shows message `number` titled with ProgramName(), with the icon and buttons
// of `kind`: 1 critical, 2 exclamation, 3 Yes/No question, 4 information,
// 5 Yes/No critical, 6 Yes/No/Cancel question, 7 Yes/No question with No the
// default, 8 Yes/No exclamation, 9 OK/Cancel question, 10 OK/Cancel
// exclamation. Kinds 3 and 5 to 10 answer the button pressed (OK 1, Cancel 2,
// Yes 6, No 7), kinds 1, 2 and 4 an empty value; any other kind shows nothing
// and answers an empty value. x3 is accepted and not used.
QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1 = std::nullopt,
                     const std::optional<QVariant>& x2 = std::nullopt,
                     const std::optional<QVariant>& x3 = std::nullopt);

// Deletes the file when it exists; a missing file is no error. A read-only
// file is not deleted. A failure is reported under "Del" and the call returns.
void Del(const QString& path);

} // namespace QelmStp::mMOD
