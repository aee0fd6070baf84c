#pragma once
// One step line: the output function with its logic operation and delay or
// constant, the input conditions, and the editor's remark and marks.

#include "datamodel/steps/colclsStepIn.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace Telva27 {

class clsStepOut {
public:
    // The mnemonic of a logic value ("LOW" ... "RET"); "" for any other value.
    static QString LogicJ(int32_t eValue);

    const QString& Remark() const { return remark_; }
    void setRemark(const QString& v) { remark_ = v; }
    // An empty line.
    bool NOP() const { return nop_; }
    void setNOP(bool v) { nop_ = v; }
    // A line marked as a remark (REM) line.
    bool DoesREM() const { return doesRem_; }
    void setDoesREM(bool v) { doesRem_ = v; }
    // The conditions; a line that never got any answers a new empty list,
    // and the same one from then on. Set shares the given list.
    std::shared_ptr<colclsStepIn> ins() const;
    void setIns(std::shared_ptr<colclsStepIn> v) { ins_ = std::move(v); }
    int32_t DelayEtc() const { return delayEtc_; }
    void setDelayEtc(int32_t v) { delayEtc_ = v; }
    int16_t Kino() const { return kino_; }
    void setKino(int16_t v) { kino_ = v; }
    // Step number 1 to 192; its decimal text is the line's key.
    int32_t Row() const { return row_; }
    void setRow(int32_t v) { row_ = v; }
    int32_t Logic() const { return logic_; }
    void setLogic(int32_t v) { logic_ = v; }

private:
    int32_t row_ = 0;
    int16_t kino_ = 0;
    int32_t logic_ = 0;
    int32_t delayEtc_ = 0;
    mutable std::shared_ptr<colclsStepIn> ins_;
    QString remark_;
    bool nop_ = false;
    bool doesRem_ = false;
};

} // namespace Telva27
