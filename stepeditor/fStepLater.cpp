// fStep: the commands that later work carries out. Until each is built it
// does nothing, and IsLaterCommand keeps the buttons and menu items that
// would run it disabled, so no enabled command is silent. Building one means
// filling its body here (or in a file of its own) and taking its keys off
// the list.

#include "fStep.h"

#include <QSet>

namespace QelmStp {

bool fStep::IsLaterCommand(const QString& key)
{
    static const QSet<QString> later = {
        // Find and replace, printing.
        QStringLiteral("keyFIND"), QStringLiteral("keyPRINT"),
        // Clipboard and undo.
        QStringLiteral("keyCUT"), QStringLiteral("keyCOPY"), QStringLiteral("keyPASTE"), QStringLiteral("keyUNDO"),
        // The attached information (the Info button's items; the button itself only points to them).
        QStringLiteral("keyCOUNTER"), QStringLiteral("keyPASS"),
    };
    return later.contains(key);
}

void fStep::FindOp(int32_t /*role*/) {}
void fStep::PrintOp() {}
void fStep::SaveCurrent() {}
void fStep::CopyRowToBuf(int32_t /*row1*/, int32_t /*row2*/, int32_t /*col1*/, int32_t /*col2*/,
                         int32_t /*wholeRows*/)
{
}
void fStep::PasteFromBuf(int32_t /*row*/) {}
void fStep::DoUndo() {}
void fStep::InputCounterLcd() {}
void fStep::ShowMemo() {}
void fStep::InputPassword() {}

} // namespace QelmStp
