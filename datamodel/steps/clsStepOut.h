#pragma once
// One step line: the output function with its logic operation and delay or
// constant, the input conditions, and the editor's remark and marks.
// A line of a table is a view of the table's record: what is set through it
// is the table's, and it stays readable however long it is held.

#include "datamodel/common/NarrowOrOverflow.h"
#include "datamodel/steps/StepLine.h"
#include "datamodel/steps/colclsStepIn.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace Telva27 {

class colclsStep;

class clsStepOut {
public:
    // A line of its own: numbers 0, texts empty, Booleans False.
    clsStepOut() : line_(std::make_shared<StepLine>()) {}
    // A view of a kept line.
    explicit clsStepOut(std::shared_ptr<StepLine> line) : line_(std::move(line)) {}

    // The mnemonic of a logic value ("LOW" ... "RET"); "" for any other value.
    static QString LogicJ(int32_t eValue);

    const QString& Remark() const { return line_->remark; }
    void setRemark(const QString& v) { line_->remark = v; }
    // An empty line.
    bool NOP() const { return line_->nop; }
    void setNOP(bool v) { line_->nop = v; }
    // A line marked as a remark (REM) line.
    bool DoesREM() const { return line_->doesRem; }
    void setDoesREM(bool v) { line_->doesRem = v; }
    // The conditions; a line that never got any answers a new empty list,
    // and the same one from then on. Set shares the given list.
    std::shared_ptr<colclsStepIn> ins() const;
    void setIns(std::shared_ptr<colclsStepIn> v);
    int32_t DelayEtc() const { return line_->delayEtc; }
    void setDelayEtc(int32_t v) { line_->delayEtc = v; }
    // A 16-bit code: anything outside -32768 to 32767 is an overflow.
    int16_t Kino() const { return line_->kino; }
    void setKino(int64_t v) { line_->kino = narrowOrOverflow<int16_t>(v); }
    // Step number 1 to 192; its decimal text is the line's key.
    int32_t Row() const { return line_->row; }
    void setRow(int32_t v) { line_->row = v; }
    int32_t Logic() const { return line_->logic; }
    void setLogic(int32_t v) { line_->logic = v; }

private:
    friend class colclsStep;

    std::shared_ptr<StepLine> line_;
};

} // namespace Telva27
