#pragma once
// One input condition of a step line: which input function (or, on a counter
// line, which constant), the state it waits for and how it joins the next one.

#include "platform/RuntimeError.h"

#include <cstdint>

namespace Telva27 {

class clsStepIn {
public:
    int32_t Rel() const { return rel_; }
    void setRel(int32_t v) { rel_ = v; }
    // Kept as a byte: anything outside 0 to 255 is an overflow.
    int32_t Jyotai() const { return jyotai_; }
    void setJyotai(int32_t v)
    {
        if (v < 0 || v > 255)
            throw platform::RuntimeError(platform::errOverflow);
        jyotai_ = static_cast<uint8_t>(v);
    }
    int32_t Kino() const { return kino_; }
    void setKino(int32_t v) { kino_ = v; }
    // Condition number 1 to 8 within its line; its decimal text is the key.
    int32_t block() const { return block_; }
    void setBlock(int32_t v) { block_ = v; }

private:
    int32_t block_ = 0;
    int32_t kino_ = 0;
    uint8_t jyotai_ = 0;
    int32_t rel_ = 0;
};

} // namespace Telva27
