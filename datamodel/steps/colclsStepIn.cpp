#include "colclsStepIn.h"

#include <array>

namespace Telva27 {

std::shared_ptr<clsStepIn> colclsStepIn::Add(int32_t lngblock, int32_t lngKino, uint8_t bytJyotai, int32_t eRel)
{
    auto condition = std::make_shared<clsStepIn>();
    condition->setBlock(lngblock);
    condition->setKino(lngKino);
    condition->setJyotai(bytJyotai);
    condition->setRel(eRel);
    KeyedCollection::Add(condition, QString::number(lngblock));
    return condition;
}

QString colclsStepIn::RelJ(int32_t eValue)
{
    static const std::array<const char*, 9> signs = {"&", "_", "E", ">=", "<=", "=", "!=", "+", "-"};
    if (eValue < 0 || eValue >= static_cast<int32_t>(signs.size()))
        return QString();
    return QString::fromLatin1(signs[static_cast<size_t>(eValue)]);
}

} // namespace Telva27
