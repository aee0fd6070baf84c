#include "SelectionVisibility.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"

namespace QelmStp {

namespace {

QHash<QString, bool> hiddenFlags(const Telva27::colclsCusSelection& list)
{
    QHash<QString, bool> flags;
    for (const auto& entry : list)
        flags.insert(entry->Ditigal(), entry->Hidden());
    return flags;
}

void restore(Telva27::colclsCusSelection& list, const QHash<QString, bool>& flags)
{
    for (const auto& entry : list) {
        const auto it = flags.constFind(entry->Ditigal());
        if (it != flags.constEnd())
            entry->setHidden(*it);
    }
}

} // namespace

SelectionVisibility::SelectionVisibility(Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp)
    : stpout_(stpout), stpinp_(stpinp), outHidden_(hiddenFlags(stpout)), inHidden_(hiddenFlags(stpinp))
{
}

SelectionVisibility::~SelectionVisibility()
{
    if (kept_)
        return;
    restore(stpout_, outHidden_);
    restore(stpinp_, inHidden_);
}

} // namespace QelmStp
