#include "clsStepOut.h"

#include <array>

namespace Telva27 {

QString clsStepOut::LogicJ(int32_t eValue)
{
    static const std::array<const char*, 12> mnemonics = {"LOW", "HIGH", "NOT", "JMP", "INC", "DEC",
                                                          "SET", "CLR",  "ADD", "SUB", "CALL", "RET"};
    if (eValue < 0 || eValue >= static_cast<int32_t>(mnemonics.size()))
        return QString();
    return QString::fromLatin1(mnemonics[static_cast<size_t>(eValue)]);
}

std::shared_ptr<colclsStepIn> clsStepOut::ins() const
{
    if (!ins_)
        ins_ = std::make_shared<colclsStepIn>();
    return ins_;
}

} // namespace Telva27
