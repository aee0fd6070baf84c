#pragma once
// Helpers shared by the two table-choice dialogs: their designed geometry is
// kept in twips and converted here, and both react to the same key for
// showing or hiding table 0.

#include <QKeyEvent>
#include <QtGlobal>
#include <cstdint>

namespace Sorvi27::TableChoice {

// The designed layout is in twips; the screen is taken as 96 dpi.
constexpr int kTwipsPerPixel = 15;

inline int px(int32_t twips) { return qRound(static_cast<double>(twips) / kTwipsPerPixel); }

// Alt+0 on the main keyboard (never the keypad's 0) shows or hides table 0.
inline bool isTableZeroToggle(const QKeyEvent& e)
{
    return e.key() == Qt::Key_0 && e.modifiers().testFlag(Qt::AltModifier) &&
           !e.modifiers().testFlag(Qt::KeypadModifier);
}

// The starting location (1-based byte position) of table `index` in an
// eight-table file of 8192-byte tables.
inline int32_t startingLocation(int32_t index) { return index * 8192 + 1; }

} // namespace Sorvi27::TableChoice
