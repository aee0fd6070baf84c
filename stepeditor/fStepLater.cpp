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
    };
    return later.contains(key);
}

void fStep::FindOp(int32_t /*role*/) {}

} // namespace QelmStp
