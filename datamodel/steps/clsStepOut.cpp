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
    // The first to ask for the list gets the inline conditions as one, which
    // the line keeps from then on.
    if (!line_->ins) {
        line_->ins = std::make_shared<colclsStepIn>(line_->conditions);
        line_->conditions = StepConditions{};
    }
    return line_->ins;
}

void clsStepOut::setIns(std::shared_ptr<colclsStepIn> v)
{
    line_->ins = std::move(v);
    line_->conditions = StepConditions{};
}

} // namespace Telva27
