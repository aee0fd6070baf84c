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
        // Printing.
        QStringLiteral("keyPRINT"),
        // Clipboard, rows, REM and undo.
        QStringLiteral("keyCUT"), QStringLiteral("keyCOPY"), QStringLiteral("keyPASTE"),
        QStringLiteral("keyROWINSERT"), QStringLiteral("keyUNDO"), QStringLiteral("keyREM"),
        // The attached information (the Info button's items; the button itself only points to them).
        QStringLiteral("keyCOUNTER"), QStringLiteral("keyPASS"),
    };
    return later.contains(key);
}

void fStep::PrintOp() {}
void fStep::SaveCurrent() {}
void fStep::CopyRowToBuf(int32_t /*row1*/, int32_t /*row2*/, int32_t /*col1*/, int32_t /*col2*/,
                         int32_t /*wholeRows*/)
{
}
void fStep::DeleteRows(int32_t /*mode*/, int32_t /*row1*/, int32_t /*row2*/, int32_t /*col1*/, int32_t /*col2*/) {}
void fStep::PasteFromBuf(int32_t /*row*/) {}
bool fStep::SafeBottomRow(int32_t /*count*/) { return true; }
void fStep::InsertRows(int32_t /*row*/, int32_t /*count*/) {}
void fStep::RemOp() {}
void fStep::DoUndo() {}
void fStep::InputCounterLcd() {}
void fStep::ShowMemo() {}
void fStep::InputPassword() {}

} // namespace QelmStp
