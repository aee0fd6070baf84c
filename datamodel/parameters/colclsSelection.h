#pragma once
// The choices of one parameter, keyed by their text.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/parameters/clsSelection.h"

namespace Telva27 {

class colclsSelection : public KeyedCollection<clsSelection> {
public:
    std::shared_ptr<clsSelection> Add(const QString& sSelection, int32_t lngValue);
    // The text of the last choice with that value; "?" when none has it.
    QString GetSelection(int32_t lngValue) const;
};

} // namespace Telva27
