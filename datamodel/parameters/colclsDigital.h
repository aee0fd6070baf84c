#pragma once
// The parameters of one function group, keyed by parameter name.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/parameters/clsDigital.h"

namespace Telva27 {

class colclsDigital : public KeyedCollection<clsDigital> {
public:
    // sMin "L_SPEED_MIN" or "H_SPEED_MIN" marks limits read from the table:
    // sAdvice is then "<min address>,<max address>,<advice>". bytBit and
    // bytDataRam outside 0..255 raise Overflow and add nothing.
    std::shared_ptr<clsDigital> Add(const QString& sKinoNo, const QString& sDigital, const QString& sInputMethod,
                                    const QString& sUnit, const QString& sMin, const QString& sMax,
                                    const QString& sAdvice, const QString& lngRamAddress, int64_t bytBit,
                                    int64_t bytDataRam);
    // The same with the RAM address already a number, as the Set file reader has it.
    std::shared_ptr<clsDigital> Add(const QString& sKinoNo, const QString& sDigital, const QString& sInputMethod,
                                    const QString& sUnit, const QString& sMin, const QString& sMax,
                                    const QString& sAdvice, int32_t lngRamAddress, int64_t bytBit,
                                    int64_t bytDataRam);
};

} // namespace Telva27
