#include "clsSelectKino.h"

#include "datamodel/customize/colclsCusSelection.h"

namespace Sorvi27 {

// Placeholder until the archive and the lists are read here.
clsSelectKino::clsSelectKino() = default;
clsSelectKino::~clsSelectKino() = default;

Telva27::colclsCusSelection& clsSelectKino::cusinp()
{
    static Telva27::colclsCusSelection list;
    return list;
}
Telva27::colclsCusSelection& clsSelectKino::cusout() { return cusinp(); }
Telva27::colclsCusSelection& clsSelectKino::stpinp() { return cusinp(); }
Telva27::colclsCusSelection& clsSelectKino::stpout() { return cusinp(); }
bool clsSelectKino::DoesAskInEditingMode() const { return false; }
void clsSelectKino::setDoesAskInEditingMode(bool) {}
bool clsSelectKino::ReadStepSelection() { return false; }
bool clsSelectKino::ReadCustomSelection() { return false; }
bool clsSelectKino::DeleteSettingFiles() { return true; }
bool clsSelectKino::DoneMelt() { return false; }

} // namespace Sorvi27
