#pragma once
// One input condition of a step line: which input function (or, on a counter
// line, which constant), the state it waits for and how it joins the next one.
// A condition of a list is a view of the list's record: what is set through it
// is the list's, and it stays readable however long it is held.

#include "datamodel/common/NarrowOrOverflow.h"
#include "datamodel/steps/StepLine.h"

#include <cstdint>
#include <memory>

namespace Telva27 {

class clsStepIn {
public:
    // A condition of its own, all fields 0.
    clsStepIn() : c_(std::make_shared<StepCondition>()) {}
    // A view of a kept condition.
    explicit clsStepIn(std::shared_ptr<StepCondition> condition) : c_(std::move(condition)) {}

    int32_t Rel() const { return c_->rel; }
    void setRel(int32_t v) { c_->rel = v; }
    // Kept as a byte: anything outside 0 to 255 is an overflow.
    int32_t Jyotai() const { return c_->jyotai; }
    void setJyotai(int32_t v) { c_->jyotai = narrowOrOverflow<uint8_t>(v); }
    int32_t Kino() const { return c_->kino; }
    void setKino(int32_t v) { c_->kino = v; }
    // Condition number 1 to 8 within its line; its decimal text is the key.
    int32_t block() const { return c_->block; }
    void setBlock(int32_t v) { c_->block = v; }

private:
    std::shared_ptr<StepCondition> c_;
};

} // namespace Telva27
