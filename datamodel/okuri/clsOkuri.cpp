#include "clsOkuri.h"

#include "datamodel/common/NarrowOrOverflow.h"

namespace Telva27 {

int32_t clsOkuri::B() const { return b_; }
void clsOkuri::setB(int32_t v) { b_ = v; }
int32_t clsOkuri::T2() const { return t2_; }
void clsOkuri::setT2(int32_t v) { t2_ = v; }
int32_t clsOkuri::T1() const { return t1_; }
void clsOkuri::setT1(int32_t v) { t1_ = v; }
uint8_t clsOkuri::P2() const { return p2_; }
void clsOkuri::setP2(int64_t v) { p2_ = narrowOrOverflow<uint8_t>(v); }
uint8_t clsOkuri::P1() const { return p1_; }
void clsOkuri::setP1(int64_t v) { p1_ = narrowOrOverflow<uint8_t>(v); }

} // namespace Telva27
