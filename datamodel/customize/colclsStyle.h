#pragma once
// The pins of one connector, keyed by pin number, in the order they were added.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/customize/clsStyle.h"

#include <cstdint>

namespace Telva27 {

// Which connector a pin list shows.
enum ENUM_CONID : int32_t { eCONALL = 0, eCONI = 1, eCONG = 2, eTE1 = 3, eTE2 = 4, eTEOTHER = 5 };

class colclsStyle : public KeyedCollection<clsStyle> {
public:
    std::shared_ptr<clsStyle> Add(const QString& sPinNo, const QString& sLocation)
    {
        auto pin = std::make_shared<clsStyle>();
        pin->setPinNo(sPinNo);
        pin->setLocation(sLocation);
        KeyedCollection::Add(pin, sPinNo);
        return pin;
    }

    ENUM_CONID ConId() const { return conId_; }
    void setConId(ENUM_CONID v) { conId_ = v; }

private:
    ENUM_CONID conId_ = eCONALL;
};

} // namespace Telva27
