#pragma once
// One row of a feed-pitch table: the five values of one pitch band. The values
// are stored as given; the table decides what fits its 8-byte record. The
// Byte values P1 and P2 take any whole number and raise Overflow outside 0..255.

#include <cstdint>

namespace Telva27 {

class clsOkuri {
public:
    int32_t B() const;
    void setB(int32_t v);
    int32_t T2() const;
    void setT2(int32_t v);
    int32_t T1() const;
    void setT1(int32_t v);
    uint8_t P2() const;
    void setP2(int64_t v);
    uint8_t P1() const;
    void setP1(int64_t v);

private:
    int32_t b_ = 0;
    int32_t t2_ = 0;
    int32_t t1_ = 0;
    uint8_t p2_ = 0;
    uint8_t p1_ = 0;
};

} // namespace Telva27
