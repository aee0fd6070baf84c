#include "colclsDigital.h"

#include "datamodel/common/NarrowOrOverflow.h"
#include "platform/Val.h"

namespace Telva27 {

namespace {

bool limitsFromTable(const QString& min)
{
    return min == QLatin1String("L_SPEED_MIN") || min == QLatin1String("H_SPEED_MIN");
}

} // namespace

std::shared_ptr<clsDigital> colclsDigital::Add(const QString& sKinoNo, const QString& sDigital,
                                               const QString& sInputMethod, const QString& sUnit, const QString& sMin,
                                               const QString& sMax, const QString& sAdvice,
                                               const QString& lngRamAddress, int64_t bytBit, int64_t bytDataRam)
{
    // Byte arguments are checked at the call, before anything is made.
    const auto bit = narrowOrOverflow<uint8_t>(bytBit);
    const auto dataRam = narrowOrOverflow<uint8_t>(bytDataRam);
    return Add(sKinoNo, sDigital, sInputMethod, sUnit, sMin, sMax, sAdvice,
               platform::toWhole<int32_t>(platform::NumberOf(lngRamAddress)), bit, dataRam);
}

std::shared_ptr<clsDigital> colclsDigital::Add(const QString& sKinoNo, const QString& sDigital,
                                               const QString& sInputMethod, const QString& sUnit, const QString& sMin,
                                               const QString& sMax, const QString& sAdvice, int32_t lngRamAddress,
                                               int64_t bytBit, int64_t bytDataRam)
{
    // Byte arguments are checked at the call, before anything is made.
    const auto bit = narrowOrOverflow<uint8_t>(bytBit);
    const auto dataRam = narrowOrOverflow<uint8_t>(bytDataRam);
    auto item = std::make_shared<clsDigital>();
    item->setKinoNO(sKinoNo);
    item->setDigital(sDigital);
    item->setInputMethod(sInputMethod);
    item->setUnit(sUnit);
    item->setMin(sMin);
    item->setMax(sMax);
    if (limitsFromTable(sMin)) {
        const QStringList parts = sAdvice.split(QLatin1Char(','));
        if (parts.size() < 3)
            throw platform::RuntimeError(platform::errSubscript);
        item->setMinRamAddress(platform::ValAs<int32_t>(parts[0]));
        item->setMaxRamAddress(platform::ValAs<int32_t>(parts[1]));
        item->setAdvice(parts[2]);
    } else {
        item->setAdvice(sAdvice);
    }
    item->setRamAddress(lngRamAddress);
    item->setBit(bit);
    item->setDataRam(dataRam);
    item->setAllowEdit(true);
    KeyedCollection::Add(item, sDigital);
    return item;
}

} // namespace Telva27
