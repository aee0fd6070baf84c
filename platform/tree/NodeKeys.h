#pragma once
// The keys the selection dialogs give their tree nodes. A category node and an
// item node may end up with the same text ("12key" for a category named "12"
// and for the code 12); the tree keeps them in separate tables, so both exist.

#include <QString>
#include <cstdint>

namespace platform::tree {

inline QString categoryKey(const QString& category) { return category + QStringLiteral("key"); }
inline QString itemKey(int16_t value) { return QString::number(value) + QStringLiteral("key"); }

// The step-number prompts: under "STEP" (input) or "JMP" (output), and under "CALL".
inline const QString kStepInputKey = QStringLiteral("keyStepInput");
inline const QString kStepInput2Key = QStringLiteral("keyStepInput2");

} // namespace platform::tree
