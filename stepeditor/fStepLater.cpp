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
        // Find and replace.
        QStringLiteral("keyFIND"),
        // Rows and REM.
        QStringLiteral("keyROWINSERT"), QStringLiteral("keyREM"),
    };
    return later.contains(key);
}

void fStep::FindOp(int32_t /*role*/) {}
void fStep::DeleteRows(int32_t /*mode*/, int32_t /*row1*/, int32_t /*row2*/, int32_t /*col1*/, int32_t /*col2*/) {}
bool fStep::SafeBottomRow(int32_t /*count*/) { return true; }
void fStep::InsertRows(int32_t /*row*/, int32_t /*count*/) {}
void fStep::RemOp() {}

} // namespace QelmStp
