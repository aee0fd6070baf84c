#include "colclsStepIn.h"

#include <array>

namespace Telva27 {

namespace {

// The keys of a line's conditions are small numbers; their texts are made once
// and shared, since a step table holds over a thousand conditions.
QString keyOf(int32_t block)
{
    static const std::array<QString, 16> keys = [] {
        std::array<QString, 16> texts;
        for (int32_t i = 0; i < 16; ++i)
            texts[static_cast<size_t>(i)] = QString::number(i);
        return texts;
    }();
    return block >= 0 && block < 16 ? keys[static_cast<size_t>(block)] : QString::number(block);
}

} // namespace

std::shared_ptr<clsStepIn> colclsStepIn::Add(int32_t lngblock, int32_t lngKino, uint8_t bytJyotai, int32_t eRel)
{
    auto condition = std::make_shared<clsStepIn>();
    condition->setBlock(lngblock);
    condition->setKino(lngKino);
    condition->setJyotai(bytJyotai);
    condition->setRel(eRel);
    KeyedCollection::Add(condition, keyOf(lngblock));
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
