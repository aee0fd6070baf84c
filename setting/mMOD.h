#pragma once
// The setting program's module: its numbered message boxes, the password that
// guards the special group, and what every editing window shares (the button
// bar's edges, the layout inside the main window, the close question), and
// writing the settings back.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

class QPainter;
class QWidget;

namespace QelmSet {

class EditingWindow;
struct ProgramState;

namespace mMOD {

// The executable's name without extension: the title of every box and the
// application of the settings.
QString ProgramName();

// The text of message `number` ("" for a number without text). The messages
// that name something append x1 after a blank line; without it they raise a
// type mismatch.
QString MessageText(int16_t number, const std::optional<QVariant>& x1 = std::nullopt);

// Shows message `number` with the icon and buttons of `kind` (1 critical,
// 2 exclamation, 3 Yes/No question, 4 information, 5 Yes/No critical,
// 6 Yes/No/Cancel question, 7 Yes/No question with No the default, 8 Yes/No
// exclamation). The question kinds answer the button pressed (Yes 6, No 7,
// Cancel 2), the others an empty value; a kind outside 1 to 8 shows nothing.
QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1 = std::nullopt,
                     const std::optional<QVariant>& x2 = std::nullopt,
                     const std::optional<QVariant>& x3 = std::nullopt);

// True when the special group may be shown: the password is not asked for,
// or the typed one equals the stored one exactly.
bool ExactPassWord(const ProgramState& state);

// Draws a bump edge around every button BTN<n> of the form's button bar
// picCMD; called from picCMD's paint event with its painter.
void PaintButtonBar(QWidget& form, QPainter& painter);

// Lays out an editing window inside the main window: the button bar picCMD at
// its right, and the grid fg (or the four grids fg1 .. fg4) filling the rest.
void ExpandToMax(QWidget& form, bool twoByTwo);

// The close question of an editing window with changes: Yes saves through its
// BTN_Click(1) and closes when the save succeeded (an editing window still
// changed afterwards stays open), No closes, Cancel sets cancel and keeps it open.
void Form_Unload(EditingWindow& form, bool changed, bool& cancel);

// Writes the reading folder, the two filter indexes and the two column widths back.
void SaveRegSettings(const ProgramState& state);

} // namespace mMOD
} // namespace QelmSet
